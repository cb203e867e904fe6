#include "termine/Druckauswahl.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

TEST(Druckauswahl, OeffnenUndKopplungDerDaten) {
    Druckauswahl a;
    a.FuerTerminliste(2004);
    EXPECT_EQ(a.art, Druckart::Terminliste);
    EXPECT_FALSE(a.auswahlSichtbar);
    EXPECT_EQ(a.titel, "Terminliste drucken");
    EXPECT_EQ(a.start, (Datum{1, 1, 2004}));
    EXPECT_EQ(a.ende, (Datum{31, 12, 2004}));
    // Start limits the end from below, the end limits the start from above.
    a.StartSetzen({1, 6, 2004});
    EXPECT_EQ(a.endeMin, (Datum{1, 6, 2004}));
    EXPECT_EQ(a.startMax, (Datum{31, 12, 2004}));
    a.EndeSetzen({1, 3, 2004});
    EXPECT_EQ(a.ende, (Datum{1, 6, 2004}));
    a.EndeSetzen({30, 6, 2004});
    a.StartSetzen({1, 8, 2004});
    EXPECT_EQ(a.start, (Datum{30, 6, 2004}));
    // Closing restores the limits, the group and the caption.
    a.Schliessen();
    EXPECT_EQ(a.endeMin, (Datum{1, 1, 1901}));
    EXPECT_EQ(a.startMax, (Datum{31, 12, 2099}));
    EXPECT_TRUE(a.auswahlSichtbar);
    EXPECT_EQ(a.titel, "Drucken");
}

TEST(Druckauswahl, UeberschriftBeiJederAktivierungNeu) {
    Druckauswahl a;
    a.FuerJahresansicht(2010);
    EXPECT_EQ(a.art, Druckart::Jahresansicht);
    EXPECT_EQ(a.jahrVon, 2010);
    EXPECT_EQ(a.jahrBis, 2010);
    EXPECT_EQ(a.ueberschrift, "Kalvora  -  2010");
    a.ueberschrift = "Urlaubsplan";
    a.Aktivieren();
    EXPECT_EQ(a.ueberschrift, "Kalvora  -  2010");
}

TEST(Druckauswahl, EinrichtungSchaltetDieAusrichtungsregelnAb) {
    Druckausrichtung r;
    EXPECT_TRUE(r.querformat);
    EXPECT_TRUE(r.hochformatRegel);
    r.EinrichtungBestaetigt();
    EXPECT_FALSE(r.querformat);
    EXPECT_FALSE(r.hochformatRegel);
    r.ProgrammAktiviert();
    EXPECT_TRUE(r.querformat);
    EXPECT_FALSE(r.hochformatRegel);
}

}  // namespace
}  // namespace kalvora
