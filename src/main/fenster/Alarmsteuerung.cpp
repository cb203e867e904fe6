#include "main/fenster/Alarmsteuerung.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include "main/Anwendungskern.h"
#include "main/fenster/Termininformation.h"

namespace kalvora {

TAlarmsteuerung::TAlarmsteuerung(Anwendungskern& kern, QMainWindow& hauptfenster, Klang& klang,
                                 Tray& tray, Alarmfenster* fenster)
    : QObject(&hauptfenster),
      kern_(kern),
      hauptfenster_(hauptfenster),
      tray_(tray),
      eigenesFenster_(fenster ? nullptr : std::make_unique<TTermininformation>()),
      fenster_(fenster ? fenster : eigenesFenster_.get()),
      monitor_(kern.Kalender(), kern.Optionen(), kern.Sitzung().optionen, kern.Zeitgeber(), klang,
               *fenster_) {
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Alarmtimer"));
    timer_->setInterval(AlarmErsterLaufMs);
    connect(timer_, &QTimer::timeout, this, &TAlarmsteuerung::Zeitablauf);

    auto& a = monitor_.anschluesse;
    a.intervallSetzen = [this](int ms, Neustart n) { IntervallSetzen(ms, n); };
    a.erinnerungen = [this] { kern_.ErinnerungenPruefen(Pruefanlass::Automatisch); };
    a.programmNachVorne = [this] {
        if (!hauptfenster_.isVisible()) return;
        hauptfenster_.raise();
        hauptfenster_.activateWindow();
    };
    a.traysymbol = [this](Traysymbol s) { tray_.SymbolSetzen(s); };
    a.vorAenderung = [this](const Datum& d) {
        if (vorAenderung) vorAenderung(d);
    };
    a.nachAenderung = [this](const Datum& d) {
        kern_.TagGeaendertMelden(d);
        if (nachAenderung) nachAenderung(d);
    };
    tray_.geklickt = [this](Traytaste t, Punkt p) { TrayGeklickt(t, QPoint(p.x, p.y)); };
    MenueAufbauen();
}

TAlarmsteuerung::~TAlarmsteuerung() {
    tray_.geklickt = {};
    tray_.Entfernen();
}

void TAlarmsteuerung::Starten() { timer_->start(AlarmErsterLaufMs); }

void TAlarmsteuerung::IntervallSetzen(int ms, Neustart n) {
    // A repaint sets the period but never puts off a check that is due sooner: an alarm
    // must not wait for the user to stop working in the year view.
    if (n == Neustart::NurWennAnders && timer_->isActive() && timer_->remainingTime() <= ms) {
        if (timer_->interval() != ms) naechstesIntervall_ = ms;
        return;
    }
    naechstesIntervall_.reset();
    timer_->start(ms);
}

void TAlarmsteuerung::OptionenUebernommen() {
    if (monitor_.Zustand() == 1) return;
    IntervallSetzen(std::max(1, kern_.Optionen().Alarmwiederholungsminuten) * 60000,
                    Neustart::NurWennAnders);
}

void TAlarmsteuerung::Zeitablauf() {
    if (naechstesIntervall_) {
        timer_->start(*naechstesIntervall_);
        naechstesIntervall_.reset();
    }
    Pruefen(Alarmherkunft::Sonstwo);
}

void TAlarmsteuerung::Pruefen(Alarmherkunft herkunft) { monitor_.Pruefen(herkunft); }

void TAlarmsteuerung::InDenHintergrund(Alarmherkunft herkunft) {
    const std::string tooltip = TrayTooltip(hauptfenster_.windowTitle().toStdString());
    Dateisitzung& sitzung = kern_.Sitzung();
    if (herkunft != Alarmherkunft::Desktopstundenplan) {
        if (kern_.Kalender().geaendert &&
            kern_.Dialogdienst().Meldung(alarmtexte::VorherSpeichern, Meldungsart::Bestaetigung,
                                         Knoepfe::JaNein) == Antwort::Ja)
            sitzung.speichern1Click();
        if (tray_.Verfuegbar()) {
            // Hidden only: minimising first asks the window manager to iconify a window that
            // is being withdrawn at the same moment, and it may then map it iconic again on
            // the way back, with no icon left to click.
            hauptfenster_.hide();
        } else {
            // Without a notification area the window could not be brought back from it.
            hauptfenster_.showMinimized();
        }
    }
    imHintergrund_ = true;
    monitor_.imHintergrund = tray_.Verfuegbar();
    monitor_.desktopModus = herkunft == Alarmherkunft::Desktopstundenplan;
    if (tray_.Verfuegbar())
        tray_.Zeigen(herkunft == Alarmherkunft::Desktopstundenplan ? Traysymbol::Z002
                                                                    : Traysymbol::Programm,
                     tooltip);
    monitor_.Pruefen(herkunft);
}

void TAlarmsteuerung::Wiederherstellen() {
    tray_.Entfernen();
    imHintergrund_ = false;
    monitor_.imHintergrund = false;
    monitor_.desktopModus = false;
    // Not minimised before it is shown: a window mapped in that state is mapped iconic.
    hauptfenster_.setWindowState(hauptfenster_.windowState() & ~Qt::WindowMinimized);
    hauptfenster_.show();
    hauptfenster_.raise();
    hauptfenster_.activateWindow();
}

void TAlarmsteuerung::MenueAufbauen() {
    menue_ = new QMenu(&hauptfenster_);
    menue_->setObjectName(QStringLiteral("Traymenue"));
    const auto eintrag = [this](const char* text, const char* name, auto wirkung) {
        QAction* a = menue_->addAction(QString::fromUtf8(text));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, wirkung);
        return a;
    };
    QAction* wieder = eintrag(alarmtexte::Wiederherstellen, "TrayWiederherstellen",
                              [this] { Wiederherstellen(); });
    QAction* opt = eintrag(alarmtexte::Optionen, "TrayOptionen", [this] {
        if (optionen) optionen();
    });
    // Closes the desktop timetable, the one view that lives beside the tray.
    QAction* schliessen = eintrag(alarmtexte::AnsichtSchliessen, "TrayAnsichtSchliessen", [this] {
        if (ansichtSchliessen) ansichtSchliessen();
    });
    eintrag(alarmtexte::Beenden, "TrayBeenden", [this] { TrayBeendenClick(); });
    connect(menue_, &QMenu::aboutToShow, this, [this, wieder, opt, schliessen] {
        const kalvora::Traymenue m = TraymenueSichtbarkeit(DesktopSichtbar());
        wieder->setVisible(m.wiederherstellen);
        schliessen->setVisible(m.ansichtSchliessen);
        opt->setEnabled(optionenFreigegeben && optionenFreigegeben());
    });
}

bool TAlarmsteuerung::DesktopSichtbar() const { return desktop_ && desktop_->isVisible(); }

void TAlarmsteuerung::TrayGeklickt(Traytaste taste, const QPoint& global) {
    Traylage lage;
    lage.alarmSichtbar = fenster_->Sichtbar();
    lage.optionenSichtbar = optionenSichtbar && optionenSichtbar();
    lage.desktopSichtbar = DesktopSichtbar();
    lage.desktopVorhanden = desktop_ != nullptr;
    const Trayantwort a = TrayklickAuswerten(taste, lage);
    switch (a.reaktion) {
        case Trayreaktion::Wiederherstellen:
            Wiederherstellen();
            break;
        case Trayreaktion::MenueZeigen:
            menue_->popup(global - QPoint(a.links, a.oben));
            break;
        case Trayreaktion::DesktopNachVorne:
            if (desktop_) {
                desktop_->raise();
                desktop_->activateWindow();
            }
            break;
        case Trayreaktion::OptionenNachVorne:
            if (optionenNachVorne) optionenNachVorne();
            break;
        case Trayreaktion::Nichts:
            break;
    }
}

void TAlarmsteuerung::TrayBeendenClick() {
    switch (TrayBeendenSchritt(DesktopSichtbar(), kern_.Kalender().geaendert)) {
        case TrayBeenden::DesktopSchliessen:
            tray_.Entfernen();
            if (ansichtSchliessen) ansichtSchliessen();
            break;
        case TrayBeenden::ErstWiederherstellen:
            Wiederherstellen();  // the question about the changes must be seen
            break;
        case TrayBeenden::SymbolEntfernen:
            tray_.Entfernen();
            break;
    }
    if (beenden) beenden();
}

}  // namespace kalvora
