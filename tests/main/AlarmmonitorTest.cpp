#include "main/Alarmmonitor.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "doubles/Alarmdoubles.h"
#include "doubles/StehendeUhr.h"
#include "einstellungen/Einstellungen.h"

namespace kalvora {
namespace {

class AlarmmonitorTest : public ::testing::Test {
protected:
    AlarmmonitorTest() {
        einstellungen.Alarmstunden = 2;
        einstellungen.Alarmminuten = 0;
        einstellungen.Alarmwiederholungsminuten = 15;
        einstellungen.Alarmdatei = "/tmp/alarm.wav";
        monitor.anschluesse.intervallSetzen = [this](int ms, Neustart n) {
            intervalle.emplace_back(ms, n);
        };
        monitor.anschluesse.erinnerungen = [this] { ++erinnerungen; };
        monitor.anschluesse.traysymbol = [this](Traysymbol s) { symbole.push_back(s); };
    }

    void Termine(const Datum& d, std::vector<std::pair<const char*, bool>> termine) {
        TTerminliste& l = kal.Terminliste(d.jahr, d.monat, d.tag);
        l.assign(1, TTermin{});
        for (const auto& [zeit, alarm] : termine) {
            TTermin t;
            t.Uhrzeit = zeit;
            t.Beschreibung = std::string("um ") + zeit;
            t.Alarm = alarm;
            l.push_back(t);
        }
    }
    std::vector<std::string> Gezeigt() const {
        std::vector<std::string> z;
        for (const Alarminhalt& a : fenster.gezeigt) z.push_back(a.uhrzeit);
        return z;
    }

    TKalender kal;
    Einstellungen einstellungen;
    Schreibschutzoptionen schutz;
    test::StehendeUhr uhr{{2026, 12, 10, 14, 0, 0}};
    test::Klangprotokoll klang;
    test::Skriptalarmfenster fenster;
    TAlarmmonitor monitor{kal, einstellungen, schutz, uhr, klang, fenster};
    std::vector<std::pair<int, Neustart>> intervalle;
    std::vector<Traysymbol> symbole;
    int erinnerungen = 0;
};

TEST_F(AlarmmonitorTest, EinFensterZurZeitUndDieNaechsteMeldungDanach) {
    Termine({10, 12, 2026}, {{"14:30", true}, {"15:00", true}});
    // While the first window is open the timer fires twice: no second window, the sound is
    // asked for again, the window comes to the front.
    int laeufe = 0;
    fenster.waehrend = [&](const Alarminhalt& a) {
        if (a.uhrzeit != "14:30" || laeufe > 0) return;
        ++laeufe;
        monitor.Pruefen(Alarmherkunft::Sonstwo);
        EXPECT_EQ(monitor.Zustand(), 1);
        monitor.Pruefen(Alarmherkunft::Sonstwo);
    };
    monitor.Pruefen(Alarmherkunft::Sonstwo);
    EXPECT_EQ(Gezeigt(), (std::vector<std::string>{"14:30", "15:00"}));
    EXPECT_EQ(monitor.Zustand(), 2);
    // Two re-entrant runs, two appointments each, plus the two of the outer run.
    EXPECT_EQ(klang.gespielt.size(), 6u);
    EXPECT_EQ(klang.angehalten, 2);
    EXPECT_GE(fenster.nachVorne, 4);
    // 6 s while announcing, the period after each window.
    ASSERT_FALSE(intervalle.empty());
    EXPECT_EQ(intervalle.front(), std::make_pair(AlarmAnkuendigungMs, Neustart::Immer));
    EXPECT_EQ(intervalle.back(), std::make_pair(15 * 60000, Neustart::Immer));
}

TEST_F(AlarmmonitorTest, NeinLoeschtDenAlarmOhneAenderungsmarke) {
    Termine({10, 12, 2026}, {{"14:30", true}, {"15:00", false}});
    kal.GeaendertSetzen(false);
    fenster.antworten = {Alarmantwort::Nein};
    std::vector<Datum> vorher, nachher;
    monitor.anschluesse.vorAenderung = [&](const Datum& d) { vorher.push_back(d); };
    monitor.anschluesse.nachAenderung = [&](const Datum& d) { nachher.push_back(d); };
    monitor.Pruefen(Alarmherkunft::Sonstwo);
    EXPECT_FALSE(kal.Terminliste(2026, 12, 10)[1].Alarm);
    EXPECT_FALSE(kal.geaendert);
    EXPECT_EQ(vorher, (std::vector<Datum>{{10, 12, 2026}}));
    EXPECT_EQ(nachher, vorher);
    // Not announced again, but still pending for the tray.
    monitor.imHintergrund = true;
    monitor.Pruefen(Alarmherkunft::Sonstwo);
    EXPECT_EQ(fenster.gezeigt.size(), 1u);
    EXPECT_EQ(symbole, std::vector<Traysymbol>{Traysymbol::Z003});
}

TEST_F(AlarmmonitorTest, NeinFindetDenTerminAuchNachEinerAenderungDerListe) {
    Termine({10, 12, 2026}, {{"14:30", true}, {"15:00", true}});
    fenster.antworten = {Alarmantwort::Nein, Alarmantwort::Ja};
    fenster.waehrend = [&](const Alarminhalt& a) {
        if (a.uhrzeit != "14:30") return;
        // A refresh while the window is open puts another appointment in front.
        TTermin neu;
        neu.Uhrzeit = "08:00";
        TTerminliste& l = kal.Terminliste(2026, 12, 10);
        l.insert(l.begin() + 1, neu);
    };
    monitor.Pruefen(Alarmherkunft::Sonstwo);
    const TTerminliste& l = kal.Terminliste(2026, 12, 10);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_FALSE(l[2].Alarm);  // 14:30
    EXPECT_TRUE(l[3].Alarm);   // 15:00 answered "Ja"
}

TEST_F(AlarmmonitorTest, ErinnerungenEinmalAmTagUndNieVerschachtelt) {
    uhr.jetzt = {2026, 12, 10, 0, 5, 0};
    monitor.anschluesse.erinnerungen = [&] {
        ++erinnerungen;
        monitor.Pruefen(Alarmherkunft::Sonstwo);  // the timer fires while they show
    };
    monitor.Pruefen(Alarmherkunft::Sonstwo);
    monitor.Pruefen(Alarmherkunft::Sonstwo);
    EXPECT_EQ(erinnerungen, 1);
    uhr.jetzt = {2026, 12, 11, 0, 1, 0};
    monitor.Pruefen(Alarmherkunft::Sonstwo);
    EXPECT_EQ(erinnerungen, 2);
}

TEST_F(AlarmmonitorTest, SymbolNurImHintergrundUndNachDemMalenDiePeriode) {
    Termine({10, 12, 2026}, {{"14:00", false}});
    monitor.Pruefen(Alarmherkunft::Sonstwo);
    EXPECT_TRUE(symbole.empty());
    monitor.imHintergrund = true;
    monitor.Pruefen(Alarmherkunft::Toolbutton);
    monitor.desktopModus = true;
    monitor.Pruefen(Alarmherkunft::Sonstwo);
    EXPECT_EQ(symbole, (std::vector<Traysymbol>{Traysymbol::Z005, Traysymbol::Z006}));
    // "Terminalarm unterdrücken": the quiet icon.
    schutz.AlarmAus = true;
    monitor.desktopModus = false;
    monitor.Pruefen(Alarmherkunft::Sonstwo);
    EXPECT_EQ(symbole.back(), Traysymbol::Programm);

    intervalle.clear();
    monitor.NachDemMalen();
    EXPECT_EQ(intervalle, (std::vector<std::pair<int, Neustart>>{
                              {15 * 60000, Neustart::NurWennAnders}}));
    // No sound without a file.
    schutz.AlarmAus = false;
    einstellungen.Alarmdatei.clear();
    Termine({10, 12, 2026}, {{"14:10", true}});
    monitor.Pruefen(Alarmherkunft::Sonstwo);
    EXPECT_EQ(fenster.gezeigt.size(), 1u);
    EXPECT_TRUE(klang.gespielt.empty());
}

}  // namespace
}  // namespace kalvora
