#include "einstellungen/Statistikablage.h"

#include <stdexcept>

namespace kalvora {

namespace {
using S = Statistikoptionen;
}  // namespace

const Werttabelle<Statistikoptionen>& StatistikWerte() {
    using namespace tabelle;
    static const Werttabelle<S> t = {
        Wahrheitswert("Anzeige", &S::anzeige, true),
        Wahrheitswert("Querformat", &S::querformat, true),
        Gleitkomma("Links", &S::links, 1.0).Kommabereich(0, GroessterStatistikrand),
        Gleitkomma("Rechts", &S::rechts, 1.0).Kommabereich(0, GroessterStatistikrand),
        Gleitkomma("Oben", &S::oben, 1.5).Kommabereich(0, GroessterStatistikrand),
        Gleitkomma("Unten", &S::unten, 2.0).Kommabereich(0, GroessterStatistikrand),
    };
    return t;
}

const Wertzeile& StatistikZeile(const std::string& name) {
    for (const auto& z : StatistikWerte())
        if (z.name == name) return z;
    throw std::logic_error("unbekannte Statistikoption " + name);
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
