#pragma once
// The chart window's options under "Software\Kalvora\Statistikoptionen": the extra bar and
// the printout's orientation and margins.
#include "einstellungen/Werttabelle.h"
#include "platform/Registry.h"

namespace kalvora {

constexpr const char* StatistikSchluessel = "Software\\Kalvora\\Statistikoptionen";

struct Statistikoptionen {
    bool anzeige = true;     // the bar of the days or appointments without colour
    bool querformat = true;  // print in landscape
    double links = 1.0, rechts = 1.0, oben = 1.5, unten = 2.0;  // print margins in cm
    bool operator==(const Statistikoptionen&) const = default;
};

// The margins a user can give, in cm; a stored value beyond is bounded where it is used.
constexpr double GroessterStatistikrand = 100;

const Werttabelle<Statistikoptionen>& StatistikWerte();
// The row of a value by its name ("Links"); throws std::logic_error for another name.
const Wertzeile& StatistikZeile(const std::string& name);

// Starts from the defaults and takes what the key holds; a value of another type throws
// KalvoraFehler (the values read before it stay). Nothing is written back.
void StatistikoptionenLaden(const Registry& registry, Statistikoptionen& ziel);
// All six values.
void StatistikoptionenSpeichern(Registry& registry, const Statistikoptionen& o);

}  // namespace kalvora
