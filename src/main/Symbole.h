#pragma once
// The two small glyphs of the year view: a round badge for birthdays and a bow for name days.
#include "platform/Leinwand.h"

namespace kalvora {

// 8 × 8 pixels with top-left (x, y).
void GeburtstagsSymbol(Leinwand& l, int x, int y);
// A bow whose right edge is x, from y down to y + 8.
void NamenstagsSymbol(Leinwand& l, int x, int y);

}  // namespace kalvora
