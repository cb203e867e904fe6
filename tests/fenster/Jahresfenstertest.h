#pragma once
// The common ground of the year-view window tests: a main window with an in-memory settings
// store, scripted dialogs and a standing clock, opened on the test's calendar file.
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "doubles/StehendeUhr.h"
#include "main/fenster/Jahresflaeche.h"
#include "fenster/Testprogramm.h"
#include "main/fenster/Main.h"

namespace kalvora::test {

inline void Maus(QWidget* w, QEvent::Type art, QPoint p, Qt::MouseButton knopf,
                 Qt::MouseButtons gedrueckt) {
    QMouseEvent e(art, p, w->mapToGlobal(p), knopf, gedrueckt, {});
    QApplication::sendEvent(w, &e);
}

// Runs f once the next popup menu is open; f gets the menu and closes it.
inline void ImMenue(std::function<void(QMenu*)> f) {
    QTimer::singleShot(50, qApp, [f] {
        auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!m) qFatal("no popup menu");
        f(m);
        m->close();
    });
}

class Jahresfenstertest : public QObject {
protected:
    QTemporaryDir ordner_;
    QString datei_;
    StehendeUhr uhr_;
    std::unique_ptr<SpeicherRegistry> registry_;
    std::unique_ptr<Testprogramm> programm_;
    TForm1* form_ = nullptr;
    SkriptDialoge dialoge_;
    bool echtesAlarmfenster_ = false;  // the program's own "Termininformation"

    // The window with the test's calendar file loaded, shown and painted.
    TForm1& Fenster() {
        form_ = nullptr;
        programm_.reset();
        programm_ = std::make_unique<Testprogramm>(registry_.get(), &uhr_, &dialoge_,
                                                   echtesAlarmfenster_);
        form_ = &programm_->Fenster();
        form_->Startargumente(datei_, {});
        form_->StartNachSplash();
        form_->show();
        if (!QTest::qWaitForWindowExposed(form_)) qFatal("not exposed");
        QCoreApplication::processEvents();
        return *form_;
    }
    void FensterSchliessen() {
        form_ = nullptr;
        programm_.reset();
    }
    QImage Bild() {
        QCoreApplication::processEvents();
        return form_->Flaeche()->grab().toImage();
    }
    Rechteck Zelle(int tag, int monat) { return form_->Jahresansicht().TagesZelle(tag, monat); }
    QPoint Mitte(int tag, int monat) {
        const Rechteck z = Zelle(tag, monat);
        return {(z.links + z.rechts) / 2, (z.oben + z.unten) / 2};
    }
    void Rechtsklick(int tag, int monat) {
        Maus(form_->Flaeche(), QEvent::MouseButtonPress, Mitte(tag, monat), Qt::RightButton,
             Qt::RightButton);
        Maus(form_->Flaeche(), QEvent::MouseButtonRelease, Mitte(tag, monat), Qt::RightButton,
             Qt::NoButton);
    }
};

}  // namespace kalvora::test
