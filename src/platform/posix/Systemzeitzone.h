#pragma once
// The user's time zone by its IANA name, as the system names it.
#include <string>
#include <string_view>

namespace kalvora {

// TZ when it names a zone (":Europe/Berlin", "/usr/share/zoneinfo/Europe/Berlin",
// "Europe/Berlin"), else /etc/timezone, else the target of the link /etc/localtime; "UTC"
// when none of them tells.
std::string SystemZeitzone();

// The zone that the contents of /etc/timezone name: its first line without trailing blanks
// and CR, if it looks like a zone name (letters, digits and "/_-+"); empty otherwise.
std::string ZoneAusTimezoneDatei(std::string_view inhalt);

}  // namespace kalvora
