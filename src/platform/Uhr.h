#pragma once
// The local date and time now. Logic never reads the system clock itself.
#include "methoden/Methoden.h"

namespace kalvora {

struct Zeitpunkt {
    int jahr = 2000, monat = 1, tag = 1;
    int stunde = 0, minute = 0, sekunde = 0;
};

class Uhr {
public:
    virtual ~Uhr() = default;
    virtual Zeitpunkt Jetzt() const = 0;
};

Datum HeutigesDatum(const Uhr& uhr);
bool IstHeute(const Uhr& uhr, int tag, int monat, int jahr);

}  // namespace kalvora
