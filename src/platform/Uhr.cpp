#include "platform/Uhr.h"

namespace kalvora {

Datum HeutigesDatum(const Uhr& uhr) {
    const Zeitpunkt z = uhr.Jetzt();
    return {z.tag, z.monat, z.jahr};
}

bool IstHeute(const Uhr& uhr, int tag, int monat, int jahr) {
    return HeutigesDatum(uhr) == Datum{tag, monat, jahr};
}

}  // namespace kalvora
