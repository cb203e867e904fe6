#pragma once
// Geometry of the year view: twelve month bands of two rows, 37 weekday columns.
#include <optional>

#include "methoden/Methoden.h"
#include "platform/Leinwand.h"

namespace kalvora {

constexpr int JahresSpalten = 37;
constexpr int MindestBreite = 760;
constexpr int MindestHoehe = 540;

// What the layout needs to know about the main window, in pixels.
struct Fenstermasse {
    int aussenBreite = 1024;      // outer width of the main window
    int clientHoehe = 700;        // client height of the main window
    int ansichtOben = 0;          // top of the year view inside the client area
    int unteresPanelHoehe = 0;    // 0 when the bottom panel is hidden
    int unteresPanelBreite = 0;
    int statusleisteHoehe = 0;
    int statusleisteOben = 0;
};

struct JahresMetrik {
    int X0 = 100;  // left edge of column 0
    int Y0 = 23;   // top offset
    int G = 0;     // grid width
    int CW = 0;    // column width
    int RH = 0;    // row height
};

JahresMetrik MetrikBerechnen(const Fenstermasse& f);

// Column offset of the 1st of a month: Monday 0 … Sunday 6.
int MonatsVersatz(int monat, int jahr);

// The cell of a day: (L, T, R, B), right and bottom exclusive.
Rechteck TagesZelle(const JahresMetrik& m, int tag, int monat, int jahr);
// Centre line of a month band.
int BandMitte(const JahresMetrik& m, int monat);

// The day of the displayed year under (x, y), or nothing.
std::optional<TagMonat> TagAnPosition(const JahresMetrik& m, int jahr, int x, int y);

// Resizing never goes below the minimum outer size.
struct Groesse {
    int breite = 0;
    int hoehe = 0;
    bool operator==(const Groesse&) const = default;
};
Groesse FenstergroesseBegrenzen(Groesse g);

}  // namespace kalvora
