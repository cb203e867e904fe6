#pragma once
// Items that a loaded document can hold but the calendar file cannot store unchanged (a
// category "[Linkliste]" from an older file, an appointment time the writer cannot read
// back). The writer refuses them rather than corrupt the file; this finds them and repairs
// them so that the user is never locked out of saving.
#include <string>
#include <vector>

#include "kalender/TKalender.h"

namespace kalvora {

// One line per affected item saying what a repair changes ("Kategorie \"[Linkliste]\" wird
// zu \"[Linkliste] (2)\""). With anwenden the repairs are made (and `geaendert` set).
std::vector<std::string> SpeicherhindernisseBeheben(TKalender& kal, bool anwenden);

// The question before a repair: the list of changes and whether to save with them.
std::string ReparaturFrage(const std::vector<std::string>& aenderungen);

}  // namespace kalvora
