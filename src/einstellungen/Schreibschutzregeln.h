#pragma once
// The rules of the dialog "Schreibschutzoptionen": which number fields can be used, what a
// typed number must be, and what happens to the session's timers when the dialog closes.
#include <optional>
#include <string>

#include "kalender/Schreibschutzoptionen.h"

namespace kalvora {

namespace schreibschutztexte {
inline constexpr const char* Titel = "Schreibschutzoptionen";
inline constexpr const char* Intervall = "Aktualisierungsintervall";
inline constexpr const char* Speicherintervall = "automatisches Speichern alle";
}  // namespace schreibschutztexte

constexpr int SchreibschutzMinutenMin = 1;
constexpr int SchreibschutzMinutenMax = 99;

// "Aktualisierungsintervall" only with "zeitintervall".
inline bool IntervallFreigegeben(int art) { return art != 0; }
// The minutes of the automatic save only while its box is checked.
inline bool SpeicherintervallFreigegeben(bool autosave) { return autosave; }

// A typed number of minutes: 1..99, or the German message naming the field.
struct Minuteneingabe {
    std::optional<int> wert;
    std::string fehler;
};
Minuteneingabe MinutenLesen(const std::string& text, const char* feld);

// What the dialog's controls hold; Uebernehmen fails with the first field's message.
struct Schreibschutzeingabe {
    int art = 0;
    std::string intervall = "1";
    bool autosave = false;
    std::string sIntervall = "1";
    bool alarmAus = false;
    bool alleSchreibgeschuetzt = false;
    bool keineSchutzmeldung = false;
};
Schreibschutzeingabe EingabeAus(const Schreibschutzoptionen& o);
// The options from the controls, or the message of the first field that is no valid number.
// A disabled field keeps the value it was filled with; it is checked all the same only when
// enabled.
struct Schreibschutzuebernahme {
    std::optional<Schreibschutzoptionen> optionen;
    std::string fehler;
};
Schreibschutzuebernahme OptionenAus(const Schreibschutzeingabe& e,
                                    const Schreibschutzoptionen& bisher);

}  // namespace kalvora
