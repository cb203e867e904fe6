#include "main/Jahresansicht.h"

#include <gtest/gtest.h>

#include "doubles/AufzeichnendeLeinwand.h"
#include "doubles/StehendeUhr.h"

namespace kalvora {
namespace {

using test::AufzeichnendeLeinwand;
using test::Zeichenart;
using test::Zeichnung;

constexpr uint32_t Rot = 0x0000FF;
constexpr uint32_t Gruen = 0x00FF00;
constexpr uint32_t Blau = 0xFF0000;

TTermin Termin(const std::string& zeit, int dauer, const std::string& beschreibung,
               const std::string& ort = {}) {
    TTermin t;
    t.Uhrzeit = zeit;
    t.Dauer = dauer;
    t.Beschreibung = beschreibung;
    t.Ort = ort;
    return t;
}

TTermin Info(const std::string& text) {
    return Termin("", 0, text);
}

class JahresansichtTest : public testing::Test {
protected:
    TKalender kal;
    test::StehendeUhr uhr{Zeitpunkt{2004, 6, 15, 12, 0, 0}};
    AusgewaehlterTag auswahl;
    TJahresansicht ansicht{kal, uhr, auswahl};
    AufzeichnendeLeinwand l;

    void SetUp() override {
        Fenstermasse f;
        f.aussenBreite = 1024;
        f.clientHoehe = 530;  // CW = 24, RH = 20
        ansicht.JahresansichtAnordnen(f, l);
    }

    void Malen() {
        l.Leeren();
        ansicht.JahresansichtMalen(l);
    }

    // Filled rectangles drawn inside the coloured area of a day, in order.
    std::vector<Zeichnung> Fuellungen(int tag, int monat) const {
        const Rechteck z = ansicht.TagesZelle(tag, monat);
        std::vector<Zeichnung> v;
        for (const Zeichnung& d : l.Alle(Zeichenart::Rechteck))
            if (d.pinsel.stil == Pinselstil::Voll && d.rechteck.links == z.links + 3 &&
                d.rechteck.rechts == z.rechts - 2 && d.rechteck.oben >= z.oben + 9 &&
                d.rechteck.unten <= z.unten - 8)
                v.push_back(d);
        return v;
    }

    // The mark drawings of a day: everything between its colour fill and its day number.
    std::vector<Zeichnung> Marke(int tag, int monat) const {
        const Rechteck z = ansicht.TagesZelle(tag, monat);
        std::vector<Zeichnung> v;
        bool drin = false;
        for (const Zeichnung& d : l.zeichnungen) {
            if (d.art == Zeichenart::Rechteck && d.rechteck.links == z.links + 3 &&
                d.rechteck.oben >= z.oben + 9 && d.rechteck.unten <= z.unten - 8) {
                drin = true;
                v.clear();
                continue;
            }
            if (!drin) continue;
            if (d.art == Zeichenart::Text) break;
            v.push_back(d);
        }
        return v;
    }
};

TEST_F(JahresansichtTest, FarbstreifenTeilenDieFlaeche) {
    // A = 2·RH − 17 = 23; the first A mod n stripes are one pixel taller.
    struct Fall {
        TTagesfarben farben;
        std::vector<int> hoehen;
    };
    const Fall faelle[] = {
        {{Rot}, {23}},
        {{Rot, Gruen}, {12, 11}},
        {{Rot, Gruen, Blau}, {8, 8, 7}},
        {{Rot, Gruen, Blau, Rot, Gruen}, {5, 5, 5, 4, 4}},
    };
    for (const Fall& f : faelle) {
        kal.Tagesfarben(2004, 6, 15) = f.farben;
        Malen();
        const std::vector<Zeichnung> st = Fuellungen(15, 6);
        ASSERT_EQ(st.size(), f.hoehen.size());
        const Rechteck z = ansicht.TagesZelle(15, 6);
        int y = z.oben + 9;
        for (std::size_t i = 0; i < st.size(); ++i) {
            EXPECT_EQ(st[i].rechteck.oben, y);
            EXPECT_EQ(st[i].rechteck.Hoehe(), f.hoehen[i]) << i;
            EXPECT_EQ(st[i].pinsel.farbe, f.farben[i]);
            EXPECT_EQ(st[i].stift.farbe, f.farben[i]);
            y = st[i].rechteck.unten;
        }
        EXPECT_EQ(y, z.unten - 8);
    }
}

TEST_F(JahresansichtTest, ZellfuellungWochenendeUndLeereTage) {
    const uint32_t we = ansicht.optionen.wochenendFarbe;
    struct Fall {
        int tag;  // June 2004: 18 Friday, 19 Saturday
        TTagesfarben farben;
        uint32_t erwartet;
    };
    const Fall faelle[] = {
        {18, {}, 0xFFFFFF},  {19, {}, we},
        {19, {we, Rot}, we},  // the weekend colour first hides the others
        {18, {we, Rot}, we}, {19, {0xFFFFFF, Rot}, we},
    };
    for (const Fall& f : faelle) {
        kal.Tagesfarben(2004, 6, f.tag) = f.farben;
        Malen();
        const std::vector<Zeichnung> st = Fuellungen(f.tag, 6);
        ASSERT_EQ(st.size(), 1u) << f.tag;
        EXPECT_EQ(st[0].pinsel.farbe, f.erwartet);
        EXPECT_EQ(st[0].rechteck.Hoehe(), 23);
        kal.Tagesfarben(2004, 6, f.tag).clear();
    }
}

TEST_F(JahresansichtTest, MarkenfarbeUmHeutigenLetztenTermin) {
    const uint32_t kommend = 0x123456, vergangen = 0x959595;
    ansicht.optionen.farbeKommenderTermine = kommend;
    struct Fall {
        int tag;
        std::vector<std::string> zeiten;  // appointments of the day (after the info entry)
        int h, m, s;
        uint32_t farbe;
    };
    const Fall faelle[] = {
        {15, {"09:00"}, 9, 0, 59, kommend},
        {15, {"09:00"}, 9, 1, 0, vergangen},
        {15, {"09:00"}, 8, 59, 59, kommend},
        {15, {"20:00", "09:00"}, 9, 30, 0, vergangen},  // the last entry counts
        {15, {"09:00", "20:00"}, 9, 30, 0, kommend},
        {15, {"9:00"}, 23, 59, 59, kommend},  // no clock time: cannot have passed
        {15, {""}, 23, 59, 59, kommend},
        {14, {"23:00"}, 0, 0, 0, vergangen},
        {16, {"00:00"}, 23, 59, 59, kommend},
    };
    for (const Fall& f : faelle) {
        uhr.jetzt = {2004, 6, 15, f.h, f.m, f.s};
        TTerminliste liste{Info("")};
        for (const auto& z : f.zeiten)
            liste.push_back(Termin(z, 30, "x"));
        kal.Terminliste(2004, 6, f.tag) = liste;
        Malen();
        const std::vector<Zeichnung> m = Marke(f.tag, 6);
        ASSERT_EQ(m.size(), 1u) << f.tag;
        EXPECT_EQ(m[0].stift.farbe, f.farbe) << f.tag << " " << f.h << ":" << f.m << ":" << f.s;
        kal.Terminliste(2004, 6, f.tag).clear();
    }
}

TEST_F(JahresansichtTest, MarkeNurWennTermineOderTagesinfo) {
    struct Fall {
        TTerminliste liste;
        bool beiInfo;
        Terminmarke stil;
        uint32_t farbe;
        bool marke;
    };
    const Fall faelle[] = {
        {{}, true, Terminmarke::Dreieck, 0, false},
        {{Info("nur Info")}, true, Terminmarke::Dreieck, 0, true},
        {{Info("nur Info")}, false, Terminmarke::Dreieck, 0, false},
        {{Info(""), Termin("10:00", 5, "a")}, false, Terminmarke::Dreieck, 0, true},
        {{Info(""), Termin("10:00", 5, "a")}, true, Terminmarke::Keine, 0, false},
        {{Info("nur Info")}, true, Terminmarke::Keine, 0, false},
        {{Info(""), Termin("10:00", 5, "a")}, true, Terminmarke::Dreieck, 0xFFFFFF, false},
    };
    for (const Fall& f : faelle) {
        ansicht.optionen.termineAuchBeiTagesinfo = f.beiInfo;
        ansicht.optionen.darstellung = f.stil;
        ansicht.optionen.farbeKommenderTermine = f.farbe;
        kal.Terminliste(2004, 6, 20) = f.liste;
        Malen();
        EXPECT_EQ(!Marke(20, 6).empty(), f.marke) << f.liste.size();
    }
}

TEST_F(JahresansichtTest, SechsMarkenstile) {
    kal.Terminliste(2004, 7, 7) = {Info(""), Termin("10:00", 5, "a")};
    const Rechteck z = ansicht.TagesZelle(7, 7);
    const int L = z.links, T = z.oben, R = z.rechts, B = z.unten;
    const int cy = T + 20;  // band centre with RH = 20
    const int cx = (L + R) / 2;
    const int x0 = (L + R + 24 / 5) / 2;

    ansicht.optionen.darstellung = Terminmarke::Kreis;
    Malen();
    auto m = Marke(7, 7);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].art, Zeichenart::Ellipse);
    EXPECT_EQ(m[0].rechteck, (Rechteck{L + 2, T + 5, R - 1, B - 4}));
    EXPECT_EQ(m[0].stift.breite, 2);
    EXPECT_EQ(m[0].pinsel.stil, Pinselstil::Keiner);

    ansicht.optionen.darstellung = Terminmarke::Dreieck;
    Malen();
    m = Marke(7, 7);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].art, Zeichenart::Polygon);
    EXPECT_EQ(m[0].punkte, (std::vector<Punkt>{{cx, T + 1}, {R - 1, T + 1}, {R - 1, cy}}));
    EXPECT_EQ(m[0].pinsel.stil, Pinselstil::Voll);

    ansicht.optionen.darstellung = Terminmarke::Kreuz;
    Malen();
    m = Marke(7, 7);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].punkte, (std::vector<Punkt>{{L + 2, T + 5}, {R - 2, B - 5}}));
    EXPECT_EQ(m[1].punkte, (std::vector<Punkt>{{L + 2, B - 5}, {R - 2, T + 5}}));
    EXPECT_EQ(m[1].stift.breite, 2);

    ansicht.optionen.darstellung = Terminmarke::Eselsohr;
    Malen();
    m = Marke(7, 7);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].art, Zeichenart::Polygon);
    EXPECT_EQ(m[0].pinsel.farbe, 0xFFFFFFu);
    EXPECT_EQ(m[1].art, Zeichenart::Polylinie);
    EXPECT_EQ(m[1].punkte.back(), (Punkt{R - 1, T + 8}));
    EXPECT_EQ(m[2].stift.farbe, 0xCCCCCCu);
    EXPECT_EQ(m[2].punkte, (std::vector<Punkt>{{R - 7, T + 3}, {R - 7, T + 7}, {R - 3, T + 7}}));

    ansicht.optionen.darstellung = Terminmarke::Ecke;
    Malen();
    m = Marke(7, 7);
    ASSERT_EQ(m.size(), 1u);
    const int k = R - 1 - x0;
    EXPECT_EQ(m[0].punkte, (std::vector<Punkt>{{x0, T + 1}, {R - 1, T + 1}, {R - 1, T + 1 + k}}));

    ansicht.optionen.darstellung = Terminmarke::Keine;
    Malen();
    EXPECT_TRUE(Marke(7, 7).empty());
    // The pen is black and thin again after a mark.
    ansicht.optionen.darstellung = Terminmarke::Kreuz;
    Malen();
    const int text = l.Erste(Zeichenart::Text, "7");
    ASSERT_GE(text, 0);
}

TEST_F(JahresansichtTest, KalenderwochenAmGewaehltenWochentag) {
    uhr.jetzt = {2005, 6, 15, 12, 0, 0};
    ansicht.JahrSetzen(2005);
    ansicht.optionen.kalenderwoche = true;
    auto kwTexte = [&](int tag, int monat) {
        const Rechteck z = ansicht.TagesZelle(tag, monat);
        std::vector<std::string> v;
        for (const Zeichnung& d : l.Alle(Zeichenart::Text))
            if (d.schrift.groesse == 8 && d.hintergrund == Hintergrundmodus::Transparent &&
                d.punkte[0].x >= z.links && d.punkte[0].x < z.rechts && d.punkte[0].y > z.oben &&
                d.punkte[0].y < z.unten)
                v.push_back(d.text);
        return v;
    };
    Malen();
    EXPECT_TRUE(kwTexte(1, 1).empty());                       // Saturday
    EXPECT_EQ(kwTexte(3, 1), std::vector<std::string>{"1"});  // Monday
    EXPECT_EQ(kwTexte(26, 12), std::vector<std::string>{"52"});
    ansicht.optionen.anzeigeKalenderwoche = 6;
    Malen();
    EXPECT_TRUE(kwTexte(3, 1).empty());
    EXPECT_EQ(kwTexte(2, 1), std::vector<std::string>{"53"});  // Sunday of week 53 of 2004
    ansicht.optionen.kalenderwoche = false;
    Malen();
    EXPECT_TRUE(kwTexte(2, 1).empty());
    // Centred on the band centre of the cell.
    ansicht.optionen.kalenderwoche = true;
    Malen();
    const Rechteck z = ansicht.TagesZelle(2, 1);
    for (const Zeichnung& d : l.Alle(Zeichenart::Text))
        if (d.text == "53") {
            EXPECT_EQ(d.punkte[0], (Punkt{z.links + 12 - 6, z.oben + 20 - 6}));
        }
}

TEST_F(JahresansichtTest, MonatsrahmenUndSchaltjahr) {
    ansicht.optionen.roteLinie = 3;
    Malen();
    std::vector<Zeichnung> rahmen;
    for (const Zeichnung& d : l.Alle(Zeichenart::Rechteck))
        if (d.stift.farbe == Rot && d.pinsel.stil == Pinselstil::Keiner) rahmen.push_back(d);
    ASSERT_EQ(rahmen.size(), 12u);
    // February 2004 starts on a Sunday (offset 6) and has 29 days.
    EXPECT_EQ(rahmen[1].rechteck,
              (Rechteck{100 + 6 * 24, 3 * 20 + 23, 100 + 35 * 24 + 1, 5 * 20 + 23 + 1}));
    EXPECT_EQ(rahmen[1].stift.breite, 3);
}

TEST_F(JahresansichtTest, HeuteRahmenUndTageszahl) {
    Malen();
    const Rechteck z = ansicht.TagesZelle(15, 6);
    bool rahmen = false;
    for (const Zeichnung& d : l.Alle(Zeichenart::Rechteck))
        if (d.rechteck == Rechteck{z.links + 2, z.oben + 5, z.rechts, z.unten - 3}) {
            rahmen = true;
            EXPECT_EQ(d.stift.farbe, 0u);
            EXPECT_EQ(d.stift.breite, 2);
        }
    EXPECT_TRUE(rahmen);
    const std::vector<Zeichnung> an = l.An(z.links + 1, z.oben + 1);
    ASSERT_FALSE(an.empty());
    EXPECT_EQ(an.back().text, "15");
    EXPECT_EQ(an.back().hintergrund, Hintergrundmodus::Deckend);
    EXPECT_EQ(an.back().pinsel.farbe, 0xFFFFFFu);
    EXPECT_EQ(an.back().schrift.groesse, 5);

    ansicht.optionen.monatstageAnzeigen = false;
    Malen();
    EXPECT_EQ(l.Erste(Zeichenart::Text, "15"), -1);
}

TEST_F(JahresansichtTest, GeburtstagsUndNamenstagsSymbole) {
    kal.Geburtstagsliste.push_back(
        {"Muster", "Max", DatumWert(20, 6, 1970), DatumWert(1, 7, 2000)});
    kal.Geburtstagsliste.push_back({"Neu", "Nina", DatumWert(21, 6, 2004), KeinDatum});
    auto grauePixel = [&](int x, int y) {
        for (const Zeichnung& d : l.Alle(Zeichenart::Pixel))
            if (d.punkte[0] == Punkt{x, y} && d.pixelfarbe == 0x808080) return true;
        return false;
    };
    auto schleife = [&](int x, int y) {
        for (const Zeichnung& d : l.Alle(Zeichenart::Polygon))
            if (d.pinsel.farbe == Rot && d.punkte[0] == Punkt{x, y + 1}) return true;
        return false;
    };
    const Rechteck g = ansicht.TagesZelle(20, 6), g2 = ansicht.TagesZelle(21, 6);
    const Rechteck n = ansicht.TagesZelle(1, 7);
    Malen();
    EXPECT_FALSE(grauePixel(g.links + 2, g.unten - 7));  // off by default
    ansicht.optionen.geburtstageAnzeigen = true;
    ansicht.optionen.namenstageAnzeigen = true;
    Malen();
    EXPECT_TRUE(grauePixel(g.links + 2, g.unten - 7));
    EXPECT_FALSE(grauePixel(g2.links + 2, g2.unten - 7));  // born this very year
    EXPECT_TRUE(schleife(n.rechts - 1, n.unten - 8));
}

TEST_F(JahresansichtTest, MalreihenfolgeUndSondertage) {
    Malen();
    const uint32_t we = ansicht.optionen.wochenendFarbe;
    int wochenende = -1, feiertag = -1, gitter = -1, zelle = -1;
    const Rechteck neujahr = ansicht.TagesZelle(1, 1);
    for (int i = 0; i < static_cast<int>(l.zeichnungen.size()); ++i) {
        const Zeichnung& d = l.zeichnungen[i];
        if (wochenende < 0 && d.art == Zeichenart::Rechteck && d.pinsel.farbe == we)
            wochenende = i;
        if (feiertag < 0 && d.art == Zeichenart::Rechteck && d.rechteck == neujahr) feiertag = i;
        if (gitter < 0 && d.art == Zeichenart::Linie && d.stift.farbe == 0xC0C0C0) gitter = i;
        if (zelle < 0 && d.art == Zeichenart::Rechteck && d.rechteck.links == neujahr.links + 3)
            zelle = i;
    }
    ASSERT_GE(wochenende, 0);
    ASSERT_GE(feiertag, 0);
    EXPECT_LT(wochenende, feiertag);
    EXPECT_LT(feiertag, gitter);
    EXPECT_LT(gitter, zelle);
    EXPECT_EQ(l.zeichnungen[feiertag].pinsel.farbe, 0x0080FFu);
    // 13 horizontal and 38 vertical grid lines.
    int linien = 0;
    for (const Zeichnung& d : l.Alle(Zeichenart::Linie))
        linien += d.stift.farbe == 0xC0C0C0;
    EXPECT_EQ(linien, 51);

    for (int e = 1; e <= AnzahlFeiertagsEintraege; ++e)
        ansicht.optionen.feiertage[e].malen = false;
    Malen();
    for (const Zeichnung& d : l.Alle(Zeichenart::Rechteck))
        EXPECT_NE(d.rechteck, neujahr);
    // The tooltips stay.
    EXPECT_EQ(ansicht.TooltipAn(neujahr.links + 1, neujahr.oben + 1), "Neujahr");
    bool bereich = false;
    for (const Tooltipbereich& t : ansicht.TooltipBereiche())
        bereich = bereich || (t.bereich == neujahr && t.text == "Neujahr");
    EXPECT_TRUE(bereich);
}

TEST_F(JahresansichtTest, LegendenzaehlerUndBefehle) {
    kal.Farbwerte[1] = Rot;
    kal.Farbwerte[2] = Gruen;
    kal.Farbwerte[3] = Rot;  // a later slot with the same colour counts nothing
    kal.Tagesfarben(2004, 3, 1) = {Rot, Gruen};
    kal.Tagesfarben(2004, 3, 2) = {Rot, 0x010203};
    kal.Tagesfarben(2005, 3, 2) = {Rot};  // another year
    Malen();
    EXPECT_EQ(ansicht.Legendenzaehler()[1], 2);
    EXPECT_EQ(ansicht.Legendenzaehler()[2], 1);
    EXPECT_EQ(ansicht.Legendenzaehler()[3], 0);
    EXPECT_EQ(ansicht.Legendenzaehler()[0], 0);

    struct Fall {
        bool geaendert;
        bool dateiOffen;
        bool geburtstage;
        Befehlszustand erwartet;
    };
    const Fall faelle[] = {
        {false, false, false, {false, false, false}},
        {true, false, false, {true, false, true}},
        {false, true, true, {false, true, true}},
    };
    for (const Fall& f : faelle) {
        kal.geaendert = f.geaendert;
        ansicht.dateiOffen = f.dateiOffen;
        kal.Geburtstagsliste.clear();
        if (f.geburtstage) kal.Geburtstagsliste.push_back({"A", "B", KeinDatum, KeinDatum});
        Malen();
        EXPECT_EQ(ansicht.Befehle(), f.erwartet);
        EXPECT_EQ(ansicht.Statusfelder()[2], f.geaendert ? "geändert" : "");
    }
}

TEST_F(JahresansichtTest, Tagestext) {
    kal.Farbnamen[1] = "Rot";
    kal.Farbwerte[1] = Rot;
    struct Fall {
        const char* name;
        std::function<void(JahresansichtOptionen&)> optionen;
        int tag, monat;
        TTerminliste liste;
        TTagesfarben farben;
        std::string erwartet;
    };
    const std::string kopf = "Termine für Montag,  05. Januar  2004:  \r\n";
    auto nichts = [](JahresansichtOptionen&) {};
    const Fall faelle[] = {
        {"leer", nichts, 5, 1, {}, {}, kopf},
        {"ohne Datum",
         [](auto& o) { o.wochentag = o.datumDesTages = false; },
         5,
         1,
         {},
         {},
         "Termine:  \r\n"},
        {"nur Wochentag",
         [](auto& o) { o.datumDesTages = o.farbname = false; },
         5,
         1,
         {},
         {},
         "Termine für Montag: \r\n"},
        {"heute",
         [](auto& o) { o.wochentag = o.datumDesTages = false; },
         15,
         6,
         {},
         {},
         "Termine für heute, :  \r\n"},
        {"Feiertag",
         nichts,
         1,
         1,
         {},
         {},
         "Termine für Donnerstag,  01. Januar  2004: (Neujahr) \r\n"},
        {"Feiertag aus",
         [](auto& o) { o.nameVonFeiertagen = false; },
         1,
         1,
         {},
         {},
         "Termine für Donnerstag,  01. Januar  2004:  \r\n"},
        {"Farbname",
         nichts,
         5,
         1,
         {},
         {Rot, Gruen},
         "Termine für Montag,  05. Januar  2004:  Rot\r\n"},
        {"Info und Termin",
         nichts,
         5,
         1,
         {Info("Zeile1#Zeile2"), Termin("22:30", 90, "Spät", "Halle")},
         {},
         kopf + "Zeile1\r\nZeile2\r\n22:30-24:00   Spät   Halle"},
        {"Leerzeile ohne Info",
         nichts,
         5,
         1,
         {Info(""), Termin("10:00", 30, "A")},
         {},
         kopf + "\r\n10:00-10:30   A"},
        {"keine Leerzeile",
         [](auto& o) { o.leerzeileWennKeineTagesinfo = false; },
         5,
         1,
         {Info(""), Termin("10:00", 30, "A")},
         {},
         kopf + "10:00-10:30   A"},
        {"Dauer statt Ende",
         [](auto& o) {
             o.terminendeAnzeigen = false;
             o.terminlaengeAnzeigen = true;
         },
         5,
         1,
         {Info(""), Termin("10:00", 30, "A")},
         {},
         kopf + "\r\n10:00   A (00:30h)"},
        {"ohne Uhrzeit",
         [](auto& o) { o.keineUhrzeitAnzeigen = false; },
         5,
         1,
         {Info(""), Termin("10:00", 30, "A")},
         {},
         kopf + "\r\nA"},
        {"Leerzeilen zwischen",
         [](auto& o) { o.leerzeilenZwischenTerminen = true; },
         5,
         1,
         {Info(""), Termin("10:00", 30, "A"), Termin("11:00", 60, "B")},
         {},
         kopf + "\r\n10:00-10:30   A\r\n\r\n11:00-12:00   B\r\n"},
        {"Ort in zwei Zeilen",
         [](auto& o) { o.beschreibungUndOrtZweiZeilen = o.ortsangabe = true; },
         5,
         1,
         {Info(""), Termin("", 0, "A", "Halle")},
         {},
         kopf + "\r\nA\r\n  Ort: Halle"},
        {"leere Beschreibung",
         nichts,
         5,
         1,
         {Info(""), Termin("10:00", 30, "A"), Termin("11:00", 30, ""), Termin("12:00", 30, "C")},
         {},
         kopf + "\r\n10:00-10:30   A\r\n\r\n12:00-12:30   C"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ansicht.optionen = JahresansichtOptionen{};
        f.optionen(ansicht.optionen);
        kal.Terminliste(2004, f.monat, f.tag) = f.liste;
        kal.Tagesfarben(2004, f.monat, f.tag) = f.farben;
        EXPECT_EQ(ansicht.TagestextAufbauen(f.tag, f.monat, 2004), f.erwartet);
        kal.Terminliste(2004, f.monat, f.tag).clear();
        kal.Tagesfarben(2004, f.monat, f.tag).clear();
    }
}

TEST_F(JahresansichtTest, TagestextMitGeburtstagszeile) {
    kal.Geburtstagsliste.push_back(
        {"Muster", "Max", DatumWert(5, 1, 1970), DatumWert(5, 1, 1990)});
    ansicht.optionen.farbname = false;
    ansicht.optionen.ereignisse = {true, true};
    kal.Terminliste(2004, 1, 5) = {Info("Info")};
    EXPECT_EQ(ansicht.TagestextAufbauen(5, 1, 2004),
              "Termine für Montag,  05. Januar  2004: \r\n"
              "Geburtstag: Max Muster (34)  Namenstag: Max Muster\r\nInfo\r\n");
}

TEST_F(JahresansichtTest, JahreswechselAnDenEnden) {
    struct Fall {
        int start;
        std::string eingabe;
        std::string feld;
        int jahr;
    };
    const Fall faelle[] = {
        {2004, "19", "19", 2004},     {2004, "1899", "1901", 1901},
        {2004, "2150", "2099", 2099}, {2004, "", "", 2004},
        {2004, "2010", "2010", 2010}, {2004, "1900", "1901", 1901},
        {2004, "2100", "2099", 2099}, {2004, "1901", "1901", 1901},
        {2004, "0190", "1901", 1901}, {2004, "abc", "abc", 2004},
        {2004, "-5", "-5", 2004},     {2004, "99999999999999999999", "2099", 2099},
    };
    for (const Fall& f : faelle) {
        ansicht.JahrSetzen(f.start);
        EXPECT_EQ(ansicht.JahrEingabe(f.eingabe), f.feld) << f.eingabe;
        EXPECT_EQ(ansicht.Jahr(), f.jahr) << f.eingabe;
    }
    ansicht.JahrSetzen(2099);
    ansicht.JahrBlaettern(1);
    EXPECT_EQ(ansicht.Jahr(), 2099);
    ansicht.JahrSetzen(1901);
    ansicht.JahrBlaettern(-1);
    EXPECT_EQ(ansicht.Jahr(), 1901);
    ansicht.JahrBlaettern(1);
    EXPECT_EQ(ansicht.Jahr(), 1902);
}

TEST_F(JahresansichtTest, JahreswechselBautFeiertageNeu) {
    ansicht.JahrSetzen(2008);
    EXPECT_EQ(ansicht.Feiertage().FeiertagsText(21, 3), "Karfreitag+Frühlingsanfang");
    ansicht.JahrEingabe("2009");
    EXPECT_EQ(ansicht.Feiertage().FeiertagsText(21, 3), "Frühlingsanfang");

    int neu = 0, ausgewertet = 0;
    ansicht.anschluesse.neuZeichnen = [&] { ++neu; };
    ansicht.anschluesse.zeigerposition = [&]() -> std::optional<Punkt> {
        ++ausgewertet;
        return Punkt{100 + 4 * 24 + 1, 44};  // 1 January 2010 (a Friday)
    };
    ansicht.JahrBlaettern(1);
    EXPECT_EQ(neu, 1);
    EXPECT_EQ(ausgewertet, 1);
    EXPECT_EQ(auswahl, (AusgewaehlterTag{1, 1, 2010}));
}

TEST_F(JahresansichtTest, ZeigerUeberEinemTag) {
    kal.Farbnamen[1] = "Rot";
    kal.Farbwerte[1] = Rot;
    kal.Tagesfarben(2004, 1, 1) = {Rot};
    kal.Terminliste(2004, 1, 1) = {Info("Hallo")};
    const Rechteck z = ansicht.TagesZelle(1, 1);
    ansicht.ZeigerAuswerten(z.links + 3, z.oben + 3);
    EXPECT_EQ(ansicht.Statusfelder()[0], "Donnerstag,  01. Januar  2004");
    EXPECT_EQ(ansicht.Statusfelder()[1], "Neujahr");
    EXPECT_EQ(ansicht.Statusfelder()[3], "Rot");
    EXPECT_EQ(ansicht.HoverSchluessel(), 2004 * 372 + 31 + 1);
    EXPECT_EQ(auswahl, (AusgewaehlterTag{1, 1, 2004}));
    EXPECT_EQ(ansicht.Terminfeld(), "");  // the field is hidden
    ansicht.terminfeldSichtbar = true;
    ansicht.ZeigerAuswerten(z.links + 3, z.oben + 3);
    EXPECT_EQ(ansicht.Terminfeld(), ansicht.TagestextAufbauen(1, 1, 2004));
    EXPECT_FALSE(ansicht.SonneSichtbar());
    ansicht.optionen.sonneAnzeigen = true;
    ansicht.ZeigerAuswerten(z.links + 3, z.oben + 3);
    EXPECT_TRUE(ansicht.SonneSichtbar());
    EXPECT_EQ(ansicht.Sonnenbeschriftung().rfind("  SA: ", 0), 0u);
    EXPECT_NE(ansicht.Sonnenbeschriftung().find("  SU: "), std::string::npos);
}

TEST_F(JahresansichtTest, ZeigerAusserhalbDerTage) {
    kal.Terminliste(2004, 6, 15) = {Info(""), Termin("10:00", 30, "Heute")};
    const Rechteck z = ansicht.TagesZelle(5, 1);
    ansicht.ZeigerAuswerten(z.links, z.oben);
    ansicht.ansichtOffen = true;
    ansicht.ZeigerAuswerten(5, 5);
    EXPECT_EQ(auswahl, (AusgewaehlterTag{5, 1, 2004}));  // a dialog or view is open
    EXPECT_EQ(ansicht.HoverSchluessel(), 0);
    ansicht.ansichtOffen = false;
    ansicht.ZeigerAuswerten(5, 5);
    EXPECT_EQ(auswahl, (AusgewaehlterTag{15, 6, 2004}));
    EXPECT_EQ(ansicht.Statusfelder()[0], "");
    EXPECT_EQ(ansicht.Terminfeld(), "Termine für heute:\r\n\r\n10:00-10:30   Heute");
    EXPECT_EQ(ansicht.Zeiger(), Zeigerform::Pfeil);
}

// A repaint while a view is open evaluates the pointer too; the day under it (behind the
// modal view) must not become the selected day.
TEST_F(JahresansichtTest, ZeigerUeberEinemTagBeiOffenerAnsicht) {
    const Rechteck januar = ansicht.TagesZelle(5, 1);
    const Rechteck maerz = ansicht.TagesZelle(9, 3);
    ansicht.ZeigerAuswerten(januar.links + 3, januar.oben + 3);
    ansicht.ansichtOffen = true;
    ansicht.ZeigerAuswerten(maerz.links + 3, maerz.oben + 3);
    EXPECT_EQ(auswahl, (AusgewaehlterTag{5, 1, 2004}));
    EXPECT_EQ(ansicht.HoverSchluessel(), 0);
    ansicht.ansichtOffen = false;
    ansicht.ZeigerAuswerten(maerz.links + 3, maerz.oben + 3);
    EXPECT_EQ(auswahl, (AusgewaehlterTag{9, 3, 2004}));
}

TEST_F(JahresansichtTest, ZeigerVerlaesstDieAnsicht) {
    kal.Farbnamen[1] = "Rot";
    kal.Farbwerte[1] = Rot;
    kal.Tagesfarben(2004, 1, 1) = {Rot};
    const Rechteck z = ansicht.TagesZelle(1, 1);
    ansicht.ZeigerAuswerten(z.links + 3, z.oben + 3);
    ASSERT_TRUE(ansicht.Schwebetag());
    // Onto the bottom panel or the status bar: the texts go, the selected day stays.
    ansicht.ZeigerVerlassen();
    for (int i : {0, 1, 3}) EXPECT_EQ(ansicht.Statusfelder()[i], "");
    EXPECT_FALSE(ansicht.Schwebetag());
    EXPECT_EQ(ansicht.HoverSchluessel(), 0);
    EXPECT_EQ(auswahl, (AusgewaehlterTag{1, 1, 2004}));
    // Nothing hovered: a refresh shows nothing either.
    ansicht.TagtexteAuffrischen();
    EXPECT_EQ(ansicht.Statusfelder()[3], "");
}

TEST_F(JahresansichtTest, TagtexteFolgenDenFarbenDesTages) {
    kal.Farbnamen[1] = "Rot";
    kal.Farbwerte[1] = Rot;
    const Rechteck z = ansicht.TagesZelle(2, 1);
    ansicht.terminfeldSichtbar = true;
    ansicht.ZeigerAuswerten(z.links + 3, z.oben + 3);
    EXPECT_EQ(ansicht.Statusfelder()[3], "");
    kal.Tagesfarben(2004, 1, 2) = {Rot};  // from the context menu, say
    ansicht.TagtexteAuffrischen();
    EXPECT_EQ(ansicht.Statusfelder()[0], "Freitag,  02. Januar  2004");
    EXPECT_EQ(ansicht.Statusfelder()[3], "Rot");
    EXPECT_EQ(ansicht.Terminfeld(), ansicht.TagestextAufbauen(2, 1, 2004));
}

TEST_F(JahresansichtTest, TastenFarbbearbeitungUndGemerkterPunkt) {
    std::vector<int> angewandt, geloescht;
    ansicht.anschluesse.farbeAnwenden = [&](int t, int, int) { angewandt.push_back(t); };
    ansicht.anschluesse.farbeLoeschen = [&](int t, int, int) { geloescht.push_back(t); };
    kal.Tagesfarben(2004, 1, 6) = {Rot};
    const Rechteck mit = ansicht.TagesZelle(6, 1), ohne = ansicht.TagesZelle(7, 1);

    ansicht.ZeigerAuswerten(ohne.links + 1, ohne.oben + 1, {false, true, false});
    EXPECT_EQ(ansicht.GemerkterPunkt(), (Punkt{}));
    ansicht.ZeigerAuswerten(mit.links + 1, mit.oben + 1, {false, true, false});
    EXPECT_EQ(ansicht.GemerkterPunkt(), (Punkt{mit.links + 1, mit.oben + 1}));

    // "Farbe löschen" acts on the remembered day wherever the pointer is now.
    ansicht.farbeLoeschenAnstehend = true;
    ansicht.ZeigerAuswerten(ohne.links + 1, ohne.oben + 1);
    EXPECT_EQ(geloescht, std::vector<int>{6});
    EXPECT_FALSE(ansicht.farbeLoeschenAnstehend);
    ansicht.ZeigerAuswerten(ohne.links + 1, ohne.oben + 1);
    EXPECT_EQ(ansicht.GemerkterPunkt(), (Punkt{}));

    ansicht.ZeigerAuswerten(ohne.links + 1, ohne.oben + 1, {true, false, false});
    EXPECT_TRUE(angewandt.empty());  // no direct colour editing chosen
    ansicht.farbbearbeitung = Farbbearbeitung::Hinzufuegen;
    ansicht.ZeigerAuswerten(ohne.links + 1, ohne.oben + 1, {true, true, false});
    EXPECT_TRUE(angewandt.empty());  // not exactly the left button
    ansicht.ZeigerAuswerten(ohne.links + 1, ohne.oben + 1, {true, false, false});
    EXPECT_EQ(angewandt, std::vector<int>{7});
    EXPECT_EQ(ansicht.Zeiger(), Zeigerform::Plus);
    ansicht.ZeigerAuswerten(5, 5);
    EXPECT_EQ(ansicht.Zeiger(), Zeigerform::Pfeil);
}

TEST_F(JahresansichtTest, Direkthilfe) {
    const Rechteck z = ansicht.TagesZelle(6, 1);
    EXPECT_EQ(ansicht.HilfeKlick(Hilfeziel::Kontrollkaestchen, true).thema, 1068);
    EXPECT_EQ(ansicht.HilfeKlick(Hilfeziel::Jahresansicht, false).thema, 0);
    ansicht.DirekthilfeStarten();
    ansicht.farbbearbeitung = Farbbearbeitung::Hinzufuegen;
    ansicht.ZeigerAuswerten(z.links, z.oben);
    ansicht.ZeigerAuswerten(5, 5);
    EXPECT_EQ(ansicht.Zeiger(), Zeigerform::Hilfe);
    const Hilfeantwort a = ansicht.HilfeKlick(Hilfeziel::Jahresansicht, false);
    EXPECT_EQ(a.thema, 1067);
    EXPECT_FALSE(a.normaleAktion);
    EXPECT_FALSE(ansicht.Hilfemodus());
    ansicht.DirekthilfeStarten();
    EXPECT_EQ(ansicht.HilfeKlick(Hilfeziel::Sonstiges, true).thema, 0);
    EXPECT_FALSE(ansicht.Hilfemodus());
}

TEST_F(JahresansichtTest, AnordnungDerBeschriftungen) {
    const JahresAnordnung& a = ansicht.Anordnung();
    // Fixed metrics of the double: 6 pixels per character, 12 pixels high.
    EXPECT_EQ(a.wochentage[0].text, "Mo");
    EXPECT_EQ(a.wochentage[36].text, "Di");
    EXPECT_EQ(a.wochentage[5].ort, (Punkt{100 + 5 * 24 + 12 - 6, 13}));
    EXPECT_EQ(a.monate[0].ort, (Punkt{16, 2 * 20 + 23 - 6}));
    EXPECT_EQ(a.monate[11].text, "Dezember");
    EXPECT_EQ(a.jahrTitelOben, (23 + 20) / 2 - 6);
    EXPECT_EQ(a.tooltipBreite, 24);
    EXPECT_EQ(a.tooltipHoehe, 40);
}

}  // namespace
}  // namespace kalvora
