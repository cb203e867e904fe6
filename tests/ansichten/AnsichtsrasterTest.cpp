#include "ansichten/Ansichtsraster.h"

#include <gtest/gtest.h>

#include "main/Ansichtswechsel.h"

namespace kalvora {
namespace {

TEST(Monatsansicht, ZellenSchritteUndSonntage) {
    // 1024 x 768 with a tool bar of 30: cells of 249 x 86.
    EXPECT_EQ(MonatsZelle(1, 1024, 768, 30), (Rechteck{8, 38, 257, 124}));
    EXPECT_EQ(MonatsZelle(9, 1024, 768, 30), (Rechteck{261, 38, 510, 124}));
    EXPECT_EQ(MonatsZelle(32, 1024, 768, 30).links, 8 + 3 * 253);
    EXPECT_EQ(MonatsZelle(32, 1024, 768, 30).oben, 38 + 7 * 90);

    EXPECT_EQ(MonatZurueck(3, 2004), (Datum{15, 2, 2004}));
    EXPECT_EQ(MonatZurueck(1, 2004), (Datum{31, 12, 2003}));
    EXPECT_EQ(MonatVor(12, 2003), (Datum{1, 1, 2004}));
    EXPECT_EQ(MonatVor(5, 2003), (Datum{1, 6, 2003}));
    EXPECT_FALSE(MonatZurueckMoeglich(1, 1901));
    EXPECT_TRUE(MonatZurueckMoeglich(2, 1901));
    EXPECT_FALSE(MonatVorMoeglich(12, 2099));
    EXPECT_EQ(MonatsansichtTitel(3, 2004), "Monatsansicht : März 2004");
    EXPECT_EQ(SonntagsrahmenIndex(7), 0);
    EXPECT_EQ(SonntagsrahmenIndex(8), 1);
    EXPECT_EQ(SonntagsrahmenIndex(28), 3);
    EXPECT_EQ(SonntagsrahmenIndex(30), 4);
}

TEST(MonatMitWochen, SpaltenUndKalenderwochen) {
    EXPECT_EQ(MowoSpalten(2, 2010), 4);  // 1 February a Monday, 28 days
    EXPECT_EQ(MowoSpalten(3, 2010), 5);  // Monday, 31 days
    EXPECT_EQ(MowoSpalten(5, 2010), 6);  // 1 May a Saturday
    EXPECT_EQ(MowoTag(6, 5, 2010), 1);
    EXPECT_EQ(MowoTag(1, 5, 2010), -4);
    // January 2010: the first column's Thursday is 31 December 2009.
    const std::array<int, 6> jan = MowoKalenderwochen(1, 2010);
    EXPECT_EQ(jan[0], 53);
    EXPECT_EQ(jan[1], 1);
    EXPECT_EQ(jan[4], 4);
    // December 2026 runs into week 53 of 2026.
    EXPECT_EQ(MowoKalenderwochen(12, 2026)[4], 53);

    Mowomasse m{1024, 768, 30, 20, 16};
    const Rechteck z1 = MowoZelle(1, 5, m);
    EXPECT_EQ(z1.links, 36);
    EXPECT_EQ(z1.oben, 54);
    EXPECT_EQ(z1.Breite(), (1024 - 24 - 16 - 20) / 5);
    EXPECT_EQ(z1.Hoehe(), (768 - 30 - 16 - 40) / 7);
    EXPECT_EQ(MowoZelle(8, 5, m).links, z1.rechts + 4);
    const Rechteck so = MowoSonntagsrahmen(5, true, m);
    EXPECT_EQ(so.Breite(), 5 * z1.Breite() + 24);
    EXPECT_EQ(MowoSonntagsrahmen(5, false, m).Breite(), 4 * z1.Breite() + 20);
    EXPECT_EQ(so.Hoehe(), z1.Hoehe() + 8);
}

TEST(Wochenansicht, WocheUmDenJahreswechselUndDieEnden) {
    EXPECT_EQ(MontagDerWoche({11, 1, 2004}), (Datum{5, 1, 2004}));  // a Sunday
    EXPECT_EQ(WochennummerDesDonnerstags(TageAb({5, 1, 2004})[3]), 2);
    const std::array<Datum, 14> w2010 = TageAb(MontagDerWoche({1, 1, 2010}));
    EXPECT_EQ(w2010[0], (Datum{28, 12, 2009}));
    EXPECT_EQ(w2010[6], (Datum{3, 1, 2010}));
    EXPECT_EQ(WochennummerDesDonnerstags(w2010[3]), 53);
    const std::array<Datum, 14> w2004 = TageAb(MontagDerWoche({1, 1, 2004}));
    EXPECT_EQ(w2004[0], (Datum{29, 12, 2003}));
    EXPECT_EQ(WochennummerDesDonnerstags(w2004[3]), 1);
    // The calendar's ends: the Monday before 1 January 1901 and the days after 2099.
    EXPECT_EQ(MontagDerWoche({1, 1, 1901}), (Datum{31, 12, 1900}));
    const std::array<Datum, 14> ende = TageAb(MontagDerWoche({31, 12, 2099}));
    EXPECT_EQ(ende[6], (Datum{3, 1, 2100}));
    EXPECT_EQ(TagDanach({31, 12, 2003}), (Datum{1, 1, 2004}));
    EXPECT_EQ(TagDavor({1, 1, 2004}), (Datum{31, 12, 2003}));

    EXPECT_EQ(WochenZelle(1, 1024, 768, 30), (Rechteck{8, 38, 508, 212}));
    EXPECT_EQ(WochenZelle(5, 1024, 768, 30).links, 516);
    EXPECT_EQ(WochenZelle(2, 1024, 768, 30).oben, 38 + 174 + 8);
    Mowomasse m{1024, 768, 30, 20, 16};
    const Rechteck z = ZweiwochenZelle(1, m);
    EXPECT_EQ(z.links, 36);
    EXPECT_EQ(z.oben, 54);
    EXPECT_EQ(z.Breite(), (1024 - 20 - 28) / 2);
    EXPECT_EQ(ZweiwochenSonntagsrahmen(m).Breite(), 2 * z.Breite() + 12);
}

TEST(Ansichtswechsel, DieTabelleZeileFuerZeile) {
    Wechselanfragen layout, woche, zwei;
    layout.layout = true;
    woche.monatWoche = true;
    zwei.woche = true;
    EXPECT_EQ(NaechsteAnsicht(Ansicht::MonatMitWochen, layout, 0, 1), Ansicht::Monat);
    EXPECT_EQ(NaechsteAnsicht(Ansicht::MonatMitWochen, woche, 0, 1), Ansicht::Woche);
    EXPECT_EQ(NaechsteAnsicht(Ansicht::MonatMitWochen, woche, 1, 1), Ansicht::ZweiWochen);
    EXPECT_EQ(NaechsteAnsicht(Ansicht::Monat, layout, 0, 1), Ansicht::MonatMitWochen);
    EXPECT_EQ(NaechsteAnsicht(Ansicht::Monat, woche, 0, 1), Ansicht::Woche);
    EXPECT_EQ(NaechsteAnsicht(Ansicht::Woche, woche, 0, 1), Ansicht::Monat);
    EXPECT_EQ(NaechsteAnsicht(Ansicht::ZweiWochen, woche, 0, 2), Ansicht::MonatMitWochen);
    EXPECT_EQ(NaechsteAnsicht(Ansicht::ZweiWochen, zwei, 0, 1), Ansicht::Woche);
    EXPECT_EQ(NaechsteAnsicht(Ansicht::Woche, zwei, 0, 1), Ansicht::ZweiWochen);
}

}  // namespace
}  // namespace kalvora
