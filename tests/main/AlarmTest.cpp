#include "main/Alarm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/AufzeichnendeLeinwand.h"
#include "doubles/StehendeUhr.h"
#include "main/Alarmmonitor.h"
#include "main/Jahresansicht.h"

namespace kalvora {
namespace {

TTermin Termin(const char* zeit, const char* text, bool alarm = true, int dauer = 0) {
    TTermin t;
    t.Uhrzeit = zeit;
    t.Beschreibung = text;
    t.Alarm = alarm;
    t.Dauer = dauer;
    return t;
}

void Eintragen(TKalender& kal, const Datum& d, std::vector<TTermin> termine) {
    TTerminliste& l = kal.Terminliste(d.jahr, d.monat, d.tag);
    l.assign(1, TTermin{});
    for (TTermin& t : termine) l.push_back(std::move(t));
}

Zeitpunkt Um(const Datum& d, int h, int m, int s = 0) { return {d.jahr, d.monat, d.tag, h, m, s}; }

std::vector<std::string> Gemeldet(const Alarmbefund& b) {
    std::vector<std::string> texte;
    for (const Alarmtermin& t : b.melden)
        texte.push_back(std::string(t.termin.Uhrzeit.sicht()) + " " +
                        std::string(t.termin.Beschreibung.sicht()));
    return texte;
}

struct Fall {
    const char* name;
    Zeitpunkt jetzt;
    std::vector<std::string> gemeldet;
    Trayzustand zustand;
    bool symbolAendern = true;
};

TEST(AlarmPruefen, DieGrenzenDesVorlaufsHeuteUndMorgen) {
    const Datum heute{10, 12, 2026}, morgen{11, 12, 2026};
    TKalender kal;
    Eintragen(kal, heute,
              {Termin("13:59", "vorbei"), Termin("16:00", "sechzehn"), Termin("16:01", "zu frueh"),
               Termin("23:30", "spaet"), Termin("10:00", "lang", true, 90)});
    Eintragen(kal, morgen, {Termin("00:30", "nachts"), Termin("01:00", "eins"),
                            Termin("01:01", "zu frueh morgen")});
    Alarmvorgaben v;  // lead 2:00
    const std::vector<Fall> faelle = {
        {"14:00 meldet 16:00, nicht 16:01, nicht mehr 13:59", Um(heute, 14, 0),
         {"16:00 sechzehn"}, Trayzustand::Anstehend},
        {"23:00 reicht bis morgen 01:00", Um(heute, 23, 0),
         {"23:30 spaet", "00:30 nachts", "01:00 eins"}, Trayzustand::Anstehend},
        {"10:00 bis 11:30 laeuft, Anfang", Um(heute, 10, 0), {"10:00 lang"},
         Trayzustand::Laufend},
        {"11:30:00 laeuft noch", Um(heute, 11, 30, 0), {}, Trayzustand::Laufend},
        {"11:30:01 ist vorbei, 13:59 noch nicht nah", Um(heute, 11, 30, 1), {},
         Trayzustand::Ruhig},
        {"03:00 ruhig", Um(heute, 3, 0), {}, Trayzustand::Ruhig},
    };
    for (const Fall& f : faelle) {
        const Alarmbefund b = AlarmPruefen(kal, v, f.jetzt, Alarmherkunft::Sonstwo);
        EXPECT_EQ(Gemeldet(b), f.gemeldet) << f.name;
        EXPECT_EQ(TrayzustandAus(b), f.zustand) << f.name;
        EXPECT_TRUE(b.symbolAendern) << f.name;
    }
}

TEST(AlarmPruefen, EndeDes31Dezember2099UndDerJahreswechsel) {
    TKalender kal;
    Eintragen(kal, {1, 1, 2027}, {Termin("00:10", "Neujahr")});
    Alarmvorgaben v;
    const Alarmbefund wechsel =
        AlarmPruefen(kal, v, Um({31, 12, 2026}, 23, 30), Alarmherkunft::Sonstwo);
    EXPECT_EQ(Gemeldet(wechsel), std::vector<std::string>{"00:10 Neujahr"});

    Eintragen(kal, {31, 12, 2099}, {Termin("23:45", "letzter")});
    const Alarmbefund ende = AlarmPruefen(kal, v, Um({31, 12, 2099}, 23, 30),
                                          Alarmherkunft::Sonstwo);
    // Today is still checked, tomorrow does not exist and the icon stays as it was.
    EXPECT_EQ(Gemeldet(ende), std::vector<std::string>{"23:45 letzter"});
    EXPECT_FALSE(ende.symbolAendern);
    // Without a window past midnight the last day is an ordinary one.
    EXPECT_TRUE(AlarmPruefen(kal, v, Um({31, 12, 2099}, 12, 0), Alarmherkunft::Sonstwo)
                    .symbolAendern);
}

TEST(AlarmPruefen, OhneAlarmNurDasSymbolUndDieHerkunft) {
    const Datum heute{10, 12, 2026};
    TKalender kal;
    Eintragen(kal, heute, {Termin("15:00", "still", false), Termin("15:30", "laut")});
    Alarmvorgaben v;
    const Alarmbefund b = AlarmPruefen(kal, v, Um(heute, 15, 0), Alarmherkunft::Sonstwo);
    EXPECT_EQ(Gemeldet(b), std::vector<std::string>{"15:30 laut"});
    EXPECT_EQ(TrayzustandAus(b), Trayzustand::Laufend);  // the one without alarm runs

    // The tool button and the desktop timetable only look, "Öffnen" announces.
    for (Alarmherkunft h : {Alarmherkunft::Toolbutton, Alarmherkunft::Desktopstundenplan}) {
        const Alarmbefund s = AlarmPruefen(kal, v, Um(heute, 14, 0), h);
        EXPECT_TRUE(s.melden.empty());
        EXPECT_TRUE(s.anstehend);
    }
    EXPECT_EQ(AlarmPruefen(kal, v, Um(heute, 14, 0), Alarmherkunft::Oeffnen).melden.size(), 1u);

    // "Terminalarm unterdrücken": nothing, and the quiet icon.
    v.alarmAus = true;
    const Alarmbefund aus = AlarmPruefen(kal, v, Um(heute, 15, 0), Alarmherkunft::Sonstwo);
    EXPECT_TRUE(aus.melden.empty());
    EXPECT_EQ(TrayzustandAus(aus), Trayzustand::Ruhig);
}

TEST(AlarmPruefen, ErinnerungenNurBeiDerErstenPruefungDesTages) {
    TKalender kal;
    Alarmvorgaben v;  // every 15 minutes
    const Datum d{10, 12, 2026};
    EXPECT_TRUE(AlarmPruefen(kal, v, Um(d, 0, 15, 0), Alarmherkunft::Sonstwo).erinnerungen);
    EXPECT_FALSE(AlarmPruefen(kal, v, Um(d, 0, 15, 1), Alarmherkunft::Sonstwo).erinnerungen);
    for (Alarmherkunft h : {Alarmherkunft::Oeffnen, Alarmherkunft::Toolbutton,
                            Alarmherkunft::Desktopstundenplan})
        EXPECT_FALSE(AlarmPruefen(kal, v, Um(d, 0, 1), h).erinnerungen);
}

TEST(AlarmPruefen, UnvollstaendigeUhrzeitenWerdenUebergangen) {
    const Datum heute{10, 12, 2026};
    TKalender kal;
    Eintragen(kal, heute, {Termin("", "ohne"), Termin("1", "kurz"), Termin("ab:cd", "kaputt"),
                           Termin("25:00", "zu spaet"), Termin("14:30", "gut")});
    EXPECT_EQ(Gemeldet(AlarmPruefen(kal, {}, Um(heute, 14, 0), Alarmherkunft::Sonstwo)),
              std::vector<std::string>{"14:30 gut"});
    EXPECT_EQ(Startminuten("07:05"), 425);
    EXPECT_EQ(Startminuten("7:05"), std::nullopt);
}

TEST(Tray, TooltipSymbolUndMenue) {
    EXPECT_EQ(TrayTooltip("Kalvora - C:\\Daten\\termine.kvr"), "Kalvora - termine");
    EXPECT_EQ(TrayTooltip("Kalvora - /home/anna/Kalender/termine.kvr"), "Kalvora - termine");
    // The character after the extension goes with it, the rest of the suffix stays.
    EXPECT_EQ(TrayTooltip("Kalvora - /home/anna/plan.kvr   [schreibgeschützt]"),
              "Kalvora - plan  [schreibgeschützt]");
    EXPECT_EQ(TrayTooltip("Kalvora - [unbenannt]"), "Kalvora");
    const std::string lang =
        TrayTooltip("Kalvora - /a/" + std::string(40, 'x') + "äöüäöüäöüäöüäöü.kvr");
    EXPECT_EQ(lang, "Kalvora - " + std::string(40, 'x') + "äöüäöüäöüäöüä");  // 63 characters

    EXPECT_EQ(TraysymbolWaehlen(Trayzustand::Ruhig, false), Traysymbol::Programm);
    EXPECT_EQ(TraysymbolWaehlen(Trayzustand::Anstehend, false), Traysymbol::Z003);
    EXPECT_EQ(TraysymbolWaehlen(Trayzustand::Laufend, false), Traysymbol::Z005);
    EXPECT_EQ(TraysymbolWaehlen(Trayzustand::Ruhig, true), Traysymbol::Z002);
    EXPECT_EQ(TraysymbolWaehlen(Trayzustand::Anstehend, true), Traysymbol::Z004);
    EXPECT_EQ(TraysymbolWaehlen(Trayzustand::Laufend, true), Traysymbol::Z006);

    const Traymenue normal = TraymenueSichtbarkeit(false);
    EXPECT_TRUE(normal.wiederherstellen);
    EXPECT_FALSE(normal.ansichtSchliessen);
    const Traymenue desktop = TraymenueSichtbarkeit(true);
    EXPECT_FALSE(desktop.wiederherstellen);
    EXPECT_TRUE(desktop.ansichtSchliessen);

    EXPECT_EQ(TrayklickAuswerten(Traytaste::Links, {}),
              (Trayantwort{Trayreaktion::Wiederherstellen, 0, 0}));
    EXPECT_EQ(TrayklickAuswerten(Traytaste::Rechts, {}),
              (Trayantwort{Trayreaktion::MenueZeigen, 70, 3}));
    // An open alarm window keeps the tray from restoring; with a desktop timetable the
    // clicks reach it or the options dialog.
    EXPECT_EQ(TrayklickAuswerten(Traytaste::Links, {false, true, false, false}).reaktion,
              Trayreaktion::Nichts);
    EXPECT_EQ(TrayklickAuswerten(Traytaste::Rechts, {false, false, true, true}),
              (Trayantwort{Trayreaktion::MenueZeigen, 65, 3}));
    EXPECT_EQ(TrayklickAuswerten(Traytaste::Links, {true, false, true, true}).reaktion,
              Trayreaktion::OptionenNachVorne);
    EXPECT_EQ(TrayklickAuswerten(Traytaste::Links, {false, false, true, true}).reaktion,
              Trayreaktion::DesktopNachVorne);

    EXPECT_EQ(TrayBeendenSchritt(true, true), TrayBeenden::DesktopSchliessen);
    EXPECT_EQ(TrayBeendenSchritt(false, true), TrayBeenden::ErstWiederherstellen);
    EXPECT_EQ(TrayBeendenSchritt(false, false), TrayBeenden::SymbolEntfernen);
}

TEST(Rahmenblende, VonSchwarzNachWeissUndZurueck) {
    Rahmenblende b;
    std::vector<int> grau{0};
    for (int i = 0; i < 40 && (i == 0 || grau.back() != 0); ++i) {
        b.Schritt(20);
        ASSERT_EQ(b.grau % 0x10000 / 0x100, b.grau % 0x100) << "kein Grau";
        grau.push_back(static_cast<int>(b.grau & 0xFF));
    }
    // Large steps in the dark, the speed alone in the light, white and black reached.
    const std::vector<int> erwartet = {0,   72,  115, 153, 186, 214, 238, 255,
                                       235, 213, 188, 160, 128, 92,  51,  0};
    EXPECT_EQ(grau, erwartet);
    EXPECT_TRUE(b.steigend);
}

TEST(HeuteRahmen, PolylinieLaesstDieTageszahlFrei) {
    TKalender kal;
    test::StehendeUhr uhr({2026, 12, 10, 9, 0, 0});
    AusgewaehlterTag auswahl;
    TJahresansicht ansicht(kal, uhr, auswahl);
    ansicht.JahrSetzen(2026);
    test::AufzeichnendeLeinwand masse;
    Fenstermasse f;
    f.aussenBreite = 1024;
    f.clientHoehe = 700;
    f.unteresPanelBreite = 1024;
    ansicht.JahresansichtAnordnen(f, masse);
    ASSERT_TRUE(ansicht.HeuteZelle());
    const Rechteck z = *ansicht.HeuteZelle();
    ansicht.optionen.monatstageAnzeigen = false;
    test::AufzeichnendeLeinwand l;
    ansicht.HeuteRahmen(l, 0x808080);
    const auto linien = l.Alle(test::Zeichenart::Polylinie);
    const auto pixel = l.Alle(test::Zeichenart::Pixel);
    ASSERT_EQ(linien.size(), 1u);
    const std::vector<Punkt> erwartet = {{z.links + 2, z.oben + 6},
                                         {z.links + 2, z.unten - 4},
                                         {z.rechts - 1, z.unten - 4},
                                         {z.rechts - 1, z.oben + 5},
                                         {z.links + 1, z.oben + 5}};
    EXPECT_EQ(linien[0].punkte, erwartet);
    EXPECT_EQ(linien[0].stift.farbe, 0x808080u);
    EXPECT_EQ(linien[0].stift.breite, 2);
    EXPECT_EQ(linien[0].modus, Zeichenmodus::Kopieren);
    ASSERT_EQ(pixel.size(), 1u);
    EXPECT_EQ(pixel[0].punkte[0], (Punkt{z.rechts - 1, z.oben + 4}));
    // The pen is the one from before.
    EXPECT_EQ(l.AktuellerStift(), Stift{});

    // With the day numbers the frame starts below the number and right of it.
    ansicht.optionen.monatstageAnzeigen = true;
    test::AufzeichnendeLeinwand mitZahl;
    ansicht.HeuteRahmen(mitZahl, 0);
    const auto z2 = mitZahl.Alle(test::Zeichenart::Polylinie);
    ASSERT_EQ(z2.size(), 1u);
    const int w = mitZahl.Textbreite("10"), h = mitZahl.Texthoehe("10");
    EXPECT_EQ(z2[0].punkte.front(), (Punkt{z.links + 2, z.oben + h + 1}));
    EXPECT_EQ(z2[0].punkte.back(), (Punkt{z.links + w + 1, z.oben + 5}));

    // Another year: no frame.
    ansicht.JahrSetzen(2025);
    test::AufzeichnendeLeinwand leer;
    ansicht.HeuteRahmen(leer, 0);
    EXPECT_TRUE(leer.zeichnungen.empty());
}

TEST(Alarminhalt, EndeNurWennEsVomAnfangAbweicht) {
    TTermin t = Termin("10:00", "Zahnarzt", true, 45);
    t.Ort = "Praxis";
    t.Farbe = 0x00FFFF;
    const Alarminhalt a = AlarminhaltAus(t);
    EXPECT_EQ(a.uhrzeit, "10:00");
    EXPECT_EQ(a.bis, "10:45");
    EXPECT_TRUE(a.bisSichtbar);
    EXPECT_EQ(a.ort, "Praxis");
    EXPECT_EQ(a.farbe, 0x00FFFFu);
    EXPECT_FALSE(AlarminhaltAus(Termin("10:00", "kurz")).bisSichtbar);
}

}  // namespace
}  // namespace kalvora
