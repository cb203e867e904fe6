#pragma once
// What the address commands share: the options of the store and a group read as the window
// opens it.
#include <string>

#include "adressbuch/Adressbuch.h"
#include "einstellungen/Adressbuchablage.h"

namespace kalvora::cli {

// A value of the wrong type is reported on stderr; the rest is read.
Adressoptionen AdressoptionenDesSpeichers();
// Read and sorted by the name column; throws KalvoraFehler when the file cannot be read.
TAdressbuch GruppeLaden(const std::string& pfad);

}  // namespace kalvora::cli
