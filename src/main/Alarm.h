#pragma once
// The rules of the appointment alarm: which appointments of today and tomorrow are announced
// now, whether one is pending or running, the tray icon that says so, the tray's tooltip and
// menu, and the grey steps of today's fading frame. No windows, no timers: the monitor and
// the main window act on what these return.
#include <cstdint>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "kalender/Schreibschutzoptionen.h"
#include "kalender/TKalender.h"
#include "methoden/Methoden.h"
#include "platform/Tray.h"
#include "platform/Uhr.h"

namespace kalvora {

struct Einstellungen;

// Who asked for the check. Alarms are not shown for the tool button and the desktop
// timetable; the reminders of birthdays do not run for those nor for "Öffnen".
enum class Alarmherkunft { Sonstwo, Oeffnen, Toolbutton, Desktopstundenplan };

// What the check reads from the settings.
struct Alarmvorgaben {
    int vorlaufStunden = 2;
    int vorlaufMinuten = 0;
    int wiederholungsminuten = 15;
    std::string alarmdatei;
    bool alarmAus = false;  // "Terminalarm unterdrücken"
};
Alarmvorgaben AlarmvorgabenAus(const Einstellungen& e, const Schreibschutzoptionen& s);

// An appointment to announce: its day, its entry in the day's list (1..) and a copy of it,
// so that it can be found again after the day's list has changed.
struct Alarmtermin {
    Datum tag;
    std::size_t index = 0;
    TTermin termin;
};

struct Alarmbefund {
    bool erinnerungen = false;  // the first check of a day: birthdays and name days
    std::vector<Alarmtermin> melden;  // flagged, within the lead time, in list order
    bool anstehend = false;  // an appointment (flagged or not) starts within the lead time
    bool laufend = false;    // an appointment of today is running now
    // False when the check ended at 31.12.2099 before tomorrow: the tray icon stays.
    bool symbolAendern = true;
};

// The check at the moment jetzt. With "alarmAus" nothing is found and the icon is quiet.
Alarmbefund AlarmPruefen(const TKalender& kal, const Alarmvorgaben& v, const Zeitpunkt& jetzt,
                         Alarmherkunft herkunft);

// Minutes after midnight of a start time "hh:mm"; nullopt for a text that is no such time.
std::optional<int> Startminuten(std::string_view uhrzeit);

enum class Trayzustand { Ruhig, Anstehend, Laufend };
Trayzustand TrayzustandAus(const Alarmbefund& b);
// Normal mode: application icon, "z003", "z005"; desktop-timetable mode: "z002", "z004",
// "z006".
Traysymbol TraysymbolWaehlen(Trayzustand z, bool desktopModus);

// "Kalvora - " and the file's name without its folder and extension; "Kalvora" for a title
// that names no folder. At most 63 characters.
std::string TrayTooltip(const std::string& fenstertitel);
constexpr std::size_t TrayTooltipLaenge = 63;

// What the tray menu shows.
struct Traymenue {
    bool wiederherstellen = true;   // "Wiederherstellen"
    bool optionen = true;           // "Optionen"
    bool ansichtSchliessen = false;  // "Ansicht schließen"
    bool beenden = true;            // "Beenden"
};
Traymenue TraymenueSichtbarkeit(bool desktopSichtbar);

enum class Trayreaktion { Nichts, Wiederherstellen, MenueZeigen, OptionenNachVorne,
                          DesktopNachVorne };
struct Trayantwort {
    Trayreaktion reaktion = Trayreaktion::Nichts;
    int links = 0;  // the menu opens this far left of the pointer
    int oben = 0;   // and this far above it
    bool operator==(const Trayantwort&) const = default;
};
struct Traylage {
    bool optionenSichtbar = false;
    bool alarmSichtbar = false;
    bool desktopSichtbar = false;
    bool desktopVorhanden = false;
};
Trayantwort TrayklickAuswerten(Traytaste taste, const Traylage& lage);

// What "Beenden" of the tray menu does before the program's quit command.
enum class TrayBeenden { DesktopSchliessen, ErstWiederherstellen, SymbolEntfernen };
TrayBeenden TrayBeendenSchritt(bool desktopSichtbar, bool geaendert);

// Today's fading frame: a grey level that rises from black to white and falls back.
struct Rahmenblende {
    uint32_t grau = 0;  // 0x00BBGGRR with red = green = blue
    bool steigend = true;
    void Schritt(int geschwindigkeit);
};

}  // namespace kalvora
