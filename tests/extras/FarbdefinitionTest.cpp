#include "extras/Farbdefinition.h"

#include <gtest/gtest.h>

#include "kalender/Farbhistorie.h"

namespace kalvora::test {
namespace {

struct Farbtest {
    TKalender kal;
    TFarbwerte legende{};
    TFarbhistorie historie{kal};
    Farbtest() {
        for (int k = 1; k <= AnzahlFarben; ++k) {
            kal.Farbnamen[static_cast<std::size_t>(k)] = "F" + std::to_string(k);
            legende[static_cast<std::size_t>(k)] = kal.Farbwerte[static_cast<std::size_t>(k)];
        }
    }
    uint32_t Wert(int slot) const { return kal.Farbwerte[static_cast<std::size_t>(slot)]; }
};

TEST(Farbdefinition, ZeilenInDerLegendenfolge) {
    Farbtest t;
    TFarbdefinition d(t.kal, t.legende);
    EXPECT_EQ(d.Zeile(4), (Farbzeile{t.Wert(13), "F13"}));
    EXPECT_EQ(d.Zeile(8), (Farbzeile{t.Wert(14), "F14"}));
    EXPECT_EQ(d.Zeile(20), (Farbzeile{t.Wert(20), "F20"}));
    EXPECT_FALSE(d.UebernehmenAktiv());
    EXPECT_EQ(d.Fokuszeile(), 2);
}

TEST(Farbdefinition, PfeileUndFokus) {
    Farbtest t;
    TFarbdefinition d(t.kal, t.legende);
    d.ZeileBetreten(1);
    EXPECT_FALSE(d.HochAktiv());
    EXPECT_TRUE(d.RunterAktiv());
    d.ZeileBetreten(20);
    EXPECT_TRUE(d.HochAktiv());
    EXPECT_FALSE(d.RunterAktiv());
    d.KnopfBetreten();
    EXPECT_FALSE(d.HochAktiv() || d.RunterAktiv());
    d.ZeileBetreten(7);
    EXPECT_TRUE(d.HochAktiv() && d.RunterAktiv());
    // Slot 13 (row 4) up to row 3, applied: slot 3 and slot 13 swap colour and name.
    d.ZeileBetreten(4);
    EXPECT_EQ(d.Hoch(), 3);
    EXPECT_TRUE(d.UebernehmenAktiv());
    const uint32_t w3 = t.Wert(3), w13 = t.Wert(13);
    d.Uebernehmen();
    EXPECT_EQ(t.Wert(3), w13);
    EXPECT_EQ(t.kal.Farbnamen[3], "F13");
    EXPECT_EQ(t.Wert(13), w3);
    EXPECT_EQ(t.kal.Farbnamen[13], "F3");
    EXPECT_EQ(t.legende[3], w13);
    EXPECT_TRUE(t.kal.geaendert);
    EXPECT_FALSE(d.UebernehmenAktiv());
    EXPECT_EQ(d.Fokuszeile(), 1);
    // Down from the last row does nothing.
    d.ZeileBetreten(20);
    EXPECT_EQ(d.Runter(), 20);
}

TEST(Farbdefinition, LeererNameWirdFrei) {
    Farbtest t;
    TFarbdefinition d(t.kal, t.legende);
    d.NameAendern(5, "");
    d.NameAendern(6, "Urlaub");
    d.Uebernehmen();
    EXPECT_EQ(t.kal.Farbnamen[4], "[frei]");  // row 5 is slot 4
    EXPECT_EQ(t.kal.Farbnamen[5], "Urlaub");
    EXPECT_EQ(d.Zeile(5).name, "[frei]");
}

TEST(Farbdefinition, DoppelteSchwarzeUndWeisseFarbeAbgewiesen) {
    Farbtest t;
    TFarbdefinition d(t.kal, t.legende);
    const uint32_t vorher = t.Wert(4);
    for (uint32_t farbe : {d.Zeile(9).farbe, 0xFFFFFFu, 0x000000u}) {
        const auto fehler = d.FarbeWaehlen(5, farbe);
        ASSERT_TRUE(fehler.has_value());
        EXPECT_EQ(*fehler, "Diese Farbe wird schon benutzt!\r\nBitte wählen sie eine andere "
                           "Farbe.");
    }
    EXPECT_EQ(t.Wert(4), vorher);
    EXPECT_EQ(d.Zeile(5).farbe, vorher);
    EXPECT_FALSE(t.kal.geaendert);
    // Its own colour again is no duplicate and changes nothing.
    EXPECT_FALSE(d.FarbeWaehlen(5, vorher).has_value());
    EXPECT_FALSE(t.kal.geaendert);
}

TEST(Farbdefinition, NeueFarbeErreichtTageTermineUndUndolisten) {
    Farbtest t;
    const uint32_t alt = t.Wert(13), neu = 0x123456;
    t.historie.FarbaenderungMerken(1, 2, 2026);
    t.kal.Tagesfarben(2026, 2, 1) = {alt};
    t.historie.FarbaenderungMerken(1, 2, 2026);
    t.kal.Tagesfarben(2026, 2, 1) = {t.Wert(1), alt};
    t.historie.Rueckgaengig();  // the redo list holds {1, alt} now
    t.kal.Tagesfarben(1950, 3, 3) = {alt};
    TTerminliste& l = t.kal.Terminliste(2099, 4, 4);
    l.resize(2);
    l[1].Farbe = alt;

    TFarbdefinition d(t.kal, t.legende);
    ASSERT_FALSE(d.FarbeWaehlen(4, neu).has_value());
    EXPECT_EQ(t.kal.Tagesfarben(2026, 2, 1), (TTagesfarben{neu}));
    EXPECT_EQ(t.kal.Tagesfarben(1950, 3, 3), (TTagesfarben{neu}));
    EXPECT_EQ(t.kal.Terminliste(2099, 4, 4)[1].Farbe, neu);
    ASSERT_EQ(t.historie.Redoliste().size(), 1u);
    EXPECT_EQ(t.historie.Redoliste()[0].farben, (TTagesfarben{t.Wert(1), neu}));
    EXPECT_EQ(t.Wert(13), neu);
    EXPECT_EQ(t.legende[13], neu);
    EXPECT_EQ(d.Zeile(4).farbe, neu);
    EXPECT_TRUE(t.kal.geaendert);
    // The snapshot follows: the old value is free again, the new one is taken.
    EXPECT_FALSE(d.FarbeWaehlen(1, alt).has_value());
    EXPECT_TRUE(d.FarbeWaehlen(2, neu).has_value());
}

TEST(Farbdefinition, FarbeNachVerschiebenUndAbbruch) {
    Farbtest t;
    TFarbdefinition d(t.kal, t.legende);
    // Row 2 (slot 2) moved down to row 3; the colour chosen there replaces slot 2's value,
    // which is where the colour lives until the move is applied.
    d.ZeileBetreten(2);
    d.Runter();
    const uint32_t alt = t.Wert(2);
    ASSERT_FALSE(d.FarbeWaehlen(3, 0x0A0B0C).has_value());
    EXPECT_EQ(t.Wert(2), 0x0A0B0Cu);
    EXPECT_EQ(t.legende[2], 0x0A0B0Cu);
    EXPECT_NE(t.Wert(3), alt);
    // "Abbruch" (no Übernehmen): the names and the order stay, the new colour stays too.
    EXPECT_EQ(t.kal.Farbnamen[2], "F2");
    EXPECT_EQ(t.kal.Farbnamen[3], "F3");
}

}  // namespace
}  // namespace kalvora::test
