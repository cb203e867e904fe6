#include "methoden/Eingaberegeln.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

TEST(Eingaberegeln, ZeichenUndTexte) {
    EXPECT_TRUE(ZeichenErlaubt("a"));
    EXPECT_TRUE(ZeichenErlaubt("ä"));
    EXPECT_TRUE(ZeichenErlaubt("€"));
    EXPECT_FALSE(ZeichenErlaubt("#"));
    EXPECT_FALSE(ZeichenErlaubt("ł"));    // not in Windows-1252
    EXPECT_FALSE(ZeichenErlaubt("😀"));
    EXPECT_EQ(EingabeBereinigen("Arzt #1 in Łódź €"), "Arzt 1 in ód €");
    EXPECT_EQ(EingabeBereinigen("ab\xFF" "c"), "abc");  // a stray byte is dropped
}

}  // namespace
}  // namespace kalvora
