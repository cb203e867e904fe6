#pragma once
// The settings the year view reads while painting and hovering, with their defaults. The
// main window fills this from the settings record when the settings are (re)loaded.
#include <cstdint>

#include "methoden/Feiertage.h"
#include "personen/Geburtstagsabfragen.h"

namespace kalvora {

// "Darstellung": how a day with appointments is marked.
enum class Terminmarke { Kreis = 0, Dreieck = 1, Kreuz = 2, Eselsohr = 3, Ecke = 4, Keine = 5 };

struct JahresansichtOptionen {
    // Painting.
    Terminmarke darstellung = Terminmarke::Dreieck;
    uint32_t farbeKommenderTermine = 0x000000;
    uint32_t farbeVergangenerTermine = 0x959595;
    bool termineAuchBeiTagesinfo = true;
    bool monatstageAnzeigen = true;
    int schriftgroesseMonatstage = 5;
    bool kalenderwoche = false;
    int anzeigeKalenderwoche = 0;  // 0 Monday … 6 Sunday
    bool geburtstageAnzeigen = false;
    bool namenstageAnzeigen = false;
    int roteLinie = 1;
    uint32_t wochenendFarbe = 0xE0E0E0;
    TFeiertagsEinstellungen feiertage = FeiertagsStandard();

    // Hover texts.
    bool wochentag = true;
    bool datumDesTages = true;
    bool nameVonFeiertagen = true;
    bool farbname = true;
    bool farbnamen = false;
    bool keineUhrzeitAnzeigen = true;  // true: start times are shown
    bool terminendeAnzeigen = true;
    bool terminlaengeAnzeigen = false;
    bool leerzeileWennKeineTagesinfo = true;
    bool leerzeilenZwischenTerminen = false;
    bool beschreibungUndOrtZweiZeilen = false;
    bool ortsangabe = false;
    Ereignistexte ereignisse;

    // Sunrise and sunset.
    bool sonneAnzeigen = false;
    bool sommerzeit = true;
    double abweichung = 1.0;
    double breite = 51.9667;
    double laenge = 7.6333;

    // Views opened from the context menu and full-screen mode.
    int monatsansicht = 1;
    int wochenansicht = 0;
    bool vollbildOhneLegende = true;
    bool vollbildOhneMenue = true;
    bool vollbildOhneToolbar = true;
};

}  // namespace kalvora

namespace kalvora {

struct Einstellungen;
// The year view's share of the settings record; a stored mark style outside 0..5 falls back
// to the default style.
JahresansichtOptionen JahresansichtOptionenAus(const Einstellungen& e);

}  // namespace kalvora
