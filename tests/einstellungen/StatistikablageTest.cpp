#include "einstellungen/Statistikablage.h"

#include <gtest/gtest.h>

#include "doubles/SpeicherRegistry.h"
#include "einstellungen/Einzelwert.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

const std::string K = StatistikSchluessel;

TEST(Statistikablage, FehlendeWerteNehmenIhreVorgabeUndNichtsWirdGeschrieben) {
    SpeicherRegistry reg;
    Statistikoptionen o;
    o.anzeige = false;
    StatistikoptionenLaden(reg, o);
    EXPECT_EQ(o, Statistikoptionen{});
    EXPECT_TRUE(o.anzeige);
    EXPECT_TRUE(o.querformat);
    EXPECT_EQ(o.links, 1.0);
    EXPECT_EQ(o.rechts, 1.0);
    EXPECT_EQ(o.oben, 1.5);
    EXPECT_EQ(o.unten, 2.0);
    EXPECT_EQ(reg.Schreibvorgaenge(), 0);

    reg.Schreiben(K, "Oben", GleitkommaBytes(0.5));
    reg.Schreiben(K, "Anzeige", int32_t{0});
    StatistikoptionenLaden(reg, o);
    EXPECT_FALSE(o.anzeige);
    EXPECT_EQ(o.oben, 0.5);
    EXPECT_EQ(o.unten, 2.0);
}

TEST(Statistikablage, SpeichernSchreibtAlleSechsWerteUnterDemEigenenSchluessel) {
    SpeicherRegistry reg;
    Statistikoptionen o;
    o.anzeige = false;
    o.querformat = false;
    o.links = 2.25;
    o.unten = 0;
    StatistikoptionenSpeichern(reg, o);
    EXPECT_EQ(reg.Wertnamen(K), (std::vector<std::string>{"Anzeige", "Links", "Oben",
                                                          "Querformat", "Rechts", "Unten"}));
    EXPECT_EQ(reg.Lesen(K, "Querformat"), Registrywert{int32_t{0}});
    EXPECT_EQ(reg.Lesen(K, "Links"), Registrywert{GleitkommaBytes(2.25)});
    Statistikoptionen zurueck;
    StatistikoptionenLaden(reg, zurueck);
    EXPECT_EQ(zurueck, o);
}

TEST(Statistikablage, WertVonFalschemTypStopptDasLaden) {
    SpeicherRegistry reg;
    reg.Schreiben(K, "Anzeige", int32_t{0});
    reg.Schreiben(K, "Links", std::string("breit"));
    Statistikoptionen o;
    EXPECT_THROW(StatistikoptionenLaden(reg, o), KalvoraFehler);
    EXPECT_FALSE(o.anzeige);  // read before the fault
    EXPECT_EQ(o.links, 1.0);
}

// Scripts set the options by name, as the other subkeys.
TEST(Statistikablage, EinzelwerteUeberDenSchluesselnamen) {
    SpeicherRegistry reg;
    const Einstellungsumgebung u;
    EinzelwertSchreiben(reg, u, "Statistikoptionen/Links", "2,5");
    EinzelwertSchreiben(reg, u, "Statistikoptionen/Anzeige", "nein");
    EXPECT_EQ(EinzelwertLesen(reg, u, "Statistikoptionen/Unten"), "2");
    EXPECT_THROW(EinzelwertSchreiben(reg, u, "Statistikoptionen/Breite", "1"), KalvoraFehler);
    Statistikoptionen o;
    StatistikoptionenLaden(reg, o);
    EXPECT_EQ(o.links, 2.5);
    EXPECT_FALSE(o.anzeige);
}

}  // namespace
}  // namespace kalvora
