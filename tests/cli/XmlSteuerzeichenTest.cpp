// Control characters in any text (a calendar file's texts, a group file's fields and the group
// name) never make an XML export malformed: xml-export and adressen-xml write files that
// xmllint and xml-html accept, without the characters XML 1.0 cannot hold.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "CliAufruf.h"
#include "doubles/Testdateien.h"
#include "kalender/Kalenderdatei.h"
#include "kalender/XmlPruefung.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;

// Every C0 control but NUL and the line breaks (a calendar file cannot hold those), and DEL.
std::string Steuerzeichen() {
    std::string s;
    for (char c = 1; c < 0x20; ++c)
        if (c != '\n' && c != '\r') s.push_back(c);
    return s + "\x7F";
}

// No byte XML 1.0 cannot hold: NUL and the C0 controls other than TAB, LF and CR.
bool OhneVerboteneBytes(const std::string& text) {
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') return false;
    }
    return true;
}

class XmlSteuerzeichen : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-xmlsteuer-XXXXXX";
        ordner = mkdtemp(muster);
        setenv("HOME", ordner.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (ordner + "/konfig").c_str(), 1);
    }
    void TearDown() override { fs::remove_all(ordner); }

    // The file is well-formed for libxml2, for xmllint (when installed) and for xml-html.
    void Wohlgeformt(const std::string& xml) {
        std::string fehler;
        EXPECT_TRUE(XmlWohlgeformt(testdateien::Inhalt(xml), &fehler)) << xml << ": " << fehler;
        if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
            const std::string pruefen = "xmllint --noout '" + xml + "' 2>/dev/null";
            EXPECT_EQ(std::system(pruefen.c_str()), 0) << xml;
        }
        const auto html = Ausfuehren("xml-html '" + xml + "' '" + xml + ".html'", true);
        EXPECT_EQ(html.code, 0) << html.ausgabe;
        EXPECT_TRUE(fs::exists(xml + ".html"));
    }
    std::string ordner;
};

TEST_F(XmlSteuerzeichen, KalenderexportBleibtWohlgeformt) {
    const std::string s = Steuerzeichen();
    TKalender kal;
    kal.Farbnamen[1] = "Ur" + s + "laub";
    TTermin t{"09:30", "Be" + s + "sprechung", "O" + s + "rt", "Kate" + s + "gorie",
              "https://example.org/" + s};
    t.Dauer = 30;
    kal.Terminliste(2004, 3, 15) = {TTermin{"", "In" + s + "fo"}, t};
    kal.Terminkategorie = {t.Kategorie};
    kal.Linkliste = {t.Link};
    kal.Geburtstagsliste = {{"Me" + s + "yer", "An" + s + "na", DatumWert(15, 3, 1970),
                             DatumWert(15, 3, 1990)}};
    const std::string datei = ordner + "/steuer.kvr";
    DateiAtomarSchreiben(datei, KalenderAlsVer33(kal));
    ASSERT_EQ(Ausfuehren("pruefen '" + datei + "'").code, 0);

    const std::string xml = ordner + "/steuer.xml";
    for (const char* herkunft : {"jahr", "woche", "monat", "mowo"}) {
        ASSERT_EQ(Ausfuehren("xml-export '" + datei + "' 01.03.2004 31.03.2004 '" + xml +
                             "' --herkunft " + herkunft)
                      .code,
                  0)
            << herkunft;
        Wohlgeformt(xml);
    }
    // The texts are there, without the controls XML cannot hold.
    const std::string text = testdateien::Inhalt(xml);
    EXPECT_TRUE(OhneVerboteneBytes(text));
    EXPECT_NE(text.find("<BESCHREIBUNG>Be"), std::string::npos);
    EXPECT_NE(text.find("sprechung</BESCHREIBUNG>"), std::string::npos);
    EXPECT_NE(text.find("<NAME>An"), std::string::npos);
}

TEST_F(XmlSteuerzeichen, AdressexportMitNullzeichenBleibtWohlgeformt) {
    const std::string adressen = ordner + "/adressen";
    fs::create_directories(adressen);
    // The group reader takes any byte but '#' and the line end into a field, NUL included.
    std::string zeile;
    for (int f = 0; f < 17; ++f) {
        if (f > 0) zeile.push_back('#');
        zeile += "F" + std::to_string(f) + std::string(1, '\0') + "\x01\x1B\x1F" + "x";
    }
    std::ofstream(adressen + "/Fre\x01unde.kvradr", std::ios::binary)
        << "Kalvora-Adressbuch Ver 1.0\r\n" << zeile << "\r\n";
    const std::string xml = ordner + "/adressen.xml";
    ASSERT_EQ(Ausfuehren("adressen-xml '" + adressen + "' '" + xml +
                         "' \"$(printf 'Fre\\001unde')\" 'Adressbuch (gesamt)'")
                  .code,
              0);
    Wohlgeformt(xml);
    const std::string text = testdateien::Inhalt(xml);
    EXPECT_TRUE(OhneVerboteneBytes(text));
    EXPECT_NE(text.find("<GRUPPENNAME>Freunde</GRUPPENNAME>"), std::string::npos);
    EXPECT_NE(text.find("<NAME>F1x</NAME>"), std::string::npos);
    EXPECT_NE(text.find("<EMAIL-ADRESSE>F11x</EMAIL-ADRESSE>"), std::string::npos);
}

}  // namespace
}  // namespace kalvora
