#pragma once
// What every text field of the program accepts: no '#', which separates the fields of the
// calendar file, and nothing that Windows-1252 cannot hold, so that a save never loses text.
#include <string>
#include <string_view>

namespace kalvora {

// One typed character (one UTF-8 code point, or several for a paste).
bool ZeichenErlaubt(std::string_view zeichen);
// The text with every refused character dropped (for pasted or programmatically set text).
std::string EingabeBereinigen(std::string_view text);

}  // namespace kalvora
