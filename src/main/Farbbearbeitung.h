#pragma once
// Direct colour editing of the year view without its widgets: the editing mode, the current
// colour, the painting rule of clicks and drags, the context menu, the legend's colour checks
// and its highlight.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kalender/TKalender.h"
#include "main/Jahresansicht.h"

namespace kalvora {

// Days per slot of one year (index 0 unused): the numbers on the legend swatches.
std::array<int, AnzahlFarben + 1> Farbzaehlung(const TKalender& kal, int jahr);

// The cell to redraw after a day's colours changed; nothing when the year is not shown.
std::optional<Rechteck> TagNeuZeichnen(const TJahresansicht& ansicht, int tag, int monat,
                                       int jahr);

}  // namespace kalvora
