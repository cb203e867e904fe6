#pragma once
// The colour names of CSS (the values the COLOR property of iCalendar takes) and the nearest
// of them to a colour, as calendars on phones and in browsers understand them.
#include <cstdint>
#include <optional>
#include <string_view>

namespace kalvora {

// The CSS name nearest to an RGB value (0xRRGGBB, red in the high byte).
std::string_view CssFarbname(uint32_t rgb);
// The RGB value of a CSS name (any case), or of "#RRGGBB"/"#RGB" which some programs write.
std::optional<uint32_t> CssFarbwert(std::string_view name);
// Squared distance of two RGB values.
int RgbAbstand(uint32_t a, uint32_t b);

}  // namespace kalvora
