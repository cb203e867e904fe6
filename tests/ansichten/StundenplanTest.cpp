#include "ansichten/Stundenplan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "doubles/AufzeichnendeLeinwand.h"
#include "doubles/StehendeUhr.h"

namespace kalvora {
namespace {

using test::AufzeichnendeLeinwand;
using test::Zeichenart;
using test::Zeichnung;

constexpr uint32_t Gelb = 0x00FFFF;

TTermin Termin(const std::string& zeit, int dauer, const std::string& beschreibung,
               const std::string& ort = {}, const std::string& link = {}) {
    TTermin t;
    t.Uhrzeit = zeit;
    t.Dauer = dauer;
    t.Beschreibung = beschreibung;
    t.Ort = ort;
    t.Link = link;
    t.Farbe = Gelb;
    return t;
}

class StundenplanTest : public testing::Test {
protected:
    TKalender kal;
    Einstellungen einst;
    test::StehendeUhr uhr;  // Monday, 15.06.2009
    AusgewaehlterTag auswahl;
    TStundenplan plan{kal, einst, uhr, auswahl};
    AufzeichnendeLeinwand l;  // " 20:00 " is 42 x 12

    StundenplanTest() {
        auswahl.Setzen(15, 6, 2009);
        einst.Stdplantage = 7;
        einst.Stdplanzeilen = 2;
        einst.Stdplanstartzeit = 7;
        einst.Stdplanendezeit = 20;
        einst.Stdplantagesbreite = 220;
        einst.Stdplantageshoehe = 220;
    }
    void Termine(int tag, std::vector<TTermin> termine) {
        TTerminliste& liste = kal.Terminliste(2009, 6, tag);
        liste.assign(1, TTermin{});
        for (TTermin& t : termine) liste.push_back(std::move(t));
    }
    void Anordnen() {
        plan.Anordnen(1024, false);
        plan.Messen(l);
        l.Leeren();
    }
    std::vector<Zeichnung> Texte(const std::string& anfang) const {
        std::vector<Zeichnung> v;
        for (const Zeichnung& z : l.Alle(Zeichenart::Text))
            if (z.text.rfind(anfang, 0) == 0) v.push_back(z);
        return v;
    }
};

TEST_F(StundenplanTest, SiebenTageInZweiZeilenGebenVierSpalten) {
    Anordnen();
    EXPECT_EQ(plan.Spalten(), 4);
    EXPECT_EQ(plan.Anordnen(1024, false),
              (Stundenplangroesse{880, 440, 720, 440}));
    // A narrow screen caps both widths; one day keeps the smallest window.
    EXPECT_EQ(plan.Anordnen(800, false), (Stundenplangroesse{700, 440, 700, 440}));
    einst.Stdplantage = 1;
    einst.Stdplanzeilen = 1;
    einst.Stdplantageshoehe = 150;
    EXPECT_EQ(plan.Anordnen(1024, false), (Stundenplangroesse{450, 250, 450, 220}));
    EXPECT_EQ(plan.Spalten(), 1);

    einst.Stdplantage = 7;
    einst.Stdplanzeilen = 2;
    Anordnen();
    plan.Malen(l, 880, 400);
    const Stundenplanmasse m = plan.Masse(880, 400);
    EXPECT_EQ(m.bw, (880 - 90 - 40) / 4 - 42);
    EXPECT_EQ(m.bh, (400 - 30 - 40) / 2);
    EXPECT_EQ(m.hh, m.bh / 14);
    // The headers of the week, four in the first row and three in the second.
    const char* tage[] = {"Montag, 15.6.2009",  "Dienstag, 16.6.2009", "Mittwoch, 17.6.2009",
                          "Donnerstag, 18.6.2009", "Freitag, 19.6.2009", "Samstag, 20.6.2009",
                          "Sonntag, 21.6.2009"};
    for (int k = 1; k <= 7; ++k) {
        const std::vector<Zeichnung> kopf = Texte(tage[k - 1]);
        ASSERT_EQ(kopf.size(), 1u) << tage[k - 1];
        const int r = (k - 1) / 4;
        const int c = (k - 1) % 4;
        EXPECT_EQ(kopf[0].punkte[0], (Punkt{(c + 1) * 42 + c * (m.bw + 30) + 20,
                                            r * (m.bh + 30) + 10}));
        EXPECT_EQ(plan.TagesEcke(k, m).y, r * (m.bh + 30) + 20);
    }
    // Every day has its own labels 07:00 .. 20:00 left of its block, centred on the lines.
    EXPECT_EQ(Texte("07:00").size(), 7u);
    EXPECT_EQ(Texte("20:00").size(), 7u);
    const Zeichnung sieben = Texte("07:00")[0];
    EXPECT_EQ(sieben.punkte[0], (Punkt{20, 20 + m.hh - 6}));
    EXPECT_EQ(sieben.hintergrund, Hintergrundmodus::Transparent);
    EXPECT_EQ(Texte("09:00")[4].punkte[0].x, 20);  // day 5 starts the second row
    int graueLinien = 0;
    for (const Zeichnung& z : l.Alle(Zeichenart::Linie))
        if (z.stift.farbe == 0x808080) ++graueLinien;
    EXPECT_EQ(graueLinien, 7 * 14);
}

TEST_F(StundenplanTest, KopfRotAmSonntagGrauAmSamstag) {
    Anordnen();
    plan.Malen(l, 880, 400);
    const Zeichnung sa = Texte("Samstag")[0];
    const Zeichnung so = Texte("Sonntag")[0];
    const Zeichnung mo = Texte("Montag")[0];
    EXPECT_EQ(so.schrift.farbe, 0x0000FFu);
    EXPECT_EQ(sa.schrift.farbe, 0x808080u);
    EXPECT_EQ(mo.schrift.farbe, 0u);
    EXPECT_TRUE(mo.schrift.fett);
    EXPECT_EQ(mo.schrift.groesse, plan.schrift.groesse + 2);
    EXPECT_FALSE(Texte("07:00")[0].schrift.fett);
}

TEST_F(StundenplanTest, BalkenWerdenAmRasterAbgeschnitten) {
    einst.Stdplanstartzeit = 8;
    einst.Stdplanendezeit = 18;
    Termine(15, {Termin("06:00", 180, "Frueh"), Termin("17:00", 180, "Spaet"),
                 Termin("19:00", 60, "Danach"), Termin("06:00", 140, "Knapp"),
                 Termin("10:00", 60, "Mitte")});
    Anordnen();
    plan.Malen(l, 880, 400);
    const Stundenplanmasse m = plan.Masse(880, 400);
    const Punkt e = plan.TagesEcke(1, m);
    const auto y = [&](double stunde) {
        return e.y + static_cast<int>(std::nearbyint((stunde - 8 + 1) * m.hh));
    };
    const std::vector<Zeichnung> balken = l.Alle(Zeichenart::Rechteck);
    // 19:00 lies below the last hour; the others are drawn.
    ASSERT_EQ(balken.size(), 4u);
    EXPECT_EQ(balken[0].rechteck, (Rechteck{e.x + 10, y(7.8), e.x + m.bw - 10, 1 + y(9)}));
    EXPECT_EQ(balken[0].pinsel.farbe, Gelb);
    EXPECT_EQ(balken[0].stift.farbe, 0u);
    EXPECT_EQ(balken[1].rechteck, (Rechteck{e.x + 10, y(17), e.x + m.bw - 10, 1 + y(18.2)}));
    EXPECT_EQ(balken[3].rechteck, (Rechteck{e.x + 10, y(10), e.x + m.bw - 10, 1 + y(11)}));

    std::vector<int> strichpunkt;
    for (const Zeichnung& z : l.Alle(Zeichenart::Linie))
        if (z.stift.stil == Stiftstil::StrichPunkt) {
            EXPECT_EQ(z.punkte[0].x, e.x + 10);
            EXPECT_EQ(z.punkte[1].x, e.x + m.bw - 10);
            strichpunkt.push_back(z.punkte[0].y);
        }
    // The early bar is cut at 7.8, the late one at 18.2, the short early one at 7.8 too.
    EXPECT_EQ(strichpunkt, (std::vector<int>{y(7.8), y(18.2), y(7.8)}));

    // Texts only where at least half an hour of the bar is inside the grid.
    ASSERT_EQ(Texte("Frueh").size(), 1u);
    EXPECT_EQ(Texte("Frueh")[0].punkte[0], (Punkt{e.x + 15, y(7.8) + 2}));
    EXPECT_EQ(Texte("Spaet").size(), 1u);
    EXPECT_TRUE(Texte("Knapp").empty());  // ends at 8:20
    EXPECT_TRUE(Texte("Danach").empty());
    EXPECT_EQ(Texte("Frueh")[0].schrift.farbe, 0u);
}

TEST_F(StundenplanTest, TextAufDunklemBalkenWeiss) {
    TTermin dunkel = Termin("10:00", 120, "Nacht");
    dunkel.Farbe = 0x800000;  // navy
    TTermin hell = Termin("13:00", 120, "Tag");
    hell.Farbe = 0xFFFFFF;
    // An hour is 11 pixels: the text of a short bar lies mostly on the background.
    TTermin kurz = Termin("16:00", 60, "Kurz");
    kurz.Farbe = 0;
    Termine(15, {dunkel, hell, kurz});
    Anordnen();
    plan.Malen(l, 880, 400);
    EXPECT_EQ(Texte("Nacht").at(0).schrift.farbe, 0xFFFFFFu);
    EXPECT_EQ(Texte("Tag").at(0).schrift.farbe, 0u);
    EXPECT_EQ(Texte("Kurz").at(0).schrift.farbe, 0u);
}

TEST_F(StundenplanTest, TextWortFuerWortMitOrt) {
    const auto text = [&](const char* beschreibung, const char* ort, int platz) {
        return TStundenplan::Balkentext(l, Termin("10:00", 60, beschreibung, ort), platz);
    };
    // Six pixels a character; the text must stay narrower than the room.
    EXPECT_EQ(text("Zahnarzt Dr. Meier", "", 60), "Zahnarzt");
    EXPECT_EQ(text("Zahnarzt Dr. Meier", "", 109), "Zahnarzt Dr. Meier");
    EXPECT_EQ(text("Zahnarzt Dr. Meier", "", 108), "Zahnarzt Dr.");
    EXPECT_EQ(text("Sitzung", "Raum 5", 200), "Sitzung  Ort: Raum 5");
    EXPECT_EQ(text("Sitzung", "Raum 5", 120), "Sitzung  Ort: Raum");
    // A location of one word only when it fits as a whole; a cut description has none.
    EXPECT_EQ(text("Sitzung", "Konferenzzentrum", 100), "Sitzung");
    EXPECT_EQ(text("Sitzung lang", "Raum", 60), "Sitzung");
    EXPECT_EQ(text("Sitzung", "", 200), "Sitzung");
    EXPECT_EQ(text("Besprechungsmarathon", "Raum", 60), "");
}

TEST_F(StundenplanTest, ZeigerWaehltTagUndFindetLink) {
    Termine(15, {Termin("10:00", 60, "Web", "", "https://example.org"),
                 Termin("12:00", 120, "Datei", "", "/tmp/a.txt"),
                 Termin("12:30", 30, "Ordner", "", "/tmp")});
    Anordnen();
    const Stundenplanmasse m = plan.Masse(880, 400);  // hh 11
    const auto zeile = [&](double stunde) {
        return static_cast<int>((stunde - 7) * m.hh) + m.hh + 21;
    };
    plan.ZeigerBewegt(100, zeile(10.5), 880, 400);
    EXPECT_EQ(auswahl, (AusgewaehlterTag{15, 6, 2009}));
    EXPECT_EQ(plan.Link(), "https://example.org");
    // Several enclose the time: the last in the list.
    plan.ZeigerBewegt(100, zeile(12.6), 880, 400);
    EXPECT_EQ(plan.Link(), "/tmp");
    plan.ZeigerBewegt(100, zeile(13.5), 880, 400);
    EXPECT_EQ(plan.Link(), "/tmp/a.txt");
    plan.ZeigerBewegt(100, zeile(11.5), 880, 400);
    EXPECT_EQ(plan.Link(), "");
    plan.ZeigerBewegt(100, 20, 880, 400);  // above the first hour line
    EXPECT_EQ(plan.Link(), "");

    // Column 1 of row 2 is day 6; the place after day 7 is no day.
    plan.ZeigerBewegt(230, 250, 880, 400);
    EXPECT_EQ(auswahl, (AusgewaehlterTag{20, 6, 2009}));
    plan.ZeigerBewegt(700, 250, 880, 400);
    EXPECT_EQ(auswahl, (AusgewaehlterTag{20, 6, 2009}));
    // The offset stays with the first day while the pointer moves.
    EXPECT_EQ(plan.Versatz(), 0);
    plan.Anordnen(1024, true);
    EXPECT_EQ(plan.Versatz(), 0);
    plan.Anordnen(1024, false);
    EXPECT_EQ(plan.Versatz(), 5);
}

TEST_F(StundenplanTest, TageJenseitsDesKalendersBleibenLeer) {
    auswahl.Setzen(31, 12, 2099);
    Anordnen();
    EXPECT_EQ(plan.TagDatum(1), (Datum{31, 12, 2099}));
    EXPECT_EQ(plan.TagDatum(2), (Datum{1, 1, 2100}));
    plan.Malen(l, 880, 400);
    EXPECT_EQ(Texte("Freitag, 1.1.2100").size(), 1u);
    plan.ZeigerBewegt(300, 100, 880, 400);  // day 2
    EXPECT_EQ(auswahl, (AusgewaehlterTag{31, 12, 2099}));
}

TEST_F(StundenplanTest, StundenfelderHaltenIhreReihenfolge) {
    Anordnen();
    EXPECT_EQ(plan.ErsteStundeAendern(19), 19);
    EXPECT_EQ(plan.ErsteStundeAendern(20), 19);  // steps back
    EXPECT_EQ(plan.LetzteStundeAendern(19), 20);  // steps forward
    EXPECT_EQ(plan.LetzteStundeAendern(24), 24);
    EXPECT_EQ(plan.LetzteStundeAendern(25), 24);
    EXPECT_EQ(plan.ErsteStundeAendern(23), 23);
    EXPECT_EQ(plan.LetzteStundeAendern(23), 24);
    // Settings with the end before the start still give a grid of at least two hours.
    einst.Stdplanstartzeit = 12;
    einst.Stdplanendezeit = 10;
    plan.Anordnen(1024, false);
    EXPECT_EQ(plan.ErsteStunde(), 12);
    EXPECT_EQ(plan.LetzteStunde(), 13);
    einst.Stdplanstartzeit = 23;
    einst.Stdplanendezeit = 24;
    plan.Anordnen(1024, false);
    EXPECT_EQ(plan.ErsteStunde(), 23);
    EXPECT_EQ(plan.LetzteStunde(), 24);
}

TEST_F(StundenplanTest, BlaetternEndetAnDenGrenzenDesKalenders) {
    struct Fall {
        Datum start;
        bool (TStundenplan::*befehl)();
        bool geht;
        Datum danach;
    };
    const Fall faelle[] = {
        {{2, 1, 1901}, &TStundenplan::TagZurueck, true, {1, 1, 1901}},
        {{1, 1, 1901}, &TStundenplan::TagZurueck, false, {1, 1, 1901}},
        {{8, 1, 1901}, &TStundenplan::WocheZurueck, true, {1, 1, 1901}},
        {{7, 1, 1901}, &TStundenplan::WocheZurueck, false, {7, 1, 1901}},
        {{30, 12, 2099}, &TStundenplan::TagVor, true, {31, 12, 2099}},
        {{31, 12, 2099}, &TStundenplan::TagVor, false, {31, 12, 2099}},
        {{24, 12, 2099}, &TStundenplan::WocheVor, true, {31, 12, 2099}},
        {{25, 12, 2099}, &TStundenplan::WocheVor, false, {25, 12, 2099}},
        {{28, 2, 2009}, &TStundenplan::TagVor, true, {1, 3, 2009}},
    };
    for (const Fall& f : faelle) {
        auswahl.Setzen(f.start.tag, f.start.monat, f.start.jahr);
        plan.Anordnen(1024, false);
        EXPECT_EQ((plan.*f.befehl)(), f.geht) << f.start.tag << "." << f.start.jahr;
        EXPECT_EQ(plan.TagDatum(1), f.danach) << f.start.tag << "." << f.start.jahr;
    }
    plan.Heute();
    EXPECT_EQ(plan.TagDatum(1), (Datum{15, 6, 2009}));
}

TEST(Stundenplanlage, EckenDesArbeitsbereichs) {
    const Rechteck bereich{0, 0, 1024, 740};  // task bar at the bottom
    struct Fall {
        Stundenplanecke ecke;
        Stundenplanlage lage;
    };
    const Fall faelle[] = {
        {Stundenplanecke::UntenRechts, {{1024 - 880 - 5, 740 - 440 - 7}, true}},
        {Stundenplanecke::ObenRechts, {{1024 - 880 - 5, 7}, false}},
        {Stundenplanecke::ObenLinks, {{5, 7}, false}},
        {Stundenplanecke::UntenLinks, {{5, 740 - 440 - 7}, true}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(DesktopLage(bereich, 880, 440, f.ecke, 5, 7), f.lage)
            << static_cast<int>(f.ecke);
    // A panel at the top moves the top corners down with it.
    EXPECT_EQ(DesktopLage({0, 27, 1024, 768}, 880, 440, Stundenplanecke::ObenLinks, 0, 0).ort,
              (Punkt{0, 27}));
    EXPECT_EQ(NormaleLage(bereich, 880, 440), (Punkt{144, 300}));
}

}  // namespace
}  // namespace kalvora
