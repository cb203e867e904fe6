#pragma once
// How a read-only copy refreshes itself, whether a writable copy saves by itself, how files
// are opened and whether alarms are announced; kept under "Software\Kalvora\Schreibschutz".
#include <cstdint>

#include "einstellungen/Werttabelle.h"
#include "platform/Registry.h"

namespace kalvora {

constexpr const char* SchreibschutzSchluessel = "Software\\Kalvora\\Schreibschutz";

struct Schreibschutzoptionen {
    int32_t Intervall = 1;  // minutes between two refreshes of a read-only document
    int32_t Art = 0;        // 0 "manuell", 1 "zeitintervall"
    bool autosave = false;
    int32_t sIntervall = 1;  // minutes between two automatic saves
    bool alleSchreibgeschuetzt = false;
    bool keineSchutzmeldung = false;
    bool AlarmAus = false;
    bool operator==(const Schreibschutzoptionen&) const = default;
};

// The seven values in the order the dialog writes them.
const Werttabelle<Schreibschutzoptionen>& SchreibschutzWerte();

// Starts from the defaults and takes every value the key holds. A value of another type
// stops with KalvoraFehler; ziel keeps what was read before it.
void SchreibschutzoptionenLaden(Registry& registry, Schreibschutzoptionen& ziel);
void SchreibschutzoptionenSpeichern(Registry& registry, const Schreibschutzoptionen& o);

}  // namespace kalvora
