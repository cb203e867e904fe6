#include "methoden/Text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kalvora {
namespace {

// Lengths around the inside capacity: every text reads back whole and ends with a NUL.
TEST(TText, LaengenUmDieInnenGrenze) {
    for (std::size_t n : {0u, 1u, 14u, 15u, 16u, 17u, 100u, 70000u}) {
        std::string s;
        for (std::size_t i = 0; i < n; ++i) s.push_back(static_cast<char>('a' + i % 26));
        const TText t(s);
        EXPECT_EQ(t.size(), n);
        EXPECT_EQ(t.empty(), n == 0);
        EXPECT_EQ(t.str(), s);
        EXPECT_EQ(t.c_str()[n], '\0') << n;
        TText kopie = t;
        EXPECT_EQ(kopie, t);
        TText verschoben = std::move(kopie);
        EXPECT_EQ(verschoben.str(), s);
        EXPECT_TRUE(kopie.empty());  // NOLINT: a moved-from text is empty
    }
}

TEST(TText, ZuweisungAusDenEigenenBytes) {
    TText kurz("Zahnarzt");
    kurz = kurz.sicht().substr(4);
    EXPECT_EQ(kurz, "arzt");
    TText lang("Besprechung über Planänderung");
    lang = lang.sicht().substr(0, 20);
    EXPECT_EQ(lang, "Besprechung über Pl");
    lang += " und mehr als fünfzehn Zeichen";
    EXPECT_EQ(lang, "Besprechung über Pl und mehr als fünfzehn Zeichen");
    lang = lang;  // NOLINT: self-assignment keeps the text
    EXPECT_EQ(lang.size(), 51u);
    EXPECT_EQ("[" + TText(lang.sicht().substr(0, 4)) + "]", "[Besp]");
    EXPECT_EQ("<" + TText("x") + '>', "<x>");
    EXPECT_LT(TText("Anna"), TText("Anne"));
}

// Texts handed out by a read outlive it, its blocks and the document they were put in.
TEST(TTextablage, TexteUeberlebenDieAblage) {
    std::vector<TText> behalten;
    {
        TTextablage ablage(10);
        for (int i = 0; i < 50000; ++i)
            behalten.push_back(ablage.Utf8("Eintrag Nummer " + std::to_string(i) + " lang"));
    }
    for (int i = 0; i < 50000; i += 997)
        EXPECT_EQ(behalten[static_cast<std::size_t>(i)],
                  "Eintrag Nummer " + std::to_string(i) + " lang");
    std::vector<TText> teil(behalten.begin() + 100, behalten.begin() + 102);
    behalten.clear();
    EXPECT_EQ(teil[1], "Eintrag Nummer 101 lang");
}

// A text handed out again from the recent ones shares the bytes of the first; dropping every
// copy while the store lives frees nothing the store still hands out (under ASan a freed
// block would show), and the last text dropped after the store frees its block.
TEST(TTextablage, WiederholteTexteTeilenIhreBytes) {
    TText spaeter;
    {
        TTextablage ablage(64);
        const std::string text = "Teambesprechung im Raum 3";
        const char* bytes = nullptr;
        for (int runde = 0; runde < 3; ++runde) {
            std::vector<TText> kopien;
            for (int i = 0; i < 100; ++i) kopien.push_back(ablage.Utf8(text));
            if (!bytes) bytes = kopien[0].data();
            for (const TText& k : kopien) EXPECT_EQ(k.data(), bytes);
        }
        // Texts of equal length and ends but other middles stay apart.
        const TText a = ablage.Utf8("Anfang der Zeile: eins ... Ende der Zeile");
        const TText b = ablage.Utf8("Anfang der Zeile: zwei ... Ende der Zeile");
        EXPECT_EQ(a, "Anfang der Zeile: eins ... Ende der Zeile");
        EXPECT_EQ(b, "Anfang der Zeile: zwei ... Ende der Zeile");
        spaeter = ablage.Cp1252("Teambesprechung im Raum 3");
        EXPECT_EQ(spaeter.data(), bytes);
    }
    EXPECT_EQ(spaeter, "Teambesprechung im Raum 3");
}

TEST(TTextablage, Cp1252WirdUtf8) {
    TTextablage ablage(100);
    EXPECT_EQ(ablage.Cp1252("Gr\xFC\xDF"
                            "e"),
              "Grüße");
    EXPECT_EQ(ablage.Cp1252("Mittagessen mit J\xFCrgen"), "Mittagessen mit Jürgen");
    // 0x80 and its kin take three bytes in UTF-8.
    EXPECT_EQ(ablage.Cp1252("Preis 20 \x80, \x84Zitat\x93 und so weiter"),
              "Preis 20 €, „Zitat“ und so weiter");
    EXPECT_EQ(ablage.Cp1252("\x80"), "€");
    const TText a = ablage.Cp1252("R\xFC" "ckruf bei der Versicherung");
    const TText b = ablage.Utf8("Anderes danach");
    const TText c = ablage.Cp1252("R\xFC" "ckruf bei der Versicherung");
    EXPECT_EQ(a, "Rückruf bei der Versicherung");
    EXPECT_EQ(a, c);
    EXPECT_EQ(b, "Anderes danach");
    EXPECT_EQ(a.c_str()[a.size()], '\0');
    // A text larger than a block gets its own.
    const std::string gross(3 << 20, 'x');
    EXPECT_EQ(ablage.Utf8(gross).size(), gross.size());
    EXPECT_EQ(ablage.Utf8("nach dem großen Text"), "nach dem großen Text");
}

}  // namespace
}  // namespace kalvora
