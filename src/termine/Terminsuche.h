#pragma once
// Searching a text in the info texts, descriptions and locations of a range of years, from
// the start and onwards from the last hit.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "kalender/TKalender.h"

namespace kalvora {

enum class Suchbereich { Alle = 0, Beschreibungen = 1, Orte = 2 };

struct Suchwerte {
    std::string text;
    Suchbereich bereich = Suchbereich::Alle;
    bool grossKlein = false;    // "Groß- und Kleinschreibung": case-sensitive
    bool ganzeWoerter = false;  // "nur ganze Wörter"
    int von = 2000;
    int bis = 2000;
    bool operator==(const Suchwerte&) const = default;
};

struct Suchtreffer {
    int jahr = 0, monat = 0, tag = 0;
    int eintrag = 0;      // 0 = the info text
    bool imOrt = false;
    int position = 0;     // characters from 0 in the stored text
    int laenge = 0;       // characters of the search text
};

// Matching one text. k is the 1-based byte position of the previous hit in this text (0 for a
// new text); the result is the 1-based byte position of the next hit, 0 for none. Only a-z
// are folded when grossKlein is off; the whole-word rule looks only at the first occurrence.
std::size_t TextSuchen(std::string_view text, std::string_view such, std::size_t k,
                       bool grossKlein, bool ganzeWoerter);

class Terminsuche {
public:
    // Showing the dialog: both years become the year of the main window.
    void Anzeigen(int jahrDerAnsicht);
    // "OK": corrects "bis", confirms the fields and searches from the start.
    std::optional<Suchtreffer> Ok(const TKalender& kal);
    // "Abbruch": the fields get the confirmed values back.
    void Abbrechen();
    // Continues after the last hit; nothing without a search text or a previous hit.
    std::optional<Suchtreffer> weitersuchen(const TKalender& kal);
    // "Suchtext "…" nicht gefunden!"
    std::string NichtGefundenText() const;

    Suchwerte felder;      // what the dialog's fields show
    Suchwerte bestaetigt;  // the values of the last search started with OK
    bool gefunden = false;
    bool weitersuchenAktiv = false;
    std::optional<Suchtreffer> letzter;

private:
    std::optional<Suchtreffer> Suchen(const TKalender& kal, int startSlot, int startEintrag,
                                      bool startImOrt, std::size_t startK);
    std::optional<Suchtreffer> Ergebnis(std::optional<Suchtreffer> t);

    std::size_t k_ = 0;  // byte position of the last hit in its text
};

}  // namespace kalvora
