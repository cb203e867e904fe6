#include "platform/posix/Systemzeitzone.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

namespace kalvora {
namespace {

// TZ in the forms systems set it names the zone by its IANA name.
TEST(Systemzeitzone, AusTz) {
    const char* vorher = getenv("TZ");
    const std::string alt = vorher ? vorher : "";
    const std::pair<const char*, const char*> faelle[] = {
        {"Europe/Berlin", "Europe/Berlin"},
        {":America/New_York", "America/New_York"},
        {"/usr/share/zoneinfo/Asia/Tokyo", "Asia/Tokyo"},
        {":/usr/share/zoneinfo/Etc/UTC", "Etc/UTC"},
    };
    for (const auto& [tz, zone] : faelle) {
        setenv("TZ", tz, 1);
        EXPECT_EQ(SystemZeitzone(), zone) << tz;
    }
    // A path outside the zone folder tells nothing: the system's files decide, never empty.
    setenv("TZ", "/etc/localtime", 1);
    EXPECT_FALSE(SystemZeitzone().empty());
    if (vorher)
        setenv("TZ", alt.c_str(), 1);
    else
        unsetenv("TZ");
}

TEST(Systemzeitzone, InhaltDerZonendatei) {
    const struct {
        std::string inhalt, zone;
    } faelle[] = {
        {"Europe/Berlin\n", "Europe/Berlin"},
        {"America/Argentina/Buenos_Aires \r\nzweite Zeile", "America/Argentina/Buenos_Aires"},
        {"Etc/GMT+1", "Etc/GMT+1"},
        {"", ""},
        {"\nEurope/Berlin\n", ""},                  // the first line counts
        {"/usr/share/zoneinfo/Europe/Berlin", ""},  // a path is no name
        {"Europe/Ber lin", ""},
        {std::string("Europe/\0Berlin", 14), ""},
        {"Europe/../../../etc/passwd\x01", ""},
        {std::string(300, 'A'), ""},
    };
    for (const auto& f : faelle) EXPECT_EQ(ZoneAusTimezoneDatei(f.inhalt), f.zone) << f.inhalt;
}

}  // namespace
}  // namespace kalvora
