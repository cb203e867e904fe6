// End-to-end test of "kalvora-cli alarm" on a calendar file and a settings folder of its own.
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

void Eintragen(TKalender& kal, const Datum& d, const char* zeit, const char* text, bool alarm,
               int dauer = 0) {
    TTerminliste& l = kal.Terminliste(d.jahr, d.monat, d.tag);
    if (l.empty()) l.emplace_back();
    TTermin t;
    t.Uhrzeit = zeit;
    t.Beschreibung = text;
    t.Alarm = alarm;
    t.Dauer = dauer;
    l.push_back(t);
}

class AlarmBefehl : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-alarm-XXXXXX";
        ordner = mkdtemp(muster);
        datei = ordner + "/termine.kvr";
        TKalender kal;
        Eintragen(kal, {10, 12, 2026}, "10:00", "Besprechung", false, 90);
        Eintragen(kal, {10, 12, 2026}, "16:00", "Zahnarzt", true);
        Eintragen(kal, {10, 12, 2026}, "16:01", "Kino", true);
        Eintragen(kal, {10, 12, 2026}, "23:30", "Sternwarte", true);
        Eintragen(kal, {11, 12, 2026}, "01:00", "Nachtzug", true);
        Eintragen(kal, {31, 12, 2099}, "23:45", "Letzter", true);
        DateiAtomarSchreiben(datei, KalenderAlsVer33(kal));
    }
    void TearDown() override { fs::remove_all(ordner); }
    testcli::Ergebnis Cli(const std::string& argumente, bool fehler = false) {
        setenv("HOME", ordner.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (ordner + "/konfig").c_str(), 1);
        return Ausfuehren(argumente, fehler);
    }
    std::string Alarm(const std::string& tag, const std::string& zeit) {
        return Cli("alarm '" + datei + "' " + tag + " " + zeit).ausgabe;
    }
    std::string ordner, datei;
};

TEST_F(AlarmBefehl, MeldungenUndSymbolMitDenEinstellungenDerAblage) {
    EXPECT_EQ(Alarm("10.12.2026", "14:00"), "Alarm: 16:00 Zahnarzt\nSymbol: anstehend\n");
    EXPECT_EQ(Alarm("10.12.2026", "23:00"),
              "Alarm: 23:30 Sternwarte\nAlarm: 01:00 Nachtzug\nSymbol: anstehend\n");
    EXPECT_EQ(Alarm("10.12.2026", "11:30"), "Symbol: laufend\n");
    EXPECT_EQ(Alarm("10.12.2026", "12:00"), "Symbol: ruhig\n");
    EXPECT_EQ(Alarm("31.12.2099", "23:30"), "Alarm: 23:45 Letzter\nSymbol: unverändert\n");

    // Lead time from the store, and "Terminalarm unterdrücken".
    ASSERT_EQ(Cli("einstellung Alarmstunden 0").code, 0);
    ASSERT_EQ(Cli("einstellung Alarmminuten 30").code, 0);
    EXPECT_EQ(Alarm("10.12.2026", "14:00"), "Symbol: ruhig\n");
    EXPECT_EQ(Alarm("10.12.2026", "15:30"), "Alarm: 16:00 Zahnarzt\nSymbol: anstehend\n");
    ASSERT_EQ(Cli("einstellung 'Schreibschutz/Alarm aus' 1").code, 0);
    EXPECT_EQ(Alarm("10.12.2026", "15:30"), "Symbol: ruhig\n");
}

TEST_F(AlarmBefehl, FalscheEingabenEndenMitCode2) {
    for (const std::string& a :
         {std::string("alarm '") + datei + "' 10.12.2026", std::string("alarm '") + datei +
                                                               "' 10.12.2026 24:00",
          std::string("alarm '") + datei + "' 32.12.2026 10:00",
          std::string("alarm '") + datei + "' 10.12.1900 10:00",
          std::string("alarm '") + datei + "' 10.12.2026 9:00 zuviel"}) {
        const auto e = Cli(a, true);
        EXPECT_EQ(e.code, 2) << a;
        EXPECT_NE(e.ausgabe.find("Aufruf: kalvora-cli alarm"), std::string::npos) << a;
    }
    EXPECT_EQ(Cli("alarm '" + ordner + "/fehlt.kvr' 10.12.2026 10:00").code, 1);
}

}  // namespace
}  // namespace kalvora
