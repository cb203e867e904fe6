#pragma once
// How a read-only copy refreshes itself, whether a writable copy saves by itself, how files
// are opened and whether alarms are announced. The file session follows them; the settings
// keep them in their store.
#include <cstdint>

namespace kalvora {

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

}  // namespace kalvora
