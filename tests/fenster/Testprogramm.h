#pragma once
// The program as app/main.cpp builds it, for window tests: the test's settings store and
// clock, scripted dialogs, and the real lock file, free-space check and safe save.
#include <memory>

#include "doubles/Alarmdoubles.h"
#include "doubles/Dialogweiche.h"
#include "doubles/Erinnerungsprotokoll.h"
#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "main/Anwendungskern.h"
#include "main/fenster/Main.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/posix/PosixDateisperre.h"
#include "platform/posix/PosixSpeicherplatz.h"
#include "platform/posix/Systemzeitzone.h"
#include "platform/posix/XdgOrdner.h"
#include "platform/qt/QtBildschirm.h"
#include "platform/qt/Systemuhr.h"

namespace kalvora::test {

class Testprogramm {
public:
    // Without a store an empty one of its own, without a clock the system's, without
    // dialogs scripted ones that answer every question with their defaults. The alarm
    // window is a scripted one unless echtesAlarmfenster asks for the program's own.
    explicit Testprogramm(Registry* registry = nullptr, const Uhr* uhr = nullptr,
                          Dialoge* dialoge = nullptr, bool echtesAlarmfenster = false)
        : weiche_(dialoge ? *dialoge : standard_),
          kern_({registry ? *registry : eigeneRegistry_, uhr ? *uhr : eigeneUhr_, weiche_,
                 sperre_, platz_,
                 [](const std::string& pfad, std::string_view inhalt) {
                     DateiAtomarSchreiben(pfad, inhalt);
                 },
                 Hauptbildschirm, erinnerungen_, klang_, tray_, shell_,
                 echtesAlarmfenster ? nullptr : &alarmfenster_, {}, SystemZeitzone,
                 Autostartordner}),
          fenster_(std::make_unique<TForm1>(kern_)) {}

    TForm1& Fenster() { return *fenster_; }
    // The reminder windows the program would have shown.
    const std::vector<Erinnerungstexte>& Erinnerungen() const { return erinnerungen_.gezeigt; }
    Anwendungskern& Kern() { return kern_; }
    // Later questions go to these dialogs.
    void DialogeSetzen(Dialoge* dialoge) { weiche_.ZielSetzen(dialoge ? *dialoge : standard_); }
    Klangprotokoll& Klangdouble() { return klang_; }
    Testtray& Traydouble() { return tray_; }
    // The links the program asked the desktop to open.
    Shellprotokoll& Shelldouble() { return shell_; }
    Skriptalarmfenster& Alarmdouble() { return alarmfenster_; }

private:
    SpeicherRegistry eigeneRegistry_;
    Systemuhr eigeneUhr_;
    SkriptDialoge standard_;
    Dialogweiche weiche_;
    PosixDateisperre sperre_;
    PosixSpeicherplatz platz_;
    Erinnerungsprotokoll erinnerungen_;
    Klangprotokoll klang_;
    Testtray tray_;
    Shellprotokoll shell_;
    Skriptalarmfenster alarmfenster_;
    Anwendungskern kern_;
    std::unique_ptr<TForm1> fenster_;
};

}  // namespace kalvora::test
