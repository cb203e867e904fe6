#pragma once
// The printout of the address list: the grid as it stands (header row, data rows, screen
// widths) in bands of columns across pages, each page with the bold title row on top and
// the maker's notice at the foot.
#include <array>
#include <cstddef>
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

// The most entries printed at once: some thousand pages, far more than any printed address
// list; a longer list would keep the printer busy for minutes.
inline constexpr std::size_t kHoechsteDruckeintraege = 10000;
// Empty when a list of that many entries is printed; otherwise the message that refuses it.
std::string AdresslisteNichtDruckbar(std::size_t eintraege);

// The whole job: the orientation of the options, the document titled with the group's name,
// the list. Returns the number of pages. A list longer than kHoechsteDruckeintraege throws
// KalvoraFehler with that message before anything is printed.
int AdresslisteDruckauftrag(Drucker& drucker, const Adressliste& liste,
                            const Adressoptionen& o, const std::string& titel);

// Prints onto a begun job. A column wider than the page on its own is printed alone in a band
// of its own, cut at the margin, so the printout always ends. Returns the number of pages.
int AdresslisteDrucken(Drucker& drucker, const Adressliste& liste, const Adressoptionen& o);

}  // namespace kalvora
