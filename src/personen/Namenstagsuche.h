#pragma once
// The search for name days: which names of the catalogue contain a text.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "personen/Namenstagskatalog.h"

namespace kalvora {

inline constexpr char kNichtsGefunden[] = "Suche beendet, aber leider keinen gefunden!";

struct Namenstreffer {
    int tag;
    int monat;
    std::string name;  // one single name of the day
};

// Every name that contains the text, compared with a-z in capitals (umlauts and other
// letters only in the same case), in catalogue order: one result per name, so a day with
// several matching names gives several. An empty text matches nothing.
std::vector<Namenstreffer> NamenstageSuchen(const Namenstagskatalog& katalog,
                                            std::string_view text);

// "dd.mm." as the result list shows the date.
std::string Trefferdatum(int tag, int monat);

// The status line after a search of anzahl results.
std::string Suchstatus(std::size_t anzahl);

// The search window's height for its grid rows (header, results and the empty row): at
// least 269, at most 80 % of the screen plus 19.
int Suchfensterhoehe(int zeilen, int zeilenhoehe, int bildschirmhoehe);

}  // namespace kalvora
