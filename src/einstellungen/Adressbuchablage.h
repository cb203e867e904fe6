#pragma once
// The address book's settings under "Software\Kalvora\Adressbuch": shown columns and their
// widths, mail, print and folder options. The options dialog writes all of them but the
// widths, which the address window writes when it closes.
#include <array>
#include <string>

#include "einstellungen/Werttabelle.h"
#include "platform/Registry.h"

namespace kalvora {

constexpr const char* AdressbuchSchluessel = "Software\\Kalvora\\Adressbuch";
// The columns' widths in pixels before the user changes them: wide enough for the heading.
inline constexpr std::array<int32_t, 17> AdressStandardbreiten = {
    70, 110, 100, 130, 80, 60, 110, 80, 120, 150, 110, 170, 170, 100, 80, 70, 170};

struct Adressoptionen {
    std::array<bool, 17> spalte{true, true, true, true, true, true, true, true, true,
                                true, true, true, true, true, true, true, true};
    std::array<int32_t, 17> breite{};
    bool eineAdresse = true;
    bool querformat = true;
    bool gitter = true;
    bool breiteAnpassen = false;
    double links = 1.0, rechts = 1.0, oben = 1.0, unten = 2.0;  // cm
    std::string fontName = "MS Sans Serif";
    int32_t fontSize = 10;
    std::string verzeichnis;  // empty: the program's own address folder
    int32_t dateienFix = 0;   // 0 fix, 1 kopieren, 2 verschieben
    double factor = 1.5;
    bool gesamtliste = true;
    int32_t zeilenhoehe = 20;  // 10..99
    bool papierkorb = false;

    Adressoptionen() { breite = AdressStandardbreiten; }
};

// Every value, "AdrOpt1".."AdrOpt17" and "Breite1".."Breite17" included; the widths are
// the rows written only when the window closes.
const Werttabelle<Adressoptionen>& AdressbuchWerte();

// Starts from the defaults and takes what the key holds; a value of another type throws
// KalvoraFehler (the values read before it stay).
void AdressoptionenLaden(const Registry& registry, Adressoptionen& ziel);
// Everything but the widths (the options dialog), or only the widths (the window).
void AdressoptionenSpeichern(Registry& registry, const Adressoptionen& o);
void AdressbreitenSpeichern(Registry& registry, const Adressoptionen& o);

}  // namespace kalvora
