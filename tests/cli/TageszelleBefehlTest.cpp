// End-to-end test of "kalvora-cli tageszelle" with a settings folder of its own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "CliAufruf.h"
#include "kalender/Kalenderdatei.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;

class TageszelleBefehl : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-tageszelle-XXXXXX";
        ordner = mkdtemp(muster);
        datei = ordner + "/termine.kvr";
        TKalender kal;
        kal.Farbnamen[1] = "Urlaub";
        kal.Farbwerte[1] = 0x00FFFF;
        kal.Tagesfarben(2009, 6, 15) = {0x00FFFF};
        TTerminliste& l = kal.Terminliste(2009, 6, 15);
        l.assign(1, TTermin{});
        l[0].Beschreibung = "Notiz#zweite";
        TTermin t;
        t.Uhrzeit = "09:00";
        t.Beschreibung = "Arzt";
        t.Dauer = 90;
        t.Ort = "Praxis";
        t.Farbe = 0x00FFFF;  // the day's colour: shown in its complement
        l.push_back(t);
        DateiAtomarSchreiben(datei, KalenderAlsVer33(kal));
    }
    void TearDown() override { fs::remove_all(ordner); }
    testcli::Ergebnis Cli(const std::string& argumente, bool fehler = false) {
        setenv("HOME", ordner.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (ordner + "/konfig").c_str(), 1);
        return Ausfuehren(argumente, fehler);
    }
    std::string ordner, datei;
};

TEST_F(TageszelleBefehl, ZellenDerAnsichtenMitDenEinstellungen) {
    EXPECT_EQ(Cli("tageszelle '" + datei + "' 15.06.2009").ausgabe,
              "Hintergrund: FFFF00  Fett: ja\n"
              "Montag, 15.06.2009   Urlaub\n"
              "Notiz\n"
              "zweite\n"
              "09:00-10:30   Arzt    Praxis\tSchrift 0000FF\n"
              "\n");
    EXPECT_EQ(Cli("tageszelle '" + datei + "' 15.06.2009 --ansicht mowo").ausgabe.rfind(
                  "Hintergrund: FFFF00  Fett: ja\n15.06.2009   Urlaub\nNotiz\nzweite\n", 0),
              0u);
    ASSERT_EQ(Cli("einstellung 'Schriftfarbe ändern' 0").code, 0);
    ASSERT_EQ(Cli("einstellung 'Terminlänge anzeigen' 1").code, 0);
    EXPECT_NE(Cli("tageszelle '" + datei + "' 15.06.2009 --ansicht woche")
                  .ausgabe.find("09:00-10:30   Arzt (01:30h)    Praxis\tHintergrund FFFF00\n"),
              std::string::npos);
    // A day without anything: header, the empty line of the missing info, the end line.
    EXPECT_EQ(Cli("tageszelle '" + datei + "' 16.06.2009 --ansicht zwow").ausgabe,
              "Hintergrund: FFFFFF  Fett: nein\n16.06.2009   \n\n");
}

TEST_F(TageszelleBefehl, FalscheEingaben) {
    EXPECT_EQ(Cli("tageszelle '" + datei + "' 15.06.2009 --ansicht jahr", true).code, 2);
    EXPECT_EQ(Cli("tageszelle '" + datei + "' 31.02.2009", true).code, 2);
    EXPECT_EQ(Cli("tageszelle '" + datei + "' 15.06.2100", true).code, 2);
    EXPECT_EQ(Cli("tageszelle '" + datei + "'", true).code, 2);
    EXPECT_EQ(Cli("tageszelle '" + ordner + "/fehlt.kvr' 15.06.2009").code, 1);
}

}  // namespace
}  // namespace kalvora
