#pragma once
// Windows zone names ("W. Europe Standard Time", as Outlook writes them into TZID) and the
// zone names of the system's tz database they stand for, after the Unicode consortium's table
// windowsZones.xml (Debian: unicode-cldr-core), read once at run time. Without that file a
// short table of the most common zones answers.
#include <string>
#include <string_view>

namespace kalvora {

extern const char* const kWindowszonenDatei;

// The tz name of a Windows zone name (its "001" territory, the zone the name means when no
// region is given), or "" when the name is none.
std::string IanaNameVonWindowszone(std::string_view windowsName);

// The table's entries read from the text of a windowsZones.xml (for the tests); name is
// looked up in it.
std::string IanaNameAusTabelle(std::string_view xml, std::string_view windowsName);

}  // namespace kalvora
