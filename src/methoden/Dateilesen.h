#pragma once
// Reading a whole outside file (calendar files, CSV, companion texts, address groups, the
// name-day catalogue) into memory, safely: only regular files, and only up to a size far
// above any real file, so that a pipe, a device or /dev/zero can neither hang the program
// nor fill its memory.
#include <cstddef>
#include <string>

namespace kalvora {

// 256 MiB: the largest possible calendar (every day of 199 years filled) is about 15 MB.
constexpr std::size_t kGroessteEingabedatei = std::size_t{256} << 20;

// The whole file. Throws KalvoraFehler with a German message naming the file when it cannot
// be read, is no regular file (a folder, a pipe, a device) or is larger than grenze.
std::string DateiEinlesen(const std::string& pfad,
                          std::size_t grenze = kGroessteEingabedatei);

// True when the file does not exist at all (as opposed to existing and being unreadable).
bool DateiFehlt(const std::string& pfad);

}  // namespace kalvora
