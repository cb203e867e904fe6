#include "statistik/Statistikdruck.h"

#include <gtest/gtest.h>

#include <limits>

#include "doubles/TestDrucker.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

TEST(Statistikdruck, DruckrechteckAusDenRaendernInZentimetern) {
    Statistikoptionen o;  // 1, 1, 1.5, 2 cm
    // A4 landscape at 600 dpi: 1 cm = 236.22 dots, 1.5 cm = 354.33, 2 cm = 472.44.
    EXPECT_EQ(StatistikDruckrechteck(o, 600, 600, 7016, 4960),
              (Rechteck{236, 354, 7016 - 236, 4960 - 472}));
    o.links = 2.54;
    o.rechts = 0;
    o.oben = 1.27;
    o.unten = 0.1;
    // Each margin with its own resolution.
    EXPECT_EQ(StatistikDruckrechteck(o, 300, 600, 2480, 7016),
              (Rechteck{300, 300, 2480, 7016 - 24}));
    o.links = 1e300;  // a damaged store must not make the rounding overflow
    EXPECT_LT(StatistikDruckrechteck(o, 600, 600, 7016, 4960).Breite(), 0);
}

// A store written by hand may hold negative margins: the chart stays on the paper.
TEST(Statistikdruck, NegativeRaenderBleibenAufDemPapier) {
    Statistikoptionen o;
    o.links = -5;
    o.rechts = -1e300;
    o.oben = -0.5;
    o.unten = std::numeric_limits<double>::quiet_NaN();  // taken as its default, 2 cm
    EXPECT_EQ(StatistikDruckrechteck(o, 600, 600, 7016, 4960),
              (Rechteck{0, 0, 7016, 4960 - 472}));
}

TEST(Statistikdruck, EineSeiteJeKopieImRechteckUndDieAusrichtungKommtZurueck) {
    test::TestDrucker d;
    d.kopien = 2;
    test::TestDruckstatus status;
    Statistikoptionen o;
    std::vector<Rechteck> gezeichnet;
    const int seiten = StatistikDrucken(d, o, "Titel", status,
                                        [&](Leinwand& l, const Rechteck& r) {
                                            gezeichnet.push_back(r);
                                            l.Rechteck(r);
                                        });
    EXPECT_EQ(seiten, 2);
    EXPECT_EQ(d.ablauf, (std::vector<std::string>{"Beginnen:Titel", "NeueSeite", "Beenden"}));
    EXPECT_EQ(d.ausrichtungBeimBeginnen, Seitenausrichtung::Querformat);
    ASSERT_EQ(gezeichnet.size(), 2u);
    EXPECT_EQ(gezeichnet[0], (Rechteck{236, 354, 7016 - 236, 4960 - 472}));
    EXPECT_EQ(d.Ausrichtung(), Seitenausrichtung::Hochformat);
    EXPECT_EQ(status.seiten, (std::vector<std::string>{"Seite 1 von 2", "Seite 2 von 2"}));

    o.querformat = false;
    d.AusrichtungSetzen(Seitenausrichtung::Querformat);
    StatistikDrucken(d, o, "Titel", status, [&](Leinwand&, const Rechteck& r) {
        gezeichnet.push_back(r);
    });
    EXPECT_EQ(d.ausrichtungBeimBeginnen, Seitenausrichtung::Hochformat);
    EXPECT_EQ(gezeichnet.back().rechts, 4960 - 236);
    EXPECT_EQ(d.Ausrichtung(), Seitenausrichtung::Querformat);
}

TEST(Statistikdruck, RaenderOhnePlatzWerdenAbgewiesenUndDerDruckerBleibtUnberuehrt) {
    test::TestDrucker d;
    Statistikoptionen o;
    o.links = 15;
    o.rechts = 15;  // 30 cm on a 29.7 cm wide landscape page
    test::TestDruckstatus status;
    bool gezeichnet = false;
    EXPECT_THROW(StatistikDrucken(d, o, "Titel", status,
                                  [&](Leinwand&, const Rechteck&) { gezeichnet = true; }),
                 KalvoraFehler);
    EXPECT_FALSE(gezeichnet);
    EXPECT_TRUE(d.ablauf.empty());
    EXPECT_EQ(d.Ausrichtung(), Seitenausrichtung::Hochformat);
}

}  // namespace
}  // namespace kalvora
