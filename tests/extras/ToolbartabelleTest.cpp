#include "extras/Toolbartabelle.h"

#include <gtest/gtest.h>

#include <map>
#include <algorithm>
#include <vector>

namespace kalvora {
namespace {

TEST(Toolbartabelle, FrischeAblageZeigtSechsundzwanzigKnoepfe) {
    const auto s = ToolbarLesen([](const std::string&) { return std::nullopt; });
    EXPECT_EQ(std::count(s.begin(), s.end(), true), 26);
    for (int versteckt : {4, 6, 10, 11, 12, 13, 20, 23, 31, 33, 36, 37, 38})
        EXPECT_FALSE(s[versteckt - 1]) << versteckt;
    // Groups 11-13, 31 and 37-38 are hidden entirely, so their separators go too.
    const auto t = ToolbarTrennerSichtbar(s);
    for (int g = 0; g < AnzahlToolbarTrenner; ++g)
        EXPECT_EQ(t[g], g != 4 && g != 11 && g != 15) << g;
}

TEST(Toolbartabelle, IndizesLaufenLueckenlos) {
    for (int i = 0; i < AnzahlToolbuttons; ++i) EXPECT_EQ(Toolbuttons()[i].index, i + 1);
    EXPECT_EQ(ToolbarGruppenenden().back(), AnzahlToolbuttons);
}

TEST(Toolbartabelle, TrennerFolgtSeinerGruppe) {
    struct Fall {
        std::vector<int> versteckt;
        int trenner;  // 0-based separator
        bool sichtbar;
    };
    const Fall faelle[] = {
        {{35, 36}, 14, false},  // "Hilfe" and "Direkthilfe" hidden: their separator goes
        {{35}, 14, true},       // one of the two is enough
        {{21}, 7, false},       // a group of one
        {{14, 15, 16, 17}, 5, true},
        {{14, 15, 16, 17, 18}, 5, false},
        {{39}, 16, false},
    };
    for (const auto& f : faelle) {
        auto s = ToolbarSichtbarkeit{};
        s.fill(true);
        for (int i : f.versteckt) s[i - 1] = false;
        EXPECT_EQ(ToolbarTrennerSichtbar(s)[f.trenner], f.sichtbar) << f.trenner;
    }
}

TEST(Toolbartabelle, GespeicherteWerteUeberschreibenDieVorgabe) {
    std::map<std::string, bool> ablage{{"Toolbutton04", true}, {"Toolbutton39", false},
                                       {"Toolbutton4", false}};
    std::vector<std::string> gefragt;
    const auto s = ToolbarLesen([&](const std::string& name) -> std::optional<bool> {
        gefragt.push_back(name);
        auto it = ablage.find(name);
        if (it == ablage.end()) return std::nullopt;
        return it->second;
    });
    EXPECT_TRUE(s[3]);   // stored under the two-digit name
    EXPECT_FALSE(s[38]);
    EXPECT_TRUE(s[0]);   // missing: default
    ASSERT_EQ(gefragt.size(), 39u);
    EXPECT_EQ(gefragt.front(), "Toolbutton01");
    EXPECT_EQ(gefragt.back(), "Toolbutton39");
}

}  // namespace
}  // namespace kalvora
