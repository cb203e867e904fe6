#pragma once
// German texts for what the system reports, so that no English message of the C library or
// of an exception ever reaches the user.
#include <exception>
#include <string>

namespace kalvora {

// The reason for an error number of the system ("Zugriff verweigert", …, without a final
// full stop); an unknown number gives "Systemfehler Nr. N".
std::string Systemfehlertext(int fehlernummer);

// The German message for any exception: a KalvoraFehler's own text, the reason of a system
// or file system error, "Nicht genügend Arbeitsspeicher." for a failed allocation, else a
// general text. Never an exception's English what().
std::string Fehlertext(const std::exception& e);

}  // namespace kalvora
