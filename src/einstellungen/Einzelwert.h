#pragma once
// One value of the settings store, named as scripts name it: "Name" for a value of the main
// key "Software\Kalvora", "Schlüssel/Name" for one of a subkey ("Schreibschutz/Art"). Read
// and written typed as the settings tables say, through the same rows the program loads.
#include <string>

#include "einstellungen/Werttabelle.h"
#include "platform/Registry.h"

namespace kalvora {

// The value as the program would read it (its default when it is missing), as the listing
// of all settings shows it. Throws KalvoraFehler for an unknown name or a stored value of
// another type.
std::string EinzelwertLesen(const Registry& registry, const Einstellungsumgebung& umgebung,
                            const std::string& angabe);

// Writes text as the value's type. Throws KalvoraFehler (nothing is written) for an unknown
// name, a text that is not of that type, or a number outside the value's range.
void EinzelwertSchreiben(Registry& registry, const Einstellungsumgebung& umgebung,
                         const std::string& angabe, const std::string& text);

}  // namespace kalvora
