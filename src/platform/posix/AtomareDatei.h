#pragma once
// Writing a whole file so that a crash or a full disk never leaves it half written.
#include <string>
#include <string_view>

namespace kalvora {

// Writes inhalt to a temporary file in the target's folder, flushes it to disk and renames
// it over pfad (a symbolic link is followed to its target, the link stays). An existing file
// keeps its permissions, and its owner and group where the system permits; a new one gets
// the usual permissions (0666 less the umask). The temporary file has no name until it is
// complete (O_TMPFILE), and what a killed save left behind is removed by the next save.
// Refuses to replace a folder, a device or pipe, or a file without write permission. Throws
// KalvoraFehler with a German reason; the old file is then untouched and no temporary file
// is left.
void DateiAtomarSchreiben(const std::string& pfad, std::string_view inhalt);

}  // namespace kalvora
