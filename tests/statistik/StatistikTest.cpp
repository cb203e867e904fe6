#include "statistik/Statistik.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvora {
namespace {

TTermin Termin(int dauer, uint32_t farbe, const char* kategorie = "") {
    TTermin t;
    t.Uhrzeit = "10:00";
    t.Beschreibung = "Termin";
    t.Dauer = dauer;
    t.Farbe = farbe;
    t.Kategorie = kategorie;
    return t;
}

void TermineEintragen(TKalender& kal, int tag, int monat, int jahr,
                      const std::vector<TTermin>& termine) {
    TTerminliste& liste = kal.Terminliste(jahr, monat, tag);
    liste.push_back(TTermin{});  // the info entry
    liste.insert(liste.end(), termine.begin(), termine.end());
}

std::vector<int> Slots(const std::vector<Statistikbalken>& b) {
    std::vector<int> s;
    for (const auto& x : b) s.push_back(x.slot);
    return s;
}

class Statistik : public ::testing::Test {
protected:
    TKalender kal;
    uint32_t F(int slot) const { return kal.Farbwerte[static_cast<std::size_t>(slot)]; }
    void SetUp() override {
        kal.Farbnamen[2] = "Urlaub";
        kal.Farbnamen[4] = "Arzt";
        kal.Farbnamen[13] = "Frei genommen";
    }
};

TEST_F(Statistik, JahrOhneFarbenZeigtJedenBenanntenSlotMitNullUndAlleTage) {
    for (int jahr : {2009, 2008}) {
        SCOPED_TRACE(jahr);
        const auto werte = Farbhaeufigkeiten(kal, jahr);
        const auto balken = StatistikBalken(kal, werte, Statistikart::Farbhaeufigkeit, true);
        // Named slots in the legend order, free slots without a value are left out.
        EXPECT_EQ(Slots(balken), (std::vector<int>{2, 13, 4, 0}));
        for (std::size_t i = 0; i + 1 < balken.size(); ++i) EXPECT_EQ(balken[i].wert, 0);
        EXPECT_EQ(balken.back().name, "Nicht zugeordnete Tage");
        EXPECT_EQ(balken.back().farbe, KeineFarbe);
        EXPECT_EQ(balken.back().wert, jahr == 2008 ? 366 : 365);
        EXPECT_EQ(Slots(StatistikBalken(kal, werte, Statistikart::Farbhaeufigkeit, false)),
                  (std::vector<int>{2, 13, 4}));
    }
}

TEST_F(Statistik, FarbenZaehlenJedesVorkommenBeimErstenSlotDerFarbe) {
    kal.Tagesfarben(2009, 3, 1) = {F(2), F(2)};      // twice on one day
    kal.Tagesfarben(2009, 3, 2) = {F(2), F(4)};
    kal.Tagesfarben(2009, 12, 31) = {0x123456};     // no slot holds it
    kal.Tagesfarben(2010, 1, 1) = {F(4)};           // another year
    kal.Farbwerte[7] = F(4);                        // a later slot with the same colour
    kal.Farbnamen[7] = "Doppelt";
    kal.Farbwerte[9] = 0xABCDEF;                    // a free slot that days still hold
    kal.Tagesfarben(2009, 6, 6) = {0xABCDEF};
    const auto w = Farbhaeufigkeiten(kal, 2009);
    EXPECT_EQ(w.slot[2], 3);
    EXPECT_EQ(w.slot[4], 1);
    EXPECT_EQ(w.slot[7], 0);
    EXPECT_EQ(w.slot[9], 1);
    EXPECT_EQ(w.extra, 365 - 4);
    const auto b = StatistikBalken(kal, w, Statistikart::Farbhaeufigkeit, true);
    // A free slot with a value is shown under its name "[frei]".
    EXPECT_EQ(Slots(b), (std::vector<int>{2, 13, 4, 7, 9, 0}));
    EXPECT_EQ(b[4].name, "[frei]");
}

TEST_F(Statistik, DauerInStundenUndAnzahlProFarbe) {
    TermineEintragen(kal, 5, 1, 2009, {Termin(90, F(4)), Termin(30, F(4)), Termin(45, F(2))});
    TermineEintragen(kal, 31, 12, 2009, {Termin(20, F(2))});
    TermineEintragen(kal, 1, 1, 2010, {Termin(600, F(4))});
    const auto dauer = Terminwerte(kal, 2009, Statistikart::Termindauer, {});
    EXPECT_DOUBLE_EQ(dauer.slot[4], 2.0);
    EXPECT_DOUBLE_EQ(dauer.slot[2], 65.0 / 60.0);
    const auto anzahl = Terminwerte(kal, 2009, Statistikart::Terminhaeufigkeit, {});
    EXPECT_EQ(anzahl.slot[4], 2);
    EXPECT_EQ(anzahl.slot[2], 2);
    EXPECT_EQ(anzahl.extra, 0);

    TKalender einzeln;
    einzeln.Farbnamen[4] = "Arzt";
    TermineEintragen(einzeln, 1, 7, 2009, {Termin(90, einzeln.Farbwerte[4])});
    EXPECT_DOUBLE_EQ(Terminwerte(einzeln, 2009, Statistikart::Termindauer, {}).slot[4], 1.5);
}

TEST_F(Statistik, TermineOhneFarbeNurImExtrabalken) {
    TermineEintragen(kal, 5, 1, 2009, {Termin(60, KeineFarbe), Termin(30, F(4))});
    kal.Farbwerte[2] = KeineFarbe;  // a slot holding white gets none of them
    for (Statistikart art : {Statistikart::Termindauer, Statistikart::Terminhaeufigkeit}) {
        SCOPED_TRACE(statistiktexte::Name(art));
        const auto w = Terminwerte(kal, 2009, art, {});
        EXPECT_EQ(w.slot[2], 0);
        auto b = StatistikBalken(kal, w, art, true);
        ASSERT_EQ(Slots(b), (std::vector<int>{4, 0}));
        EXPECT_EQ(b[1].name, "Nicht zugeordnete Termine");
        EXPECT_DOUBLE_EQ(b[1].wert, 1.0);
        EXPECT_EQ(Slots(StatistikBalken(kal, w, art, false)), (std::vector<int>{4}));
    }
    // No appointment without colour: no extra bar even with the option on.
    TKalender leer;
    EXPECT_TRUE(StatistikBalken(leer, Terminwerte(leer, 2009, Statistikart::Termindauer, {}),
                                Statistikart::Termindauer, true)
                    .empty());
}

TEST_F(Statistik, DasInfoElementZaehltNie) {
    TTerminliste& liste = kal.Terminliste(2009, 2, 2);
    liste.push_back(Termin(120, F(4)));  // entry 0 is the info entry, whatever it holds
    EXPECT_EQ(Terminwerte(kal, 2009, Statistikart::Terminhaeufigkeit, {}).slot[4], 0);
    liste.push_back(Termin(120, F(4)));
    EXPECT_EQ(Terminwerte(kal, 2009, Statistikart::Terminhaeufigkeit, {}).slot[4], 1);
}

TEST_F(Statistik, KategorieFilter) {
    TermineEintragen(kal, 5, 1, 2009,
                     {Termin(60, F(4), ""), Termin(60, F(4), "ohne Kategorie"),
                      Termin(60, F(4), "Beruf"), Termin(60, F(4), "Beruflich"),
                      Termin(60, F(4), "beruf")});
    struct Fall {
        Kategoriefilter filter;
        double anzahl;
    };
    const Fall faelle[] = {
        {Kategoriefilter::AusText("alle Kategorien"), 5},
        {Kategoriefilter::AusText("ohne Kategorie"), 2},
        {Kategoriefilter::AusText("Beruf"), 1},  // exactly, case and length included
        {Kategoriefilter::AusText("Privat"), 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.filter.name);
        EXPECT_EQ(Terminwerte(kal, 2009, Statistikart::Terminhaeufigkeit, f.filter).slot[4],
                  f.anzahl);
    }
    // The colour statistic ignores categories.
    kal.Tagesfarben(2009, 1, 5) = {F(4)};
    EXPECT_EQ(StatistikBerechnen(kal, 2009, Statistikart::Farbhaeufigkeit,
                                 Kategoriefilter::Genau("Privat"))
                  .slot[4],
              1);
}

TEST_F(Statistik, TerminbalkenNurFuerBenannteSlotsMitWert) {
    kal.Farbwerte[6] = 0x0A0B0C;  // free slot
    TermineEintragen(kal, 1, 1, 2009, {Termin(1, F(6)), Termin(0, F(2)), Termin(6, F(13))});
    // A free slot gets no bar even with a value; an appointment of 0 minutes counts once.
    const auto dauer = StatistikBalken(kal, Terminwerte(kal, 2009, Statistikart::Termindauer, {}),
                                       Statistikart::Termindauer, true);
    EXPECT_EQ(Slots(dauer), (std::vector<int>{13}));
    const auto anzahl =
        StatistikBalken(kal, Terminwerte(kal, 2009, Statistikart::Terminhaeufigkeit, {}),
                        Statistikart::Terminhaeufigkeit, true);
    EXPECT_EQ(Slots(anzahl), (std::vector<int>{2, 13}));
}

TEST(Statistikwerte, NullGrenze) {
    EXPECT_TRUE(IstNull(0.0001));
    EXPECT_TRUE(IstNull(-0.0001));
    EXPECT_FALSE(IstNull(0.00011));
    TKalender kal;
    kal.Farbnamen[1] = "Eins";
    Statistikwerte w;
    w.slot[1] = 0.00005;
    w.extra = 0.00005;
    EXPECT_TRUE(StatistikBalken(kal, w, Statistikart::Termindauer, true).empty());
    w.slot[1] = 0.0002;
    EXPECT_EQ(StatistikBalken(kal, w, Statistikart::Termindauer, true).size(), 1u);
}

TEST(Statistiktexte, TitelAchsenUndBeschriftungen) {
    EXPECT_EQ(statistiktexte::Titel(Statistikart::Farbhaeufigkeit, 2009),
              "Farbhäufigkeits-Statistik für 2009");
    EXPECT_EQ(statistiktexte::Titel(Statistikart::Termindauer, 1901),
              "Termindauer-Statistik für 1901");
    EXPECT_EQ(statistiktexte::Titel(Statistikart::Terminhaeufigkeit, 2099),
              "Terminhäufigkeits-Statistik für 2099");
    EXPECT_STREQ(statistiktexte::Achsentitel(Statistikart::Termindauer),
                 "Anzahl der Terminstunden pro Farbe im Jahr");
    EXPECT_EQ(Balkenbeschriftung("Frei genommen"), "Frei\ngenommen");
    EXPECT_EQ(Balkenbeschriftung("Nicht zugeordnete Tage"), "Nicht\nzugeordnete\nTage");
    EXPECT_EQ(Balkenbeschriftung("Arzt"), "Arzt");
    TKalender kal;
    kal.Farbnamen[13] = "Frei genommen";
    const auto b = StatistikBalken(kal, {}, Statistikart::Farbhaeufigkeit, false);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].beschriftung, "Frei\ngenommen");
}

TEST(Statistiktexte, WerteAlsTextUndAnzeige) {
    const std::vector<Statistikbalken> b = {{4, "Arzt", "Arzt", 0, 1.5},
                                            {0, "Nicht zugeordnete Termine", "", 0, 2.0 / 3}};
    EXPECT_EQ(BalkenAlsText(b, Statistikart::Termindauer),
              "Arzt\t1.50\nNicht zugeordnete Termine\t0.67\n");
    const std::vector<Statistikbalken> z = {{2, "Urlaub", "Urlaub", 0, 12}};
    EXPECT_EQ(BalkenAlsText(z, Statistikart::Farbhaeufigkeit), "Urlaub\t12\n");
    EXPECT_EQ(Wertanzeige(1.5, Statistikart::Termindauer), "1,5");
    EXPECT_EQ(Wertanzeige(10.0, Statistikart::Termindauer), "10");
    EXPECT_EQ(Wertanzeige(2.0 / 3, Statistikart::Termindauer), "0,67");
    EXPECT_EQ(Wertanzeige(0, Statistikart::Termindauer), "0");
    EXPECT_EQ(Wertanzeige(366, Statistikart::Farbhaeufigkeit), "366");
}

TEST(Statistikwerte, JahrAusserhalbDesKalendersIstLeer) {
    TKalender kal;
    EXPECT_EQ(Farbhaeufigkeiten(kal, 1900).extra, 0);
    EXPECT_EQ(Terminwerte(kal, 2100, Statistikart::Termindauer, {}).extra, 0);
}

}  // namespace
}  // namespace kalvora
