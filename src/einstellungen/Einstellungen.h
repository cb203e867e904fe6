#pragma once
// The settings record: one field per registry value under "Software\Kalvora", named after
// the value, plus the holiday, toolbar and recent-file keys. The value names, types and
// defaults are listed once, in the tables of Einstellungen.cpp.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "einstellungen/Werttabelle.h"
#include "kalender/TKalender.h"
#include "methoden/Feiertage.h"
#include "platform/Registry.h"

namespace kalvora {

constexpr const char* FeiertageSchluessel = "Software\\Kalvora\\feiertage";
constexpr const char* LetzteDateienSchluessel = "Software\\Kalvora\\letzte_Dateien";
// The place and time zone for sunrise and sunset: degrees east and north, hours from UTC,
// each from minus to plus this bound.
constexpr double GroessteLaenge = 180;
constexpr double GroessteBreite = 90;
constexpr double GroessteAbweichung = 24;

// The toolbar's own table lives with its dialog; these are the values loaded at start.
constexpr int AnzahlToolbarwerte = 39;
constexpr int AnzahlLetzteDateien = 10;

struct Einstellungen {
    // The defaults of a 1024 x 768 screen in the year 2000; EinstellungenStandard and
    // EinstellungenLaden take the real screen and year.
    Einstellungen();

    // Start and general values.
    bool aktjahr{};
    int32_t startjahr{};
    int32_t Startansicht{};
    int32_t Autostartansicht{};
    std::string Startdatei;
    bool JahresansichtBearbeiten{};
    bool beiCloseInTray{};
    int32_t AnzahlFarben{};
    bool aktuelleFarbe{};
    bool Standard{};
    TFarbwerte Standardfarben{};  // Farbe01 .. Farbe20; index 0 unused
    uint32_t SASOFarbeInDerJahresansicht{};
    uint32_t SASOFarbeBeimDrucken{};
    int32_t WindowstatusDerAnsichten{};
    int32_t Windowtop{};
    int32_t Windowleft{};
    int32_t WindowWidth{};
    int32_t WindowHeight{};
    std::optional<int32_t> TerminStunden;  // empty until the editor has stored one
    std::optional<int32_t> TerminMinuten;

    // Year view and main window.
    int32_t Darstellung{};
    uint32_t FarbeKommenderTermine{};
    uint32_t FarbeVergangenerTermine{};
    bool AnzeigeDerMonatstageInDerJahresansicht{};
    int32_t SchriftgroesseMonatstage{};
    bool TermineAuchBeiTagesinfoAnzeigen{};
    bool TerminfeldAnzeigen{};
    bool AnzeigeDerGeburtstageInDerJahresansicht{};
    bool AnzeigeDerNamestageInDerJahresansicht{};
    int32_t RoteLinie{};
    bool Kalenderwoche{};
    int32_t AnzeigeDerKalenderwoche{};
    bool VollbildOhneMenue{};
    bool VollbildOhneToolbar{};
    bool VollbildOhneLegende{};
    bool NameVonFeiertagen{};
    bool SonneAnzeigen{};
    double geographischeLaenge{};
    double geographischeBreite{};
    double AbweichungVonGreenich{};
    bool Sommerzeit{};

    // Appointments, continuation and alarm.
    bool festeZeit{};
    int32_t Stunden{};
    int32_t Minuten{};
    bool festeDauer{};
    int32_t TermindauerStunden{};
    int32_t TermindauerMinuten{};
    bool TerminalarmStandardmaessigAktivieren{};
    int32_t DauerOderEnde{};
    int32_t sichtbareTermineintraege{};
    bool FarbeInJahresansichtUebernehmen{};
    int32_t Tage{};
    int32_t Wochen{};
    int32_t Monate{};
    int32_t Jahre{};
    int32_t FortschreibungsrateInTagen{};
    int32_t AnzahlDerWiederholungen{};
    bool Farbfortschreibung{};
    int32_t Alarmstunden{};
    int32_t Alarmminuten{};
    std::string Alarmdatei;
    int32_t Alarmwiederholungsminuten{};

    // Calendar views.
    int32_t Monatsansicht{};
    int32_t Wochenansicht{};
    bool Schriftfarbenuebernahme{};
    bool SchriftfarbeAendern{};
    bool Fett{};
    bool FettBeiTagesinfotext{};
    std::string Schriftname;
    int32_t Schriftgroesse{};
    bool AnsichtenMitScollleisten{};
    bool Hintergrundfarbe{};
    bool keineUhrzeitAnzeigen{};  // true shows the times, whatever the name says
    bool LeerzeileWennKeineTagesinfo{};
    bool LeerzeilenZwischenTermineintraegen{};
    bool BeschreibungUndOrtInZweiZeilen{};
    bool Ortsangabe{};
    bool Wochentag{};
    bool DatumDesTages{};
    bool Farbname{};
    bool Farbnamen{};
    bool ersteZeileFett{};
    bool ersteZeileGroesser{};
    bool TerminlaengeAnzeigen{};
    bool TerminendeAnzeigen{};
    bool scharzerRahmenBlinkend{};
    int32_t Geschwindigkeit{};
    int32_t Timerintervall{};

    // Printing, birthdays and timetable.
    std::string Druckschrift;
    int32_t Druckschriftgroesse{};
    bool TermineFarbigDrucken{};
    bool Geburtstagstext{};
    bool Namenstagstext{};
    bool Geburtstag{};
    bool runderGeburtstag{};
    bool Namenstag{};
    int32_t Geburtstagszahl{};
    int32_t runderGeburtstagszahl{};
    int32_t Namestagzahl{};
    int32_t Stdplantage{};
    int32_t Stdplanzeilen{};
    int32_t Stdplanstartzeit{};
    int32_t Stdplanendezeit{};
    int32_t Stdplantagesbreite{};
    int32_t Stdplantageshoehe{};
    int32_t Stdplanort{};
    int32_t Stdplanabstx{};
    int32_t Stdplanabsty{};
    uint32_t HintergrundfarbeDerStundenplanansicht{};
    bool DestopansichtTransparent{};
    bool DesktopToolbarAus{};

    // Subkeys; index 0 of each array is unused.
    TFeiertagsEinstellungen Feiertage{};                          // feiertage
    std::array<bool, AnzahlToolbarwerte + 1> Toolbutton{};        // Toolbar
    std::array<std::string, AnzahlLetzteDateien + 1> LetzteDateien;  // letzte_Dateien

    bool operator==(const Einstellungen&) const = default;
};

// The tables, in the order the values are read.
const Werttabelle<Einstellungen>& HauptschluesselWerte();
const Werttabelle<Einstellungen>& FeiertagsWerte();
const Werttabelle<Einstellungen>& ToolbarWerte();
const Werttabelle<Einstellungen>& LetzteDateienWerte();

Einstellungen EinstellungenStandard(const Einstellungsumgebung& umgebung);

// Loads everything into ziel, which first gets the defaults. Missing Farbe01..Farbe20,
// holiday and recent-file values are written back with their defaults. A value of another
// type stops with KalvoraFehler naming key and value; ziel then holds the values read so far
// and the defaults for the rest. The caller gives the fade timer the new "Timerintervall".
void EinstellungenLaden(Registry& registry, const Einstellungsumgebung& umgebung,
                        Einstellungen& ziel);

// What the options dialog confirms: the main key without the values of
// EinstellungenBeimBeendenSpeichern, then Farbe01..Farbe20 and the 64 holiday values. The
// caller hands the new "Timerintervall" to the open views.
void EinstellungenSpeichern(Registry& registry, const Einstellungen& e);
// "Toolbar anpassen" confirmed: the 39 values of the tool-bar key.
void ToolbarSpeichern(Registry& registry, const Einstellungen& e);
// The view window geometry and the appointment editor's last hour and minute, written when
// the main window closes.
void EinstellungenBeimBeendenSpeichern(Registry& registry, const Einstellungen& e);

// Every value of the main key as (name, text) in table order, for listings.
std::vector<std::pair<std::string, std::string>> HauptwerteAlsText(const Einstellungen& e);

}  // namespace kalvora
