#include "termine/Wochenfortschreibung.h"

#include <gtest/gtest.h>

#include "doubles/SkriptDialoge.h"
#include "termine/Termintexte.h"

namespace kalvora::test {
namespace {

// The pattern of the named days ("1Mo", "2So", …).
int Muster(std::initializer_list<const char*> tage) {
    int m = 0;
    for (const char* t : tage) {
        int i = 0;
        while (std::string(wochentexte::Tage[i]) != t + 1) ++i;
        m |= Musterbit((t[0] - '1') * 7 + i);
    }
    return m;
}

// Days from von to bis that hold an appointment with this description.
std::vector<Datum> TageMit(const TKalender& kal, const std::string& text, Datum von, Datum bis) {
    std::vector<Datum> tage;
    for (int32_t n = Tagesnummer(von.tag, von.monat, von.jahr);
         n <= Tagesnummer(bis.tag, bis.monat, bis.jahr); ++n) {
        const Datum d = DatumAusTagesnummer(n);
        const TTerminliste& l = kal.Terminliste(d.jahr, d.monat, d.tag);
        for (std::size_t e = 1; e < l.size(); ++e)
            if (l[e].Beschreibung == text) {
                tage.push_back(d);
                break;
            }
    }
    return tage;
}

TEST(Wochenfortschreibung, SchemataSindDieGenanntenTage) {
    EXPECT_EQ(Wochenschemata[1].muster,
              Muster({"1Di", "1Mi", "1Do", "1Fr", "1Sa", "2Mo", "2Mi", "2Do", "2Fr"}));
    EXPECT_EQ(Wochenschemata[2].muster,
              Muster({"1Mi", "1Do", "1Fr", "1Sa", "2Mo", "2Di", "2Do", "2Fr"}));
    EXPECT_EQ(Wochenschemata[3].muster, Muster({"1Mi", "1Do", "1Fr", "1Sa", "2Mo", "2Do", "2Fr"}));

    TKalender kal;
    Einstellungen e;
    TWochenfortschreibung w(kal, e, 2026);
    w.TagSetzen(0, true);
    w.regel.wochenZusammen = true;
    w.SchemaWaehlen(2);
    EXPECT_EQ(w.muster, 3948);
    EXPECT_TRUE(w.regel.samstageFest && w.regel.sonntageFest);
    EXPECT_FALSE(w.regel.wochenZusammen);
    EXPECT_EQ(w.verschiebung, 2);
    // "---" only clears the pattern.
    w.regel.samstageFest = false;
    w.verschiebung = -1;
    w.SchemaWaehlen(0);
    EXPECT_EQ(w.muster, 0);
    EXPECT_FALSE(w.regel.samstageFest);
    EXPECT_EQ(w.verschiebung, -1);
}

TEST(Wochenfortschreibung, VerschiebenUmEinenTag) {
    struct Fall {
        const char* name;
        int vorher;
        Verschieberegel regel;
        bool spaeter;
        int nachher;
    };
    const Verschieberegel zusammen{false, false, true};
    const Verschieberegel einzeln{false, false, false};
    const Verschieberegel beideFest{true, true, false};
    const std::vector<Fall> faelle = {
        {"Mo -> Di", Muster({"1Mo"}), zusammen, true, Muster({"1Di"})},
        {"2So läuft in 1Mo", Muster({"2So"}), zusammen, true, Muster({"1Mo"})},
        {"1So läuft über in 2Mo", Muster({"1So"}), zusammen, true, Muster({"2Mo"})},
        {"einzeln: 1So -> 1Mo", Muster({"1So"}), einzeln, true, Muster({"1Mo"})},
        {"einzeln: 2So -> 2Mo", Muster({"2So"}), einzeln, true, Muster({"2Mo"})},
        {"früher: 1Mo -> 2So", Muster({"1Mo"}), zusammen, false, Muster({"2So"})},
        {"früher einzeln: 1Mo -> 1So", Muster({"1Mo"}), einzeln, false, Muster({"1So"})},
        {"Sa fest: Fr -> So", Muster({"1Fr", "1Sa"}), {true, false, false}, true,
         Muster({"1So", "1Sa"})},
        {"So fest: So -> So, Sa -> Mo", Muster({"1Sa", "1So"}), {false, true, false}, true,
         Muster({"1Mo", "1So"})},
        {"beide fest: Fr -> Mo", Muster({"1Fr", "2Fr", "1Sa", "2So"}), beideFest, true,
         Muster({"1Mo", "2Mo", "1Sa", "2So"})},
        {"beide fest, zusammen: 1Fr -> 2Mo", Muster({"1Fr"}), {true, true, true}, true,
         Muster({"2Mo"})},
        {"alle Tage bleiben alle", VollesMuster, zusammen, true, VollesMuster},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(MusterVerschieben(f.vorher, f.regel, f.spaeter), f.nachher) << f.name;
    // Later and earlier undo each other under every rule.
    for (const Verschieberegel& r :
         {zusammen, einzeln, beideFest, Verschieberegel{true, false, true}})
        for (int m : {8028, 3948, 3916, 1, 0x2001})
            EXPECT_EQ(MusterVerschieben(MusterVerschieben(m, r, true), r, false), m);
}

TEST(Wochenfortschreibung, EinsortierenNachUhrzeit) {
    TTerminliste liste;
    TTermin t;
    t.Uhrzeit = "10:00";
    t.Beschreibung = "neu";
    TerminEinsortieren(liste, t);
    ASSERT_EQ(liste.size(), 2u);  // the info entry first
    EXPECT_TRUE(liste[0].Beschreibung.empty());

    liste.assign(1, {});
    liste[0].Beschreibung = "Info";
    for (const char* z : {"08:00", "12:00"}) {
        TTermin a;
        a.Uhrzeit = z;
        a.Beschreibung = z;
        liste.push_back(a);
    }
    TerminEinsortieren(liste, t);
    TTermin gleich = t;
    gleich.Beschreibung = "zweites 10:00";
    TerminEinsortieren(liste, gleich);
    TTermin frueh = t;
    frueh.Uhrzeit = "00:00";
    TerminEinsortieren(liste, frueh);
    std::vector<std::string> folge;
    for (const TTermin& e : liste) folge.push_back(e.Beschreibung);
    EXPECT_EQ(folge, (std::vector<std::string>{"Info", "neu", "08:00", "neu", "zweites 10:00",
                                               "12:00"}));
}

TEST(Wochenfortschreibung, Eintragstage) {
    struct Fall {
        const char* name;
        int muster;
        int verschiebung;
        Verschieberegel regel;
        Datum start, ende;
        std::vector<Datum> erwartet;
    };
    const std::vector<Fall> faelle = {
        // 3.6.2026 is a Wednesday.
        {"Mittwochsstart, nur 1Mo", Muster({"1Mo"}), 0, {}, {3, 6, 2026}, {10, 7, 2026},
         {{15, 6, 2026}, {29, 6, 2026}}},
        {"alle Tage", VollesMuster, 0, {}, {30, 12, 2026}, {2, 1, 2027},
         {{30, 12, 2026}, {31, 12, 2026}, {1, 1, 2027}, {2, 1, 2027}}},
        {"Ende vor Start", VollesMuster, 0, {}, {5, 1, 2026}, {4, 1, 2026}, {}},
        // 1.6.2026 is a Monday; every cycle moves 1Mo one day later.
        {"Verschiebung 1", Muster({"1Mo"}), 1, {false, false, true}, {1, 6, 2026},
         {5, 7, 2026}, {{1, 6, 2026}, {16, 6, 2026}, {1, 7, 2026}}},
        {"Verschiebung -1", Muster({"1Di"}), -1, {false, false, true}, {1, 6, 2026},
         {12, 7, 2026}, {{2, 6, 2026}, {15, 6, 2026}, {12, 7, 2026}}},
        {"Kalenderende", VollesMuster, 0, {}, {31, 12, 2099}, {31, 12, 2099},
         {{31, 12, 2099}}},
    };
    for (const Fall& f : faelle) {
        TKalender kal;
        Wochenauftrag a;
        a.muster = f.muster;
        a.verschiebung = f.verschiebung;
        a.regel = f.regel;
        a.start = f.start;
        a.ende = f.ende;
        a.termin.Beschreibung = "Schicht";
        std::vector<Datum> gemeldet;
        const int n = WochenFortschreiben(kal, a, {}, [&](const Datum& d) {
            gemeldet.push_back(d);
        });
        EXPECT_EQ(TageMit(kal, "Schicht", {1, 1, 1901}, {31, 12, 2099}), f.erwartet) << f.name;
        EXPECT_EQ(kal.AnzahlTermine(), n) << f.name;
        EXPECT_EQ(gemeldet, f.erwartet) << f.name;
        EXPECT_EQ(n, static_cast<int>(f.erwartet.size())) << f.name;
        EXPECT_EQ(kal.geaendert, !f.erwartet.empty()) << f.name;
    }
}

TEST(Wochenfortschreibung, VierzigStundenSchemaMitVerschiebung) {
    TKalender kal;
    Einstellungen e;
    TWochenfortschreibung w(kal, e, 2026);
    w.SchemaWaehlen(1);
    w.beschreibung = "Dienst";
    w.start = {1, 6, 2026};  // a Monday
    w.ende = {12, 7, 2026};  // six weeks
    SkriptDialoge d;
    w.Eintragen(kal, d);
    const auto tage = TageMit(kal, "Dienst", w.start, w.ende);
    std::vector<int> tagnummern;
    for (const Datum& t : tage) tagnummern.push_back(t.monat * 100 + t.tag);
    // Cycle 1: Tue–Sat, Mon Wed Thu Fri. Each further cycle moves the days of each week two
    // places on among Mon–Fri, the Saturday staying: Mon Tue Thu Fri + Sat, Mon Tue Wed Fri;
    // then Mon–Thu + Sat, Tue–Fri.
    EXPECT_EQ(tagnummern, (std::vector<int>{
                              602, 603, 604, 605, 606, 608, 610, 611, 612,       //
                              615, 616, 618, 619, 620, 622, 623, 624, 626,       //
                              629, 630, 701, 702, 704, 707, 708, 709, 710}));
    // The dialog's own pattern is the one before the run.
    EXPECT_EQ(w.muster, 8028);
    EXPECT_EQ(d.Texte(), (std::vector<std::string>{wochentexte::Eingetragen}));
}

TEST(Wochenfortschreibung, FarbfilterMitDemTagAlsStart) {
    TKalender kal;
    kal.Farbnamen[1] = "Urlaub";
    const uint32_t urlaub = kal.Farbwerte[1];
    kal.Tagesfarben(2026, 6, 2).push_back(urlaub);
    kal.Tagesfarben(2026, 6, 3).push_back(kal.Farbwerte[2]);
    Wochenauftrag a;
    a.muster = VollesMuster;
    a.start = {1, 6, 2026};
    a.ende = {4, 6, 2026};
    a.termin.Beschreibung = "x";
    a.filterAn = true;
    a.filterFarbe = urlaub;
    WochenFortschreiben(kal, a);
    EXPECT_EQ(TageMit(kal, "x", a.start, a.ende), (std::vector<Datum>{{2, 6, 2026}}));
    TKalender ohne = kal;
    ohne.TermineLeeren();
    a.filterFarbe = KeineFarbe;  // "keiner Farbe": days without any colour
    WochenFortschreiben(ohne, a);
    EXPECT_EQ(TageMit(ohne, "x", a.start, a.ende),
              (std::vector<Datum>{{1, 6, 2026}, {4, 6, 2026}}));
}

TEST(Wochenfortschreibung, DialogwerteUndWarnungen) {
    TKalender kal;
    kal.Farbnamen[13] = "Spät";
    kal.Terminkategorie = {"Arbeit"};
    kal.Linkliste = {"/plan.pdf"};
    Einstellungen e;
    e.Stunden = 6;
    e.Minuten = 30;
    e.TermindauerStunden = 8;
    e.TermindauerMinuten = 15;
    e.TerminalarmStandardmaessigAktivieren = true;
    e.Farbfortschreibung = true;
    TWochenfortschreibung w(kal, e, 2030);
    EXPECT_EQ(w.start, (Datum{1, 1, 2030}));
    EXPECT_EQ(w.ende, (Datum{31, 12, 2030}));
    EXPECT_EQ(w.kategorien, (std::vector<std::string>{"keine Kategorie", "Arbeit"}));
    EXPECT_EQ(w.links, (std::vector<std::string>{"kein Link", "/plan.pdf"}));
    EXPECT_TRUE(w.filterAn);
    EXPECT_EQ(w.filterText, "keiner Farbe");
    EXPECT_EQ(TWochenfortschreibung::Farbmenue(kal), (std::vector<int>{13}));

    SkriptDialoge d;
    w.TagSetzen(0, true);
    w.linkText = "https://example.org/dienst";
    EXPECT_EQ(w.Eintragen(kal, d), 0);
    // The typed link is kept even though nothing was entered.
    EXPECT_EQ(kal.Linkliste.back(), "https://example.org/dienst");
    EXPECT_TRUE(kal.geaendert);
    w.beschreibung = "Früh";
    w.TagSetzen(0, false);
    EXPECT_EQ(w.Eintragen(kal, d), 0);
    EXPECT_EQ(kal.Linkliste.size(), 2u);  // not added twice
    EXPECT_EQ(d.Texte(), (std::vector<std::string>{wochentexte::KeineBeschreibung,
                                                   wochentexte::KeineTage}));
    EXPECT_EQ(kal.AnzahlTermine(), 0);

    w.kategorieIndex = 1;
    w.KategorieKopieren();
    EXPECT_EQ(w.beschreibung, "Arbeit");
    w.FarbeWaehlen(kal, 13);
    w.FarbeKopieren();
    EXPECT_EQ(w.ort, "Spät");
    const TTermin t = w.Termin();
    EXPECT_EQ(t.Uhrzeit, "06:30");
    EXPECT_EQ(t.Dauer, 8 * 60 + 15);
    EXPECT_TRUE(t.Alarm);
    EXPECT_EQ(t.Farbe, kal.Farbwerte[13]);
    EXPECT_EQ(t.Kategorie, "Arbeit");
    EXPECT_EQ(t.Link, "https://example.org/dienst");
    w.kategorieIndex = 0;
    w.linkText = "";
    w.FarbeWaehlen(kal, 0);
    EXPECT_TRUE(w.Termin().Kategorie.empty());
    EXPECT_EQ(w.Termin().Farbe, KeineFarbe);
    w.Eintragen(kal, d);
    EXPECT_TRUE(w.Termin().Link.empty());
    EXPECT_EQ(kal.Linkliste.size(), 2u);  // an emptied box adds no empty entry
}

}  // namespace
}  // namespace kalvora::test
