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
#include "kalender/Tagesfarbbefehle.h"

namespace kalvora {

// What the day dialog's operations need beside their own state.
struct Tagesumgebung {
    TKalender& kal;
    const Einstellungen& einst;
    Farbaenderungsmerker FarbaenderungMerken;
    bool schreibgeschuetzt = false;
};

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

// The day-colour menu as it is when it opens: "Alle Farben löschen" and the three submenus.
struct Tagesfarbmenue : Farbuntermenues {
    bool alleLoeschenAktiv = false;
};
Tagesfarbmenue TagesfarbmenueBauen(const TKalender& kal, int tag, int monat, int jahr,
                                   bool schreibgeschuetzt);

}  // namespace kalvora
