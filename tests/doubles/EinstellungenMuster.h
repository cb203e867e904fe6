#pragma once
// Settings with every field away from its default, for round trips through a store.
#include "einstellungen/Einstellungen.h"

namespace kalvora {

// Every value of the four settings keys changed, within the range of its row.
Einstellungen EinstellungenVerstellt(const Einstellungsumgebung& umgebung);

}  // namespace kalvora
