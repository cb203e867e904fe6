#pragma once
// Holidays and special days of a year, and the 32 settings entries that decide which of
// them the year view paints and in which colour.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "methoden/Methoden.h"

namespace kalvora {

constexpr int AnzahlFeiertagsEintraege = 32;

// One settings entry: paint its days in the year view, and in which colour (0x00BBGGRR).
struct FeiertagsEintrag {
    bool malen = false;
    uint32_t farbe = 0;
    bool operator==(const FeiertagsEintrag&) const = default;
};
// Index 1..32 is entry n; index 0 is unused.
using TFeiertagsEinstellungen = std::array<FeiertagsEintrag, AnzahlFeiertagsEintraege + 1>;

// The built-in defaults of the 32 entries.
TFeiertagsEinstellungen FeiertagsStandard();

// Caption of entry 1..32 in the options dialog ("Ostern", "Tag der dt. Einheit", …);
// empty for other numbers.
std::string FeiertagsBeschriftung(int eintrag);

// The 38 kinds of special days.
enum class Feiertagsart : uint8_t {
    Neujahr,
    HeiligeDreiKoenige,
    Valentinstag,
    Weiberfastnacht,
    Rosenmontag,
    Aschermittwoch,
    Fruehlingsanfang,
    Palmsonntag,
    Gruendonnerstag,
    Karfreitag,
    Ostersonntag,
    Ostermontag,
    BeginnSommerzeit,
    Maifeiertag,
    Muttertag,
    ChristiHimmelfahrt,
    Pfingstsonntag,
    Pfingstmontag,
    Fronleichnam,
    Sommeranfang,
    MariaeHimmelfahrt,
    Herbstanfang,
    TagDerDeutschenEinheit,
    Reformationstag,
    BeginnWinterzeit,
    Allerheiligen,
    Allerseelen,
    BussUndBettag,
    Totensonntag,
    Advent1,
    Advent2,
    Advent3,
    Advent4,
    Winteranfang,
    HeiligAbend,
    Weihnachtstag1,
    Weihnachtstag2,
    Sylvester,
};
constexpr int AnzahlFeiertagsarten = 38;

struct FeiertagsartDaten {
    Feiertagsart art;
    const char* name;  // the table text of the day
    int eintrag;       // settings entry 1..32
    bool verbindet;    // joins an existing text with "+" instead of replacing it
};

// Data of one kind.
const FeiertagsartDaten& FeiertagsartInfo(Feiertagsart art);
// The day of a kind in a year (Gregorian, any year from 1 on).
TagMonat FeiertagsDatum(Feiertagsart art, int jahr);

// Order in which the table is filled; a later kind replaces or joins an earlier one.
extern const std::array<Feiertagsart, AnzahlFeiertagsarten> FeiertagsBerechnungsfolge;
// Order in which the year view paints the kinds; a later one covers an earlier one.
extern const std::array<Feiertagsart, AnzahlFeiertagsarten> FeiertagsMalfolge;
// Order of the tooltip regions, which is also the order in which FeiertagsFarbe tries kinds.
extern const std::array<Feiertagsart, AnzahlFeiertagsarten> FeiertagsTooltipfolge;

// A cell of the year view to fill with a special-day colour.
struct FeiertagsFlaeche {
    Feiertagsart art;
    int tag, monat;
    uint32_t farbe;
};
// A tooltip region on a special day; it shows the day's table text.
struct FeiertagsTooltip {
    Feiertagsart art;
    int tag, monat;
    std::string text;
};

// The special-day texts of one year: 31 × 12 texts, empty for ordinary days.
class TFeiertagstabelle {
public:
    // Clears the table and fills it for the year.
    void FeiertageBerechnen(int jahr);
    int Jahr() const { return jahr_; }

    // The day's text; empty for ordinary days and for days outside 1..31 / 1..12.
    const std::string& FeiertagsText(int tag, int monat) const;

    // Colour of the kind that set or joined the day's text last, if that kind's entry is
    // painted; nothing for ordinary days and unpainted kinds.
    std::optional<uint32_t> FeiertagsFarbe(int tag, int monat,
                                           const TFeiertagsEinstellungen& einstellungen) const;

    // Cells to fill, in painting order, only for painted entries.
    std::vector<FeiertagsFlaeche> Malflaechen(const TFeiertagsEinstellungen& einstellungen) const;
    // Colours painted onto one day, in painting order (the last one is what shows).
    std::vector<uint32_t> Malfarben(int tag, int monat,
                                    const TFeiertagsEinstellungen& einstellungen) const;
    // One region per kind, painted or not, in tooltip order.
    std::vector<FeiertagsTooltip> Tooltips() const;

private:
    int jahr_ = 0;
    std::array<std::array<std::string, 12>, 31> texte_{};
    std::array<TagMonat, AnzahlFeiertagsarten> tage_{};  // by Feiertagsart
};

}  // namespace kalvora
