#pragma once
// Items that a loaded document can hold but the calendar file cannot store unchanged (a
// category "[Linkliste]" from an older file, an appointment time that is no clock time, a
// duration beyond a day). The writer refuses them rather than corrupt the file; this finds them and repairs
// them so that the user is never locked out of saving.
#include <string>
#include <vector>

#include "kalender/TKalender.h"

namespace kalvora {

// One line per affected item saying what a repair changes ("Kategorie \"[Linkliste]\" wird
// zu \"[Linkliste] (2)\""). With anwenden the repairs are made (and `geaendert` set).
std::vector<std::string> SpeicherhindernisseBeheben(TKalender& kal, bool anwenden);

// Whether an appointment holds a time that is no hh:mm (00:00 to 23:59) or a duration
// outside 0..1439 minutes, as a hand-edited file can.
bool TerminReparaturNoetig(const TTermin& t);
// What a save makes of such an appointment: the time becomes 00:00 and the duration 0, and
// the old text of each goes into the description, so that nothing is lost. The exports
// write an appointment so repaired, the views show it with no time and no duration.
void TerminReparieren(TTermin& t);

// The question before a repair: the list of changes and whether to save with them.
std::string ReparaturFrage(const std::vector<std::string>& aenderungen);

}  // namespace kalvora
