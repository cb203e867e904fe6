#pragma once
// File types registered when the program starts.
#include <functional>
#include <string>
#include <vector>

#include "platform/Dateischreiber.h"

namespace kalvora {

// Registers ".kvr" and ".kvradr" below zielordner through schreiben unless one of
// alleDatenordner knows them already, and calls aktualisieren on zielordner (the desktop
// databases) when anything was written. Never fails: a program that cannot register its
// types still starts.
void DateitypenBeimStart(const std::string& zielordner,
                         const std::vector<std::string>& alleDatenordner,
                         const std::string& programm, const Dateischreiber& schreiben,
                         const std::function<void(const std::string&)>& aktualisieren);

}  // namespace kalvora
