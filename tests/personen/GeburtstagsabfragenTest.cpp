#include "personen/Geburtstagsabfragen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalvora {
namespace {

class GeburtstagsabfragenTest : public testing::Test {
protected:
    TKalender kal;
    Ereignistexte an{true, true};
    void SetUp() override {
        kal.Geburtstagsliste = {
            {"Schalt", "Sina", DatumWert(29, 2, 1980), KeinDatum},
            {"Muster", "Max", DatumWert(5, 1, 1970), DatumWert(5, 1, 1990)},
            {"Muster", "Moni", DatumWert(5, 1, 1975) + 0.75, DatumWert(6, 1, 2004)},
            {"Ohne", "Otto", KeinDatum, KeinDatum},
        };
    }
};

TEST_F(GeburtstagsabfragenTest, GeburtstagUndNamenstagNurNachDemEigenenJahr) {
    struct Fall {
        int tag, monat, jahr;
        bool geburtstag, namenstag;
    };
    const Fall faelle[] = {
        {29, 2, 2004, true, false}, {28, 2, 2005, false, false}, {1, 3, 2005, false, false},
        {29, 2, 1980, false, false},  // the birth year itself
        {29, 2, 1984, true, false},   {5, 1, 1971, true, false},  {5, 1, 1970, false, false},
        {5, 1, 1991, true, true},     {6, 1, 2004, false, false}, {6, 1, 2005, false, true},
        {31, 12, 2099, false, false},  // KeinDatum never counts
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.tag << "." << f.monat << "." << f.jahr);
        EXPECT_EQ(HatGeburtstag(kal, f.tag, f.monat, f.jahr), f.geburtstag);
        EXPECT_EQ(HatNamenstag(kal, f.tag, f.monat, f.jahr), f.namenstag);
        const Ereignistage tage(kal, f.jahr);
        EXPECT_EQ(tage.Geburtstag(f.tag, f.monat), f.geburtstag);
        EXPECT_EQ(tage.Namenstag(f.tag, f.monat), f.namenstag);
    }
}

TEST_F(GeburtstagsabfragenTest, Texte) {
    EXPECT_EQ(Geburtstagstext(kal, 29, 2, 2004, an), "Geburtstag: Sina Schalt (24)");
    EXPECT_EQ(Geburtstagstext(kal, 5, 1, 2004, an),
              "Geburtstag: Max Muster (34), Moni Muster (29)");
    EXPECT_EQ(Geburtstagstext(kal, 5, 1, 2004, an, false), "Max Muster (34), Moni Muster (29)");
    EXPECT_EQ(Namenstagstext(kal, 5, 1, 2004, an), "Namenstag: Max Muster");
    EXPECT_EQ(Namenstagstext(kal, 5, 1, 2004, an, false), "Max Muster");
    EXPECT_EQ(Geburtstagstext(kal, 5, 1, 2004, Ereignistexte{}), "");
    EXPECT_EQ(Namenstagstext(kal, 5, 1, 2004, Ereignistexte{}), "");
}

TEST_F(GeburtstagsabfragenTest, Tageszeile) {
    struct Fall {
        int tag, monat, jahr;
        Ereignistexte e;
        Zeilenumbruch u;
        std::string erwartet;
    };
    const Fall faelle[] = {
        {5, 1, 2004, {true, true}, Zeilenumbruch::Keiner,
         "Geburtstag: Max Muster (34), Moni Muster (29)  Namenstag: Max Muster"},
        {5, 1, 2004, {false, true}, Zeilenumbruch::Danach, "Namenstag: Max Muster\r\n"},
        {5, 1, 2004, {true, false}, Zeilenumbruch::Davor,
         "\r\nGeburtstag: Max Muster (34), Moni Muster (29)"},
        {6, 1, 2005, {true, true}, Zeilenumbruch::Danach, "Namenstag: Moni Muster\r\n"},
        {7, 1, 2005, {true, true}, Zeilenumbruch::Danach, ""},  // no break without a text
        {5, 1, 2004, {false, false}, Zeilenumbruch::Davor, ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Tageszeile(kal, f.tag, f.monat, f.jahr, f.e, f.u), f.erwartet);
}

TEST_F(GeburtstagsabfragenTest, UnsinnigeDatumswerteZaehlenNicht) {
    kal.Geburtstagsliste = {{"X", "Y", -1e300, 1e300}, {"X", "Y", std::nan(""), KeinDatum + 5}};
    EXPECT_FALSE(HatGeburtstag(kal, 1, 1, 2000));
    EXPECT_FALSE(HatNamenstag(kal, 1, 1, 2000));
    const Ereignistage tage(kal, 2000);
    EXPECT_FALSE(tage.Geburtstag(1, 1));
}

}  // namespace
}  // namespace kalvora
