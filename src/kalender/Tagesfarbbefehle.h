#pragma once
// The commands that change a day's colours, as every colour menu and direct painting run
// them, the order of the 20 slots in every colour menu, and the one model of the three
// submenus "neue Farbe", "eine Farbe hinzufügen" and "eine Farbe löschen".
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kalender/TKalender.h"

namespace kalvora {

// The order of the 20 slots in every colour menu.
inline constexpr std::array<int, AnzahlFarben> MenueSlotfolge = {
    1, 2, 3, 13, 4, 5, 6, 14, 7, 8, 9, 15, 10, 11, 12, 16, 17, 18, 19, 20};

// Whether a slot name stands for a free slot.
inline bool FreierName(const std::string& name) { return name == FreiName; }

// Index of the first occurrence of farbe in the day's list, nothing when it is missing.
std::optional<int> FarbeEnthalten(const TTagesfarben& farben, uint32_t farbe);
inline bool HatFarbe(const TTagesfarben& farben, uint32_t farbe) {
    return FarbeEnthalten(farben, farbe).has_value();
}
// Removes the first occurrence; false (list unchanged) when the colour is not in it.
bool FarbeEntfernen(TTagesfarben& farben, uint32_t farbe);

enum class Farbbefehl {
    AlleLoeschen,  // every colour removed
    Neu,           // the list becomes the one colour
    Hinzufuegen,   // the colour appended at the end, when the day lacks it
    Loeschen,      // its first occurrence removed, the others keep their order
};
void FarbbefehlAnwenden(TTagesfarben& farben, Farbbefehl befehl, uint32_t farbe);

// Records a day's colours for undo before they change; empty means no undo is kept.
using Farbaenderungsmerker = std::function<void(int tag, int monat, int jahr)>;

// One command on a day of the document with the colour of slot 1..20: the undo record
// first, then the change, then the document is marked modified. slot is unused for
// AlleLoeschen. False, with nothing done, for a slot or a day outside the document.
bool TagesfarbeAendern(TKalender& kal, const Farbaenderungsmerker& merken, int tag, int monat,
                       int jahr, Farbbefehl befehl, int slot = 0);

struct Farbmenueeintrag {
    int slot = 0;
    std::string titel;  // the slot's name
    uint32_t farbe = 0;
    bool sichtbar = false;
};
struct Farbuntermenue {
    std::vector<Farbmenueeintrag> eintraege;  // in MenueSlotfolge
    bool aktiv = false;
};
// The three submenus for a day with these colours: an entry per slot, shown when the slot is
// not free (and, for adding, when the day lacks its colour; for removing, when it has it).
// A submenu is enabled when it shows an entry and the document is not read-only.
struct Farbuntermenues {
    Farbuntermenue neu, hinzufuegen, loeschen;
};
Farbuntermenues FarbuntermenuesBauen(const TKalender& kal, const TTagesfarben& farben,
                                     bool schreibgeschuetzt);
// The command each of the three submenus runs.
inline constexpr std::array<Farbbefehl, 3> UntermenueBefehle = {
    Farbbefehl::Neu, Farbbefehl::Hinzufuegen, Farbbefehl::Loeschen};

}  // namespace kalvora
