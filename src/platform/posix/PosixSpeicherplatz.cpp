#include "platform/posix/PosixSpeicherplatz.h"

#include <sys/statvfs.h>

namespace kalvora {

std::optional<uint64_t> PosixSpeicherplatz::FreieBytes(const std::string& ordner) {
    struct statvfs s {};
    if (::statvfs(ordner.empty() ? "." : ordner.c_str(), &s) != 0) return std::nullopt;
    return static_cast<uint64_t>(s.f_bavail) * s.f_frsize;
}

}  // namespace kalvora
