// pruefen, konvertieren and csv-export on real files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliAufruf.h"

namespace {

using kalvora::testcli::Ausfuehren;
using kalvora::testcli::Zeilen;
namespace fs = std::filesystem;

const std::string kBeispiel = KALVORA_TESTDATEN "/beispiel_ver33.kvr";

std::string Inhalt(const fs::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

class DateiBefehle : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = fs::temp_directory_path() / ("kalvora-dateibefehle-" + std::to_string(getpid()));
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string Pfad(const char* name) const { return "'" + (ordner / name).string() + "'"; }
    fs::path ordner;
};

TEST_F(DateiBefehle, PruefenZaehlt) {
    const auto e = Ausfuehren("pruefen '" + kBeispiel + "'");
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(Zeilen(e.ausgabe),
              (std::vector<std::string>{"Form: Ver 3.3", "Tage mit Farben: 1",
                                        "Tage mit Einträgen: 1", "Termine: 2", "Geburtstage: 1",
                                        "Kategorien: 2", "Links: 1"}));
}

TEST_F(DateiBefehle, KonvertierenSchreibtVer33) {
    EXPECT_EQ(Ausfuehren("konvertieren '" + kBeispiel + "' " + Pfad("neu.kvr")).code, 0);
    EXPECT_EQ(Inhalt(ordner / "neu.kvr"), Inhalt(kBeispiel));
}

TEST_F(DateiBefehle, AlteBinaerformMitBegleitdatei) {
    std::ofstream(ordner / "alt.kvr", std::ios::binary) << "zu kurz";
    std::ofstream(ordner / "alt.kvr.TxT", std::ios::binary) << "2004 3 15 Info\r\n09:30 A\r\n";
    const auto warnung = Ausfuehren("pruefen " + Pfad("alt.kvr"), true);
    EXPECT_EQ(warnung.code, 0);
    EXPECT_NE(warnung.ausgabe.find("ältere Dateiversion"), std::string::npos);
    const auto e = Ausfuehren("pruefen " + Pfad("alt.kvr"));
    EXPECT_EQ(Zeilen(e.ausgabe).at(0), "Form: binär");
    EXPECT_EQ(Zeilen(e.ausgabe).at(3), "Termine: 1");
    EXPECT_EQ(Ausfuehren("konvertieren " + Pfad("alt.kvr") + " " + Pfad("neu.kvr")).code, 0);
    EXPECT_EQ(Zeilen(Ausfuehren("pruefen " + Pfad("neu.kvr")).ausgabe).at(0), "Form: Ver 3.3");
}

TEST_F(DateiBefehle, KeineKalenderdateiOhneBegleitdateiIstFehler) {
    std::ofstream(ordner / "text.kvr", std::ios::binary) << "Einkaufsliste\r\nBrot\r\n";
    const auto e = Ausfuehren("konvertieren " + Pfad("text.kvr") + " " + Pfad("neu.kvr"), true);
    EXPECT_EQ(e.code, 1);
    EXPECT_NE(e.ausgabe.find("keine lesbare Kalenderdatei"), std::string::npos);
    EXPECT_FALSE(fs::exists(ordner / "neu.kvr"));
    const auto p = Ausfuehren("pruefen " + Pfad("text.kvr"));
    EXPECT_EQ(p.code, 1);
    EXPECT_EQ(p.ausgabe, "");
}

TEST_F(DateiBefehle, FehlerhafteDateiSchreibtNichts) {
    std::ofstream(ordner / "kaputt.kvr", std::ios::binary) << "Ver 3.3\r\n[Farbnamen]\r\nXY\r\n";
    const auto e = Ausfuehren("konvertieren " + Pfad("kaputt.kvr") + " " + Pfad("neu.kvr"), true);
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.ausgabe, "Zeile 3: ungültiger Farbwert \"XY\"\n");
    EXPECT_FALSE(fs::exists(ordner / "neu.kvr"));
    EXPECT_EQ(Ausfuehren("pruefen " + Pfad("kaputt.kvr")).ausgabe, "");
    EXPECT_EQ(Ausfuehren("pruefen " + Pfad("fehlt.kvr")).code, 1);
    EXPECT_EQ(Ausfuehren("konvertieren '" + kBeispiel + "' /gibt/es/nicht/neu.kvr").code, 1);
}

TEST_F(DateiBefehle, CsvExport) {
    EXPECT_EQ(Ausfuehren("csv-export '" + kBeispiel + "' " + Pfad("a.csv")).code, 0);
    const std::string csv = Inhalt(ordner / "a.csv");
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "\"Datum\",\"Startzeit\",\"Dauer\",\"Terminbeschreibung\",\"Ortsangabe\","
              "\"Farbwert\",\"Farbname\",\"Alarm\"");
    EXPECT_NE(csv.find("\"15.03.2004\",\"09:30\",\"45\",\"Zahnarzt\",\"Praxis Dr. Meier\","
                       "\"FF0000\",\"Arzt\",\"x\"\r\n"),
              std::string::npos);
}

TEST_F(DateiBefehle, FalscherAufruf) {
    for (const char* argumente : {"pruefen", "pruefen a b", "konvertieren a", "csv-export"})
        EXPECT_EQ(Ausfuehren(argumente).code, 2) << argumente;
}

}  // namespace
