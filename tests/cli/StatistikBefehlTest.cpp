// End-to-end test of "kalvora-cli statistik" with a settings folder of its own.
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

class StatistikBefehl : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-statistik-XXXXXX";
        ordner = mkdtemp(muster);
        datei = ordner + "/plan.kvr";
        TKalender kal;
        kal.Farbnamen[1] = "Urlaub";
        kal.Farbnamen[4] = "Arzt Termin";
        kal.Terminkategorie = {"Beruf"};
        kal.Tagesfarben(2008, 3, 1) = {kal.Farbwerte[1], kal.Farbwerte[1]};
        kal.Tagesfarben(2008, 3, 2) = {kal.Farbwerte[4]};
        TTerminliste& l = kal.Terminliste(2008, 3, 1);
        l.assign(1, TTermin{});
        const std::pair<int, uint32_t> termine[] = {
            {90, kal.Farbwerte[4]}, {20, KeineFarbe}, {45, kal.Farbwerte[1]}};
        for (const auto& [dauer, farbe] : termine) {
            TTermin t;
            t.Uhrzeit = "09:00";
            t.Beschreibung = "T";
            t.Dauer = dauer;
            t.Farbe = farbe;
            l.push_back(t);
        }
        l[3].Kategorie = "Beruf";
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

TEST_F(StatistikBefehl, DieBalkenDerDreiStatistikenMitDenOptionenDerAblage) {
    EXPECT_EQ(Cli("statistik '" + datei + "' 2008 farben").ausgabe,
              "Urlaub\t2\nArzt Termin\t1\nNicht zugeordnete Tage\t364\n");
    EXPECT_EQ(Cli("statistik '" + datei + "' 2008 dauer").ausgabe,
              "Urlaub\t0.75\nArzt Termin\t1.50\nNicht zugeordnete Termine\t0.33\n");
    EXPECT_EQ(Cli("statistik '" + datei + "' 2008 termine --kategorie Beruf").ausgabe,
              "Urlaub\t1\n");
    EXPECT_EQ(Cli("statistik '" + datei + "' 2008 termine --kategorie 'ohne Kategorie'").ausgabe,
              "Arzt Termin\t1\nNicht zugeordnete Termine\t1\n");
    // Another year: only the extra bar of the colour statistic, nothing for appointments.
    EXPECT_EQ(Cli("statistik '" + datei + "' 2009 farben").ausgabe,
              "Urlaub\t0\nArzt Termin\t0\nNicht zugeordnete Tage\t365\n");
    EXPECT_EQ(Cli("statistik '" + datei + "' 2009 termine").ausgabe, "");
    // The option "Anzeige" of the store leaves out the extra bar.
    ASSERT_EQ(Cli("einstellung Statistikoptionen/Anzeige 0").code, 0);
    EXPECT_EQ(Cli("statistik '" + datei + "' 2008 termine").ausgabe,
              "Urlaub\t1\nArzt Termin\t1\n");
}

TEST_F(StatistikBefehl, FalscheEingaben) {
    EXPECT_EQ(Cli("statistik '" + datei + "' 2008 farbe", true).code, 2);
    EXPECT_EQ(Cli("statistik '" + datei + "' 1900 farben", true).code, 2);
    EXPECT_EQ(Cli("statistik '" + datei + "' 2100 dauer", true).code, 2);
    EXPECT_EQ(Cli("statistik '" + datei + "' 2008", true).code, 2);
    EXPECT_EQ(Cli("statistik '" + datei + "' 2008 dauer --kategorie", true).code, 2);
    EXPECT_EQ(Cli("statistik '" + datei + "' 2008 dauer zuviel", true).code, 2);
    const auto fehlt = Cli("statistik '" + ordner + "/fehlt.kvr' 2008 farben", true);
    EXPECT_EQ(fehlt.code, 1);
    EXPECT_FALSE(fehlt.ausgabe.empty());
}

}  // namespace
}  // namespace kalvora
