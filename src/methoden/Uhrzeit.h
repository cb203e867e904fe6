#pragma once
// Clock times as hand-edited files and spreadsheets write them.
#include <optional>
#include <string>
#include <string_view>

namespace kalvora {

// "09:30" for "09:30" and for "9:30"; std::nullopt for anything that is no time of day
// (hours 0..23, minutes 0..59, two minute digits).
std::optional<std::string> UhrzeitNormalisiert(std::string_view text);

}  // namespace kalvora
