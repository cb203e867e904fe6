#pragma once
// The alarm monitor of the main window: runs the check, announces each due appointment in
// the alarm window (one window at a time, the next after the first has closed), plays the
// sound, clears an appointment's alarm on "Nein", and keeps the tray icon up to date while
// the program is in the background. The main window's timer calls Pruefen; the monitor tells
// the timer its next interval.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "kalender/Schreibschutzoptionen.h"
#include "kalender/TKalender.h"
#include "main/Alarm.h"
#include "platform/Klang.h"
#include "platform/Uhr.h"

namespace kalvora {

struct Einstellungen;

// What the alarm window "Termininformation" shows.
struct Alarminhalt {
    std::string uhrzeit;
    std::string bis;           // the end time
    bool bisSichtbar = false;  // hidden when the end equals the start
    std::string beschreibung;
    std::string ort;
    uint32_t farbe = KeineFarbe;  // behind description and location
    bool operator==(const Alarminhalt&) const = default;
};
Alarminhalt AlarminhaltAus(const TTermin& t);

enum class Alarmantwort { Ja, Nein };

// The alarm window, shown modally: events (and the alarm timer) go on while it is open.
class Alarmfenster {
public:
    virtual ~Alarmfenster() = default;
    virtual Alarmantwort Zeigen(const Alarminhalt& inhalt) = 0;
    virtual bool Sichtbar() const = 0;
    // In front of every window and holding the foreground.
    virtual void NachVorne() = 0;
};

// How the alarm timer takes a new interval.
enum class Neustart {
    Immer,             // the countdown starts over
    NurWennAnders,     // a countdown of the same interval goes on
};

constexpr int AlarmAnkuendigungMs = 6000;
constexpr int AlarmErsterLaufMs = 100;

class TAlarmmonitor {
public:
    struct Anschluesse {
        std::function<void(int ms, Neustart)> intervallSetzen;
        // The birthday and name-day reminders of the day's first check.
        std::function<void()> erinnerungen;
        // No alarm window is showing: the program comes to the front.
        std::function<void()> programmNachVorne;
        // In the background: the icon of the tray follows each check.
        std::function<void(Traysymbol)> traysymbol;
        // Around clearing an appointment's alarm: a window that holds a working copy of
        // that day hands it back before, and reads the day again after.
        std::function<void(const Datum&)> vorAenderung;
        std::function<void(const Datum&)> nachAenderung;
    };

    TAlarmmonitor(TKalender& kal, const Einstellungen& einstellungen,
                  const Schreibschutzoptionen& schutz, const Uhr& uhr, Klang& klang,
                  Alarmfenster& fenster);

    // The alarm check. May run again while an alarm window of an earlier run is open.
    void Pruefen(Alarmherkunft herkunft);
    // The year view was painted: unless an alarm window is open the timer takes the
    // repeat period.
    void NachDemMalen();

    // 1 while an alarm window is open, 2 otherwise.
    int Zustand() const { return fensterOffen_ ? 1 : 2; }
    // The main window is hidden in the tray; desktopModus: for the desktop timetable.
    bool imHintergrund = false;
    bool desktopModus = false;
    // The icon the last check in the background chose.
    std::optional<Traysymbol> LetztesSymbol() const { return symbol_; }

    Anschluesse anschluesse;

private:
    void AlarmZeigen(const Alarmtermin& t);
    void AlarmAbbestellen(const Alarmtermin& t);
    int Periode() const;
    void Intervall(int ms, Neustart n) const {
        if (anschluesse.intervallSetzen) anschluesse.intervallSetzen(ms, n);
    }

    TKalender& kal_;
    const Einstellungen& einstellungen_;
    const Schreibschutzoptionen& schutz_;
    const Uhr& uhr_;
    Klang& klang_;
    Alarmfenster& fenster_;
    bool fensterOffen_ = false;
    bool erinnert_ = false;  // the reminders of the day's first check are running
    std::optional<Datum> erinnertAm_;
    std::optional<Traysymbol> symbol_;
};

}  // namespace kalvora
