#include "kalender/Tagesfarbbefehle.h"

#include <gtest/gtest.h>

#include <vector>

namespace kalvora {
namespace {

TEST(Tagesfarbbefehle, BefehleAufDerFarbliste) {
    constexpr uint32_t r = 0x0000FF, g = 0x00FF00, b = 0xFF0000;
    struct Fall {
        TTagesfarben vorher;
        Farbbefehl befehl;
        uint32_t farbe;
        TTagesfarben nachher;
    };
    const Fall faelle[] = {
        {{r, g}, Farbbefehl::AlleLoeschen, 0, {}},
        {{r, g, r}, Farbbefehl::Neu, b, {b}},
        {{}, Farbbefehl::Neu, r, {r}},
        {{r}, Farbbefehl::Hinzufuegen, g, {r, g}},
        // Adding a colour the day already has changes nothing: every menu offers it only for
        // colours the day lacks, and the list never holds a colour twice through it.
        {{r, g}, Farbbefehl::Hinzufuegen, r, {r, g}},
        {{r, g, r}, Farbbefehl::Loeschen, r, {g, r}},
        {{g}, Farbbefehl::Loeschen, r, {g}},
    };
    for (const Fall& f : faelle) {
        TTagesfarben liste = f.vorher;
        FarbbefehlAnwenden(liste, f.befehl, f.farbe);
        EXPECT_EQ(liste, f.nachher) << static_cast<int>(f.befehl);
    }
}

TEST(Tagesfarbbefehle, AenderungMitRueckgaengigSchrittUndGeaendert) {
    TKalender kal;
    std::vector<Datum> gemerkt;
    const Farbaenderungsmerker merken = [&](int t, int m, int j) {
        gemerkt.push_back({t, m, j});
    };
    EXPECT_TRUE(TagesfarbeAendern(kal, merken, 3, 4, 2009, Farbbefehl::Hinzufuegen, 13));
    EXPECT_EQ(kal.Tagesfarben(2009, 4, 3), TTagesfarben{kal.Farbwerte[13]});
    EXPECT_EQ(gemerkt, (std::vector<Datum>{{3, 4, 2009}}));
    EXPECT_TRUE(kal.geaendert);

    // A slot or a day outside the document: nothing recorded, nothing changed.
    kal.geaendert = false;
    EXPECT_FALSE(TagesfarbeAendern(kal, merken, 3, 4, 2009, Farbbefehl::Neu, 0));
    EXPECT_FALSE(TagesfarbeAendern(kal, merken, 3, 4, 2009, Farbbefehl::Neu, 21));
    EXPECT_FALSE(TagesfarbeAendern(kal, merken, 32, 1, 2009, Farbbefehl::AlleLoeschen));
    EXPECT_FALSE(TagesfarbeAendern(kal, merken, 1, 1, 1800, Farbbefehl::AlleLoeschen));
    EXPECT_EQ(gemerkt.size(), 1u);
    EXPECT_FALSE(kal.geaendert);
    // Without an undo recorder the change still happens.
    EXPECT_TRUE(TagesfarbeAendern(kal, {}, 3, 4, 2009, Farbbefehl::AlleLoeschen));
    EXPECT_TRUE(kal.Tagesfarben(2009, 4, 3).empty());
}

TEST(Tagesfarbbefehle, UntermenuesInMenueordnung) {
    TKalender kal;
    kal.Farbnamen[1] = "Urlaub";
    kal.Farbnamen[13] = "Dienst";
    kal.Farbnamen[4] = "Schule";
    const TTagesfarben tag = {kal.Farbwerte[4]};
    const auto gezeigt = [](const Farbuntermenue& u) {
        std::vector<int> s;
        for (const Farbmenueeintrag& e : u.eintraege)
            if (e.sichtbar) s.push_back(e.slot);
        return s;
    };
    const Farbuntermenues m = FarbuntermenuesBauen(kal, tag, false);
    ASSERT_EQ(m.neu.eintraege.size(), size_t(AnzahlFarben));
    EXPECT_EQ(m.neu.eintraege[3].slot, 13);
    EXPECT_EQ(gezeigt(m.neu), (std::vector<int>{1, 13, 4}));
    EXPECT_EQ(gezeigt(m.hinzufuegen), (std::vector<int>{1, 13}));
    EXPECT_EQ(gezeigt(m.loeschen), std::vector<int>{4});
    EXPECT_TRUE(m.neu.aktiv && m.hinzufuegen.aktiv && m.loeschen.aktiv);
    // Read-only: shown, but not to be used; a day without colours has nothing to remove.
    const Farbuntermenues nur = FarbuntermenuesBauen(kal, tag, true);
    EXPECT_EQ(gezeigt(nur.neu), (std::vector<int>{1, 13, 4}));
    EXPECT_FALSE(nur.neu.aktiv || nur.hinzufuegen.aktiv || nur.loeschen.aktiv);
    EXPECT_FALSE(FarbuntermenuesBauen(kal, {}, false).loeschen.aktiv);
}

}  // namespace
}  // namespace kalvora
