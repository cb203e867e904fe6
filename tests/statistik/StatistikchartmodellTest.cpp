#include "statistik/Statistikchartmodell.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

TEST(Statistikchartmodell, BlaetternBisZuDenGrenzenDesKalenders) {
    TKalender kal;
    Statistikchartmodell m(kal, 1902, Statistikart::Farbhaeufigkeit);
    EXPECT_TRUE(m.ZurueckMoeglich());
    EXPECT_TRUE(m.Blaettern(-1));
    EXPECT_EQ(m.Jahr(), 1901);
    EXPECT_FALSE(m.ZurueckMoeglich());
    EXPECT_TRUE(m.VorMoeglich());
    EXPECT_FALSE(m.Blaettern(-1));
    EXPECT_EQ(m.Jahr(), 1901);
    m.JahrSetzen(2099);
    EXPECT_FALSE(m.VorMoeglich());
    EXPECT_FALSE(m.Blaettern(1));
    EXPECT_EQ(m.Jahr(), 2099);
    EXPECT_TRUE(m.Blaettern(-1));
    EXPECT_EQ(m.Jahr(), 2098);
    // Today outside the calendar (a clock set wrongly) stays at its edge.
    m.JahrSetzen(2150);
    EXPECT_EQ(m.Jahr(), 2099);
    EXPECT_EQ(Statistikchartmodell(kal, 1800, Statistikart::Termindauer).Jahr(), 1901);
}

TEST(Statistikchartmodell, JahreswechselZaehltDieFarbenNeu) {
    TKalender kal;
    kal.Farbnamen[1] = "Eins";
    kal.Tagesfarben(2009, 1, 1) = {kal.Farbwerte[1]};
    kal.Tagesfarben(2010, 1, 1) = {kal.Farbwerte[1], kal.Farbwerte[1]};
    Statistikchartmodell m(kal, 2009, Statistikart::Farbhaeufigkeit);
    EXPECT_EQ(m.Balken().front().wert, 1);
    EXPECT_EQ(m.Titel(), "Farbhäufigkeits-Statistik für 2009");
    m.Blaettern(1);
    EXPECT_EQ(m.Balken().front().wert, 2);
    EXPECT_EQ(m.Titel(), "Farbhäufigkeits-Statistik für 2010");
    // The colour counts are those of the last count; the window counts when activated.
    kal.Tagesfarben(2010, 1, 2) = {kal.Farbwerte[1]};
    EXPECT_EQ(m.Balken().front().wert, 2);
    m.FarbenZaehlen();
    EXPECT_EQ(m.Balken().front().wert, 3);
}

TEST(Statistikchartmodell, KategorieauswahlUndFilter) {
    TKalender kal;
    kal.Terminkategorie = {"Beruf", "Privat"};
    kal.Farbnamen[1] = "Eins";
    TTerminliste& l = kal.Terminliste(2009, 5, 5);
    l.resize(4);
    l[1].Farbe = l[2].Farbe = l[3].Farbe = kal.Farbwerte[1];
    l[2].Kategorie = "Beruf";
    l[3].Kategorie = "Privat";
    Statistikchartmodell m(kal, 2009, Statistikart::Farbhaeufigkeit);
    EXPECT_FALSE(m.KategorieSichtbar());
    m.ArtSetzen(Statistikart::Terminhaeufigkeit);
    EXPECT_TRUE(m.KategorieSichtbar());
    EXPECT_EQ(m.Achsentitel(), std::string("Anzahl der Termine pro Farbe im Jahr"));
    EXPECT_EQ(m.Kategorieauswahl(),
              (std::vector<std::string>{"alle Kategorien", "ohne Kategorie", "Beruf", "Privat"}));
    const double erwartet[] = {3, 1, 1, 1};
    for (int i = 0; i < 4; ++i) {
        m.KategorieSetzen(i);
        EXPECT_EQ(m.Balken().front().wert, erwartet[i]) << i;
    }
    // The list shrank while the entry was chosen: all categories again, no stale name.
    kal.Terminkategorie.pop_back();
    EXPECT_EQ(m.Balken().front().wert, 3);
    m.KategorieSetzen(7);
    EXPECT_EQ(m.Kategorie(), 0);
}

TEST(Statistikchartmodell, OptionAnzeigeSchaltetDenExtrabalken) {
    TKalender kal;
    Statistikchartmodell m(kal, 2012, Statistikart::Farbhaeufigkeit);
    ASSERT_EQ(m.Balken().size(), 1u);
    EXPECT_EQ(m.Balken()[0].wert, 366);
    Statistikoptionen o;
    o.anzeige = false;
    m.OptionenSetzen(o);
    EXPECT_TRUE(m.Balken().empty());
}

}  // namespace
}  // namespace kalvora
