#pragma once
// The reminders of birthdays, round birthdays and name days: which people of the birthday
// list are due on a day, for each of the four ways a check is started, and the texts of the
// reminder window.
#include <string>
#include <vector>

#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"
#include "methoden/Methoden.h"

namespace kalvora {

// How the check was started: the three entries of "Ereignisse prüfen", or automatically
// (after a file was read, after midnight).
enum class Pruefanlass { Alles, Geburtstage, Namenstage, Automatisch };

struct Erinnerungsoptionen {
    bool geburtstag = true;         // "Geburtstag"
    bool runderGeburtstag = false;  // "runder Geburtstag"
    bool namenstag = false;         // "Namenstag"
    int vorlauf = 7;                // "Geburtstagszahl", days before a birthday (G)
    int runderVorlauf = 20;         // "runder Geburtstagszahl" (RG)
    int namenstagVorlauf = 2;       // "Namestagzahl" (NG)
};
Erinnerungsoptionen ErinnerungsoptionenAus(const Einstellungen& e);

enum class Erinnerungsart { Geburtstag, RunderGeburtstag, Namenstag };

struct Erinnerung {
    Erinnerungsart art = Erinnerungsart::Geburtstag;
    Datum termin{};       // the occurrence reminded of
    std::string person;   // "Vorname Name"
    int alter = 1;        // 1 for name days
    int tageBis = 0;      // from the day of the check to the occurrence
    bool operator==(const Erinnerung&) const = default;
};

// The date a day and month fall on in a year: 29 February is 1 March in common years.
Datum Vorkommen(int tag, int monat, int jahr);

// The reminders of a check on heute, in list order, an entry's birthday before its name day.
// Nobody is reminded of a birthday in the year of birth.
std::vector<Erinnerung> ErinnerungenPruefen(const std::vector<TGeburtstag>& liste,
                                            const Datum& heute, const Erinnerungsoptionen& o,
                                            Pruefanlass anlass);

// The reminder window: its caption and four labels; the last one red and larger for a round
// birthday.
struct Erinnerungstexte {
    std::string titel, zeile1, zeile2, zeile3, zeile4;
    bool hervorgehoben = false;
    bool operator==(const Erinnerungstexte&) const = default;
};
Erinnerungstexte ErinnerungsfensterTexte(const Erinnerung& e);

}  // namespace kalvora
