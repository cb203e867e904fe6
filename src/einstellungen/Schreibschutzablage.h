#pragma once
// Where the write-protection options are kept: under "Software\Kalvora\Schreibschutz".
#include "einstellungen/Werttabelle.h"
#include "kalender/Schreibschutzoptionen.h"
#include "platform/Registry.h"

namespace kalvora {

constexpr const char* SchreibschutzSchluessel = "Software\\Kalvora\\Schreibschutz";

// The seven values in the order the dialog writes them.
const Werttabelle<Schreibschutzoptionen>& SchreibschutzWerte();

// Starts from the defaults and takes every value the key holds. A value of another type
// stops with KalvoraFehler; ziel keeps what was read before it.
void SchreibschutzoptionenLaden(Registry& registry, Schreibschutzoptionen& ziel);
void SchreibschutzoptionenSpeichern(Registry& registry, const Schreibschutzoptionen& o);

}  // namespace kalvora
