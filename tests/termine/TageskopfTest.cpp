#include "termine/Tageskopf.h"

#include <gtest/gtest.h>

#include "Termintestkalender.h"

namespace kalvora::test {
namespace {

TEST(Tageskopf, TitelDatumUndKW) {
    EXPECT_EQ(Tagestitel(5, 1, 2004), "Termine für Montag, 05.01.2004");
    EXPECT_EQ(Datumsbeschriftung(5, 1, 2004), " Montag, 05.01.2004");
    EXPECT_EQ(KWText(31, 12, 2007), "KW 1");
    EXPECT_EQ(KWText(1, 1, 2005), "KW 53");
    const uint32_t we = 0x00C0C0;
    struct Fall { Datum d; bool rot; uint32_t grund; };
    for (const Fall& f : std::vector<Fall>{{{3, 1, 2004}, false, we},    // Saturday
                                           {{4, 1, 2004}, true, we},     // Sunday
                                           {{5, 1, 2004}, false, 0xFFFFFF}}) {
        const Beschriftungsfarben b = DatumsbeschriftungFarben(f.d.tag, f.d.monat, f.d.jahr, we);
        EXPECT_EQ(b.roteSchrift, f.rot);
        EXPECT_EQ(b.hintergrund, f.grund);
    }
}

TEST(Tageskopf, BaenderUndSchriftgroessen) {
    Termintest t;
    const auto b = Farbbaender(t.kal, {t.Farbe(1), t.Farbe(2), t.Farbe(5)}, 89);
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].hoehe, 30);
    EXPECT_EQ(b[1].hoehe, 30);
    EXPECT_EQ(b[2].hoehe, 29);
    EXPECT_EQ(b[1].oben, 30);
    EXPECT_EQ(b[0].text, "  Gelb");
    EXPECT_EQ(b[2].text, "");  // slot 5 is free
    EXPECT_TRUE(Farbbaender(t.kal, {}, 89).empty());
    const std::vector<std::pair<int, int>> groessen = {{1, 12}, {4, 12}, {5, 8}, {6, 8},
                                                       {9, 6}, {11, 4}, {12, 2}};
    for (auto [k, g] : groessen) EXPECT_EQ(FarbschriftGroesse(k), g) << k;
}

TEST(Tageskopf, Geburtstagsmemo) {
    Termintest t;
    t.kal.Geburtstagsliste = {
        {"Muster", "Max", DatumWert(5, 1, 2003), KeinDatum},
        {"Neu", "Nina", DatumWert(5, 1, 2004), KeinDatum},  // born this year: not listed
        {"Alt", "Anna", DatumWert(5, 1, 1950), DatumWert(5, 1, 1990)},
    };
    EXPECT_EQ(Geburtstagsmemo(t.kal, 5, 1, 2004),
              "Geburtstag\nMax Muster (1)\nAnna Alt (54)\nNamenstag\nAnna Alt");
    EXPECT_EQ(Geburtstagsmemo(t.kal, 6, 1, 2004), "");
}

TEST(Tageskopf, FarbmenueUndBefehle) {
    Termintest t;
    const uint32_t rot = t.Farbe(2);
    t.Farben(1, 1, 2004) = {rot, t.Farbe(1), rot};
    Tagesfarbmenue m = TagesfarbmenueBauen(t.kal, 1, 1, 2004, false);
    auto sichtbar = [](const Farbuntermenue& u) {
        std::vector<int> s;
        for (const auto& e : u.eintraege)
            if (e.sichtbar) s.push_back(e.slot);
        return s;
    };
    EXPECT_TRUE(m.alleLoeschenAktiv);
    EXPECT_EQ(sichtbar(m.neu), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(sichtbar(m.hinzufuegen), (std::vector<int>{3, 4}));
    EXPECT_EQ(sichtbar(m.loeschen), (std::vector<int>{1, 2}));
    EXPECT_FALSE(TagesfarbmenueBauen(t.kal, 1, 1, 2004, true).neu.aktiv);

    TagesfarbeAendern(t.u.kal, t.u.FarbaenderungMerken, 1, 1, 2004, Farbbefehl::Loeschen, 2);
    EXPECT_EQ(t.Farben(1, 1, 2004), (TTagesfarben{t.Farbe(1), rot}));
    TagesfarbeAendern(t.u.kal, t.u.FarbaenderungMerken, 1, 1, 2004, Farbbefehl::Hinzufuegen, 3);
    EXPECT_EQ(t.Farben(1, 1, 2004), (TTagesfarben{t.Farbe(1), rot, t.Farbe(3)}));
    TagesfarbeAendern(t.u.kal, t.u.FarbaenderungMerken, 1, 1, 2004, Farbbefehl::Neu, 4);
    EXPECT_EQ(t.Farben(1, 1, 2004), (TTagesfarben{t.Farbe(4)}));
    TagesfarbeAendern(t.u.kal, t.u.FarbaenderungMerken, 1, 1, 2004, Farbbefehl::AlleLoeschen);
    EXPECT_TRUE(t.Farben(1, 1, 2004).empty());
    EXPECT_EQ(t.undo.size(), 4u);
    EXPECT_TRUE(t.kal.geaendert);
    m = TagesfarbmenueBauen(t.kal, 1, 1, 2004, false);
    EXPECT_FALSE(m.alleLoeschenAktiv);
    EXPECT_FALSE(m.loeschen.aktiv);
}

}  // namespace
}  // namespace kalvora::test
