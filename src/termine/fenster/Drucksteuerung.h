#pragma once
// Printing from the windows: the one printer of the run, the print selection dialog, the
// system print and set-up dialogs, the preview, and the status window that runs the jobs.
#include <QObject>

#include <functional>
#include <memory>

#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"
#include "platform/Dialoge.h"
#include "termine/Druckauswahl.h"

class QPrinter;
class QWidget;

namespace kalvora {

class Drucker;
class TDruckauswahl;
class TDruckerstatus;
struct Druckstatus;

class TDrucksteuerung : public QObject {
    Q_OBJECT
public:
    TDrucksteuerung(const TKalender& kal, const Einstellungen& einst, Dialoge& dialoge,
                    QWidget* fenster);
    ~TDrucksteuerung() override;

    // "&Drucken": the year shown in the main window, or the list of its days.
    void Drucken(int jahr);
    // "Terminliste &drucken" and the views' print commands: the list, preset to the range.
    void TerminlisteDrucken(const Datum& start, const Datum& ende);
    // A printout of another window (the birthday list): the system print dialog, then the
    // status window runs the job; hochformat is the portrait rule of list printouts.
    using Druckauftrag = std::function<int(kalvora::Drucker&, Druckstatus&, bool hochformat)>;
    void AuftragDrucken(const Druckauftrag& auftrag);
    // "Drucker&einstellung": the system's printer set-up; confirming it keeps the user's
    // orientation from then on.
    void Einrichten();
    // The program was activated: the year prints in landscape again.
    void ProgrammAktiviert() { ausrichtung_.ProgrammAktiviert(); }

    TDruckauswahl& Auswahlfenster() { return *auswahl_; }
    TDruckerstatus& Statusfenster() { return *status_; }
    QPrinter& Drucker() { return *drucker_; }
    const Druckausrichtung& Ausrichtung() const { return ausrichtung_; }
    // The system print dialog; tests answer it themselves. True: print.
    std::function<bool(QPrinter&)> druckdialog;

private:
    void Zeigen();
    int Auftrag(const Druckauswahl& a, kalvora::Drucker& drucker, Druckstatus& status);
    void Vorschau(const Druckauswahl& a);

    const TKalender& kal_;
    const Einstellungen& einst_;
    Dialoge& dialoge_;
    QWidget* fenster_;
    std::unique_ptr<QPrinter> drucker_;
    Druckausrichtung ausrichtung_;
    TDruckauswahl* auswahl_;
    TDruckerstatus* status_;
};

}  // namespace kalvora
