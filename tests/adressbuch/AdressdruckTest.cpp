// The list printout: one band with "Breite anpassen", further bands for columns that no
// longer fit, the title row on top of every page, the footer, and nothing but the footer
// with every column hidden.
#include <gtest/gtest.h>

#include "adressbuch/Adressdruck.h"
#include "doubles/TestDrucker.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

using test::TestDrucker;
using test::Zeichenart;

std::vector<TAdresse> Eintraege(int n) {
    std::vector<TAdresse> v;
    for (int i = 0; i < n; ++i) {
        TAdresse a;
        a[adressfeld::Anrede] = "Herr";
        a[adressfeld::Name] = "Name" + std::to_string(i);
        v.push_back(a);
    }
    return v;
}

std::vector<std::string> Texte(const TestDrucker& d, std::size_t seite) {
    std::vector<std::string> t;
    for (const auto& z : d.Seite(seite))
        if (z.art == Zeichenart::Text) t.push_back(z.text);
    return t;
}

TEST(Adressdruck, BreiteAnpassenFuelltEineBande) {
    Adressoptionen o;
    o.breiteAnpassen = true;
    TestDrucker d;
    AdresslisteDruckauftrag(d, AdresslisteAus(Eintraege(2), o, 96), o, "Kunden");
    EXPECT_EQ(d.ablauf, (std::vector<std::string>{"Beginnen:Kunden", "Beenden"}));
    EXPECT_EQ(d.Ausrichtung(), Seitenausrichtung::Querformat);
    EXPECT_EQ(d.seitenanfaenge.size(), 1u);
    const auto rahmen = d.leinwand.Alle(Zeichenart::Rechteck);
    ASSERT_EQ(rahmen.size(), 3u * 17u);  // title row and two entries
    const int links = rahmen.front().rechteck.links;
    const int rechts = rahmen[16].rechteck.rechts;
    EXPECT_EQ(links, 236);  // 1 cm at 600 dpi
    EXPECT_NEAR(rechts - links, d.SeitenBreite() - 2 * 236, 17);
    const auto t = Texte(d, 0);
    EXPECT_EQ(t.front(), "Erstellt mit Kalvora - Jahresplaner und Terminkalender");
    EXPECT_EQ(t[1], "Anrede ");
    EXPECT_TRUE(d.leinwand.Alle(Zeichenart::Text)[1].schrift.fett);
    EXPECT_EQ(d.leinwand.Alle(Zeichenart::Text)[1].schrift.groesse, 12);
}

TEST(Adressdruck, BandenUndSeitenumbruch) {
    Adressoptionen o;
    o.breite.fill(400);  // 400 px at 96 dpi are 2500 dots: one column per page and a half
    o.querformat = false;
    TestDrucker d;
    d.Beginnen("Kunden");
    AdresslisteDrucken(d, AdresslisteAus(Eintraege(3), o, 96), o);
    // Each band is one column; every page starts with its bold heading.
    EXPECT_EQ(d.seitenanfaenge.size(), 17u);
    for (std::size_t s : {0u, 5u, 16u}) {
        const auto t = Texte(d, s);
        ASSERT_GE(t.size(), 2u);
        EXPECT_EQ(t[1], std::string(AdressUeberschriften()[s]) + " ");
    }
    // A long list breaks pages; the next page repeats the heading.
    TestDrucker lang;
    lang.Beginnen("Kunden");
    Adressoptionen schmal;
    schmal.breiteAnpassen = true;
    AdresslisteDrucken(lang, AdresslisteAus(Eintraege(500), schmal, 96), schmal);
    ASSERT_GE(lang.seitenanfaenge.size(), 2u);
    const auto zweite = Texte(lang, 1);
    EXPECT_EQ(zweite[1], "Anrede ");
    EXPECT_EQ(zweite[18], "Herr ");

    // Every column hidden: only the footer.
    Adressoptionen nichts;
    nichts.spalte.fill(false);
    TestDrucker leer;
    leer.Beginnen("x");
    AdresslisteDrucken(leer, AdresslisteAus(Eintraege(3), nichts, 96), nichts);
    EXPECT_EQ(leer.leinwand.Alle(Zeichenart::Text).size(), 1u);
}

// A field of megabytes is cut to its cell; a list longer than the limit is refused before
// the job begins.
TEST(Adressdruck, LangesFeldUndZuVieleEintraege) {
    Adressoptionen o;
    std::vector<TAdresse> eintraege = Eintraege(1);
    eintraege[0][adressfeld::Name] = std::string(2'000'000, 'M');
    TestDrucker d;
    AdresslisteDruckauftrag(d, AdresslisteAus(eintraege, o, 96), o, "Kunden");
    bool gekuerzt = false;
    for (const auto& z : d.leinwand.Alle(Zeichenart::Text))
        if (z.text.rfind("MMM", 0) == 0) gekuerzt = z.text.size() < 1000;
    EXPECT_TRUE(gekuerzt);

    EXPECT_EQ(AdresslisteNichtDruckbar(kHoechsteDruckeintraege), "");
    TestDrucker zuviel;
    try {
        AdresslisteDruckauftrag(zuviel, AdresslisteAus(Eintraege(10'001), o, 96), o, "Kunden");
        ADD_FAILURE() << "printed";
    } catch (const KalvoraFehler& f) {
        EXPECT_STREQ(f.what(), "Die Liste hat 10001 Einträge; gedruckt werden höchstens 10000 "
                               "Einträge auf einmal.");
    }
    EXPECT_TRUE(zuviel.ablauf.empty());
}

}  // namespace
}  // namespace kalvora
