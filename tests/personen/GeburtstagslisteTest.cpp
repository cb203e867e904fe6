#include "personen/Geburtstagsliste.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvora {
namespace {

TGeburtstag Eintrag(const std::string& name, const std::string& vorname, TDatum geboren,
                    TDatum namenstag = KeinDatum) {
    return {name, vorname, geboren, namenstag};
}

std::vector<std::string> Vornamen(const std::vector<TGeburtstag>& liste) {
    std::vector<std::string> v;
    for (const auto& g : liste) v.push_back(g.Vorname);
    return v;
}

TEST(Geburtstagsliste, SortierenNachDenFuenfKriterien) {
    using K = Sortierkriterium;
    using V = std::vector<std::string>;
    const std::vector<TGeburtstag> liste = {
        Eintrag("Meyer", "Anna", DatumWert(5, 1, 1950), DatumWert(26, 7, 2000)),
        Eintrag("Müller", "Bert", DatumWert(3, 1, 1990)),
        Eintrag("meyer", "Cora", KeinDatum, DatumWert(15, 10, 2000)),
        Eintrag("Mayer", "dieter", DatumWert(24, 12, 1971), DatumWert(7, 3, 2003)),
    };
    struct Fall {
        K k;
        bool auf;
        V vornamen;
    };
    const Fall faelle[] = {
        // Capitals before small letters, an umlaut after "z".
        {K::Name, true, {"dieter", "Anna", "Bert", "Cora"}},
        {K::Name, false, {"Cora", "Bert", "Anna", "dieter"}},
        {K::Vorname, true, {"Anna", "Bert", "Cora", "dieter"}},
        // No birth date sorts as 31.12.9999: last.
        {K::Geburtsdatum, true, {"Anna", "dieter", "Bert", "Cora"}},
        // Month and day whatever the year: 3 January 1990 before 5 January 1950.
        {K::Geburtstag, true, {"Bert", "Anna", "dieter", "Cora"}},
        {K::Geburtstag, false, {"Cora", "dieter", "Anna", "Bert"}},
        {K::Namenstag, true, {"dieter", "Anna", "Cora", "Bert"}},
    };
    for (const Fall& f : faelle) {
        std::vector<TGeburtstag> l = liste;
        GeburtstagslisteSortieren(l, f.k, f.auf);
        EXPECT_EQ(Vornamen(l), f.vornamen) << static_cast<int>(f.k) << " " << f.auf;
        // Nothing of an entry is lost on the way through its key.
        for (const TGeburtstag& g : liste)
            EXPECT_NE(std::find(l.begin(), l.end(), g), l.end()) << g.Vorname;
    }
}

TEST(Geburtstagsliste, ZeilenKnoepfeUndHoehe) {
    const std::vector<TGeburtstag> liste = {
        Eintrag("Meyer", "Anna", DatumWert(5, 1, 1950), DatumWert(26, 7, 2000)),
        Eintrag("Müller", "Bert", KeinDatum)};
    EXPECT_EQ(Listenzeilen(liste),
              (std::vector<Listenzeile>{{"Meyer", "Anna", "05.01.1950", "26.07."},
                                        {"Müller", "Bert", "", ""}}));
    // An empty list keeps one blank row, and nothing to change, delete or print.
    EXPECT_EQ(Listenzeilen({}), std::vector<Listenzeile>{Listenzeile{}});
    EXPECT_EQ(KnoepfeNachFuellen({}, false), (Listenknoepfe{true, false, false, false}));
    EXPECT_EQ(KnoepfeNachFuellen(liste, false), (Listenknoepfe{true, true, true, true}));
    EXPECT_EQ(KnoepfeNachFuellen(liste, true), (Listenknoepfe{false, false, false, false}));
    EXPECT_EQ(KnoepfeNachAuswahl(liste, 1, false), (Listenknoepfe{true, true, true, true}));
    EXPECT_EQ(KnoepfeNachAuswahl(liste, 5, false), (Listenknoepfe{true, false, false, true}));

    EXPECT_EQ(Listenfensterhoehe(8, 21, 768), 279);
    EXPECT_EQ(Listenfensterhoehe(10, 21, 768), 279 + 2 * 21);
    // At most 80 % of the screen (614.4 px here), in whole rows: (614.4 - 279) div 21 = 15.
    EXPECT_EQ(Listenfensterhoehe(100, 21, 768), 279 + 15 * 21);
}

TEST(Geburtstagsliste, Eingabedialog) {
    EXPECT_EQ(NamenseingabeFiltern("Ma#x 3:;Mü9ller"), "Max Müller");
    EXPECT_FALSE(EintragAusDialog("", "Anna", true, {1, 1, 2000}, false, {1, 1, 2000}));
    EXPECT_FALSE(EintragAusDialog("Meyer", "", true, {1, 1, 2000}, false, {1, 1, 2000}));
    const auto e = EintragAusDialog("Meyer", "Anna", true, {5, 1, 1950}, false, {9, 9, 2026});
    ASSERT_TRUE(e);
    EXPECT_EQ(*e, Eintrag("Meyer", "Anna", DatumWert(5, 1, 1950), KeinDatum));
    EXPECT_EQ(EintragAusDialog("Meyer", "Anna", false, {5, 1, 1950}, true, {26, 7, 2000})
                  ->Namenstag,
              DatumWert(26, 7, 2000));
}

}  // namespace
}  // namespace kalvora
