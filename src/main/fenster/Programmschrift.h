#pragma once
// The program's user-interface font.
//
// Every box of the windows is laid out in pixels for the program's dialog font of 8 points
// at 96 dpi. On Linux the font that fills those boxes the same way is Liberation
// Sans (metric-compatible with Arial, installed by scripts/deps.sh) at 11 pixels; DejaVu Sans,
// the usual default, is about a fifth wider and cuts the texts.
#include <QFont>
#include <QString>

namespace kalvora {

// The family and pixel size of the program's user-interface font.
inline constexpr const char* Programmschriftart = "Liberation Sans";
inline constexpr int ProgrammschriftPixel = 11;

QFont Programmschrift();
// Makes Programmschrift() the font of every widget; called once, right after the
// application object is made.
void ProgrammschriftSetzen();

}  // namespace kalvora
