#pragma once
// The chart on paper: one page per copy, in the options' orientation, inside the margins.
#include <functional>
#include <string>

#include "platform/Drucker.h"
#include "einstellungen/Statistikablage.h"

namespace kalvora {

namespace statistikdrucktexte {
inline constexpr const char* KeinPlatz =
    "Die Druckränder lassen keinen Platz für das Diagramm.";
}  // namespace statistikdrucktexte

// Where the chart goes on a page of that size and resolution: the margins in cm, rounded to
// printer dots.
Rechteck StatistikDruckrechteck(const Statistikoptionen& o, int dpiX, int dpiY,
                                int seitenBreite, int seitenHoehe);

// Draws the chart into the rectangle of the canvas.
using Diagrammzeichner = std::function<void(Leinwand&, const Rechteck&)>;

// Sets the orientation ("Querformat" or portrait), prints the chart into the margins'
// rectangle once per copy and gives the printer its orientation back on every way out.
// Margins that leave no room are refused with KalvoraFehler before anything is printed.
// Returns the pages printed.
int StatistikDrucken(Drucker& drucker, const Statistikoptionen& o, const std::string& titel,
                     Druckstatus& status, const Diagrammzeichner& zeichnen);

}  // namespace kalvora
