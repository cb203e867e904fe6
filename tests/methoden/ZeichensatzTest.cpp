#include "methoden/Zeichensatz.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

TEST(Zeichensatz, JedesByteHinUndZurueck) {
    std::string alle;
    for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
    const std::string utf8 = Cp1252NachUtf8(alle);
    EXPECT_TRUE(IstCp1252Darstellbar(utf8));
    EXPECT_EQ(Utf8NachCp1252(utf8), alle);
    EXPECT_EQ(Utf8Laenge(utf8), 256u);
}

TEST(Zeichensatz, BekannteZeichen) {
    EXPECT_EQ(Cp1252NachUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252NachUtf8("Gr\xFC\xDF"), "Grüß");
    EXPECT_EQ(Utf8NachCp1252("Büro €"), std::string("B\xFCro \x80"));
}

TEST(Zeichensatz, NichtDarstellbaresWirdAbgelehnt) {
    for (const char* t : {"日本", "emoji 😀", "Ł", "\xC3", "\xC0\x80", "\xED\xA0\x80"}) {
        EXPECT_FALSE(IstCp1252Darstellbar(t)) << t;
        EXPECT_FALSE(Utf8NachCp1252(t).has_value()) << t;
    }
    std::string ziel = "vorher";
    EXPECT_FALSE(Utf8NachCp1252Anhaengen("a日", ziel));
    EXPECT_EQ(ziel, "vorher");
}

}  // namespace
}  // namespace kalvora
