#include "einstellungen/Schreibschutzregeln.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

TEST(Schreibschutzregeln, FreigabenUndMinutenVon1Bis99) {
    EXPECT_FALSE(IntervallFreigegeben(0));
    EXPECT_TRUE(IntervallFreigegeben(1));
    EXPECT_FALSE(SpeicherintervallFreigegeben(false));
    EXPECT_TRUE(SpeicherintervallFreigegeben(true));

    for (const char* gut : {"1", "99", " 5 "}) EXPECT_TRUE(MinutenLesen(gut, "x").wert) << gut;
    for (const char* schlecht : {"0", "100", "", "  ", "5a", "-3", "2,5"}) {
        const Minuteneingabe m = MinutenLesen(schlecht, "Aktualisierungsintervall");
        EXPECT_FALSE(m.wert) << schlecht;
        EXPECT_NE(m.fehler.find("\"Aktualisierungsintervall\""), std::string::npos);
        EXPECT_NE(m.fehler.find("1 bis 99"), std::string::npos);
    }
}

TEST(Schreibschutzregeln, UebernahmeNimmtAlleFelderOderNennteDasFalsche) {
    Schreibschutzoptionen bisher;
    Schreibschutzeingabe e = EingabeAus(bisher);
    e.art = 1;
    e.intervall = "5";
    e.autosave = true;
    e.sIntervall = "10";
    e.alarmAus = true;
    e.alleSchreibgeschuetzt = true;
    e.keineSchutzmeldung = true;
    const Schreibschutzuebernahme u = OptionenAus(e, bisher);
    ASSERT_TRUE(u.optionen);
    EXPECT_EQ(*u.optionen, (Schreibschutzoptionen{5, 1, true, 10, true, true, true}));

    // A field that cannot be used is not judged and keeps its value.
    e = EingabeAus(bisher);
    e.intervall = "0";
    EXPECT_TRUE(OptionenAus(e, bisher).optionen);
    EXPECT_EQ(OptionenAus(e, bisher).optionen->Intervall, 1);
    // An enabled field with a bad number stops the whole take-over.
    e.art = 1;
    const Schreibschutzuebernahme falsch = OptionenAus(e, bisher);
    EXPECT_FALSE(falsch.optionen);
    EXPECT_NE(falsch.fehler.find("Aktualisierungsintervall"), std::string::npos);
    e = EingabeAus(bisher);
    e.autosave = true;
    e.sIntervall = "120";
    EXPECT_NE(OptionenAus(e, bisher).fehler.find("automatisches Speichern alle"),
              std::string::npos);
}

}  // namespace
}  // namespace kalvora
