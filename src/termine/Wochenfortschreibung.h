#pragma once
// The week-based continuation: one appointment entered on many days at once, following a
// two-week pattern of weekdays (a shift plan), with the pattern shifted by whole days. The
// dialog TForm34 shows this state and hands its input back here.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"
#include "methoden/Methoden.h"
#include "platform/Dialoge.h"

namespace kalvora {

namespace wochentexte {
inline constexpr const char* Titel = "Wochenbasierte Fortschreibung";
inline constexpr const char* Woche1 = "1.Woche";
inline constexpr const char* Woche2 = "2.Woche";
inline constexpr const char* Tage[7] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
inline constexpr const char* Schema = "Schema";
inline constexpr const char* SamstageFest = "Samstage feststehend";
inline constexpr const char* SonntageFest = "Sonntage feststehend";
inline constexpr const char* FreieTageVerschieben = "freie Tage verschieben";
inline constexpr const char* JedeWocheEinzeln = "jede Woche einzeln";
inline constexpr const char* WochenZusammen = "Wochen zusammen";
inline constexpr const char* FreieTageUm = "Freie Tage um";
inline constexpr const char* TageAlle2Wochen = "Tage alle 2 Wochen verschieben";
inline constexpr const char* KategorieKopieren = "<< Kategorie";
inline constexpr const char* FarbeKopieren = "<< Farbe";
inline constexpr const char* Zeitraum = "Zeitraum";
inline constexpr const char* Startdatum = "Startdatum";
inline constexpr const char* Enddatum = "Enddatum";
inline constexpr const char* NurBei = "Fortschreibung nur bei:";
inline constexpr const char* Eintragen = "Termine eintragen";
inline constexpr const char* Ende = "Ende";
inline constexpr const char* KeineBeschreibung = "Bitte eine Terminbeschreibung eingeben.";
inline constexpr const char* KeineTage =
    "Bitte die Tage markieren, an denen Termine eingetragen werden sollen.";
inline constexpr const char* Eingetragen = "Termine wurden erfolgreich eingetragen.";
}  // namespace wochentexte

// Fourteen days, Monday of week 1 (day 0) to Sunday of week 2 (day 13); day i is bit 13 - i.
constexpr int Mustertage = 14;
constexpr int Musterbit(int tag) { return 1 << (Mustertage - 1 - tag); }
constexpr int VollesMuster = (1 << Mustertage) - 1;

struct Wochenschema {
    const char* name;
    int muster;
};
// The drop-down "Schema"; every entry but the first also fixes Saturdays and Sundays, sets
// the automatic shift to 2 and shifts each week on its own.
inline constexpr std::array<Wochenschema, 4> Wochenschemata = {{
    {"---", 0},
    {"40 h - Woche", 8028},
    {"35 h - Woche", 3948},
    {"30 h - Woche", 3916},
}};

struct Verschieberegel {
    bool samstageFest = false;
    bool sonntageFest = false;
    bool wochenZusammen = false;  // else each week is rotated within itself
};

// The pattern shifted by one day: later moves every taking-part day's state to the next
// taking-part day (the last wraps round to the first), earlier the other way. Fixed
// Saturdays and Sundays keep their bits.
int MusterVerschieben(int muster, const Verschieberegel& regel, bool spaeter);

// Inserts an appointment after every appointment whose time sorts at or before its own; an
// empty list first gets its info entry.
void TerminEinsortieren(TTerminliste& liste, const TTermin& termin);

// What one run enters: the appointment on every day from start to ende (inclusive) whose
// pattern bit is set and that the colour filter accepts.
struct Wochenauftrag {
    int muster = 0;
    Verschieberegel regel;
    int verschiebung = 0;  // -6 .. 6 days, applied at every new two-week cycle
    Datum start{1, 1, 2000};
    Datum ende{31, 12, 2000};
    bool filterAn = false;
    uint32_t filterFarbe = KeineFarbe;  // KeineFarbe: days without any colour
    TTermin termin;
};

// Runs the entry; reports 0..100 and calls geaendert for each day that received the
// appointment. Returns the number of appointments entered.
int WochenFortschreiben(TKalender& kal, const Wochenauftrag& auftrag,
                        const std::function<void(int)>& fortschritt = {},
                        const std::function<void(const Datum&)>& geaendert = {});

// The dialog's fields and rules.
class TWochenfortschreibung {
public:
    // The defaults of a new opening: times and alarm from the settings, the year shown in
    // the main window as the range, the lists of the document, the filter switch from the
    // setting "Farbfortschreibung".
    TWochenfortschreibung(const TKalender& kal, const Einstellungen& einst, int jahr);

    // Day 0..13 ticked or not.
    bool Tag(int tag) const { return (muster & Musterbit(tag)) != 0; }
    void TagSetzen(int tag, bool an);
    void SchemaWaehlen(int index);
    // The arrow pair.
    void Verschieben(bool spaeter) { muster = MusterVerschieben(muster, regel, spaeter); }

    // The colour field and the filter: slot 1..20, 0 for "keine Farbe" / "keiner Farbe".
    void FarbeWaehlen(const TKalender& kal, int slot);
    void FilterWaehlen(const TKalender& kal, int slot);
    // The slots the two colour menus list, in menu order (free slots left out).
    static std::vector<int> Farbmenue(const TKalender& kal);

    // "<< Kategorie" and "<< Farbe".
    void KategorieKopieren();
    void FarbeKopieren();

    // "Termine eintragen": the typed link is added to the list, the warnings, the run, the
    // message. Returns the number of appointments entered.
    int Eintragen(TKalender& kal, Dialoge& dialoge,
                  const std::function<void(int)>& fortschritt = {},
                  const std::function<void(const Datum&)>& geaendert = {});

    // The appointment as it would be entered now.
    TTermin Termin() const;

    int muster = 0;
    int schema = 0;
    Verschieberegel regel;
    int verschiebung = 0;
    int startStunde = 0, startMinute = 0;
    int dauerStunden = 0, dauerMinuten = 0;
    bool alarm = false;
    std::string beschreibung;
    std::string ort;
    uint32_t farbe = KeineFarbe;
    std::string farbName;  // empty: the field is white
    std::vector<std::string> kategorien;  // box entries, "keine Kategorie" first
    int kategorieIndex = 0;
    std::vector<std::string> links;       // box entries, "kein Link" first
    std::string linkText;                 // the box's text (it may be typed into)
    Datum start{1, 1, 2000};
    Datum ende{31, 12, 2000};
    bool filterAn = false;
    uint32_t filterFarbe = KeineFarbe;
    std::string filterText;
};

}  // namespace kalvora
