#include "statistik/Statistikablage.h"

#include <algorithm>
#include <cmath>

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

Rechteck StatistikDruckrechteck(const Statistikoptionen& o, int dpiX, int dpiY,
                                int seitenBreite, int seitenHoehe) {
    // A damaged store may hold any finite number; no sheet is wider than a few metres.
    const auto punkte = [](double cm, int dpi) {
        return static_cast<int>(std::lround(std::clamp(cm, -1000.0, 1000.0) / 2.54 * dpi));
    };
    return {punkte(o.links, dpiX), punkte(o.oben, dpiY),
            seitenBreite - punkte(o.rechts, dpiX), seitenHoehe - punkte(o.unten, dpiY)};
}

}  // namespace kalvora
