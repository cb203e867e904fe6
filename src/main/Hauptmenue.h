#pragma once
// The commands of the main window by name, and its menu as a table: what the menu bar holds,
// in order, with captions and keys. Windows look commands up by these constants, so a
// mistyped name does not compile.
#include <vector>

namespace kalvora {

namespace befehl {
// Datei
inline constexpr char Datei[] = "Datei1";
inline constexpr char Neu[] = "Neu1";
inline constexpr char Oeffnen[] = "ffnen1";
inline constexpr char Schliessen[] = "Schlieen1";
inline constexpr char Speichern[] = "speichern1";
inline constexpr char SpeichernUnter[] = "speichernunter1";
inline constexpr char Importieren[] = "Importieren1";
inline constexpr char IcsImport[] = "iCalendarDatei1";
inline constexpr char Exportieren[] = "Exportieren1";
inline constexpr char XmlDatei[] = "XMLDatei1";
inline constexpr char CsvDatei[] = "CSVDatei1";
inline constexpr char IcsExport[] = "iCalendarDatei2";
inline constexpr char Drucken[] = "Drucken1";
inline constexpr char Druckereinstellung[] = "Druckereinstellung1";
inline constexpr char Beenden[] = "Beenden1";
// Bearbeiten
inline constexpr char Bearbeiten[] = "Bearbeiten1";
inline constexpr char Rueckgaengig[] = "Rckgngig1";
inline constexpr char Wiederherstellen[] = "Wiederherstellen1";
inline constexpr char Suchen[] = "Suchen1";
inline constexpr char Weitersuchen[] = "Weitersuchen1";
inline constexpr char Schreibschutz[] = "Schreibschutz1";
inline constexpr char Aktualisieren[] = "Aktualisieren1";
inline constexpr char SchreibschutzEinstellungen[] = "EinstellungenbeiSchreibschutz1";
// Werkzeuge
inline constexpr char Werkzeuge[] = "Werkzeuge1";
inline constexpr char KeineFarbaenderungen[] = "keinedirektenFarbnderungen1";
inline constexpr char FarbenHinzufuegen[] = "Farbenhinzufgen1";
inline constexpr char FarbenLoeschen[] = "Farbenlschen1";
inline constexpr char NeueFarbe[] = "neueFarbe1";
inline constexpr char AlleFarbenLoeschen[] = "alleFarbenlschen1";
// Termine
inline constexpr char Termine[] = "Termine1";
inline constexpr char Tagestermine[] = "Tagestermine1";
inline constexpr char TerminlisteDrucken[] = "Terminlistedrucken1";
inline constexpr char FarbenDefinieren[] = "Farbendefinieren1";
inline constexpr char KategorienDefinieren[] = "Terminkategoriendefinieren1";
inline constexpr char Linkliste[] = "Linkliste1";
inline constexpr char Wochenfortschreibung[] = "Wochenfortschreibung1";
inline constexpr char Terminueberwachung[] = "TerminberwachungimHintergrund1";
inline constexpr char Geburtstagsliste[] = "Geburtstagsliste1";
inline constexpr char EreignissePruefen[] = "Ereignisseprfen1";
inline constexpr char AllesPruefen[] = "allesprfen1";
inline constexpr char GeburtstagePruefen[] = "Geburtstage1";
inline constexpr char NamenstagePruefen[] = "Namenstage1";
inline constexpr char NamenstageJahresuebersicht[] = "JahresbersichtNamenstage1";
// Ansicht
inline constexpr char Ansicht[] = "Ansicht1";
inline constexpr char Wochenansicht[] = "Wochenansicht1";
inline constexpr char ZweiWochen[] = "Wochenansicht2Wochen1";
inline constexpr char Monatsansicht[] = "Monatsansicht1";
inline constexpr char MonatMitWochen[] = "MonatsansichtmitWocheneinteilung1";
inline constexpr char Stundenplan[] = "Stundenplan1";
inline constexpr char DesktopStundenplan[] = "DesktopStundenplan1";
inline constexpr char Vollbild[] = "VollbildJahresansicht1";
inline constexpr char Statistik[] = "Statistik1";
inline constexpr char Farbhaeufigkeiten[] = "Farbhufigkeiten1";
inline constexpr char Termindauer[] = "Termindauer1";
inline constexpr char Terminhaeufigkeiten[] = "Terminhufigkeiten1";
inline constexpr char GeheZuJahr[] = "GehezuJahr1";
// Extras
inline constexpr char Extras[] = "Extras1";
inline constexpr char Adressbuch[] = "Adressbuch1";
inline constexpr char ToolbarAnpassen[] = "Toolbaranpassen1";
inline constexpr char Optionen[] = "Optionen1";
// Hilfe
inline constexpr char HilfeMenue[] = "Hilfe1";
inline constexpr char Hilfe[] = "Hilfe2";
inline constexpr char Direkthilfe[] = "Direkthilfe1";
inline constexpr char Handbuch[] = "KalvoraHandbuch1";
inline constexpr char Online[] = "KalvoraOnline1";
inline constexpr char UpdatePruefen[] = "Updateprfen1";
inline constexpr char Info[] = "Info1";
// The tool button "Tagestermine" keeps the selected day; the menu entry first goes to today.
inline constexpr char TagestermineKnopf[] = "TagestermineKnopf";
}  // namespace befehl

struct Menuezeile {
    enum class Art {
        Menue,      // opens a (sub)menu; the following rows belong to it up to its Ende
        Ende,       // closes the innermost open menu
        Eintrag,    // a command
        Haken,      // a command that can be ticked
        Werkzeug,   // one of the exclusive editing modes
        Trenner,
        Befehl,     // a command outside the menu (a tool button of its own)
    };
    Art art;
    const char* name = "";    // the command (befehl::…)
    const char* titel = "";   // caption, '&' before the mnemonic
    const char* tasten = "";  // "Ctrl+N", "F5", "Alt+X"
};

// The menu bar of the main window, in order.
const std::vector<Menuezeile>& Hauptmenue();

}  // namespace kalvora
