#pragma once
// The printed birthday list: a page head with the title, four columns between dashed lines,
// one line per entry as the grid shows it, in the copies the printer was asked for.
#include <vector>

#include "kalender/TKalender.h"
#include "platform/Drucker.h"

namespace kalvora {

inline constexpr const char* kGeburtstagslistenTitel = "Geburtstagsliste";

// Prints the list (its order as it stands); hochformat sets portrait first, as long as the
// user has not used the printer set-up. Returns the number of pages; the document is ended on
// every way out.
int GeburtstagslisteDrucken(const std::vector<TGeburtstag>& liste, Drucker& drucker,
                            Druckstatus& status, bool hochformat = true);

}  // namespace kalvora
