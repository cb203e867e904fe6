#pragma once
// Writing a whole file so that a crash or a full disk never leaves it half written.
#include <string>
#include <string_view>

namespace kalvora {

// Writes inhalt to a temporary file in the target's folder, flushes it to disk and renames
// it over pfad (a symbolic link is followed to its target). An existing file keeps its
// permissions; a new one gets the usual ones (0666 less the umask). Throws KalvoraFehler
// with the system's reason; the old file is then untouched and no temporary file is left.
void DateiAtomarSchreiben(const std::string& pfad, std::string_view inhalt);

}  // namespace kalvora
