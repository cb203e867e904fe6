#include "main/JahresansichtOptionen.h"

#include <gtest/gtest.h>

#include <limits>

#include "einstellungen/Einstellungen.h"

namespace kalvora {
namespace {

// The year view's own defaults and those of the settings record must not drift apart.
TEST(JahresansichtOptionen, StandardwerteStimmenMitDenEinstellungenUeberein) {
    const JahresansichtOptionen s;
    const JahresansichtOptionen o = JahresansichtOptionenAus(Einstellungen{});
    EXPECT_EQ(o.darstellung, s.darstellung);
    EXPECT_EQ(o.farbeKommenderTermine, s.farbeKommenderTermine);
    EXPECT_EQ(o.farbeVergangenerTermine, s.farbeVergangenerTermine);
    EXPECT_EQ(o.termineAuchBeiTagesinfo, s.termineAuchBeiTagesinfo);
    EXPECT_EQ(o.monatstageAnzeigen, s.monatstageAnzeigen);
    EXPECT_EQ(o.schriftgroesseMonatstage, s.schriftgroesseMonatstage);
    EXPECT_EQ(o.kalenderwoche, s.kalenderwoche);
    EXPECT_EQ(o.anzeigeKalenderwoche, s.anzeigeKalenderwoche);
    EXPECT_EQ(o.roteLinie, s.roteLinie);
    EXPECT_EQ(o.wochenendFarbe, s.wochenendFarbe);
    EXPECT_EQ(o.feiertage, s.feiertage);
    EXPECT_EQ(o.keineUhrzeitAnzeigen, s.keineUhrzeitAnzeigen);
    EXPECT_EQ(o.leerzeileWennKeineTagesinfo, s.leerzeileWennKeineTagesinfo);
    EXPECT_EQ(o.farbname, s.farbname);
    EXPECT_EQ(o.farbnamen, s.farbnamen);
    EXPECT_EQ(o.monatsansicht, s.monatsansicht);
    EXPECT_EQ(o.wochenansicht, s.wochenansicht);
    EXPECT_DOUBLE_EQ(o.breite, s.breite);
    EXPECT_DOUBLE_EQ(o.laenge, s.laenge);
}

TEST(JahresansichtOptionen, UngueltigerMarkenstil) {
    Einstellungen e;
    for (int wert : {-1, 6, 1000}) {
        e.Darstellung = wert;
        EXPECT_EQ(JahresansichtOptionenAus(e).darstellung, Terminmarke::Dreieck) << wert;
    }
    e.Darstellung = 5;
    EXPECT_EQ(JahresansichtOptionenAus(e).darstellung, Terminmarke::Keine);
}

// A store written by hand may hold what the options refuse: the sun is still computed for a
// place on earth, and upcoming appointments are not marked invisibly in white.
TEST(JahresansichtOptionen, WerteJenseitsDerOptionenWerdenBegrenzt) {
    Einstellungen e;
    e.geographischeLaenge = 1e308;
    e.geographischeBreite = -91;
    e.AbweichungVonGreenich = std::numeric_limits<double>::quiet_NaN();
    e.FarbeKommenderTermine = 0xFFFFFF;
    const JahresansichtOptionen o = JahresansichtOptionenAus(e);
    EXPECT_DOUBLE_EQ(o.laenge, 180);
    EXPECT_DOUBLE_EQ(o.breite, -90);
    EXPECT_DOUBLE_EQ(o.abweichung, 1.0);
    EXPECT_EQ(o.farbeKommenderTermine, 0u);
    e.FarbeKommenderTermine = 0x123456;
    EXPECT_EQ(JahresansichtOptionenAus(e).farbeKommenderTermine, 0x123456u);
}

}  // namespace
}  // namespace kalvora
