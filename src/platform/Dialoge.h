#pragma once
// Modal standard dialogs: message boxes, input box, file, folder, colour and font choosers.
// The logic asks every question through this interface so that tests can script the answers.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalvora {

// The kind of a message box; Keine is the plain box (ShowMessage) without icon.
enum class Meldungsart { Keine, Information, Warnung, Bestaetigung, Fehler };

// The button sets the program uses.
// JaNeinVorgabeNein: "Ja" and "Nein" with "Nein" as the default button, for a question whose
// "Ja" destroys something (a file).
enum class Knoepfe { Ok, OkAbbrechen, JaNein, JaNeinAbbrechen, WiederholenAbbrechen,
                     JaNeinVorgabeNein };

// The button the user pressed. Closing a box by Esc or its close box answers Abbrechen where
// the set has it, else Nein where it has it, else Ok.
enum class Antwort { Ok, Abbrechen, Ja, Nein, Wiederholen };

// Settings of an open or save dialog. filter has the form "Name (*.ext)|*.ext", several
// pairs joined by '|'; standardendung has no dot ("kvr").
struct Dateidialog {
    std::string titel;
    std::string filter;
    std::string standardendung;
    std::string vorschlag;  // proposed file name (without folder)
    std::string ordner;     // start folder; empty = the system's choice
    // Open: only existing paths and files may be chosen; save: ask before overwriting.
    bool pruefen = true;
    // Open only: offer the check box "read-only".
    bool schreibschutzAnbieten = false;
};

struct Dateiwahl {
    std::string pfad;               // full path
    bool schreibgeschuetzt = false;  // the read-only box was ticked
};

struct Schrift {
    std::string name;
    int groesse = 8;  // points
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    bool durchgestrichen = false;
    uint32_t farbe = 0;  // 0x00BBGGRR
    bool operator==(const Schrift&) const = default;
};

class Dialoge {
public:
    virtual ~Dialoge() = default;

    // A modal message box. titel empty = the application title.
    virtual Antwort Meldung(const std::string& text, Meldungsart art = Meldungsart::Keine,
                            Knoepfe knoepfe = Knoepfe::Ok, const std::string& titel = {}) = 0;

    // Input box; nullopt when cancelled.
    virtual std::optional<std::string> Eingabe(const std::string& titel,
                                               const std::string& aufforderung,
                                               const std::string& vorgabe) = 0;

    // nullopt when cancelled.
    virtual std::optional<Dateiwahl> DateiOeffnen(const Dateidialog& d) = 0;
    virtual std::optional<std::string> DateiSpeichern(const Dateidialog& d) = 0;
    virtual std::optional<std::string> OrdnerWaehlen(const std::string& titel,
                                                     const std::string& vorgabe) = 0;

    // The colour chooser, fully expanded, preset with vorgabe and offering eigeneFarben as the
    // custom colours. nullopt when cancelled.
    virtual std::optional<uint32_t> Farbe(uint32_t vorgabe,
                                          const std::vector<uint32_t>& eigeneFarben = {}) = 0;

    // nullopt when cancelled.
    virtual std::optional<Schrift> Schriftart(const Schrift& vorgabe) = 0;
};

}  // namespace kalvora
