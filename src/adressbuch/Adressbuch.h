#pragma once
// An address group: its entries of 17 fields, the group file ("Kalvora-Adressbuch Ver 1.0",
// one entry per line, fields joined by '#', Windows-1252 with CR LF), sorting by a column.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora {

constexpr int AnzahlAdressfelder = 17;
// The fields of an entry, in file order; texts in UTF-8.
using TAdresse = std::array<std::string, AnzahlAdressfelder>;

namespace adressfeld {
enum : int {
    Anrede, Name, Vorname, Strasse, Postfach, PLZ, Ort, Land, TelefonPrivat,
    TelefonGeschaeftlich, Handy, Email, Homepage, Fax, Icq, Titel, Sonstiges
};
}  // namespace adressfeld

namespace adresstexte {
inline constexpr const char* Kopfzeile = "Kalvora-Adressbuch Ver 1.0";
inline constexpr const char* Gesamt = "Adressbuch (gesamt)";
inline constexpr const char* Endung = ".kvradr";
}  // namespace adresstexte

// The column headings of the grid, in field order.
const std::array<const char*, AnzahlAdressfelder>& AdressUeberschriften();
// The salutations the editor offers.
const std::array<const char*, 4>& Anreden();

struct Gruppeninhalt {
    std::vector<TAdresse> eintraege;
    bool fremd = false;  // the first line is not the header: read as an empty group
};

// The entries of a group file's bytes. An empty file is an empty group of our own.
Gruppeninhalt GruppendateiLesen(std::string_view bytes);
// The file's bytes; a character Windows-1252 cannot hold becomes '?', a line break or a '#'
// before the last field (which the editor never lets in) becomes a blank, so every line
// reads back as the same entry.
std::string GruppendateiText(const std::vector<TAdresse>& eintraege);

// Writes a whole file or throws KalvoraFehler (the old file then stays as it was).
using Dateischreiber = std::function<void(const std::string& pfad, std::string_view inhalt)>;

class TAdressbuch {
public:
    std::vector<TAdresse> Eintraege;
    std::string Pfad;
    bool geaendert = false;
    bool fremd = false;     // a file read was not a group file
    std::string lesefehler;  // why a file that is there could not be read (else empty)

    // Empties the group and reads the file; a file that cannot be read or is foreign leaves
    // it empty. The path becomes the group's path either way.
    void Lesen(const std::string& pfad);
    // Appends the entries of the file (the whole book is read this way).
    void Anhaengen(const std::string& pfad);
    // A file that was not read as a group of ours (foreign, or there but unreadable) holds
    // entries we never saw: it is only read, never written over.
    bool NurLesbar() const { return fremd || !lesefehler.empty(); }
    // Why NurLesbar() is set, as the user reads it.
    std::string NurLesbarGrund() const;
    // Writes the group (without a path nothing happens) and clears the modified flag.
    // Throws KalvoraFehler; the flag then stays set. A group that is NurLesbar() is refused.
    void Speichern(const Dateischreiber& schreiben);
    void SpeichernWennGeaendert(const Dateischreiber& schreiben) {
        if (geaendert) Speichern(schreiben);
    }
    // Ascending by column spalte (0..16), then the others; byte order of Windows-1252.
    void Sortieren(int spalte);
};

// The sort key of an entry for a column: that field first, then fields 1..16 without it,
// then field 0 (column 0: fields 0..16), empty fields as a blank, joined by '#'.
std::string Sortierschluessel(const TAdresse& a, int spalte);

}  // namespace kalvora
