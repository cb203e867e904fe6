// The alarm monitor in the main window: the alarm window when the timer fires, "Nein", the
// tray with its icon, menu and restore, the close box into the tray, the write-protection
// options dialog, today's fading frame, and the sound through the real media backend.
#include <QAbstractButton>
#include <QAction>
#include <QDesktopServices>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "Jahresfenstertest.h"
#include "Testumgebung.h"
#include "einstellungen/Schreibschutzablage.h"
#include "kalender/Kalenderdatei.h"
#include "main/Hauptmenue.h"
#include "main/fenster/Alarmsteuerung.h"
#include "main/fenster/Schreibschutzdialog.h"
#include "main/fenster/Termininformation.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/qt/QtDaten.h"
#include "platform/qt/QtKlang.h"
#include "platform/qt/QtShell.h"

using namespace kalvora;

namespace {

TTermin Termin(const char* zeit, const char* text, bool alarm, int dauer = 0) {
    TTermin t;
    t.Uhrzeit = zeit;
    t.Beschreibung = text;
    t.Alarm = alarm;
    t.Dauer = dauer;
    return t;
}

// Counts how often a window is shown.
class Zaehler : public QObject {
public:
    int gezeigt = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) ++gezeigt;
        return false;
    }
};

}  // namespace

// Stands in for the desktop's handler of web links.
class LinkEmpfaenger : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void oeffnen(const QUrl& u) { urls << u; }
};

class AlarmfensterTest : public test::Jahresfenstertest {
    Q_OBJECT

    void DateiMit(std::vector<TTermin> termine) {
        TKalender kal;
        TTerminliste& l = kal.Terminliste(2009, 6, 15);
        l.assign(1, TTermin{});
        for (TTermin& t : termine) l.push_back(std::move(t));
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(kal));
    }

private slots:
    void init() {
        datei_ = ordner_.filePath("termine.kvr");
        DateiMit({});
        registry_ = std::make_unique<SpeicherRegistry>();
        echtesAlarmfenster_ = false;
        dialoge_ = {};
    }
    void cleanup() { FensterSchliessen(); }

    void AlarmfensterBeimTimerUndNein() {
        echtesAlarmfenster_ = true;
        TForm1& f = Fenster();  // 15 June 2009, 10:00
        auto* fenster = dynamic_cast<TTermininformation*>(&f.Alarm().Fenster());
        QVERIFY(fenster);
        Zaehler zaehler;
        fenster->installEventFilter(&zaehler);
        TTermin t = Termin("10:10", "Zahnarzt", true, 30);
        t.Ort = "Praxis am Markt";
        t.Farbe = 0x00FFFF;  // yellow
        TTerminliste& l = f.Kalender().Terminliste(2009, 6, 15);
        if (l.empty()) l.emplace_back();
        l.push_back(t);
        f.Kalender().GeaendertSetzen(false);

        bool geprueft = false;
        QTimer::singleShot(300, fenster, [&] {
            QVERIFY(fenster->isVisible());
            // A stay-on-top tool window with its own caption and no title-bar buttons: the
            // window manager draws no frame (it would put its buttons on any title bar).
            const Qt::WindowFlags flags = fenster->windowFlags();
            QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
            QVERIFY(flags & Qt::WindowStaysOnTopHint);
            QVERIFY(flags & Qt::FramelessWindowHint);
            QVERIFY(!(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)));
            QCOMPARE(fenster->windowTitle(), QStringLiteral("Termininformation"));
            auto* titel = fenster->findChild<QLabel*>("Titelleiste");
            QVERIFY(titel);
            QCOMPARE(titel->text(), QStringLiteral("Termininformation"));
            QCOMPARE(titel->geometry(), QRect(0, 0, 433, Titelleistenhoehe));
            QVERIFY(titel->findChildren<QAbstractButton*>().isEmpty());
            auto* inhalt = fenster->findChild<QWidget*>("Inhalt");
            QCOMPARE(inhalt->geometry(), QRect(0, Titelleistenhoehe, 433, 316));
            QCOMPARE(fenster->size(), QSize(433, 316 + Titelleistenhoehe));
            // Centred on the screen.
            const QRect schirm = fenster->screen()->availableGeometry();
            QVERIFY(qAbs(fenster->geometry().center().x() - schirm.center().x()) <= 1);
            QVERIFY(qAbs(fenster->geometry().center().y() - schirm.center().y()) <= 1);
            // The caption moves the window where the window system does not.
            const QPoint vorher = fenster->pos();
            QTest::mousePress(titel, Qt::LeftButton, {}, QPoint(100, 10));
            QMouseEvent zug(QEvent::MouseMove, QPointF(130, 30),
                            titel->mapToGlobal(QPointF(130, 30)), Qt::NoButton,
                            Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(titel, &zug);
            QTest::mouseRelease(titel, Qt::LeftButton, {}, QPoint(130, 30));
            QCOMPARE(fenster->pos(), vorher + QPoint(30, 20));
            fenster->move(vorher);
            QCOMPARE(fenster->findChild<QLabel*>("Uhrzeit")->text(), QStringLiteral("10:10"));
            QCOMPARE(fenster->findChild<QLabel*>("Bis")->text(), QStringLiteral("10:40"));
            auto* beschreibung = fenster->findChild<QPlainTextEdit*>("Beschreibung");
            QCOMPARE(beschreibung->toPlainText(), QStringLiteral("Zahnarzt"));
            QCOMPARE(beschreibung->palette().color(QPalette::Base), QColor(255, 255, 0));
            QCOMPARE(fenster->findChild<QLineEdit*>("Ort")->text(),
                     QStringLiteral("Praxis am Markt"));
            QCOMPARE(f.Alarm().Monitor().Zustand(), 1);
            // While it is open the timer runs every 6 seconds.
            QCOMPARE(f.Alarm().Zeitgeber()->interval(), AlarmAnkuendigungMs);
            fenster->grab().save(QDir::temp().filePath("kalvora-termininformation.png"));
            geprueft = true;
            fenster->NeinKnopf()->click();
        });
        f.Alarm().Zeitgeber()->start(10);
        QTRY_VERIFY_WITH_TIMEOUT(geprueft && !fenster->isVisible(), 5000);
        QCOMPARE(zaehler.gezeigt, 1);
        QVERIFY(!f.Kalender().Terminliste(2009, 6, 15).back().Alarm);
        QVERIFY(!f.Kalender().geaendert);
        QCOMPARE(f.Alarm().Monitor().Zustand(), 2);
        QCOMPARE(f.Alarm().Zeitgeber()->interval(), 15 * 60000);
        // The next run does not bring it back.
        f.Alarm().Zeitgeber()->start(10);
        QTest::qWait(200);
        QCOMPARE(zaehler.gezeigt, 1);
    }

    void TrayMitSymbolMenueUndWiederherstellen() {
        DateiMit({Termin("09:30", "Sitzung", false, 60)});  // running at 10:00
        TForm1& f = Fenster();
        test::Testtray& tray = programm_->Traydouble();
        QAction* ueberwachung = f.Aktion(befehl::Terminueberwachung);
        QVERIFY(ueberwachung->isEnabled());

        // A modified document: the question, "Nein" keeps the changes unsaved.
        f.Kalender().GeaendertSetzen(true);
        dialoge_.antworten = {Antwort::Nein};
        ueberwachung->trigger();
        QCOMPARE(dialoge_.meldungen.back().text, std::string("Änderungen vorher speichern ?"));
        QVERIFY(!f.isVisible());
        QVERIFY(tray.Sichtbar());
        QCOMPARE(tray.tooltip, std::string("Kalvora - termine"));
        QCOMPARE(tray.symbol, Traysymbol::Z005);  // running
        uhr_.jetzt.stunde = 11;
        uhr_.jetzt.minute = 0;
        f.Alarm().Pruefen();
        QCOMPARE(tray.symbol, Traysymbol::Programm);

        // The right button opens the menu without "Ansicht schließen".
        bool menueGesehen = false;
        test::ImMenue([&](QMenu* m) {
            menueGesehen = true;
            QCOMPARE(m, f.Alarm().Traymenue());
            QVERIFY(m->findChild<QAction*>("TrayWiederherstellen")->isVisible());
            QVERIFY(!m->findChild<QAction*>("TrayAnsichtSchliessen")->isVisible());
            QVERIFY(m->findChild<QAction*>("TrayBeenden")->isVisible());
        });
        f.Alarm().TrayGeklickt(Traytaste::Rechts, QPoint(500, 700));
        QTRY_VERIFY(menueGesehen);

        // The left button restores.
        f.Alarm().TrayGeklickt(Traytaste::Links, QPoint(500, 700));
        QVERIFY(f.isVisible());
        QVERIFY(!tray.Sichtbar());
        QVERIFY(!f.Alarm().ImHintergrund());
        uhr_.jetzt.stunde = 10;
        uhr_.jetzt.minute = 0;
    }

    void CloseBoxInDenTrayUndBeendenAusDemTray() {
        RegistrySchluessel(*registry_, "Software\\Kalvora")
            .WahrheitswertSchreiben("bei Close in Tray", true);
        TForm1& f = Fenster();
        test::Testtray& tray = programm_->Traydouble();
        QSignalSpy geschlossen(&f, &TForm1::Geschlossen);
        f.close();
        QVERIFY(!f.isVisible());
        QVERIFY(tray.Sichtbar());
        QCOMPARE(geschlossen.count(), 0);
        // "Beenden" of the tray menu ends the program for good.
        f.Alarm().Traymenue()->findChild<QAction*>("TrayBeenden")->trigger();
        QCOMPARE(geschlossen.count(), 1);
        QVERIFY(!tray.Sichtbar());
    }

    void OhneTrayWirdMinimiert() {
        TForm1& f = Fenster();
        programm_->Traydouble().verfuegbar = false;
        f.Aktion(befehl::Terminueberwachung)->trigger();
        QVERIFY(!programm_->Traydouble().Sichtbar());
        QVERIFY(f.isVisible());
        QVERIFY(f.windowState() & Qt::WindowMinimized);
    }

    void AusDemTrayNieMinimiertGezeigt() {
        // A window mapped while it is minimised is mapped iconic by the window manager: it
        // stays invisible and the tray icon is gone. Neither the way into the tray nor the
        // way back may leave the minimised state on the window, by close box or tool button.
        RegistrySchluessel(*registry_, "Software\\Kalvora")
            .WahrheitswertSchreiben("bei Close in Tray", true);
        TForm1& f = Fenster();
        struct Zustandsbeobachter : QObject {
            std::vector<Qt::WindowStates> beimZeigen;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Show)
                    beimZeigen.push_back(static_cast<QWidget*>(o)->windowState());
                return false;
            }
        } beobachter;
        f.installEventFilter(&beobachter);
        for (const bool closeBox : {true, false, true}) {
            if (closeBox)
                f.close();
            else
                f.Aktion(befehl::Terminueberwachung)->trigger();
            QVERIFY(!f.isVisible());
            QVERIFY(programm_->Traydouble().Sichtbar());
            QVERIFY(!(f.windowState() & Qt::WindowMinimized));
            beobachter.beimZeigen.clear();
            f.Alarm().TrayGeklickt(Traytaste::Links, QPoint(500, 700));
            QVERIFY(f.isVisible());
            QCOMPARE(beobachter.beimZeigen.size(), size_t(1));
            QVERIFY(!(beobachter.beimZeigen.front() & Qt::WindowMinimized));
            QVERIFY(!programm_->Traydouble().Sichtbar());
        }
        f.removeEventFilter(&beobachter);
    }

    void StartansichtTray() {
        RegistrySchluessel(*registry_, "Software\\Kalvora").GanzzahlSchreiben("Startansicht", 7);
        TForm1& f = Fenster();
        QVERIFY(!f.isVisible() || programm_->Traydouble().Sichtbar());
        QVERIFY(programm_->Traydouble().Sichtbar());
    }

    void StartcodeMiniMitAutostartansichtTray() {
        RegistrySchluessel(*registry_, "Software\\Kalvora")
            .GanzzahlSchreiben("Autostartansicht", 7);
        programm_ = std::make_unique<test::Testprogramm>(registry_.get(), &uhr_, &dialoge_);
        form_ = &programm_->Fenster();
        form_->show();
        form_->Startargumente(datei_, QStringLiteral("mini"));
        form_->StartNachSplash();
        QVERIFY(programm_->Traydouble().Sichtbar());
        QVERIFY(!form_->isVisible());
        QCOMPARE(programm_->Traydouble().tooltip, std::string("Kalvora - termine"));
    }

    void Schreibschutzoptionen() {
        TForm1& f = Fenster();
        QVERIFY(f.Sitzung().Schreibschutz1Click());  // read-only now
        QVERIFY(f.Sitzung().schreibgeschuetzt());
        QCOMPARE(f.Sitzung().Zustand().aktualisierenIntervallMs, 0);
        QAction* a = f.Aktion(befehl::SchreibschutzEinstellungen);
        QVERIFY(a->isEnabled());
        bool gesehen = false;
        QTimer::singleShot(100, &f, [&] {
            auto* d = qobject_cast<TSchreibschutzdialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Schreibschutzoptionen"));
            d->grab().save(QDir::temp().filePath("kalvora-schreibschutzoptionen.png"));
            QVERIFY(d->Manuell()->isChecked());
            QVERIFY(!d->Intervall()->isEnabled());
            QVERIFY(!d->Speicherintervall()->isEnabled());
            QVERIFY(!d->UebernehmenKnopf()->isEnabled());
            d->Zeitintervall()->click();
            QVERIFY(d->Intervall()->isEnabled());
            QVERIFY(d->UebernehmenKnopf()->isEnabled());
            // A number outside 1..99 is refused with a message and the dialog stays.
            auto* feld = d->Intervall()->findChild<QLineEdit*>();
            feld->selectAll();
            QTest::keyClicks(feld, "0");
            d->OkKnopf()->click();
            QVERIFY(d->isVisible());
            QVERIFY(dialoge_.meldungen.back().text.find("Aktualisierungsintervall") !=
                    std::string::npos);
            feld->selectAll();
            QTest::keyClicks(feld, "5");
            d->AlarmAus()->click();
            d->OkKnopf()->click();
            gesehen = true;
        });
        a->trigger();
        QVERIFY(gesehen);
        // The read-only copy now refreshes every 5 minutes; the alarm check is off.
        QCOMPARE(f.Sitzung().Zustand().aktualisierenIntervallMs, 5 * 60000);
        QVERIFY(f.Sitzung().optionen.AlarmAus);
        kalvora::Schreibschutzoptionen gelesen;
        SchreibschutzoptionenLaden(*registry_, gelesen);
        QCOMPARE(gelesen.Intervall, 5);
        QCOMPARE(gelesen.Art, 1);
        QVERIFY(gelesen.AlarmAus);

        // "Abbrechen" after "Übernehmen" keeps what was taken over.
        QTimer::singleShot(100, &f, [&] {
            auto* d = qobject_cast<TSchreibschutzdialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->Manuell()->click();
            d->UebernehmenKnopf()->click();
            d->Zeitintervall()->click();
            d->AbbrechenKnopf()->click();
        });
        a->trigger();
        QCOMPARE(f.Sitzung().optionen.Art, 0);
        QCOMPARE(f.Sitzung().Zustand().aktualisierenIntervallMs, 0);
    }

    void HeuteRahmenBlendet() {
        RegistrySchluessel(*registry_, "Software\\Kalvora")
            .WahrheitswertSchreiben("scharzer Rahmen blinkend", true);
        RegistrySchluessel(*registry_, "Software\\Kalvora").GanzzahlSchreiben("Timerintervall", 20);
        TForm1& f = Fenster();
        f.RahmenblinkenAnwenden();
        QVERIFY(f.Flaeche()->RahmenBlinkt());
        QTRY_VERIFY(f.Flaeche()->Blende().grau > 0x404040);
        const Rechteck z = Zelle(15, 6);
        const QImage bild = Bild();
        const uint32_t grau = f.Flaeche()->Blende().grau & 0xFF;
        const QColor links = bild.pixelColor(z.links + 2, (z.oben + z.unten) / 2);
        QCOMPARE(links.red(), links.blue());
        QVERIFY(qAbs(links.red() - int(grau)) < 80);  // a step may have passed since
        QVERIFY(links.red() > 0);
        // Switched off, the black frame of the normal paint is back.
        RegistrySchluessel(*registry_, "Software\\Kalvora")
            .WahrheitswertSchreiben("scharzer Rahmen blinkend", false);
        f.Optionen().scharzerRahmenBlinkend = false;
        f.RahmenblinkenAnwenden();
        QVERIFY(!f.Flaeche()->RahmenBlinkt());
        QTRY_COMPARE(Bild().pixelColor(z.links + 2, (z.oben + z.unten) / 2), QColor(Qt::black));
    }

    void ShellOeffnetUeberDenDesktop() {
        LinkEmpfaenger empfaenger;
        QDesktopServices::setUrlHandler("https", &empfaenger, "oeffnen");
        QtShell shell;
        QVERIFY(shell.Oeffnen(" https://example.org/plan "));
        QVERIFY(!shell.Oeffnen("   "));
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(empfaenger.urls, QList<QUrl>{QUrl("https://example.org/plan")});
    }

    void KlangSpieltDieMitgelieferteDatei() {
        const QString datei = Datenpfad(QStringLiteral("klang/alarm.wav"));
        QVERIFY(!datei.isEmpty());
        QtKlang klang;
        QSignalSpy fehler(&klang, &QtKlang::Fehler);
        QElapsedTimer uhr;
        uhr.start();
        klang.Abspielen("/gibt/es/nicht.wav");  // silent, no fault
        QVERIFY(!klang.Spielt());
        klang.Abspielen(datei.toStdString());
        QVERIFY(uhr.elapsed() < 3000);  // never blocks the alarm
        // Plays where the machine has a sound output; otherwise the backend says why.
        QTRY_VERIFY_WITH_TIMEOUT(klang.Spielt() || fehler.count() > 0, 5000);
        if (klang.Spielt()) {
            QSignalSpy ende(&klang, &QtKlang::Beendet);
            QTRY_VERIFY_WITH_TIMEOUT(ende.count() > 0, 8000);
            klang.Abspielen(datei.toStdString());  // after the end it starts again
            QTRY_VERIFY_WITH_TIMEOUT(klang.Spielt(), 3000);
            qInfo("Tonausgabe: abgespielt");
        } else {
            qInfo("keine Tonausgabe: %s", qPrintable(klang.LetzterFehler()));
        }
        klang.Anhalten();
        QVERIFY(!klang.Spielt());
        // A file that is no sound stays silent too.
        klang.Abspielen(datei_.toStdString());
        QTest::qWait(300);
        klang.Anhalten();
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<AlarmfensterTest>(argc, argv);
}

#include "AlarmfensterTest.moc"
