#pragma once
// Writing a whole file so that a crash or a full disk never leaves it half written.
#include <sys/stat.h>

#include <string>
#include <string_view>

#include "platform/Dateischreiber.h"

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

// The same writer for a file made piece by piece, so that a large export is never in memory
// whole: the constructor checks the target (and throws as above), Schreiben appends,
// Abschliessen flushes and renames. Until Abschliessen has succeeded the old file stays as it
// was; a writer destroyed before (an exception, a cancelled export) leaves nothing behind.
class AtomarerSchreiber : public Stueckschreiber {
public:
    explicit AtomarerSchreiber(const std::string& pfad);
    ~AtomarerSchreiber() override;
    AtomarerSchreiber(const AtomarerSchreiber&) = delete;
    AtomarerSchreiber& operator=(const AtomarerSchreiber&) = delete;

    void Schreiben(std::string_view stueck) override;
    void Abschliessen() override;

private:
    void Verwerfen() noexcept;

    std::string pfad_, ziel_;
    std::string temp_;  // the temporary file's name; empty while it has none
    struct stat alt_ {};
    bool vorhanden_ = false;
    mode_t rechte_ = 0;
    int fd_ = -1;
};

}  // namespace kalvora
