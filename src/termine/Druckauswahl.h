#pragma once
// The print selection dialog "Drucken": what to print (the year or the appointment list),
// the coupled date fields and their limits, the heading of the year printout; and the
// orientation rules of the printouts.
#include <string>

#include "kalender/TKalender.h"
#include "methoden/Methoden.h"

namespace kalvora {

namespace druckauswahltexte {
inline constexpr const char* Titel = "Drucken";
inline constexpr const char* TitelListe = "Terminliste drucken";
inline constexpr const char* Auswahl = "Auswahl";
inline constexpr const char* Jahresansicht = "Jahresansicht";
inline constexpr const char* Terminliste = "Terminliste";
inline constexpr const char* Zeitraum = "Wählen Sie den Zeitraum der auszudruckenden Termine:";
inline constexpr const char* Start = "Start";
inline constexpr const char* Ende = "Ende";
inline constexpr const char* Drucken = "Drucken";
inline constexpr const char* Abbruch = "Abbruch";
inline constexpr const char* Ueberschrift = "Überschrift";
inline constexpr const char* Vorschau = "Vorschau";
inline constexpr const char* FrageTitel = "Kalvora";
inline constexpr const char* FrageUeberschrift = "Überschrift für Ausdruck: ";
// "Kalvora  -  <jahr>"
std::string StandardUeberschrift(int jahr);
}  // namespace druckauswahltexte

enum class Druckart { Jahresansicht, Terminliste };

class Druckauswahl {
public:
    Druckart art = Druckart::Jahresansicht;
    Datum start{1, 1, 2000}, ende{31, 12, 2000};
    // Limits of the two date fields.
    Datum startMin{1, 1, ErstesJahr}, startMax{31, 12, LetztesJahr};
    Datum endeMin{1, 1, ErstesJahr}, endeMax{31, 12, LetztesJahr};
    int jahrVon = 2000, jahrBis = 2000;  // the read-only year fields
    bool auswahlSichtbar = true;         // the group "Auswahl"
    std::string titel = druckauswahltexte::Titel;
    std::string ueberschrift;

    // "&Drucken" of the main window: the year shown there.
    void FuerJahresansicht(int jahr);
    // "Terminliste &drucken": the list only, without the choice.
    void FuerTerminliste(int jahr);
    // Each activation: the coupling of the dates, the heading reset to its default.
    void Aktivieren();
    void StartSetzen(const Datum& d);
    void EndeSetzen(const Datum& d);
    // Closing: the limits of both fields and the group and caption as they were.
    void Schliessen();
};

// The orientation of the printouts: the year prints in landscape and the list in portrait
// until the user confirms the printer set-up dialog, which keeps the user's choice after.
struct Druckausrichtung {
    bool querformat = true;      // the year printout (set again when the program is activated)
    bool hochformatRegel = true; // the list printout
    void ProgrammAktiviert() { querformat = true; }
    void EinrichtungBestaetigt() {
        querformat = false;
        hochformatRegel = false;
    }
};

}  // namespace kalvora
