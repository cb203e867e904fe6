#pragma once
// The cell tables and layouts of the four calendar views: the month view (32 cells in four
// columns), the month view by weeks (a column per calendar week), the week view (Monday to
// Sunday in two columns) and the two-week view (two columns of seven days), with their
// stepping at the ends of the calendar and their captions.
#include <array>
#include <string>

#include "methoden/Methoden.h"
#include "platform/Leinwand.h"

namespace kalvora {

// ---- month view ----------------------------------------------------------------------
constexpr int MonatsZellen = 32;  // day 1..31 and the title cell
// Cell i (1..32), column by column, eight rows; breite x hoehe is the client area, leiste
// the tool bar's height.
Rechteck MonatsZelle(int i, int breite, int hoehe, int leiste);
// The day the view steps to: back from January the 31st of December, else the 15th of the
// previous month; forward the 1st of the next month.
Datum MonatZurueck(int monat, int jahr);
Datum MonatVor(int monat, int jahr);
bool MonatZurueckMoeglich(int monat, int jahr);
bool MonatVorMoeglich(int monat, int jahr);
// "Monatsansicht : Januar 2026".
std::string MonatsansichtTitel(int monat, int jahr);
// The red frame (0..4 for the frames of days 1–7, 8–14, 15–21, 22–28, 29–31) a Sunday
// belongs to.
int SonntagsrahmenIndex(int tag);

// ---- month view by weeks ---------------------------------------------------------------
constexpr int MowoZellen = 37;
// The weekday of the 1st, Monday = 1 .. Sunday = 7.
int ErsterWochentag(int monat, int jahr);
// Cell i (1..37) stands for this day of the month; it may lie before the 1st or after the
// last day.
int MowoTag(int i, int monat, int jahr);
// 4, 5 or 6 week columns.
int MowoSpalten(int monat, int jahr);
// "KW n" of columns 1..6 (ISO weeks; their Thursdays may lie in another month or year).
std::array<int, 6> MowoKalenderwochen(int monat, int jahr);
struct Mowomasse {
    int breite = 0, hoehe = 0, leiste = 0;
    int labelBreite = 0;  // the width of the label "Mo"
    int kopfHoehe = 0;    // the height of a week label
};
Rechteck MowoZelle(int i, int spalten, const Mowomasse& m);
// The red rectangle behind the Sunday row.
Rechteck MowoSonntagsrahmen(int spalten, bool sonntagInSpalte5, const Mowomasse& m);

// ---- week and two-week views -----------------------------------------------------------
// The Monday of the week that holds d (may lie in 1900).
Datum MontagDerWoche(const Datum& d);
// n days from d on (n = 7 or 14); dates of 1900 and 2100 included.
std::array<Datum, 14> TageAb(const Datum& erster);
Datum TagDanach(const Datum& d);
Datum TagDavor(const Datum& d);
// The ISO week number fixed by a Thursday.
int WochennummerDesDonnerstags(const Datum& donnerstag);
// Cell i (1..8) of the week view.
Rechteck WochenZelle(int i, int breite, int hoehe, int leiste);
// Cell i (1..14) of the two-week view.
Rechteck ZweiwochenZelle(int i, const Mowomasse& m);
Rechteck ZweiwochenSonntagsrahmen(const Mowomasse& m);
// "dd.mm.yyyy".
std::string DatumMitPunkten(const Datum& d);

// A rectangle grown by n pixels on every side.
Rechteck Erweitert(const Rechteck& r, int n);

}  // namespace kalvora
