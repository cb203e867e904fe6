#pragma once
// The upper area of the day dialog: caption and date label, calendar week, the colour panel
// with its bands, the birthday memo and the day-colour menu with its commands.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"

namespace kalvora {

// Records a day's colours for undo before they change. The main window hands in its own
// FarbaenderungMerken; empty means no undo is kept.
using Farbaenderungsmerker = std::function<void(int tag, int monat, int jahr)>;

// What the day dialog's operations need beside their own state.
struct Tagesumgebung {
    TKalender& kal;
    const Einstellungen& einst;
    Farbaenderungsmerker FarbaenderungMerken;
    bool schreibgeschuetzt = false;
};

// The order of the 20 slots in every colour menu.
inline constexpr std::array<int, AnzahlFarben> MenueSlotfolge = {
    1, 2, 3, 13, 4, 5, 6, 14, 7, 8, 9, 15, 10, 11, 12, 16, 17, 18, 19, 20};

// Index of the first occurrence of farbe in the list, -1 when it is missing.
int FarbIndex(const TTagesfarben& farben, uint32_t farbe);
inline bool HatFarbe(const TTagesfarben& farben, uint32_t farbe) {
    return FarbIndex(farben, farbe) >= 0;
}

// "Termine für Montag, 05.01.2004".
std::string Tagestitel(int tag, int monat, int jahr);
// A blank and the caption without "Termine für ".
std::string Datumsbeschriftung(int tag, int monat, int jahr);
std::string KWText(int tag, int monat, int jahr);

struct Beschriftungsfarben {
    bool roteSchrift = false;    // Sunday; otherwise the window text colour
    uint32_t hintergrund = 0xFFFFFF;
};
Beschriftungsfarben DatumsbeschriftungFarben(int tag, int monat, int jahr,
                                              uint32_t wochenendfarbe);
inline constexpr uint32_t Rot = 0x0000FF;

struct Farbband {
    int oben = 0;
    int hoehe = 0;
    uint32_t farbe = 0;
    std::string text;  // two blanks and the colour's name, empty for an unnamed colour
};
// The bands of the colour panel of height hoehe; none for a day without colours.
std::vector<Farbband> Farbbaender(const TKalender& kal, const TTagesfarben& farben, int hoehe);
// Font size of the names for k colours.
int FarbschriftGroesse(int anzahl);
// Top of a band's text: the band's centre minus half the height of "Mg".
inline int FarbtextOben(const Farbband& b, int texthoehe) {
    return b.oben + b.hoehe / 2 - texthoehe / 2;
}

// Birthdays and name days of the day, one line each under "Geburtstag" and "Namenstag",
// joined by '\n'; empty when there are none.
std::string Geburtstagsmemo(const TKalender& kal, int tag, int monat, int jahr);

// The day-colour menu as it is when it opens.
struct Farbmenueeintrag {
    int slot = 0;
    std::string titel;
    uint32_t farbe = 0;
    bool sichtbar = false;
};
struct Farbuntermenue {
    std::vector<Farbmenueeintrag> eintraege;  // in MenueSlotfolge
    bool aktiv = false;
};
struct Tagesfarbmenue {
    bool alleLoeschenAktiv = false;
    Farbuntermenue neu, hinzufuegen, loeschen;
};
Tagesfarbmenue TagesfarbmenueBauen(const TKalender& kal, int tag, int monat, int jahr,
                                   bool schreibgeschuetzt);

enum class Farbbefehl { AlleLoeschen, Neu, Hinzufuegen, Loeschen };
// Runs one command of the menu on the day: undo record first, then the change, then the
// document is marked modified. slot is unused for AlleLoeschen.
void TagesfarbeAendern(Tagesumgebung& u, int tag, int monat, int jahr, Farbbefehl befehl,
                       int slot = 0);

}  // namespace kalvora
