#include "kalender/Farbhistorie.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

constexpr uint32_t Rot = 0x0000FF;
constexpr uint32_t Blau = 0xFF0000;

class FarbhistorieTest : public testing::Test {
protected:
    TKalender kal;
    TFarbhistorie h{kal};
    TTagesfarben& Tag(int tag, int jahr = 2009) { return kal.Tagesfarben(jahr, 6, tag); }
    // A change as every colour command makes it: record, then change.
    void Aendern(int tag, TTagesfarben neu, int jahr = 2009) {
        h.FarbaenderungMerken(tag, 6, jahr);
        Tag(tag, jahr) = std::move(neu);
    }
};

TEST_F(FarbhistorieTest, ZweiAenderungenZurueckUndWieder) {
    Aendern(3, {Rot});
    Aendern(3, {Rot, Blau});
    EXPECT_TRUE(h.RueckgaengigMoeglich());
    EXPECT_FALSE(h.WiederherstellenMoeglich());
    EXPECT_EQ(h.Rueckgaengig(), (Datum{3, 6, 2009}));
    EXPECT_EQ(Tag(3), TTagesfarben{Rot});
    h.Rueckgaengig();
    EXPECT_TRUE(Tag(3).empty());
    EXPECT_FALSE(h.RueckgaengigMoeglich());
    EXPECT_EQ(h.Rueckgaengig(), std::nullopt);
    EXPECT_EQ(h.Redoliste().size(), 2u);
    h.Wiederherstellen();
    EXPECT_EQ(Tag(3), TTagesfarben{Rot});
    h.Wiederherstellen();
    EXPECT_EQ(Tag(3), (TTagesfarben{Rot, Blau}));
    EXPECT_FALSE(h.WiederherstellenMoeglich());
    EXPECT_EQ(h.Wiederherstellen(), std::nullopt);
}

TEST_F(FarbhistorieTest, NeueAenderungLeertWiederherstellen) {
    Aendern(1, {Rot});
    Aendern(2, {Blau});
    h.Rueckgaengig();
    EXPECT_TRUE(h.WiederherstellenMoeglich());
    Aendern(5, {Rot});
    EXPECT_FALSE(h.WiederherstellenMoeglich());
    EXPECT_EQ(h.Undoliste().size(), 2u);
    h.Leeren();
    EXPECT_FALSE(h.RueckgaengigMoeglich());
}

TEST_F(FarbhistorieTest, AnderesJahrUndDatumAusserhalb) {
    // A day of another year than the one shown changes all the same; the caller decides
    // about repainting from the returned date.
    Aendern(7, {Blau}, 2050);
    EXPECT_EQ(h.Rueckgaengig(), (Datum{7, 6, 2050}));
    EXPECT_TRUE(Tag(7, 2050).empty());
    // Outside the grid only the date is kept; nothing is written.
    h.FarbaenderungMerken(1, 1, 1900);
    EXPECT_TRUE(h.Undoliste().back().farben.empty());
    EXPECT_EQ(h.Rueckgaengig(), (Datum{1, 1, 1900}));
    EXPECT_EQ(h.Redoliste().back().jahr, 1900);
}

TEST_F(FarbhistorieTest, FarbwertErsetzenUeberDasDokument) {
    Aendern(1, {Rot, Blau});
    Aendern(1, {Rot});
    h.Rueckgaengig();
    kal.FarbwertErsetzen(Rot, 0x0080FF);
    EXPECT_EQ(h.Undoliste()[0].farben, TTagesfarben{});
    EXPECT_EQ(h.Redoliste()[0].farben, TTagesfarben{0x0080FF});
    EXPECT_EQ(Tag(1), (TTagesfarben{0x0080FF, Blau}));
}

TEST(Historienhinweis, MitAnzahl) {
    EXPECT_EQ(Historienhinweis(historientexte::Rueckgaengig, 3), "Rückgängig (3)");
    EXPECT_EQ(Historienhinweis(historientexte::Wiederherstellen, 0), "Wiederherstellen (0)");
}

}  // namespace
}  // namespace kalvora
