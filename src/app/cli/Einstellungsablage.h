#pragma once
// The settings of the current user's store, read as the program reads them but without
// writing anything back.
#include <optional>
#include <string>
#include <vector>

#include "einstellungen/Adressbuchablage.h"
#include "einstellungen/Einstellungen.h"
#include "kalender/Schreibschutzoptionen.h"
#include "platform/Registry.h"

namespace kalvora::cli {

// Loading would write back missing values; a command that only reads must not.
using NurLesen = NurLesendeRegistry;

int AktuellesJahr();

// The settings of the store (no screen here: the defaults of 1024 x 768). A value the store
// holds in a wrong form is reported in fehler, the rest is loaded.
Einstellungen GespeicherteEinstellungen(std::string& fehler);
// The write-protection options of the store ("Software\\Kalvora\\Schreibschutz").
Schreibschutzoptionen GespeicherteSchreibschutzoptionen(std::string& fehler);

// The address book's options of the store ("Software\\Kalvora\\Adressbuch").
Adressoptionen GespeicherteAdressoptionen(std::string& fehler);

}  // namespace kalvora::cli
