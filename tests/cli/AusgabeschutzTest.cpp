// Commands that write another kind of file than they read refuse to write over what they
// read: by the same name, through a symbolic or a hard link, or by a path with "..".
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "CliAufruf.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;

std::string Inhalt(const fs::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

std::string Q(const fs::path& p) { return "'" + p.string() + "'"; }

class Ausgabeschutz : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-ausgabeschutz-XXXXXX";
        ordner = mkdtemp(muster);
        fs::create_directories(ordner / "unter");
        fs::create_directories(ordner / "Adressen");
        kalender = ordner / "k.kvr";
        fs::copy_file(std::string(KALVORA_TESTDATEN) + "/beispiel_ver33.kvr", kalender);
        gruppe = ordner / "Adressen" / "G.kvradr";
        std::ofstream(gruppe, std::ios::binary)
            << "Kalvora-Adressbuch Ver 1.0\r\nHerr#Zander#Paul#Weg 1##12345#Ort#D####"
               "paul@example.org#####\r\n";
        ics = ordner / "e.ics";
        fs::copy_file(std::string(KALVORA_TESTDATEN) + "/ics/ganztaegig.ics", ics);
        // Settings of their own: the commands read the store.
        umgebung = "env -u XDG_RUNTIME_DIR HOME=" + Q(ordner) +
                   " XDG_CONFIG_HOME=" + Q(ordner / "konfig");
    }
    void TearDown() override { fs::remove_all(ordner); }

    // The ways the same file is named: itself, a symbolic link, a hard link, a path with "..".
    std::vector<fs::path> Namen(const fs::path& datei) const {
        const fs::path sym = ordner / ("sym-" + datei.filename().string());
        const fs::path hart = ordner / ("hart-" + datei.filename().string());
        std::error_code f;
        fs::remove(sym, f);
        fs::remove(hart, f);
        fs::create_symlink(datei, sym);
        fs::create_hard_link(datei, hart);
        return {datei, sym, hart,
                ordner / "unter" / ".." / fs::relative(datei, ordner)};
    }

    fs::path ordner, kalender, gruppe, ics;
    std::string umgebung;
};

TEST_F(Ausgabeschutz, AusgabeUeberschreibtKeineEingabe) {
    struct Fall {
        const char* name;
        fs::path eingabe;  // what must stay as it is
        std::function<std::string(const fs::path& aus)> argumente;
    };
    const std::string k = Q(kalender);
    const Fall faelle[] = {
        {"pdf-jahr", kalender,
         [&](const fs::path& a) { return "pdf-jahr " + k + " 2004 " + Q(a); }},
        {"pdf-terminliste", kalender,
         [&](const fs::path& a) {
             return "pdf-terminliste " + k + " 01.03.2004 31.03.2004 " + Q(a);
         }},
        {"pdf-geburtstage", kalender,
         [&](const fs::path& a) { return "pdf-geburtstage " + k + " " + Q(a); }},
        {"pdf-adressen", gruppe,
         [&](const fs::path& a) { return "pdf-adressen " + Q(gruppe) + " " + Q(a); }},
        {"csv-export", kalender,
         [&](const fs::path& a) { return "csv-export " + k + " " + Q(a); }},
        {"xml-export", kalender,
         [&](const fs::path& a) {
             return "xml-export " + k + " 01.03.2004 31.03.2004 " + Q(a);
         }},
        {"ics-export", kalender,
         [&](const fs::path& a) {
             return "ics-export " + k + " 01.03.2004 31.03.2004 " + Q(a);
         }},
        {"ics-import in die .ics", ics,
         [&](const fs::path& a) { return "ics-import " + k + " " + Q(ics) + " " + Q(a); }},
        {"adressen-xml", gruppe,
         [&](const fs::path& a) {
             return "adressen-xml " + Q(ordner / "Adressen") + " " + Q(a) + " G";
         }},
        {"adressen-xml Gesamt", gruppe,
         [&](const fs::path& a) {
             return "adressen-xml " + Q(ordner / "Adressen") + " " + Q(a) +
                    " 'Adressbuch (gesamt)'";
         }},
    };
    for (const Fall& f : faelle) {
        const std::string vorher = Inhalt(f.eingabe);
        for (const fs::path& aus : Namen(f.eingabe)) {
            SCOPED_TRACE(std::string(f.name) + " -> " + aus.string());
            const auto r = Ausfuehren(f.argumente(aus), true, umgebung);
            EXPECT_EQ(r.code, 2) << r.ausgabe;
            EXPECT_NE(r.ausgabe.find("ist dieselbe Datei wie die Eingabe"), std::string::npos)
                << r.ausgabe;
            EXPECT_EQ(Inhalt(f.eingabe), vorher);
        }
    }
    // Converting and importing may still write back over their own calendar.
    EXPECT_EQ(Ausfuehren("konvertieren " + k + " " + k).code, 0);
    EXPECT_EQ(Ausfuehren("ics-import " + k + " " + Q(ics) + " " + k, false, umgebung).code, 0);
    EXPECT_EQ(Ausfuehren("pruefen " + k).code, 0);
}

// The style sheet and the DTD written beside an export are outputs too: a calendar that
// carries the DTD's name there is not exported over.
TEST_F(Ausgabeschutz, BegleitdateienZaehlenAlsAusgabe) {
    const fs::path dtd = ordner / "unter" / "kalvora.dtd";
    fs::copy_file(kalender, dtd);
    const auto r = Ausfuehren("xml-export " + Q(dtd) + " 01.03.2004 31.03.2004 " +
                                  Q(ordner / "unter" / "x.xml"),
                              true);
    EXPECT_EQ(r.code, 2) << r.ausgabe;
    EXPECT_FALSE(fs::exists(ordner / "unter" / "x.xml"));
    EXPECT_EQ(Ausfuehren("xml-export " + Q(dtd) + " 01.03.2004 31.03.2004 " +
                         Q(ordner / "unter" / "x.xml") + " --ohne-dtd")
                  .code,
              0);
    EXPECT_EQ(Inhalt(dtd), Inhalt(kalender));
}

// xml-html reads the export and its style sheet; neither is written over with the page.
TEST_F(Ausgabeschutz, SeiteUeberschreibtWederExportNochStylesheet) {
    const fs::path xml = ordner / "unter" / "x.xml";
    ASSERT_EQ(Ausfuehren("xml-export " + Q(kalender) + " 01.03.2004 31.03.2004 " + Q(xml)).code,
              0);
    const fs::path xsl = ordner / "unter" / "kalvora.xsl";
    ASSERT_TRUE(fs::exists(xsl));
    for (const fs::path& datei : {xml, xsl}) {
        const std::string vorher = Inhalt(datei);
        for (const fs::path& aus : Namen(datei)) {
            SCOPED_TRACE(aus.string());
            const auto r = Ausfuehren("xml-html " + Q(xml) + " " + Q(aus), true);
            EXPECT_EQ(r.code, 2) << r.ausgabe;
            EXPECT_NE(r.ausgabe.find("dieselbe Datei"), std::string::npos) << r.ausgabe;
            EXPECT_EQ(Inhalt(datei), vorher);
        }
    }
    EXPECT_EQ(Ausfuehren("xml-html " + Q(xml) + " " + Q(ordner / "x.html")).code, 0);
}

// The name-day list is printed from the catalogue beside the program; that is its input.
TEST_F(Ausgabeschutz, NamenstagslisteNichtUeberDenKatalog) {
    const fs::path programm = ordner / "kalvora-cli";
    std::error_code f;
    fs::create_hard_link(KALVORA_CLI, programm, f);
    if (f) fs::copy_file(KALVORA_CLI, programm);
    const fs::path katalog = ordner / "Namenstage.txt";
    fs::copy_file(std::string(KALVORA_TESTDATEN) + "/../../daten/Namenstage.txt", katalog);
    const std::string vorher = Inhalt(katalog);
    for (const fs::path& aus : Namen(katalog)) {
        SCOPED_TRACE(aus.string());
        const auto r = Ausfuehren("pdf-namenstage 2009 " + Q(aus), true, umgebung,
                                  programm.string());
        EXPECT_EQ(r.code, 2) << r.ausgabe;
        EXPECT_EQ(Inhalt(katalog), vorher);
    }
}

}  // namespace
}  // namespace kalvora
