#pragma once
// The birthday list window without its widgets: sorting by the five criteria, the rows of the
// grid, the states of its buttons, its height, and the rules of the entry dialog.
#include <optional>
#include <string>
#include <vector>

#include "kalender/TKalender.h"
#include "methoden/Methoden.h"

namespace kalvora {

// The items of "Sortierkriterium", in their order.
enum class Sortierkriterium { Name, Vorname, Geburtsdatum, Geburtstag, Namenstag };

// The key an entry sorts by: fields joined by "#", dates as "dd.mm.yyyy" unless the criterion
// asks for "yyyy.mm.dd" or "mm.dd"; no date counts as 31.12.9999.
std::string Sortierschluessel(const TGeburtstag& g, Sortierkriterium k);
// Sorts the keys byte-wise (capitals before small letters, umlauts after "z") and rebuilds the
// list from them.
void GeburtstagslisteSortieren(std::vector<TGeburtstag>& liste, Sortierkriterium k,
                               bool aufsteigend);

// One row of the grid: family name, first name, birth date "dd.mm.yyyy", name day "dd.mm.";
// a missing date is an empty cell.
struct Listenzeile {
    std::string name, vorname, geburtsdatum, namenstag;
    bool operator==(const Listenzeile&) const = default;
};
// The data rows: one per entry, and one blank row for an empty list.
std::vector<Listenzeile> Listenzeilen(const std::vector<TGeburtstag>& liste);

struct Listenknoepfe {
    bool neu = true, aendern = false, loeschen = false, drucken = false;
    bool operator==(const Listenknoepfe&) const = default;
};
// After the grid was filled: change, delete and print need a first row with a family name
// and an editable document.
Listenknoepfe KnoepfeNachFuellen(const std::vector<TGeburtstag>& liste, bool schreibgeschuetzt);
// After a row was selected (0-based data row): change and delete need its family name.
Listenknoepfe KnoepfeNachAuswahl(const std::vector<TGeburtstag>& liste, int zeile,
                                 bool schreibgeschuetzt);

// The window's client height for n entries: 279, growing by a row per entry beyond eight,
// at most 80 % of the screen in whole rows. zeilenhoehe is the grid's row height + 1.
int Listenfensterhoehe(int eintraege, int zeilenhoehe, int bildschirmhoehe);

// What the entry dialog keeps of typed text: "#", digits, ":" and ";" are dropped.
std::string NamenseingabeFiltern(const std::string& text);
// The entry the dialog's "OK" stores; nothing when a name is empty (dropped without message).
std::optional<TGeburtstag> EintragAusDialog(const std::string& name, const std::string& vorname,
                                            bool mitGeburtstag, const Datum& geburtstag,
                                            bool mitNamenstag, const Datum& namenstag);

}  // namespace kalvora
