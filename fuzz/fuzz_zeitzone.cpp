// The system's zone file (/etc/timezone) on any bytes: what it names is either nothing or a
// zone name that cannot leave the zone database's folder (no path, no "..", no control
// character), and reading it back from its own line gives the same name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/posix/Systemzeitzone.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const std::string zone = kalvora::ZoneAusTimezoneDatei(text);
    if (zone.empty()) return 0;
    if (zone.size() > 255 || zone.front() == '/' || zone.find("..") != std::string::npos)
        std::abort();
    for (char c : zone)
        if (static_cast<unsigned char>(c) <= ' ' || c == '.' || c == '\\') std::abort();
    if (kalvora::ZoneAusTimezoneDatei(zone + "\r\n") != zone) std::abort();
    return 0;
}
