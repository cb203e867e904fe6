#include "personen/Geburtstagslistendruck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "doubles/TestDrucker.h"

namespace kalvora {
namespace {

std::vector<std::string> Texte(const std::vector<test::Zeichnung>& seite) {
    std::vector<std::string> t;
    for (const auto& z : seite)
        if (z.art == test::Zeichenart::Text) t.push_back(z.text);
    return t;
}

bool Hat(const std::vector<std::string>& t, const std::string& s) {
    return std::find(t.begin(), t.end(), s) != t.end();
}

TEST(Geburtstagslistendruck, KopfSpaltenUndZeilen) {
    test::TestDrucker d;
    test::TestDruckstatus status;
    d.AusrichtungSetzen(Seitenausrichtung::Querformat);
    const std::vector<TGeburtstag> liste = {
        {"Meyer", "Anna", DatumWert(15, 3, 1970), DatumWert(26, 7, 2000)}};
    EXPECT_EQ(GeburtstagslisteDrucken(liste, d, status), 1);
    EXPECT_EQ(d.ausrichtungBeimBeginnen, Seitenausrichtung::Hochformat);
    EXPECT_EQ(d.ablauf, (std::vector<std::string>{"Beginnen:Geburtstagsliste", "Beenden"}));
    const auto t = Texte(d.Seite(0));
    for (const char* s : {"Seite 1", "Geburtstagsliste", "Name", "Vorname", "Geburtstag",
                          "Namenstag", "Meyer", "Anna", "15.03.1970", "26.07."})
        EXPECT_TRUE(Hat(t, s)) << s;
    // One entry: the bar still completes.
    EXPECT_EQ(status.seiten, std::vector<std::string>{"Seite 1 von 1"});
    EXPECT_EQ(status.fortschritte.back(), 100);
    // The columns follow the page: Vorname halfway between the margin and Geburtstag.
    const auto seite = d.Seite(0);
    const auto x = [&](const std::string& text) {
        for (const auto& z : seite)
            if (z.art == test::Zeichenart::Text && z.text == text) return z.punkte[0].x;
        return -1;
    };
    const int mx = static_cast<int>(std::lround(4960 * 0.03367 * 0.5));
    EXPECT_EQ(x("Name"), mx);
    EXPECT_EQ(x("Meyer"), mx);
    EXPECT_EQ(x("Anna"), x("Vorname"));
    EXPECT_EQ(x("15.03.1970"), x("Geburtstag"));
    EXPECT_EQ(x("26.07."), x("Namenstag"));
    EXPECT_LT(x("Vorname"), x("Geburtstag"));
}

TEST(Geburtstagslistendruck, SeitenumbruchUndKopien) {
    std::vector<TGeburtstag> liste;
    for (int i = 0; i < 400; ++i)
        liste.push_back({"Name" + std::to_string(i), "Vorname", KeinDatum, KeinDatum});
    test::TestDrucker d;
    d.leinwand.zeilenhoehe = 100;  // about 50 lines a page
    d.kopien = 2;
    test::TestDruckstatus status;
    const int seiten = GeburtstagslisteDrucken(liste, d, status);
    EXPECT_GE(seiten, 14);
    EXPECT_EQ(seiten % 2, 0);  // both copies alike
    EXPECT_EQ(static_cast<int>(d.seitenanfaenge.size()), seiten);
    // Every page has its head; the page counter runs over the copies.
    EXPECT_TRUE(Hat(Texte(d.Seite(static_cast<std::size_t>(seiten - 1))),
                    "Seite " + std::to_string(seiten)));
    for (int s = 0; s < seiten; ++s)
        EXPECT_TRUE(Hat(Texte(d.Seite(static_cast<std::size_t>(s))), "Vorname")) << s;
    EXPECT_EQ(status.seiten, (std::vector<std::string>{"Seite 1 von 2", "Seite 2 von 2"}));
    EXPECT_EQ(status.fortschritte.back(), 100);
    // No line runs into the bottom margin.
    const int grenze = 7016 - static_cast<int>(std::lround(7016 * 0.01962 * 2));
    for (const auto& z : d.leinwand.zeichnungen) {
        if (z.art == test::Zeichenart::Text && z.text.rfind("Name", 0) == 0 && z.text != "Name") {
            EXPECT_LE(z.rechteck.unten, grenze) << z.text;
        }
    }
}

}  // namespace
}  // namespace kalvora
