#pragma once
// The printed name-day year sheet: month columns with every day's number, weekday and names,
// on as many landscape pages as the column count asks for.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "personen/Namenstagskatalog.h"
#include "platform/Drucker.h"

namespace kalvora {

inline constexpr const char* kNamenstagslistenTitel = "Namenstagsjahresliste";

struct Namenstagsdruckoptionen {
    int spalten = 6;             // month columns per page, 1..6
    bool namenBegrenzen = false;
    int hoechstens = 1;          // names per day, 1..50, while namenBegrenzen
    bool ohneVon = false;        // "Namenszusätze mit "von..." weglassen"
    bool ohneKlammern = false;   // "Namen in Klammern (...) weglassen"
};

// "(dies entspricht N Seiten)" for the column count.
std::string Seitenhinweis(int spalten);
int Namenstagsseiten(int spalten);

// A name shortened as the options say: the first "(" … ")" removed (the blank before it
// stays), a name addition " von …" cut off with the blank before it.
std::string NameKuerzen(const std::string& name, const Namenstagsdruckoptionen& o);
// The names of a day as they fit a column of width spalte (breite measures printed text).
std::string Namenszeile(const std::vector<std::string>& namen, int spalte,
                        const Namenstagsdruckoptionen& o,
                        const std::function<int(const std::string&)>& breite);

// Prints the year's sheet; returns the number of pages.
int NamenstagslisteDrucken(const Namenstagskatalog& katalog, int jahr, uint32_t wochenendfarbe,
                           const Namenstagsdruckoptionen& o, Drucker& drucker,
                           Druckstatus& status);

}  // namespace kalvora
