#pragma once
// File types registered when the program starts.
#include <string>
#include <vector>

namespace kalvora {

// Registers ".kvr" and ".kvradr" below zielordner unless one of alleDatenordner knows them
// already, and updates the desktop databases when anything was written. Never fails: a
// program that cannot register its types still starts.
void DateitypenBeimStart(const std::string& zielordner,
                         const std::vector<std::string>& alleDatenordner,
                         const std::string& programm);

}  // namespace kalvora
