#pragma once
// The printout of the address list: the grid as it stands (header row, data rows, screen
// widths) in bands of columns across pages, each page with the bold title row on top and
// the maker's notice at the foot.
#include <array>
#include <string>
#include <vector>

#include "adressbuch/Adressbuch.h"
#include "einstellungen/Adressbuchablage.h"
#include "platform/Drucker.h"

namespace kalvora {

struct Adressliste {
    std::vector<TAdresse> zeilen;      // row 0: the headings, then the entries
    std::array<int, 17> breiten{};     // screen widths of the columns in pixels
    std::array<bool, 17> sichtbar{};   // shown columns
    int bildschirmDpi = 96;
};

// The grid of the open list: headings and entries, widths and shown columns of the options.
Adressliste AdresslisteAus(const std::vector<TAdresse>& eintraege, const Adressoptionen& o,
                           int bildschirmDpi);

// The whole job: the orientation of the options, the document titled with the group's name,
// the list. Returns the number of pages.
int AdresslisteDruckauftrag(Drucker& drucker, const Adressliste& liste,
                            const Adressoptionen& o, const std::string& titel);

// Prints onto a begun job. A column wider than the page on its own is printed alone in a band
// of its own, cut at the margin, so the printout always ends. Returns the number of pages.
int AdresslisteDrucken(Drucker& drucker, const Adressliste& liste, const Adressoptionen& o);

}  // namespace kalvora
