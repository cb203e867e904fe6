// The beginning of a text that fits a width, and the visible part of a line: the same result
// as measuring every beginning, but a text of megabytes is never measured whole.
#include <gtest/gtest.h>

#include <algorithm>

#include "doubles/AufzeichnendeLeinwand.h"
#include "platform/Textzuschnitt.h"

namespace kalvora {
namespace {

// Fixed metrics (6 pixels a character); remembers the longest text it was asked to measure.
class ZaehlendeLeinwand : public test::AufzeichnendeLeinwand {
public:
    std::size_t laengste = 0;
    int messungen = 0;
    int Textbreite(const std::string& text) override {
        laengste = std::max(laengste, text.size());
        ++messungen;
        return AufzeichnendeLeinwand::Textbreite(text);
    }
};

TEST(Textzuschnitt, PassendeLaengeWieZeichenweise) {
    ZaehlendeLeinwand l;
    struct Fall {
        std::string text;
        int breite;
        std::size_t laenge;
    };
    const Fall faelle[] = {
        {"", 10, 0},           {"abc", 18, 3},       {"abc", 17, 2},     {"abc", 5, 0},
        {"abc", -3, 0},        {"äöü", 12, 4},       {"äöü", 11, 2},     {"a€b", 12, 4},
        {"Müller", 600, 7},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(PassendeLaenge(l, f.text, f.breite), f.laenge) << f.text << " " << f.breite;
}

TEST(Textzuschnitt, LangeTexteNurSoweitSichtbar) {
    ZaehlendeLeinwand l;
    const std::string lang(5'000'000, 'x');
    // 100 characters fit into 600 pixels; a few measurements of at most 601 characters.
    EXPECT_EQ(PassendeLaenge(l, lang, 600), 100u);
    EXPECT_LE(l.laengste, 602u);
    EXPECT_LT(l.messungen, 40);
    // Cut at a character boundary.
    const std::string umlaute(3'000'000, 'a');
    const std::string mit = "ä" + umlaute;
    EXPECT_EQ(SichtbarerAnfang(mit, 2), "äaa");
    EXPECT_EQ(SichtbarerAnfang("kurz", 600), "kurz");
    EXPECT_EQ(HoechsteZeichenzahl(-5), 1u);
}

}  // namespace
}  // namespace kalvora
