#pragma once
// The main window's alarm timer, the alarm window and the tray: background monitoring
// ("Terminüberwachung im Hintergrund"), the tray icon with its menu, and bringing the
// program back.
#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>
#include <optional>

#include "main/Alarmmonitor.h"
#include "platform/Klang.h"
#include "platform/Tray.h"

class QMainWindow;
class QMenu;
class QWidget;
class QTimer;

namespace kalvora {

class Anwendungskern;
class TTermininformation;

namespace alarmtexte {
inline constexpr const char* VorherSpeichern = "Änderungen vorher speichern ?";
inline constexpr const char* Wiederherstellen = "Wiederherstellen";
inline constexpr const char* Optionen = "Optionen";
inline constexpr const char* AnsichtSchliessen = "Ansicht schließen";
inline constexpr const char* Beenden = "Beenden";
}  // namespace alarmtexte

class TAlarmsteuerung : public QObject {
    Q_OBJECT
public:
    // fenster: the alarm window to use; without one the program's own "Termininformation".
    TAlarmsteuerung(Anwendungskern& kern, QMainWindow& hauptfenster, Klang& klang, Tray& tray,
                    Alarmfenster* fenster = nullptr);
    ~TAlarmsteuerung() override;

    // The alarm timer starts: the first check after 100 ms.
    void Starten();
    // The alarm check as the timer runs it, or for the given origin.
    void Pruefen(Alarmherkunft herkunft = Alarmherkunft::Sonstwo);
    // Every paint of the year view.
    void NachDemMalen() { monitor_.NachDemMalen(); }
    // The options were taken over: unless an alarm is being announced the timer takes the
    // new repeat period.
    void OptionenUebernommen();

    // To the tray: the icon, the question about unsaved changes, the check.
    void InDenHintergrund(Alarmherkunft herkunft);
    // Out of the tray: icon removed, window shown, restored and in front.
    void Wiederherstellen();
    bool ImHintergrund() const { return imHintergrund_; }

    TAlarmmonitor& Monitor() { return monitor_; }
    Alarmfenster& Fenster() { return *fenster_; }
    QTimer* Zeitgeber() const { return timer_; }
    QMenu* Traymenue() const { return menue_; }
    Tray& Traydienst() { return tray_; }
    // The tray icon was clicked (the tray reports it; tests call it directly).
    void TrayGeklickt(Traytaste taste, const QPoint& global);

    // Hooks of the main window: "Beenden", "Optionen", and the day dialog's working copy.
    std::function<void()> beenden;
    std::function<void()> optionen;
    std::function<bool()> optionenFreigegeben;
    std::function<bool()> optionenSichtbar;
    std::function<void()> optionenNachVorne;
    // "Ansicht schließen": closes the desktop timetable.
    std::function<void()> ansichtSchliessen;
    // The desktop timetable while it exists (nullptr otherwise): the tray's clicks and menu
    // follow it.
    void DesktopSetzen(QWidget* fenster) { desktop_ = fenster; }
    QWidget* Desktop() const { return desktop_; }
    std::function<void(const Datum&)> vorAenderung;
    std::function<void(const Datum&)> nachAenderung;

private:
    void IntervallSetzen(int ms, Neustart n);
    void Zeitablauf();
    void MenueAufbauen();
    void TrayBeendenClick();

    Anwendungskern& kern_;
    QMainWindow& hauptfenster_;
    Tray& tray_;
    std::unique_ptr<TTermininformation> eigenesFenster_;
    Alarmfenster* fenster_;
    TAlarmmonitor monitor_;
    QTimer* timer_ = nullptr;
    std::optional<int> naechstesIntervall_;  // taken after the next check
    QMenu* menue_ = nullptr;
    bool imHintergrund_ = false;
    QWidget* desktop_ = nullptr;
    bool DesktopSichtbar() const;
};

}  // namespace kalvora
