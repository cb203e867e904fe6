#pragma once
// The user's time zone by its IANA name, as the system names it.
#include <string>

namespace kalvora {

// TZ when it names a zone (":Europe/Berlin", "/usr/share/zoneinfo/Europe/Berlin",
// "Europe/Berlin"), else /etc/timezone, else the target of the link /etc/localtime; "UTC"
// when none of them tells.
std::string SystemZeitzone();

}  // namespace kalvora
