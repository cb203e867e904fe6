#pragma once
// Writing a whole file, handed in from outside: the program passes its one atomic writer, so
// that logic which writes files needs no platform code of its own.
#include <functional>
#include <string>
#include <string_view>

namespace kalvora {

// Writes inhalt as the whole file pfad, or throws KalvoraFehler with a German reason.
using Dateischreiber = std::function<void(const std::string& pfad, std::string_view inhalt)>;

}  // namespace kalvora
