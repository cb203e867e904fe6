#pragma once
// The appointment editor's fields and rules without the window: the four modes, the time
// arithmetic, the series group with its defaults, the day filter and the link added on OK.
// The window shows this state and hands user input back to it.
#include <cstdint>
#include <string>
#include <vector>

#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"
#include "methoden/Methoden.h"

namespace kalvora {

enum class Editormodus { Neu, Aendern, Loeschen, AlleLoeschen };
// What the editor ended with; the caller resets it to Keins after reading it.
enum class Editorergebnis { Keins = 0, Ok = 1, Abbruch = 2, Loeschen = 3 };
enum class Serienart { Keine = 0, Taeglich, Woechentlich, Monatlich, Jaehrlich,
                       Benutzerdefiniert };

// The day filter field's colour for "alle Farben vorhanden" (the button-face colour).
constexpr uint32_t AlleFarbenVorhandenFarbe = 0xFF00000F;

// The series group as fortschreiben reads it.
struct Serienwerte {
    Serienart art = Serienart::Keine;
    bool bisDatum = true;      // "bis einschließlich", else "Anzahl Wiederholungen"
    Datum endDatum{1, 1, 2000};
    int anzahl = 10;           // 1 .. 9999
    int periode = 3;           // 2 .. 999, custom series only
    bool filterAn = true;      // "Fortschreibung nur bei :"
    uint32_t filterFarbe = KeineFarbe;
};

struct Filtermenue {
    bool keinerFarbeSichtbar = false;
    std::vector<int> plaetze;  // visible slot entries, in menu order
};

class Termineditor {
public:
    // Reads the remembered start time unless "festeZeit" is on.
    explicit Termineditor(const Einstellungen& einst);

    // Modes, set up by the day dialog before the editor is shown.
    void NeuVorbereiten(const Einstellungen& einst);
    void AendernVorbereiten(const Einstellungen& einst);
    void LoeschenVorbereiten(const Einstellungen& einst);
    void AlleLoeschenVorbereiten(const Einstellungen& einst);
    // Undoes the delete and delete-all layouts.
    void LoeschmodusZuruecksetzen();

    // The category and link boxes: first entry "keine Kategorie" / "kein Link".
    void ListenFuellen(const TKalender& kal);
    // Selects the entry with that text, else the first entry.
    void KategorieWaehlen(const std::string& text);
    void LinkWaehlen(const std::string& text);
    // The category / link an appointment gets: empty for the first entry.
    std::string Kategorie() const;
    std::string Link() const;
    // The user typed into the link box.
    void LinkTippen(const std::string& text);

    // Each time the editor is shown; tag is the day dialog's shown day.
    void Aktivieren(const TKalender& kal, const Einstellungen& einst, const Datum& tag);

    // Time fields. Values outside the limits are brought to the nearest limit.
    void StartSetzen(int stunde, int minute);
    void DauerSetzen(int stunden, int minuten);
    void EndeSetzen(int stunde, int minute);
    // Leaving a start or duration field: the end follows.
    void StartOderDauerVerlassen();
    // Leaving an end field: an end before the start becomes the start; the duration follows.
    void EndeVerlassen();
    std::string StartText() const;  // HH:MM
    std::string DauerText() const;  // HH:MM
    int DauerMinuten() const { return dauerStunden * 60 + dauerMinuten; }

    // Colour field: slot 1..20, 0 = "keine Farbe".
    void FarbeWaehlen(const TKalender& kal, int slot);
    // Sets the colour field from a slot name (an unknown name gives no colour).
    void FarbeAusName(const TKalender& kal, const std::string& name);
    // Slots listed in the colour menu: every slot that is not free, in menu order.
    static std::vector<int> Farbmenue(const TKalender& kal);

    // Series group.
    void SerienartSetzen(Serienart art, const Einstellungen& einst, const Datum& tag);
    void EndmodusSetzen(bool bisDatum);
    void FilterAnSetzen(bool an);
    void EndDatumSetzen(const Datum& d);
    void AnzahlSetzen(int n);
    void PeriodeSetzen(int n);
    bool FilterfeldAktiv() const { return nurBeiAktiv && serie.filterAn; }

    // Day filter menu: refreshes the field as the menu opens and lists its entries.
    Filtermenue FiltermenueOeffnen(const TKalender& kal, const Datum& tag);
    // Slot 1..20; 0 = "keiner Farbe"; -1 = "alle Farben vorhanden".
    void FilterWaehlen(const TKalender& kal, int slot);

    // OK: adds a typed link to the link list and the box; ends with Ok.
    void Ok(TKalender& kal);
    void Abbrechen() { ergebnis = Editorergebnis::Abbruch; }
    void Loeschen() { ergebnis = Editorergebnis::Loeschen; }
    // Enter: OK when visible, else "Löschen" when visible; false when neither applies.
    bool Eingabetaste(TKalender& kal);
    int Hilfethema() const;

    // Fields.
    Editormodus modus = Editormodus::Neu;
    std::string titel;
    int startStunde = 8, startMinute = 0;
    int dauerStunden = 0, dauerMinuten = 0;
    int endeStunde = 8, endeMinute = 0;
    int anzeige = 0;  // 0 = "Dauer", 1 = "Ende"
    bool endeBeschriftungSichtbar = false;  // "Termin endet um:"
    bool alarm = true;
    std::string beschreibung;
    std::string ort;
    uint32_t farbe = KeineFarbe;
    std::string farbName;
    std::vector<std::string> kategorien;  // box entries
    int kategorieIndex = 0;
    std::vector<std::string> links;       // box entries
    std::string linkText;                 // the box's text (editable)
    bool linkGetippt = false;

    Serienwerte serie;
    Datum fruehestesEnddatum{1, 1, 1901};
    bool endmodusAktiv = false;    // both radio buttons
    bool nurBeiAktiv = false;      // "Fortschreibung nur bei :"
    bool datumAktiv = false;
    bool anzahlAktiv = false;
    bool periodeSichtbar = false;  // "alle", the period field and "Tage"
    std::string filterText;
    bool keinerFarbeSichtbar = true;

    // Delete-all layout.
    bool tagesinfoLoeschen = false;
    bool farbenLoeschen = false;

    // Which controls the mode leaves usable.
    bool okSichtbar = true;
    bool loeschenSichtbar = false;
    bool zeitfelderAktiv = true;
    bool alarmSichtbar = true;
    bool textNurLesen = false;       // description and location
    bool farbfeldAktiv = true;
    bool kategorieAktiv = true;
    bool alleLoeschenLayout = false; // the compact layout with the warning

    Editorergebnis ergebnis = Editorergebnis::Keins;

private:
    void EndeAusStartUndDauer();
    void FilterKorrigieren(const TKalender& kal, const Datum& tag);
};

}  // namespace kalvora
