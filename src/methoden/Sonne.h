#pragma once
// Sunrise and sunset for a place, with the almanac's approximation (zenith 90°50′).
#include <string>

#include "methoden/Methoden.h"

namespace kalvora {

// Defaults of the settings: longitude and latitude in decimal degrees (east and north
// positive), local standard time minus universal time in hours, daylight saving on.
constexpr double StandardLaenge = 7.6333;
constexpr double StandardBreite = 51.9667;
constexpr double StandardAbweichung = 1.0;
constexpr bool StandardSommerzeit = true;

// Local times in hours; −1.0 when the event does not take place that day.
struct Sonnenzeiten {
    double aufgang;
    double untergang;
};

// With sommerzeit set, an hour is added from the last Sunday of March (inclusive) to the
// last Sunday of October (exclusive).
Sonnenzeiten SonnenAufUntergang(bool sommerzeit, TDatum datum, double abweichung,
                                double breite, double laenge);

// "hh:mm:ss" with the seconds cut; "-" for a value below 0 or above 24.
std::string SonnenText(double wert, TDatum datum);

// "  SA: hh:mm:ss  SU: hh:mm:ss", the caption of the tool bar.
std::string SonnenBeschriftung(const Sonnenzeiten& zeiten, TDatum datum);

}  // namespace kalvora
