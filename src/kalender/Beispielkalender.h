#pragma once
// The large calendar the benchmarks measure: every day of the range filled.
#include "kalender/TKalender.h"

namespace kalvora {

// Every day from 1.1.1901 to 31.12.2099 gets two day colours, a two-line info text and three
// appointments; 20 named colours, 10 categories, 5 links and 200 birthdays. Deterministic.
void GrossenKalenderFuellen(TKalender& kal);

}  // namespace kalvora
