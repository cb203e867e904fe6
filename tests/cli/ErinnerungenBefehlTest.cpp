// End-to-end test of "kalvora-cli erinnerungen" on a calendar file and a settings folder of
// its own.
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

class ErinnerungenBefehl : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-erinnerungen-XXXXXX";
        ordner = mkdtemp(muster);
        datei = ordner + "/leute.kvr";
        TKalender kal;
        kal.Geburtstagsliste = {
            {"Beispiel", "Anna", DatumWert(10, 3, 1995), DatumWert(9, 3, 2000)},
            {"Muster", "Bernd", DatumWert(20, 3, 1986), KeinDatum},
        };
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

TEST_F(ErinnerungenBefehl, FensterDerPruefungMitDenEinstellungen) {
    // The defaults: birthdays only, 7 days ahead.
    auto e = Cli("erinnerungen '" + datei + "' 05.03.2026");
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.ausgabe,
              "Geburtstag|Nur noch 5 Tage bis zum:|Geburtstag von|Anna Beispiel|"
              "am 10.03.    31 Jahre\n");
    // "alles" adds the name day and the round birthday within 20 days.
    e = Cli("erinnerungen '" + datei + "' 05.03.2026 --art alles");
    EXPECT_EQ(e.ausgabe,
              "Geburtstag|Nur noch 5 Tage bis zum:|Geburtstag von|Anna Beispiel|"
              "am 10.03.    31 Jahre\n"
              "runder Geburtstag|Nur noch 15 Tage bis zum:|runder Geburtstag von|Bernd Muster|"
              "am 20.03.    40 Jahre\n");
    EXPECT_EQ(Cli("erinnerungen '" + datei + "' 08.03.2026 --art namenstage").ausgabe,
              "Namenstag|Morgen ist der:|Namenstag von|Anna Beispiel|am 09.03.    \n");
    // The settings of the store decide the automatic check.
    ASSERT_EQ(Cli("einstellung Namenstag 1").code, 0);
    ASSERT_EQ(Cli("einstellung Geburtstag 0").code, 0);
    EXPECT_EQ(Cli("erinnerungen '" + datei + "' 08.03.2026").ausgabe,
              "Namenstag|Morgen ist der:|Namenstag von|Anna Beispiel|am 09.03.    \n");
    // Nothing due: no output.
    e = Cli("erinnerungen '" + datei + "' 01.08.2026");
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.ausgabe, "");
}

TEST_F(ErinnerungenBefehl, FalscheAufrufe) {
    struct Fall {
        std::string argumente;
        int code;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"erinnerungen '" + datei + "' 30.02.2026", 2, "30.02.2026"},
        {"erinnerungen '" + datei + "' 01.01.1800", 2, "zwischen 1901 und 2099"},
        {"erinnerungen '" + datei + "' 01.01.2026 --art morgen", 2, "morgen"},
        {"erinnerungen '" + datei + "' 01.01.2026 --art", 2, "--art"},
        {"erinnerungen '" + datei + "'", 2, "TT.MM.JJJJ"},
        {"erinnerungen '" + ordner + "/fehlt.kvr' 01.01.2026", 1, "fehlt.kvr"},
    };
    for (const Fall& f : faelle) {
        const auto e = Cli(f.argumente, true);
        EXPECT_EQ(e.code, f.code) << f.argumente;
        EXPECT_NE(e.ausgabe.find(f.meldung), std::string::npos) << f.argumente << ": " << e.ausgabe;
    }
}

}  // namespace
}  // namespace kalvora
