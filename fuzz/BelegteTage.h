#pragma once
#include <vector>

#include "kalender/TKalender.h"

namespace kalvora::fuzz {

// The slots of the days that hold colours or entries, in date order.
void BelegteTage(const TKalender& kal, std::vector<int>& slots);

}  // namespace kalvora::fuzz
