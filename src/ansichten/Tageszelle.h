#pragma once
// What a day cell of the month, month-by-weeks, week and two-week views shows: the header,
// the birthday line, the info text and the appointments, each line with its colour, on the
// day's background, bold or regular.
#include <cstdint>
#include <string>
#include <vector>

#include "kalender/TKalender.h"
#include "methoden/Methoden.h"

namespace kalvora {

struct Einstellungen;

constexpr uint32_t ZellenWeiss = 0xFFFFFF;

struct Zellenzeile {
    enum class Art { Normal, Schriftfarbe, Hintergrund };
    std::string text;
    Art art = Art::Normal;
    uint32_t farbe = 0;  // 0x00BBGGRR: the text colour or the line's background
    bool operator==(const Zellenzeile&) const = default;
};

struct Tageszelleninhalt {
    uint32_t hintergrund = ZellenWeiss;
    bool fett = false;
    bool frei = true;  // a usable day (false: past the month's end, or outside 1901..2099)
    std::vector<Zellenzeile> zeilen;
    bool operator==(const Tageszelleninhalt&) const = default;
};

// The settings the cells follow.
struct Zellenoptionen {
    bool wochentag = true;        // "Wochentag"
    bool datum = true;            // "Datum des Tages"
    bool farbname = true;         // "Farbname"
    bool farbnamen = false;       // "Farbnamen"
    bool hintergrundfarbe = true;
    bool uhrzeit = true;          // "keine Uhrzeit anzeigen" (true shows the times)
    bool terminende = true;
    bool terminlaenge = false;
    bool ortsangabe = false;
    bool ortZweiteZeile = false;  // "Beschreibung und Ort in zwei Zeilen"
    bool leerzeileOhneInfo = true;
    bool leerzeilenZwischenTerminen = false;
    bool schriftfarbenuebernahme = true;
    bool schriftfarbeAendern = true;
    bool fett = true;
    bool fettBeiTagesinfo = false;
    bool geburtstagstext = false;
    bool namenstagstext = false;
    std::string schriftname = "MS Sans Serif";
    int schriftgroesse = 8;
    bool scrollleisten = false;
};
Zellenoptionen ZellenoptionenAus(const Einstellungen& e);

// The header line of a cell. mitWochentag: the month and week views start it with the
// weekday name (when "Wochentag" is set); the other two views show only the date.
std::string Zellenkopf(const TKalender& kal, const Zellenoptionen& o, const Datum& d,
                       bool mitWochentag);
// The weekday part of the header: "Montag, ", "Montag " or empty.
std::string Kopfvorsatz(const Zellenoptionen& o, const Datum& d);

// A whole cell: the header as its first line, then the day's content.
Tageszelleninhalt TageszelleFuellen(const TKalender& kal, const Zellenoptionen& o,
                                    const Datum& d, bool mitWochentag);
// Only the content after the header (appended to z).
void TagesinhaltSchreiben(const TKalender& kal, const Zellenoptionen& o, const Datum& d,
                          Tageszelleninhalt& z);

// The colour of the normal lines: black, or white on a dark day colour, where black text
// could not be read.
uint32_t NormaleSchriftfarbe(uint32_t hintergrund);

// The cell as kalvora-cli prints it: "Hintergrund: RRGGBB  Fett: ja|nein", then each line,
// a coloured one followed by a TAB and "Schrift RRGGBB" or "Hintergrund RRGGBB".
std::string ZelleAlsText(const Tageszelleninhalt& z);
// 0x00BBGGRR as "RRGGBB".
std::string RgbText(uint32_t bbggrr);

}  // namespace kalvora
