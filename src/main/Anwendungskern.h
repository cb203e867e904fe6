#pragma once
// The program's one document and everything that belongs to it across windows: the calendar,
// the settings, the file session with its storage, the colour undo history, the selected day
// and the colours the legend shows, with the platform services they use. app/main.cpp builds
// it with the real services, tests with their doubles; the windows get it by reference.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "einstellungen/Einstellungen.h"
#include "kalender/DateiKalenderspeicher.h"
#include "kalender/Dateisitzung.h"
#include "kalender/Farbhistorie.h"
#include "kalender/TKalender.h"
#include "main/AusgewaehlterTag.h"
#include "main/Alarmmonitor.h"
#include "personen/Erinnerungsanzeige.h"
#include "platform/Bildschirmgroesse.h"
#include "platform/Dateischreiber.h"
#include "platform/Dateisperre.h"
#include "platform/Dialoge.h"
#include "platform/Klang.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Speicherplatz.h"
#include "platform/Tray.h"
#include "platform/Uhr.h"

namespace kalvora {

// The services of the platform the program runs on.
struct Plattformdienste {
    Registry& registry;
    const Uhr& uhr;
    Dialoge& dialoge;
    Dateisperre& sperre;
    Speicherplatz& platz;
    // Replaces a whole file safely (written beside it, then renamed over it).
    DateiKalenderspeicher::Schreiber dateiSchreiben;
    // The screen the settings fit window sizes to; without it 1024 x 768.
    std::function<Bildschirmgroesse()> bildschirm;
    // The reminder windows of birthdays and name days.
    Erinnerungsanzeige& erinnerungen;
    // The alarm's sound, the tray icon, and the alarm window (none: the program's own).
    Klang& klang;
    Tray& tray;
    // Opens links of appointments (documents, folders, web addresses).
    Shell& shell;
    Alarmfenster* alarmfenster = nullptr;
    // Writes a large file (an export) piece by piece with the same safety; without it the
    // pieces are gathered and handed to dateiSchreiben.
    Stueckdateischreiber dateiBeginnen;
    // The user's time zone by its IANA name; without it "UTC".
    std::function<std::string()> zeitzone;
    // The folder of autostart entries; without it the options offer no autostart.
    std::function<std::string()> autostartordner;
};

class Anwendungskern {
public:
    explicit Anwendungskern(const Plattformdienste& dienste);
    ~Anwendungskern();
    Anwendungskern(const Anwendungskern&) = delete;
    Anwendungskern& operator=(const Anwendungskern&) = delete;

    TKalender& Kalender() { return kal_; }
    const TKalender& Kalender() const { return kal_; }
    // The settings; views and dialogs keep their window values here, stored on closing.
    Einstellungen& Optionen() { return einstellungen_; }
    const Einstellungen& Optionen() const { return einstellungen_; }
    Dateisitzung& Sitzung() { return *sitzung_; }
    const Dateisitzung& Sitzung() const { return *sitzung_; }
    TFarbhistorie& Historie() { return historie_; }
    // The day that dialogs and views opened from the main window start from.
    AusgewaehlterTag& Auswahl() { return auswahl_; }
    // What the legend swatches show; a slot value 0 in a file takes these after a load.
    TFarbwerte& Legendenfarben() { return legendenfarben_; }

    Registry& Ablage() { return registry_; }
    const Uhr& Zeitgeber() const { return uhr_; }
    Dialoge& Dialogdienst() { return dialoge_; }
    Klang& Klangdienst() { return klang_; }
    Tray& Traydienst() { return tray_; }
    Shell& Shelldienst() { return shell_; }
    // The alarm window the services bring; nullptr for the program's own.
    Alarmfenster* Alarmanzeige() { return alarmfenster_; }
    // Replaces a whole file safely, as every save does (exports too).
    void DateiSchreiben(const std::string& pfad, std::string_view inhalt) const {
        schreiben_(pfad, inhalt);
    }
    // The user's time zone, asked each time (it may change while the program runs).
    std::string Zeitzone() const { return zeitzone_ ? zeitzone_() : std::string("UTC"); }
    // Where autostart entries go; empty when the system has no such folder.
    std::string Autostartordner() const {
        return autostartordner_ ? autostartordner_() : std::string();
    }
    // The same for a file written as it is made.
    std::unique_ptr<Stueckschreiber> DateiBeginnen(const std::string& pfad) const {
        if (beginnen_) return beginnen_(pfad);
        return std::make_unique<Gesammeltschreiber>(schreiben_, pfad);
    }

    // Reads the settings and the write-protection options from the store; a fault is shown
    // and the values read so far and the defaults for the rest stand.
    void EinstellungenLesen();
    // The values kept on closing (window sizes, the editor's last start time, …).
    void EinstellungenBeimBeendenSpeichern();
    // The year the program starts in: the current one or the one the settings name.
    int Startjahr() const;

    // The birthday and name-day reminders due today, shown one after the other; the number
    // shown.
    std::size_t ErinnerungenPruefen(Pruefanlass anlass);

    // Every subscriber of the document learns of a change made through a window.
    void TagGeaendertMelden(const Datum& d) const;
    void FarbtabelleGeaendertMelden() const;
    // The options were taken over: views and dialogs read the settings again.
    void EinstellungenGeaendertMelden() const;
    // The birthday list as a window changed it: with aendern the document is modified (an
    // entry added, changed or removed), without it only the order changed.
    void GeburtstagslisteSetzen(std::vector<TGeburtstag> liste, bool aendern);

    // The selected day moves; the subscribers learn of it (also when a window sets it).
    void AuswahlSetzen(const Datum& d);

private:
    Registry& registry_;
    const Uhr& uhr_;
    Dialoge& dialoge_;
    DateiKalenderspeicher::Schreiber schreiben_;
    Stueckdateischreiber beginnen_;
    std::function<std::string()> zeitzone_;
    std::function<std::string()> autostartordner_;
    std::function<Bildschirmgroesse()> bildschirm_;
    Erinnerungsanzeige& erinnerungen_;
    Klang& klang_;
    Tray& tray_;
    Shell& shell_;
    Alarmfenster* alarmfenster_;
    Einstellungen einstellungen_;
    TKalender kal_;
    TFarbhistorie historie_{kal_};
    AusgewaehlterTag auswahl_;
    TFarbwerte legendenfarben_{};
    DateiKalenderspeicher speicher_;
    RegistryLetzteDateien letzteAblage_;
    std::unique_ptr<Dateisitzung> sitzung_;
};

}  // namespace kalvora
