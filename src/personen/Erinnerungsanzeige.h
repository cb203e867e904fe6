#pragma once
// Where the reminder windows of a check are shown, one after the other: each call returns
// when its window was closed with "OK".
#include "personen/Erinnerungen.h"

namespace kalvora {

class Erinnerungsanzeige {
public:
    virtual ~Erinnerungsanzeige() = default;
    virtual void Zeigen(const Erinnerungstexte& texte) = 0;
};

}  // namespace kalvora
