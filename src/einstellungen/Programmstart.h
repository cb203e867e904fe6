#pragma once
// The command line of the program and what its start code does after the start file is read.
#include <optional>
#include <string>
#include <vector>

namespace kalvora {

// Argument 1: a calendar file (made absolute), argument 2: the start code.
struct Befehlszeile {
    std::string datei;
    std::string startcode;
};

// argumente without the program name; arbeitsordner expands a relative file name.
Befehlszeile BefehlszeileLesen(const std::vector<std::string>& argumente,
                               const std::string& arbeitsordner);

// The view numbers of "Startansicht" and "Autostartansicht".
enum class Startansicht {
    Jahresansicht = 0,
    Monatsansicht = 1,
    MonatMitWochen = 2,
    Wochenansicht = 3,
    Zweiwochenansicht = 4,
    DesktopStundenplan = 5,
    Stundenplan = 6,
    Tray = 7,
};
// Unknown numbers mean the year view.
Startansicht AnsichtAusNummer(int nummer);

// What the start code does once the start file is loaded.
struct Startaktion {
    std::optional<Startansicht> ansicht;  // a view to open (Jahresansicht: none)
    bool vollbild = false;                // "voll": the year view full screen
};
Startaktion StartcodeAktion(const std::string& code, int autostartansicht);

// At the first activation the "Startansicht" view opens unless the code chose a view itself.
bool StartansichtOeffnen(const std::string& code);

// The file opened at start: the command line's, else the setting "Startdatei".
std::string Startdatei(const Befehlszeile& zeile, const std::string& startdateiEinstellung);

}  // namespace kalvora
