#pragma once
// The year view printed on one page per copy: twelve month rows aligned by weekday, weekend
// columns shaded, special days framed, the day colours as striped boxes, a heading and the
// colour legend with the day counts of the year.
#include <string>

#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"
#include "platform/Drucker.h"

namespace kalvora {

namespace jahrdrucktexte {
// The heading the print dialog offers: "Kalvora  -  <jahr>".
std::string StandardUeberschrift(int jahr);
// The text the column widths and the row of the month names are measured with.
inline constexpr const char* Messtext = "September";
}  // namespace jahrdrucktexte

// Page metrics in printer dots.
struct Jahresdruckmasse {
    int seitenBreite = 0;  // PW
    int seitenHoehe = 0;   // PH
    int Xm = 0;            // left and right margin
    int Ym = 0;            // top and bottom margin
    int TH = 0;            // text height of the base font
    int MW = 0;            // month-name column
    int PCW = 0;           // column width
    int PRH = 0;           // row height
    int G0 = 0;            // left edge of column 0

    // Top of month m (1..13; 13 is the bottom of December).
    int MonatOben(int monat) const { return monat * PRH + Ym - PRH / 2 + TH; }
};

// dpi and page size of the printer; texthoehe and textbreite of the measuring text in the
// base font.
Jahresdruckmasse JahresdruckmasseBerechnen(int dpiX, int dpiY, int seitenBreite,
                                           int seitenHoehe, int texthoehe, int textbreite);

// The cell of a day on paper: one row per month.
Rechteck DruckZelle(const Jahresdruckmasse& m, int tag, int monat, int jahr);

// Prints the year in as many copies as the printer was asked for and ends the document on
// every way out. querformat: the main window's landscape flag. Returns the pages printed.
int JahrDrucken(const TKalender& kal, const Einstellungen& einst, int jahr,
                const std::string& ueberschrift, bool querformat, Drucker& drucker,
                Druckstatus& status);

}  // namespace kalvora
