#include "personen/Namenstagsuebersicht.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "doubles/AufzeichnendeLeinwand.h"

namespace kalvora {
namespace {

TEST(Namenstagsuebersicht, MonateTageUndNamen) {
    Namenstagskatalog katalog;
    katalog.Namen(6, 12) = {"Nikolaus", "Dionysia"};
    katalog.Namen(29, 2) = {"Oswald"};
    test::AufzeichnendeLeinwand l;
    Uebersichtsmasse m;
    m.spalte = 300;
    Schrift s;
    s.groesse = 8;
    NamenstagsuebersichtZeichnen(l, katalog, 2009, m, 0xE0E0E0, s);
    std::vector<std::string> texte;
    int kaesten = 0, wochenende = 0;
    for (const auto& z : l.zeichnungen) {
        if (z.art == test::Zeichenart::Text) texte.push_back(z.text);
        if (z.art == test::Zeichenart::Rechteck) {
            ++kaesten;
            wochenende += z.pinsel.farbe == 0xE0E0E0;
        }
    }
    const auto hat = [&](const std::string& t) {
        return std::find(texte.begin(), texte.end(), t) != texte.end();
    };
    EXPECT_EQ(kaesten, 12 * 31);  // days a month lacks are empty boxes
    EXPECT_EQ(wochenende, 104);   // the Saturdays and Sundays of 2009
    EXPECT_TRUE(hat("Januar") && hat("Dezember"));
    EXPECT_TRUE(hat("  1") && hat("31"));
    EXPECT_TRUE(hat("Nikolaus, Dionysia"));
    // 29 February 2009 does not exist: no number, no names.
    EXPECT_FALSE(hat("Oswald"));
    EXPECT_EQ(std::count(texte.begin(), texte.end(), "29"), 11);
    // The month names are bold and ten points larger; columns follow W + 15.
    for (const auto& z : l.zeichnungen)
        if (z.art == test::Zeichenart::Text && z.text == "Februar") {
            EXPECT_TRUE(z.schrift.fett);
            EXPECT_EQ(z.schrift.groesse, 18);
            EXPECT_EQ(z.punkte[0].x, m.SpalteLinks(2));
            EXPECT_EQ(m.SpalteLinks(2), 50 + 315);
        }
    EXPECT_EQ(m.Breite(), 12 * 300 + 50 + 165 + 50);
    EXPECT_EQ(Uebersichtsmasse::Hoehe(), 30 + 20 + 31 * 22 + 30);
    EXPECT_EQ(UebersichtTitel(2009), "Namenstagsübersicht 2009");

    // A leap year shows 29 February with its names.
    test::AufzeichnendeLeinwand schalt;
    NamenstagsuebersichtZeichnen(schalt, katalog, 2008, m, 0xE0E0E0, s);
    bool oswald = false;
    for (const auto& z : schalt.zeichnungen) oswald = oswald || z.text == "Oswald";
    EXPECT_TRUE(oswald);
}

}  // namespace
}  // namespace kalvora
