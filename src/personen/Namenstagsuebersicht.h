#pragma once
// The name-day year overview: twelve month columns of 31 day boxes with the day, the weekday
// and the catalogue's names, drawn onto a canvas.
#include <cstdint>
#include <string>

#include "personen/Namenstagskatalog.h"
#include "platform/Leinwand.h"

namespace kalvora {

// The sample whose printed width (+ 50) is the width of a month column.
inline constexpr const char* kUebersichtMuster =
    "Paulinus von Nola, John Fisher, Thomas More (Morus), Sighild, Eberhard von Salzburg, "
    "Christine";
// The column width before the first activation.
inline constexpr int kUebersichtAnfangsbreite = 400;

struct Uebersichtsmasse {
    int spalte = kUebersichtAnfangsbreite;  // W
    int Breite() const { return 12 * spalte + 50 + 11 * 15 + 50; }
    static int Hoehe() { return 30 + 20 + 31 * 22 + 30; }
    int SpalteLinks(int monat) const { return 50 + (monat - 1) * (spalte + 15); }
};

// "Namenstagsübersicht " + year.
std::string UebersichtTitel(int jahr);

// Draws the year: month names, day boxes (weekend days filled with wochenendfarbe, days the
// month does not have left empty), day numbers, weekdays and names.
void NamenstagsuebersichtZeichnen(Leinwand& l, const Namenstagskatalog& katalog, int jahr,
                                  const Uebersichtsmasse& m, uint32_t wochenendfarbe,
                                  const Schrift& grundschrift);

}  // namespace kalvora
