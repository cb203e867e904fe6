// Texts and lists far beyond any real use: each print or mail command either finishes with
// the text cut where a page ends, or refuses at once with a German message naming the limit
// (exit 1) and writes nothing.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "CliAufruf.h"
#include "doubles/Testdateien.h"
#include "kalender/Kalenderdatei.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;

class LangeTexte : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-lang-XXXXXX";
        ordner = mkdtemp(muster);
        setenv("HOME", ordner.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (ordner + "/konfig").c_str(), 1);
    }
    void TearDown() override { fs::remove_all(ordner); }
    // A group file of n entries, the first with a family name of the given length.
    std::string Gruppe(int n, std::size_t nameLaenge = 4) {
        std::string s = "Kalvora-Adressbuch Ver 1.0\r\n";
        for (int i = 0; i < n; ++i)
            s += "Herr#" + (i == 0 ? std::string(nameLaenge, 'N') : "Name" + std::to_string(i)) +
                 "#Vor#Weg##12345#Ort#D###" + "p" + std::to_string(i) + "@example.org#####\r\n";
        const std::string pfad = ordner + "/g" + std::to_string(n) + ".kvradr";
        std::ofstream(pfad, std::ios::binary) << s;
        return pfad;
    }
    std::string ordner;
};

TEST_F(LangeTexte, TerminlisteMitZuLangerBeschreibung) {
    TKalender kal;
    kal.Terminliste(2004, 3, 15) = {TTermin{}, TTermin{"09:30", std::string(65'536, 'x')}};
    const std::string datei = ordner + "/plan.kvr";
    DateiAtomarSchreiben(datei, KalenderAlsVer33(kal));
    const std::string pdf = ordner + "/liste.pdf";
    auto r = Ausfuehren("pdf-terminliste '" + datei + "' 01.03.2004 31.03.2004 '" + pdf + "'");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.ausgabe, "Seiten: 1\n");  // one word: cut at the page's edge

    // Words a megabyte long in all: refused before anything is printed.
    std::string lang;
    while (lang.size() < 1'000'000) lang += "Wort ";
    lang.back() = 'x';
    kal.Terminliste(2004, 3, 20) = {TTermin{}, TTermin{"10:00", "kurz", lang}};
    DateiAtomarSchreiben(datei, KalenderAlsVer33(kal));
    fs::remove(pdf);
    r = Ausfuehren("pdf-terminliste '" + datei + "' 01.03.2004 31.03.2004 '" + pdf + "'", true);
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.ausgabe.find("Ein Termin am 20.03.2004 hat einen Text von 1000000 Bytes; die "
                             "Terminliste druckt Texte bis 64 KB (65536 Bytes)."),
              std::string::npos)
        << r.ausgabe;
    EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(LangeTexte, AdresslisteMitLangemFeldUndZuVielenEintraegen) {
    const std::string pdf = ordner + "/adressen.pdf";
    // A field of two megabytes prints like a short one: cut to its cell.
    auto r = Ausfuehren("pdf-adressen '" + Gruppe(1, 2'000'000) + "' '" + pdf + "'");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.ausgabe, "Seiten: 3\n");

    fs::remove(pdf);
    r = Ausfuehren("pdf-adressen '" + Gruppe(10'001) + "' '" + pdf + "'", true);
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.ausgabe.find("Die Liste hat 10001 Einträge; gedruckt werden höchstens 10000 "
                             "Einträge auf einmal."),
              std::string::npos)
        << r.ausgabe;
    EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(LangeTexte, SerienmailMitZuLangemText) {
    const std::string gruppe = Gruppe(3);
    const std::string text = ordner + "/text.txt";
    // Beyond a megabyte the text file is not even read.
    std::ofstream(text, std::ios::binary) << std::string(2'000'000, 'a');
    auto r = Ausfuehren("mailto '" + gruppe + "' --serie Betreff '" + text + "'", true);
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.ausgabe.find("ist zu groß (mehr als 1 MB)"), std::string::npos) << r.ausgabe;
    // Just below the limit, but the family name makes each mail longer than a megabyte.
    std::string platzhalter;
    while (platzhalter.size() < 900'000) platzhalter += "<name> <vorname> <mfg>\n";
    std::ofstream(text, std::ios::binary) << platzhalter;
    r = Ausfuehren("mailto '" + gruppe + "' --serie Betreff '" + text + "'", true);
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.ausgabe.find("mit den eingesetzten Platzhaltern zu lang: höchstens 1 MB (1048576 "
                             "Bytes)"),
              std::string::npos)
        << r.ausgabe;
    // A long text within the limit: one line per entry.
    std::ofstream(text, std::ios::binary) << std::string(500'000, 'a');
    r = Ausfuehren("mailto '" + gruppe + "' --serie Betreff '" + text + "'");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(testcli::Zeilen(r.ausgabe).size(), 3u);
}

}  // namespace
}  // namespace kalvora
