#pragma once
// Lookups between colour values, slot numbers and slot names, and the short text that
// describes a day's colours.
#include <cstdint>
#include <string>

#include "kalender/TKalender.h"

namespace kalvora {

// Name of the first slot holding farbe; empty when none holds it or that slot is free.
std::string farbname(const TKalender& kal, uint32_t farbe);
// Value of the first slot named exactly text; KeineFarbe when none.
uint32_t farbwert(const TKalender& kal, const std::string& text);
// Number of the first slot holding farbe; 0 when none.
int farbplatz(const TKalender& kal, uint32_t farbe);
// The day's colours as text; alleFarbnamen is the setting "Farbnamen".
std::string tagesfarbtext(const TKalender& kal, int jahr, int monat, int tag, bool alleFarbnamen);

}  // namespace kalvora
