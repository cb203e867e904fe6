#pragma once
// The name-day catalogue "Namenstage.txt": for every day of the year, 29 February included,
// the first names whose name day it is. Read on demand by the name-day overview, the name
// search and the printed name-day list; not part of the calendar document.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora {

inline constexpr char kKatalogdatei[] = "Namenstage.txt";
// The warning of a catalogue that exists but could not be read to its end.
inline constexpr char kFehlerhafteDatei[] = "fehlerhafte Datei!";
// Far above the real catalogue (a few kB); a larger file is refused as faulty.
inline constexpr std::size_t kGroessterKatalog = std::size_t{4} << 20;

class Namenstagskatalog {
public:
    // Days of the month in the catalogue: February always has 29. 0 outside 1..12.
    static int Tage(int monat);
    // True when the catalogue has a slot for the day (29.2. always does).
    static bool TagGibtEs(int tag, int monat);

    // The names of a day in file order; an empty list for a day the catalogue has no slot for.
    const std::vector<std::string>& Namen(int tag, int monat) const;
    std::vector<std::string>& Namen(int tag, int monat);

    std::size_t Namensanzahl() const;
    bool Leer() const { return Namensanzahl() == 0; }
    void Leeren();

private:
    std::array<std::vector<std::vector<std::string>>, 12> monate_ = Slots();
    static std::array<std::vector<std::vector<std::string>>, 12> Slots();
};

// The catalogue from the file bytes (Windows-1252, CR LF or LF): two heading lines, then per
// month an optional heading "[…]" and one line per day, names separated by a comma and one
// further character. A "[" on a later day ends its month early.
Namenstagskatalog NamenstageAusText(std::string_view bytes);

struct Katalogladung {
    Namenstagskatalog katalog;
    std::string pfad;         // the file read; empty when no folder has one
    bool fehlerhaft = false;  // the caller warns with kFehlerhafteDatei
    std::string ursache;      // German detail of the fault, for the command line
};

// Reads "Namenstage.txt" from the first folder that holds one. No file anywhere gives an
// empty catalogue and no fault; a file that cannot be read is faulty, and the catalogue
// keeps what was read.
Katalogladung NamenstageLaden(const std::vector<std::string>& ordner);

// Where the program looks: beside the program file, then the installed data folders.
std::vector<std::string> Katalogordner(const std::string& programmordner);

}  // namespace kalvora
