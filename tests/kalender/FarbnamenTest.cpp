#include "kalender/Farbnamen.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

class FarbnamenTest : public ::testing::Test {
protected:
    FarbnamenTest() {
        kal.Farbnamen[1] = "Urlaub";
        kal.Farbnamen[2] = "Arzt";
        kal.Farbnamen[7] = "Schule";
        // slot 5 stays "[frei]"
    }
    TKalender kal;
};

TEST_F(FarbnamenTest, NameWertUndPlatz) {
    EXPECT_EQ(farbname(kal, kal.Farbwerte[2]), "Arzt");
    EXPECT_EQ(farbname(kal, kal.Farbwerte[5]), "");  // free slot
    EXPECT_EQ(farbname(kal, KeineFarbe), "");
    EXPECT_EQ(farbname(kal, 0x123456), "");
    EXPECT_EQ(farbwert(kal, "Schule"), kal.Farbwerte[7]);
    EXPECT_EQ(farbwert(kal, "schule"), KeineFarbe);  // case-sensitive
    EXPECT_EQ(farbwert(kal, ""), KeineFarbe);
    EXPECT_EQ(farbwert(kal, FreiName), kal.Farbwerte[3]);  // first free slot
    EXPECT_EQ(farbplatz(kal, kal.Farbwerte[20]), 20);
    EXPECT_EQ(farbplatz(kal, KeineFarbe), 0);
}

TEST_F(FarbnamenTest, NiedrigsterPlatzGewinnt) {
    kal.Farbwerte[9] = kal.Farbwerte[2];
    kal.Farbnamen[9] = "Doppelt";
    EXPECT_EQ(farbname(kal, kal.Farbwerte[2]), "Arzt");
    kal.Farbnamen[9] = "Arzt";
    kal.Farbwerte[9] = 0x111111;
    EXPECT_EQ(farbwert(kal, "Arzt"), kal.Farbwerte[2]);
}

TEST_F(FarbnamenTest, Tagesfarbtext) {
    auto& f = kal.Tagesfarben(2004, 3, 15);
    EXPECT_EQ(tagesfarbtext(kal, 2004, 3, 15, false), "");
    EXPECT_EQ(tagesfarbtext(kal, 2004, 3, 15, true), "");
    // slots 2 and 5, slot 5 free: slot 2's name in both modes
    f = {kal.Farbwerte[2], kal.Farbwerte[5]};
    EXPECT_EQ(tagesfarbtext(kal, 2004, 3, 15, false), "Arzt");
    EXPECT_EQ(tagesfarbtext(kal, 2004, 3, 15, true), "Arzt");
    // free first slot: its name unchanged in the short form, left out in the long one
    f = {kal.Farbwerte[5], kal.Farbwerte[1], 0x123456, kal.Farbwerte[7]};
    EXPECT_EQ(tagesfarbtext(kal, 2004, 3, 15, false), "[frei]");
    EXPECT_EQ(tagesfarbtext(kal, 2004, 3, 15, true), "Urlaub, Schule");
    // first colour in no slot: empty short text even though later colours are named
    f = {0x123456, kal.Farbwerte[1]};
    EXPECT_EQ(tagesfarbtext(kal, 2004, 3, 15, false), "");
    EXPECT_EQ(tagesfarbtext(kal, 2004, 3, 15, true), "Urlaub");
    // renaming a slot changes the text at once
    kal.Farbnamen[1] = "Ferien";
    EXPECT_EQ(tagesfarbtext(kal, 2004, 3, 15, true), "Ferien");
}

}  // namespace
}  // namespace kalvora
