#pragma once
// The common ground of the year-view window tests: a main window with an in-memory settings
// store, scripted dialogs and a standing clock, opened on the test's calendar file.
#include <QCoreApplication>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "doubles/StehendeUhr.h"
#include "main/fenster/Jahresflaeche.h"
#include "main/fenster/Main.h"

namespace kalvora::test {

class Jahresfenstertest : public QObject {
protected:
    QTemporaryDir ordner_;
    QString datei_;
    StehendeUhr uhr_;
    std::unique_ptr<SpeicherRegistry> registry_;
    std::unique_ptr<TForm1> form_;
    SkriptDialoge dialoge_;

    // The window with the test's calendar file loaded, shown and painted.
    TForm1& Fenster() {
        form_ = std::make_unique<TForm1>(nullptr, registry_.get(), &uhr_);
        form_->DialogeSetzen(&dialoge_);
        form_->Startargumente(datei_, {});
        form_->StartNachSplash();
        form_->show();
        if (!QTest::qWaitForWindowExposed(form_.get())) qFatal("not exposed");
        QCoreApplication::processEvents();
        return *form_;
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
};

}  // namespace kalvora::test
