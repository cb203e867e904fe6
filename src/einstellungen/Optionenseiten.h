#pragma once
// The options dialog as data: its twelve pages, every control with its caption, kind, range
// and the settings it edits, the values the controls hold, and the rules that couple them.
// The window builds its controls from this table and hands their values back; filling,
// checking and taking over happen here.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "einstellungen/Einstellungen.h"

namespace kalvora {

constexpr int AnzahlOptionsseiten = 12;

// Page numbers as callers name them.
namespace optionsseite {
enum : int {
    Jahresansicht = 1, Tagesfarben, MonatsUndWochenansicht, Sonne, Termine, Terminalarm,
    Fortschreibung, Termindarstellung, Start, Allgemein, Stundenplan, BesondereTage
};
}

// Captions of the pages 1..12 (index 0 is page 1).
const std::array<const char*, AnzahlOptionsseiten>& Optionsseitentitel();

enum class Optionsart {
    Haken,     // check box
    Paar,      // two check boxes, exactly one checked; the value is "the first is checked"
    Radio,     // two radio buttons; the value is "the first is chosen"
    Zahl,      // whole number in a range, typed freely and checked when taken over
    Auswahl,   // list of items; the value is the index
    Farbe,     // colour field (0x00BBGGRR)
    Dezimal,   // decimal number as text in the user's format
    Schrift,   // font button with sample: name and size
    Schieber,  // slider in a range
    Feiertag,  // check box with its own colour: paint flag and colour of a holiday record
    Datei,     // path field with buttons (alarm sound, start file)
};

struct Optionsfeld {
    int seite = 0;          // 1..12
    std::string gruppe;     // caption of its group box; empty: on the page itself
    std::string name;       // unique key of the control
    std::string text;       // caption; for a pair or the radio buttons the first one
    std::string text2;      // the second of a pair or radio, or the unit after a number
    Optionsart art = Optionsart::Haken;
    int32_t min = 0, max = 0;            // Zahl, Schieber
    std::vector<std::string> auswahl;    // Auswahl
    std::vector<std::string> einstellungen;  // names of the settings it edits
    int feiertag = 0;                    // Feiertag: record 1..32
    std::string innen;                   // page "Start": its inner page
};

// Every control of the dialog, page by page in the order the Part's tables list them.
const std::vector<Optionsfeld>& Optionsfelder();
// The index of a control by name; -1 when there is none.
int Optionsfeldindex(const std::string& name);

// What a control holds. Numbers and decimals are kept as the text typed.
struct Optionswert {
    bool haken = false;   // Haken, Paar, Radio, Feiertag
    int32_t zahl = 0;     // Auswahl, Schieber, Schrift (size)
    uint32_t farbe = 0;   // Farbe, Feiertag
    std::string text;     // Zahl, Dezimal, Schrift (name), Datei
    bool operator==(const Optionswert&) const = default;
};

class Optionsmodell {
public:
    // Fills every control from the settings; the decimal separator is the user's.
    void Fuellen(const Einstellungen& e, char dezimaltrenner);

    Optionswert& Wert(const std::string& name);
    const Optionswert& Wert(const std::string& name) const;
    const std::vector<Optionswert>& Werte() const { return werte_; }

    // Checks every number against its range and every decimal text; the first fault as a
    // German message naming the control, or nothing.
    std::optional<std::string> Pruefen(char dezimaltrenner) const;

    // "Übernehmen": the standard colours and the standard font first (the legend colours
    // are the document's), then every control into e in the order the dialog takes them.
    // On a fault nothing is taken and the message comes back. The three boxes that act
    // instead of holding a value ("aktuelle Farben als Standard definieren",
    // "Originalfarben wiederherstellen", "Standardschrift wiederherstellen") are cleared
    // when they have acted.
    std::optional<std::string> Uebernehmen(Einstellungen& e, const TFarbwerte& legendenfarben,
                                           char dezimaltrenner);

private:
    std::vector<Optionswert> werte_;
};

// A decimal number in the user's format ("7,6333" with a decimal comma; a point is taken as
// well when the separator is a comma and the text holds no comma); nothing when it is none.
std::optional<double> DezimalLesen(const std::string& text, char dezimaltrenner);
// The number as the dialog shows it: up to six places, no trailing zeros.
std::string DezimalText(double wert, char dezimaltrenner);

// The coupled controls.
namespace optionsregeln {
inline constexpr const char* StandardschriftName = "MS Sans Serif";
inline constexpr int StandardschriftGroesse = 8;
// "Standardschrift wiederherstellen" can be ticked while the view font differs from it.
bool StandardschriftMoeglich(const std::string& name, int groesse);
// "aktuelle Farben als Standard definieren": a legend colour differs from its standard.
bool AktuelleFarbenMoeglich(const TFarbwerte& legende, const TFarbwerte& standard);
// "Originalfarben wiederherstellen": a standard colour differs from the built-in ones, or
// the former box is possible.
bool OriginalfarbenMoeglich(const TFarbwerte& legende, const TFarbwerte& standard);
// A click on box (0 first, 1 second) of a pair: the new value "first checked".
bool PaarKlick(bool ersterVorher, int box, bool jetztGehakt);
// The timetable hours after a change of one of them (first below last, within 0..23/1..24).
std::pair<int, int> StundenKoppeln(int von, int bis, bool vonGeaendert);
// The captions of the two margin fields for a corner 0..3.
std::pair<const char*, const char*> Randbeschriftung(int ort);
// "kommende Termine" refuses white.
bool KommendeFarbeErlaubt(uint32_t farbe);
inline constexpr const char* KommendeFarbeWeiss =
    "Die Farbe \"weiß\" kann für kommende Termine\n\rnicht verwendet werden!";
// A holiday colour is silently refused when white, the weekend colour or its own colour.
bool FeiertagsfarbeErlaubt(uint32_t farbe, uint32_t wochenende, uint32_t bisher);
// The custom colours of every colour dialog of the options.
const std::array<uint32_t, 11>& Eigenfarben();
// The address with the coordinates of many places.
inline constexpr const char* KoordinatenSeite =
    "https://de.wikipedia.org/wiki/Liste_der_St%C3%A4dte_in_Deutschland";
// The file filters of the alarm sound's file dialog.
const std::vector<std::string>& Klangfilter();
inline constexpr const char* KeineSoundausgabe = "Keine Soundausgabe möglich!";
}  // namespace optionsregeln

}  // namespace kalvora
