#pragma once
// The day dialog without its window: the working copy of the shown day (grid rows with the
// eight columns, the parallel alarm and category lists, the entry count, the info lines), the
// commands that change it, paging, move and copy, and which buttons are usable.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "methoden/Methoden.h"
#include "termine/Tageskopf.h"
#include "termine/Termineditor.h"

namespace kalvora {

enum Spalte { SpUhrzeit = 0, SpBeschreibung, SpOrt, SpAlarm, SpDauer, SpFarbe, SpKategorie,
              SpLink, AnzahlSpalten };
using Rasterzeile = std::array<std::string, AnzahlSpalten>;

// Actions of terminuebernehmen and fortschreiben.
enum Terminaktion { AktionNeu = 1, AktionAendern = 2, AktionLoeschen = 3, AktionAlleLoeschen = 4 };

struct Dialogknoepfe {
    bool neu = true;
    bool aendern = false;
    bool loeschen = false;
    bool verschieben = false;
    bool kopieren = false;
    bool alleLoeschen = false;
    bool tagesinfoLoeschen = false;
};

// Where a search hit lies on the shown day: row 0 is the info text.
struct Tagestreffer {
    int zeile = 0;
    bool imOrt = false;
    int position = 0;  // characters from 0 in the stored text ('#' between info lines)
    int laenge = 0;
};

class Tagesdialog {
public:
    Tagesdialog(Tagesumgebung& umgebung, Termineditor& editor);

    Tagesumgebung& Umgebung() { return u_; }
    Termineditor& Editor() { return editor_; }
    Datum Tag() const { return {tag, monat, jahr}; }
    void TagSetzen(const Datum& d);
    int Zeilenzahl() const { return static_cast<int>(raster.size()); }
    bool Schreibgeschuetzt() const { return u_.schreibgeschuetzt; }

    // Each time the dialog is shown: the selected day becomes the shown day.
    void Aktivieren(const Datum& ausgewaehlt);

    void tagladen();
    void tagspeichern();
    void terminuebernehmen(int aktion);
    // Stores, moves one day (+1/-1; the ends of the range hold) and loads. False when the
    // day could not move.
    bool tagblaettern(int schritt);
    // Stores, moves seven days back or forward and loads; the range ends hold.
    void wocheBlaettern(int richtung);
    // Button states after the arrows and the week buttons.
    void NachBlaettern();

    void zeileSortieren(int r);
    void zeileEntfernen(int r);
    // Fills the editor from row r and makes the row the edited appointment.
    void ZeileInEditorLaden(int r);
    // The user selected a cell of row r.
    void ZelleGewaehlt(int r);

    // Info field: its text in the field ('\n' between lines) and back.
    std::string InfoText() const;
    void InfoAusText(const std::string& text);
    bool InfoHatZeilen() const { return !info.empty(); }
    // A typed character that changes the text.
    void InfoGeaendert();
    void TagesinfoLoeschen();

    // Commands around the modal editor: ...Vorbereiten sets the editor up, the window shows
    // it, ...Abschliessen applies what it ended with (false when nothing was applied).
    void NeuerTerminVorbereiten();
    bool NeuerTerminAbschliessen();
    bool TerminAendernVorbereiten();
    bool TerminAendernAbschliessen();
    bool TerminLoeschenVorbereiten();
    bool TerminLoeschenAbschliessen();
    void AlleLoeschenVorbereiten();
    bool AlleLoeschenAbschliessen();
    // Double click on row r: prepares the editor for a change or a new appointment and says
    // which (true = change); nothing (nullopt) in a read-only document.
    std::optional<bool> Doppelklick(int r);

    // Moves or copies the selected row to ziel; nothing for the shown day itself.
    bool VerschiebenOderKopieren(const Datum& ziel, bool verschieben);

    // After a search hit: stores the shown day and shows the hit's day.
    void ZumTreffer(const Datum& tagDesTreffers, const Tagestreffer& t);

    // Progress of multi-day work, 0..100; may be empty.
    std::function<void(int)> fortschritt;

    int tag = 1, monat = 1, jahr = 2000;
    int eintragszahl = 0;
    std::vector<Rasterzeile> raster;  // row 0 holds the headers
    std::vector<bool> alarme;
    std::vector<std::string> kategorien;
    std::vector<std::string> info;
    int gewaehlteZeile = 1;
    std::string schluesselZeit;
    std::string schluesselBeschreibung;
    Dialogknoepfe knoepfe;
    std::optional<Tagestreffer> treffer;
    bool trefferAusstehend = false;

private:
    bool EditorErgebnisUebernehmen(Terminaktion aktion);
    void ListenAnpassen();
    void ZeileTauschen(int a, int b);
    int ZeilenMitFarbname(const std::string& name) const;
    void TagesfarbeEntfernen(uint32_t farbe);
    void VierKnoepfe(bool an);

    Tagesumgebung& u_;
    Termineditor& editor_;
};

// The day one step from d (+1/-1) with the ends of the range holding.
Datum Tagesschritt(const Datum& d, int schritt);

}  // namespace kalvora
