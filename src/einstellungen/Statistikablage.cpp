#include "einstellungen/Statistikablage.h"

namespace kalvora {

namespace {
using S = Statistikoptionen;
}  // namespace

const Werttabelle<Statistikoptionen>& StatistikWerte() {
    using namespace tabelle;
    static const Werttabelle<S> t = {
        Wahrheitswert("Anzeige", &S::anzeige, true),
        Wahrheitswert("Querformat", &S::querformat, true),
        Gleitkomma("Links", &S::links, 1.0),
        Gleitkomma("Rechts", &S::rechts, 1.0),
        Gleitkomma("Oben", &S::oben, 1.5),
        Gleitkomma("Unten", &S::unten, 2.0),
    };
    return t;
}

void StatistikoptionenLaden(const Registry& registry, Statistikoptionen& ziel) {
    ziel = Statistikoptionen{};
    NurLesendeRegistry nurLesen(registry);
    TabelleLaden(nurLesen, StatistikSchluessel, StatistikWerte(), ziel);
}

void StatistikoptionenSpeichern(Registry& registry, const Statistikoptionen& o) {
    TabelleSpeichern(registry, StatistikSchluessel, StatistikWerte(), o);
}

}  // namespace kalvora
