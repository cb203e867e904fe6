// End-to-end test of "kalvora-cli einstellung" on a settings folder of its own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "CliAufruf.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;

class EinstellungBefehl : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-einstellung-XXXXXX";
        ordner = mkdtemp(muster);
    }
    void TearDown() override { fs::remove_all(ordner); }
    // kalvora-cli with its settings in the test's own folder.
    testcli::Ergebnis Cli(const std::string& argumente, bool fehler = false) {
        setenv("HOME", ordner.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (ordner + "/konfig").c_str(), 1);
        return Ausfuehren(argumente, fehler);
    }
    std::string ordner;
};

TEST_F(EinstellungBefehl, SchreibenLesenUndFehler) {
    EXPECT_EQ(Cli("einstellung 'Druckschriftgrösse'").ausgabe, "12\n");
    EXPECT_EQ(Cli("einstellung 'Druckschriftgrösse' 16").code, 0);
    EXPECT_EQ(Cli("einstellung 'Druckschriftgrösse'").ausgabe, "16\n");
    EXPECT_EQ(Cli("einstellung Schreibschutz/Art 1").code, 0);
    EXPECT_EQ(Cli("einstellung Schreibschutz/Art").ausgabe, "1\n");
    EXPECT_TRUE(fs::exists(ordner + "/konfig/Kalvora/Kalvora.conf"));
    // The listing of all values shows what was written.
    EXPECT_NE(Cli("einstellungen").ausgabe.find("Druckschriftgrösse = 16\n"),
              std::string::npos);

    const auto unbekannt = Cli("einstellung Unsinn 1", true);
    EXPECT_EQ(unbekannt.code, 1);
    EXPECT_EQ(unbekannt.ausgabe, "\"Unsinn\" ist keine bekannte Einstellung.\n");
    const auto falsch = Cli("einstellung 'Druckschriftgrösse' groß", true);
    EXPECT_EQ(falsch.code, 1);
    EXPECT_EQ(falsch.ausgabe, "\"groß\" ist keine ganze Zahl.\n");
    EXPECT_EQ(Cli("einstellung").code, 2);
    // The subkeys the options dialog and "Toolbar anpassen" write.
    EXPECT_EQ(Cli("einstellung Toolbar/Toolbutton35").ausgabe, "1\n");
    EXPECT_EQ(Cli("einstellung Toolbar/Toolbutton35 0").code, 0);
    EXPECT_EQ(Cli("einstellung Toolbar/Toolbutton35").ausgabe, "0\n");
    EXPECT_EQ(Cli("einstellung 'feiertage/Farbe der Feiertage01'").ausgabe, "0x0080FF\n");
    EXPECT_EQ(Cli("einstellung 'feiertage/Malen der Feiertage15' 1").code, 0);
    EXPECT_EQ(Cli("einstellung 'feiertage/Malen der Feiertage15'").ausgabe, "1\n");
    EXPECT_EQ(Cli("einstellung 'Druckschriftgrösse'").ausgabe, "16\n");
}

// The limits of the options dialogs: a value they refuse is refused here too, with exit 1 and
// nothing written; the bounds themselves are taken.
TEST_F(EinstellungBefehl, GrenzenDerOptionen) {
    struct Fall {
        const char* name;
        const char* wert;
        bool gilt;
    };
    const Fall faelle[] = {
        {"geographische Länge", "181", false},      {"geographische Länge", "1e308", false},
        {"geographische Länge", "-180", true},      {"geographische Länge", "180", true},
        {"geographische Breite", "-91", false},     {"geographische Breite", "90,5", false},
        {"geographische Breite", "-90", true},      {"Abweichung von Greenich", "25", false},
        {"Abweichung von Greenich", "-12", true},   {"Farbe kommender Termine", "0xFFFFFF", false},
        {"Farbe kommender Termine", "16777215", false},
        {"Farbe kommender Termine", "0xFFFFFE", true},
        {"Statistikoptionen/Links", "-1", false},   {"Statistikoptionen/Unten", "-0,5", false},
        {"Statistikoptionen/Rechts", "0", true},    {"Statistikoptionen/Oben", "1e300", false},
    };
    for (const Fall& f : faelle) {
        const std::string name = std::string("'") + f.name + "'";
        const std::string vorher = Cli("einstellung " + name).ausgabe;
        const auto e = Cli("einstellung " + name + " '" + f.wert + "'", true);
        EXPECT_EQ(e.code, f.gilt ? 0 : 1) << f.name << " " << f.wert << ": " << e.ausgabe;
        if (f.gilt) continue;
        // The message names the value (without its subkey).
        const std::string kurz = std::string(f.name).substr(std::string(f.name).find('/') + 1);
        EXPECT_NE(e.ausgabe.find("\"" + kurz + "\""), std::string::npos) << e.ausgabe;
        EXPECT_EQ(Cli("einstellung " + name).ausgabe, vorher) << f.name;
    }
    EXPECT_EQ(Cli("einstellung 'geographische Breite'").ausgabe, "-90\n");
    EXPECT_EQ(Cli("einstellung 'Farbe kommender Termine'").ausgabe, "0xFFFFFE\n");
    const auto e = Cli("einstellung 'geographische Länge' 181", true);
    EXPECT_EQ(e.ausgabe, "\"geographische Länge\" muss zwischen -180 und 180 liegen, nicht bei "
                         "181.\n");
}

}  // namespace
}  // namespace kalvora
