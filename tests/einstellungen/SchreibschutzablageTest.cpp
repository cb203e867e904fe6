// The write-protection options and their key.
#include <gtest/gtest.h>

#include "doubles/SpeicherRegistry.h"
#include "einstellungen/Schreibschutzablage.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

TEST(Schreibschutzoptionen, StandardUndLeererSchluessel) {
    // The record's own defaults and those of its table agree.
    Schreibschutzoptionen ausTabelle{0, 5, true, 0, true, true, true};
    VorgabenSetzen(SchreibschutzWerte(), ausTabelle, {});
    EXPECT_EQ(ausTabelle, Schreibschutzoptionen{});

    SpeicherRegistry r;
    Schreibschutzoptionen o{7, 1, true, 9, true, true, true};
    SchreibschutzoptionenLaden(r, o);
    EXPECT_EQ(o, Schreibschutzoptionen{});
    EXPECT_EQ(r.Schreibvorgaenge(), 0);  // defaults are not written back
}

TEST(Schreibschutzoptionen, SpeichernUndWiederLesen) {
    const Schreibschutzoptionen o{5, 1, true, 12, true, false, true};
    SpeicherRegistry r;
    SchreibschutzoptionenSpeichern(r, o);
    EXPECT_EQ(r.Wertnamen(SchreibschutzSchluessel),
              (std::vector<std::string>{"Alarm aus", "Art", "Intervall", "alle schreibgeschützt",
                                        "autosave", "keine Schutzmeldung", "sIntervall"}));
    EXPECT_EQ(r.Lesen(SchreibschutzSchluessel, "autosave"), Registrywert(int32_t{1}));
    Schreibschutzoptionen geladen;
    SchreibschutzoptionenLaden(r, geladen);
    EXPECT_EQ(geladen, o);
}

TEST(Schreibschutzoptionen, TeilweiseVorhandenBegrenztUndFalscherTyp) {
    SpeicherRegistry r;
    r.Schreiben(SchreibschutzSchluessel, "Intervall", int32_t{0});
    r.Schreiben(SchreibschutzSchluessel, "Art", std::string("1"));
    Schreibschutzoptionen o;
    SchreibschutzoptionenLaden(r, o);
    EXPECT_EQ(o.Intervall, 1);
    EXPECT_EQ(o.Art, 1);
    EXPECT_EQ(o.sIntervall, 1);

    r.Schreiben(SchreibschutzSchluessel, "sIntervall", std::string("zehn"));
    r.Schreiben(SchreibschutzSchluessel, "Alarm aus", int32_t{1});
    EXPECT_THROW(SchreibschutzoptionenLaden(r, o), KalvoraFehler);
    EXPECT_EQ(o.Art, 1);         // read before the fault
    EXPECT_FALSE(o.AlarmAus);    // after it: default
}

}  // namespace
}  // namespace kalvora
