#include "personen/Namenstagslistendruck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/TestDrucker.h"

namespace kalvora {
namespace {

// Every character 10 pixels wide.
int Breite(const std::string& s) { return static_cast<int>(s.size()) * 10; }

TEST(Namenstagslistendruck, NamenKuerzenUndZeile) {
    Namenstagsdruckoptionen o;
    EXPECT_EQ(Seitenhinweis(6), "(dies entspricht 2 Seiten)");
    EXPECT_EQ(Seitenhinweis(5), "(dies entspricht 3 Seiten)");
    EXPECT_EQ(Namenstagsseiten(1), 12);

    EXPECT_EQ(NameKuerzen("Thomas More (Morus)", o), "Thomas More (Morus)");
    o.ohneKlammern = true;
    EXPECT_EQ(NameKuerzen("Thomas More (Morus)", o), "Thomas More ");  // the blank stays
    EXPECT_EQ(NameKuerzen("Paulinus (von Nola", o), "Paulinus (von Nola");
    o.ohneKlammern = false;
    o.ohneVon = true;
    EXPECT_EQ(NameKuerzen("Paulinus von Nola", o), "Paulinus");
    EXPECT_EQ(NameKuerzen("Ivonne", o), "Ivonne");  // "von" only as a word

    Namenstagsdruckoptionen n;
    const std::vector<std::string> namen = {"Anna", "Joachim", "Simeon"};
    // "025 Do00" (8) + "Anna, Joachim" (13) = 210 < 220; ", Simeon" would not fit.
    EXPECT_EQ(Namenszeile(namen, 220, n, Breite), "Anna, Joachim");
    EXPECT_EQ(Namenszeile(namen, 500, n, Breite), "Anna, Joachim, Simeon");
    n.namenBegrenzen = true;
    n.hoechstens = 1;
    EXPECT_EQ(Namenszeile(namen, 500, n, Breite), "Anna");
    // A first name wider than the column: its first word with the blank.
    EXPECT_EQ(Namenszeile({"Johannes Nepomuk Neumann"}, 150, Namenstagsdruckoptionen{}, Breite),
              "Johannes ");
    EXPECT_EQ(Namenszeile({"Johannesnepomuk"}, 150, Namenstagsdruckoptionen{}, Breite), "");
}

TEST(Namenstagslistendruck, SeitenUndMonate) {
    Namenstagskatalog k;
    k.Namen(6, 12) = {"Nikolaus"};
    k.Namen(29, 2) = {"Oswald"};
    for (const auto& [spalten, seiten] : {std::pair{6, 2}, {5, 3}, {1, 12}}) {
        test::TestDrucker d;
        test::TestDruckstatus status;
        Namenstagsdruckoptionen o;
        o.spalten = spalten;
        EXPECT_EQ(NamenstagslisteDrucken(k, 2009, 0xE0E0E0, o, d, status), seiten) << spalten;
        EXPECT_EQ(d.ausrichtungBeimBeginnen, Seitenausrichtung::Querformat);
        EXPECT_EQ(d.ablauf.front(), "Beginnen:Namenstagsjahresliste");
        EXPECT_EQ(status.fortschritte.back(), 100);
        bool juli = false, nikolaus = false, oswald = false, jahr = false;
        for (const auto& z : d.Seite(1)) {
            juli = juli || z.text == (spalten == 6 ? "Juli" : spalten == 5 ? "Juni" : "Februar");
            jahr = jahr || z.text == "2009";
        }
        for (const auto& z : d.leinwand.zeichnungen) {
            nikolaus = nikolaus || z.text == "Nikolaus";
            oswald = oswald || z.text == "Oswald";
        }
        EXPECT_TRUE(juli && jahr && nikolaus) << spalten;
        EXPECT_FALSE(oswald);  // 29 February 2009 is an empty box
    }
}

}  // namespace
}  // namespace kalvora
