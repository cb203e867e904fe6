#pragma once
// Autostart entries "Kalvora001", "Kalvora002", … as freedesktop autostart files in one
// folder (XDG_CONFIG_HOME/autostart). Each starts the program with a calendar file and the
// start code "mini"; the numbers run without gaps from 001.
#include <string>
#include <vector>

#include "platform/Dateischreiber.h"

namespace kalvora {

class Autostart {
public:
    // schreiben writes each entry file (the program's atomic writer).
    Autostart(std::string ordner, std::string programm, Dateischreiber schreiben);

    // "Kalvora" and the number with at least three digits.
    static std::string Eintragsname(int nummer);
    // "\"<programm>\" \"<datei>\" \"mini\"" (quoted by the desktop-entry rules).
    std::string Befehlszeile(const std::string& datei) const;

    // The calendar files of Kalvora001, Kalvora002, … up to the first missing number.
    std::vector<std::string> Dateien() const;
    // "aktuelle Datei eintragen" is possible: a file is open and not listed yet.
    bool EintragenMoeglich(const std::string& aktuelleDatei) const;
    // "aktuelle Datei eintragen": the next free number gets the file.
    void Eintragen(const std::string& datei);
    // "markierte löschen": every entry goes, the unmarked ones are written again from 001.
    void MarkierteLoeschen(const std::vector<bool>& markiert);

private:
    std::string Pfad(int nummer) const;
    void Schreiben(int nummer, const std::string& datei) const;

    std::string ordner_;
    std::string programm_;
    Dateischreiber schreiben_;
};

}  // namespace kalvora
