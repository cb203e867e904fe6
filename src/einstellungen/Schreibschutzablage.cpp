#include "einstellungen/Schreibschutzablage.h"

namespace kalvora {

namespace {
using S = Schreibschutzoptionen;
}  // namespace

const Werttabelle<Schreibschutzoptionen>& SchreibschutzWerte() {
    using namespace tabelle;
    static const Werttabelle<S> t = {
        Ganzzahl("Intervall", &S::Intervall, 1).Bereich(1, 99),
        Ganzzahl("Art", &S::Art, 0).Bereich(0, 1),
        Wahrheitswert("autosave", &S::autosave, false),
        Ganzzahl("sIntervall", &S::sIntervall, 1).Bereich(1, 99),
        Wahrheitswert("alle schreibgeschützt", &S::alleSchreibgeschuetzt, false),
        Wahrheitswert("keine Schutzmeldung", &S::keineSchutzmeldung, false),
        Wahrheitswert("Alarm aus", &S::AlarmAus, false),
    };
    return t;
}

void SchreibschutzoptionenLaden(Registry& registry, Schreibschutzoptionen& ziel) {
    ziel = Schreibschutzoptionen{};
    TabelleLaden(registry, SchreibschutzSchluessel, SchreibschutzWerte(), ziel);
}

void SchreibschutzoptionenSpeichern(Registry& registry, const Schreibschutzoptionen& o) {
    TabelleSpeichern(registry, SchreibschutzSchluessel, SchreibschutzWerte(), o);
}

}  // namespace kalvora
