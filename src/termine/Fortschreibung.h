#pragma once
// Continuation of an edit over a series of further days: the same action is applied on each
// day of the series before the day dialog applies it to the shown day.
#include "kalender/TKalender.h"
#include "methoden/Methoden.h"
#include "termine/Termineditor.h"

namespace kalvora {

class Tagesdialog;

// Runs the editor's series from the shown day with the given action (1 new, 2 change,
// 3 delete, 4 delete all) and returns with the shown day loaded again. Every day passed is
// stored and loaded on the way.
void fortschreiben(Tagesdialog& dialog, int aktion);

// The day filter: whether day d of a series that started on day s may be changed.
bool fortschreibungzulassen(const TKalender& kal, uint32_t filterFarbe, const Datum& s,
                            const Datum& d);

}  // namespace kalvora
