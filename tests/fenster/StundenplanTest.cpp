// The timetable opened from the main window: stepping with buttons, keys and wheel, the hour
// fields, the pointer choosing the day and the link, the day dialog on a double click,
// "Link ausführen" through the desktop's open, and the desktop timetable with the main
// window hidden and the tray icon shown until it closes.
#include <QAction>
#include <cmath>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

#include "Jahresfenstertest.h"
#include "Testumgebung.h"
#include "ansichten/fenster/Stundenplan.h"
#include "kalender/Kalenderdatei.h"
#include "main/fenster/Alarmsteuerung.h"
#include "platform/posix/AtomareDatei.h"
#include "termine/fenster/Tagestermine.h"

using namespace kalvora;

namespace {

constexpr uint32_t Gelb = 0x00FFFF;

TTermin Termin(const char* zeit, int dauer, const char* text, const char* link = "") {
    TTermin t;
    t.Uhrzeit = zeit;
    t.Dauer = dauer;
    t.Beschreibung = text;
    t.Link = link;
    t.Farbe = Gelb;
    return t;
}

}  // namespace

class StundenplanTest : public test::Jahresfenstertest {
    Q_OBJECT

    void DateiMit(std::vector<TTermin> termine) {
        TKalender kal;
        TTerminliste& l = kal.Terminliste(2009, 6, 15);
        l.assign(1, TTermin{});
        for (TTermin& t : termine) {
            // The file keeps a link as a reference into the document's link list.
            if (!t.Link.empty()) kal.Linkliste.push_back(t.Link.str());
            l.push_back(std::move(t));
        }
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(kal));
    }
    void Wert(const char* name, int wert) {
        RegistrySchluessel(*registry_, "Software\\Kalvora").GanzzahlSchreiben(name, wert);
    }
    void Schalter(const char* name, bool wert) {
        RegistrySchluessel(*registry_, "Software\\Kalvora").WahrheitswertSchreiben(name, wert);
    }

    // Opens the timetable and runs pruefen inside its modal loop; the window is closed
    // afterwards even when a check failed.
    void Zeigen(bool desktop, const std::function<void(TForm24&)>& pruefen,
                const std::function<void(TForm24&)>& vorher = {}) {
        bool gelaufen = false;
        StundenplanZeigen(*form_, desktop, [&](TForm24& d) {
            if (vorher) vorher(d);
            QTimer::singleShot(0, &d, [&] {
                if (!QTest::qWaitForWindowExposed(&d)) qWarning("timetable not exposed");
                QCoreApplication::processEvents();
                pruefen(d);
                gelaufen = true;
                if (d.isVisible()) d.close();
            });
        });
        QVERIFY(gelaufen);
    }
    // The middle of an hour of day k in the drawing's coordinates.
    static QPoint Stelle(TForm24& d, int k, double stunde) {
        const TStundenplan& p = d.Modell();
        const Stundenplanmasse m = p.Masse(d.Flaeche()->width(), d.Flaeche()->height());
        const Punkt e = p.TagesEcke(k, m);
        return {e.x + m.bw / 2,
                e.y + static_cast<int>((stunde - p.ErsteStunde() + 1) * m.hh)};
    }
    static void Rad(QWidget* w, int delta) {
        const QPoint p = w->rect().center();
        QWheelEvent e(p, w->mapToGlobal(p), {}, {0, delta}, Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
        QApplication::sendEvent(w, &e);
    }

private slots:
    void init() {
        datei_ = ordner_.filePath("plan.kvr");
        DateiMit({Termin("10:00", 90, "Zahnarzt", "https://example.org/praxis"),
                  Termin("14:00", 60, "Sitzung")});
        registry_ = std::make_unique<SpeicherRegistry>();
        dialoge_ = {};
    }
    void cleanup() { FensterSchliessen(); }

    void NormalBlaetternUndStundenfelder() {
        TForm1& f = Fenster();  // today 15 June 2009
        f.Auswahl().Setzen(15, 6, 2009);
        Zeigen(false, [&](TForm24& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Stundenplanansicht"));
            QVERIFY(!(d.windowFlags() & Qt::WindowMinimizeButtonHint));
            QVERIFY(f.isVisible());
            // Four days in two rows: two columns of 220 pixels, 450 at least; bottom right.
            QCOMPARE(d.size(), QSize(450, 440));
            QCOMPARE(d.pos(), QPoint(1024 - 450, 768 - 440));
            QCOMPARE(d.Modell().Spalten(), 2);
            QVERIFY(d.Knopf(5)->isEnabled());  // the options dialog on its timetable page
            QVERIFY(d.Knopf(8)->isEnabled());  // the manual's timetable page

            d.Knopf(7)->click();
            QCOMPARE(d.Modell().Versatz(), 1);
            d.Knopf(12)->click();
            QCOMPARE(d.Modell().Versatz(), 8);
            d.Knopf(11)->click();
            d.Knopf(3)->click();
            QCOMPARE(d.Modell().Versatz(), 0);
            // The keys reach the window from the hour field too, and the field keeps them.
            QSpinBox* von = d.ErsteStundeFeld();
            von->setFocus();
            QTest::keyClick(von, Qt::Key_Plus);
            QTest::keyClick(von, Qt::Key_Plus);
            QCOMPARE(d.Modell().Versatz(), 2);
            QCOMPARE(von->value(), 7);
            QTest::keyClick(von, Qt::Key_Minus);
            QCOMPARE(d.Modell().Versatz(), 1);
            QTest::keyClick(von, Qt::Key_Return);
            QCOMPARE(d.Modell().Versatz(), 0);
            Rad(d.Flaeche(), -120);  // towards the user
            QCOMPARE(d.Modell().Versatz(), -1);
            Rad(d.Flaeche(), 120);
            QCOMPARE(d.Modell().Versatz(), 0);

            QCOMPARE(von->value(), 7);
            QCOMPARE(d.LetzteStundeFeld()->value(), 20);
            d.LetzteStundeFeld()->setValue(7);  // steps forward past the first hour
            QCOMPARE(d.LetzteStundeFeld()->value(), 8);
            von->setValue(9);  // steps back below the last hour
            QCOMPARE(von->value(), 7);
            QCOMPARE(d.Modell().LetzteStunde(), 8);
            d.LetzteStundeFeld()->setValue(20);
            QCOMPARE(d.Modell().LetzteStunde(), 20);

            const QImage bild = d.grab().toImage();
            bild.save(QDir::temp().filePath("kalvora-stundenplan.png"));
            const QPoint balken = d.Flaeche()->mapTo(&d, Stelle(d, 1, 10.5));
            QCOMPARE(QColor(bild.pixel(balken)), QColor(255, 255, 0));
            const QPoint leer = d.Flaeche()->mapTo(&d, Stelle(d, 1, 12.5));
            QCOMPARE(QColor(bild.pixel(leer)), QColor(0xFE, 0xFF, 0xFF));

            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
        });
    }

    void AbgeschnittenerBalkenStrichpunktiert() {
        Wert("Stdplanstartzeit", 11);
        Wert("Stdplanendezeit", 14);
        TForm1& f = Fenster();
        f.Auswahl().Setzen(15, 6, 2009);
        Zeigen(false, [&](TForm24& d) {
            const QImage bild = d.Flaeche()->grab().toImage();
            bild.save(QDir::temp().filePath("kalvora-stundenplan-schnitt.png"));
            // The dentist's bar from 10:00 starts at 10.8 with a dash-dotted edge: black
            // dashes with the bar's yellow between them.
            const TStundenplan& p = d.Modell();
            const Stundenplanmasse m = p.Masse(d.Flaeche()->width(), d.Flaeche()->height());
            const Punkt e = p.TagesEcke(1, m);
            const int y = e.y + static_cast<int>(std::nearbyint(0.8 * m.hh));
            int schwarz = 0;
            int gelb = 0;
            for (int x = e.x + 10; x < e.x + m.bw - 10; ++x) {
                const QColor c(bild.pixel(x, y));
                if (c == QColor(Qt::black)) ++schwarz;
                if (c == QColor(255, 255, 0)) ++gelb;
            }
            QVERIFY(schwarz > 10);
            QVERIFY(gelb > 10);
            QCOMPARE(QColor(bild.pixel(e.x + m.bw / 2, y + 3)), QColor(255, 255, 0));
        });
    }

    void ZeigerDoppelklickUndLink() {
        TForm1& f = Fenster();
        f.Auswahl().Setzen(15, 6, 2009);
        Zeigen(false, [&](TForm24& d) {
            QWidget* flaeche = d.Flaeche();
            // The pointer over day 2 makes it the selected day.
            test::Maus(flaeche, QEvent::MouseMove, Stelle(d, 2, 9), Qt::NoButton, {});
            QCOMPARE(f.Auswahl(), (AusgewaehlterTag{16, 6, 2009}));
            QVERIFY(d.Modell().Link().empty());

            // A double click there edits that day in the day dialog.
            std::optional<Datum> bearbeitet;
            QTimer::singleShot(100, qApp, [&] {
                TForm3& tag = f.Tagesfenster();
                if (!tag.isVisible()) return;
                bearbeitet = tag.Modell().Tag();
                tag.close();
            });
            d.Knopf(7)->click();  // the first day shown stays after the dialog
            QCOMPARE(f.Auswahl(), (AusgewaehlterTag{16, 6, 2009}));
            test::Maus(flaeche, QEvent::MouseMove, Stelle(d, 1, 9), Qt::NoButton, {});
            QTest::mouseDClick(flaeche, Qt::LeftButton, {}, Stelle(d, 1, 9));
            QTRY_VERIFY(bearbeitet.has_value());
            QCOMPARE(*bearbeitet, (Datum{16, 6, 2009}));
            QCOMPARE(d.Modell().Versatz(), 1);
            QVERIFY(d.isVisible());

            // The popup over the appointment with a link opens it through the desktop.
            d.Knopf(6)->click();
            bool gesehen = false;
            test::ImMenue([&](QMenu* m) {
                QCOMPARE(m, d.Kontextmenue());
                QAction* link = d.Menueeintrag("LinkAusfuehren1");
                QVERIFY(link->isEnabled());
                link->trigger();
                gesehen = true;
            });
            const QPoint zahnarzt = Stelle(d, 1, 10.5);
            QContextMenuEvent e(QContextMenuEvent::Mouse, zahnarzt, flaeche->mapToGlobal(zahnarzt));
            QApplication::sendEvent(flaeche, &e);
            QTRY_VERIFY(gesehen);
            QCOMPARE(programm_->Shelldouble().geoeffnet,
                     std::vector<std::string>{"https://example.org/praxis"});
            QCOMPARE(f.Auswahl(), (AusgewaehlterTag{15, 6, 2009}));

            // Over an appointment without a link the entry is disabled.
            bool ohne = false;
            test::ImMenue([&](QMenu*) {
                ohne = !d.Menueeintrag("LinkAusfuehren1")->isEnabled();
            });
            const QPoint sitzung = Stelle(d, 1, 14.5);
            QContextMenuEvent e2(QContextMenuEvent::Mouse, sitzung, flaeche->mapToGlobal(sitzung));
            QApplication::sendEvent(flaeche, &e2);
            QTRY_VERIFY(ohne);
        });
    }

    void HakenFuerOptionenUndHilfe() {
        Fenster();
        int thema = 0;
        int optionen = 0;
        Zeigen(
            false,
            [&](TForm24& d) {
                QVERIFY(d.Knopf(5)->isEnabled());
                QVERIFY(d.Knopf(8)->isEnabled());
                d.Knopf(8)->click();
                d.Knopf(5)->click();
            },
            [&](TForm24& d) {
                d.hilfe = [&](int t) { thema = t; };
                d.optionen = [&] { ++optionen; };
            });
        QCOMPARE(thema, 120);
        QCOMPARE(optionen, 1);
    }

    // Esc and Return typed into the popup menu belong to the menu: Esc closes only the menu,
    // Return runs the highlighted entry; the timetable stays open.
    void TastenImKontextmenue() {
        TForm1& f = Fenster();
        f.Auswahl().Setzen(15, 6, 2009);
        Zeigen(false, [&](TForm24& d) {
            QWidget* flaeche = d.Flaeche();
            QMenu* menue = d.Kontextmenue();
            const QPoint p = Stelle(d, 1, 12.5);
            d.KontextmenueZeigen(p, flaeche->mapToGlobal(p));
            QTRY_VERIFY(menue->isVisible());
            QTest::keyClick(menue, Qt::Key_Escape);
            QTRY_VERIFY(!menue->isVisible());
            QVERIFY(d.isVisible());

            d.KontextmenueZeigen(p, flaeche->mapToGlobal(p));
            QTRY_VERIFY(menue->isVisible());
            menue->setActiveAction(d.Menueeintrag("Vorblaettern1"));
            QTest::keyClick(menue, Qt::Key_Return);
            QTRY_VERIFY(!menue->isVisible());
            QCOMPARE(d.Modell().Versatz(), 1);  // "vorblättern", not "heute"
            QVERIFY(d.isVisible());
        });
    }

    // A typed hour is coupled with the other one when the edit ends, not at every digit.
    void StundenfelderKoppelnErstAmEnde() {
        TForm1& f = Fenster();
        f.Auswahl().Setzen(15, 6, 2009);
        Zeigen(false, [&](TForm24& d) {
            d.Knopf(7)->click();
            QSpinBox* bis = d.LetzteStundeFeld();
            bis->setFocus();
            bis->selectAll();
            QTest::keyClicks(bis, "22");
            QCOMPARE(d.Modell().LetzteStunde(), 20);  // still typing
            QTest::keyClick(bis, Qt::Key_Return);
            QCOMPARE(bis->value(), 22);
            QCOMPARE(d.Modell().LetzteStunde(), 22);
            QCOMPARE(d.Modell().Versatz(), 1);  // Enter finished the hour only
            QTest::keyClick(bis, Qt::Key_Return);
            QCOMPARE(d.Modell().Versatz(), 0);  // nothing typed: today

            // The first hour: typed, taken when the focus leaves the field.
            QSpinBox* von = d.ErsteStundeFeld();
            von->setFocus();
            von->selectAll();
            QTest::keyClicks(von, "10");
            QCOMPARE(d.Modell().ErsteStunde(), 7);
            bis->setFocus();
            QTRY_COMPARE(d.Modell().ErsteStunde(), 10);
            QCOMPARE(von->value(), 10);
            QCOMPARE(bis->value(), 22);
            // Arrows couple at once: the last hour cannot pass 24.
            bis->setValue(24);
            QTest::keyClick(bis, Qt::Key_Up);
            QCOMPARE(bis->value(), 24);
            QTest::keyClick(bis, Qt::Key_Down);
            QCOMPARE(d.Modell().LetzteStunde(), 23);
        });
    }

    // After "Optionen" the normal timetable takes its new size in the bottom right corner,
    // whole on the screen.
    void NachOptionenWiederUntenRechts() {
        TForm1& f = Fenster();
        f.Auswahl().Setzen(15, 6, 2009);
        Zeigen(false, [&](TForm24& d) {
            QCOMPARE(d.frameGeometry().bottomRight(), QPoint(1023, 767));
            d.optionen = [&] {
                Einstellungen& e = f.Optionen();
                e.Stdplantage = 6;  // three columns: 660 pixels
                f.Kern().EinstellungenGeaendertMelden();
            };
            d.Knopf(5)->click();
            QCOMPARE(d.width(), 660);
            QCOMPARE(d.frameGeometry().bottomRight(), QPoint(1023, 767));
        });
    }

    void NormalEntferntTraysymbol() {
        Fenster();
        test::Testtray& tray = programm_->Traydouble();
        tray.Zeigen(Traysymbol::Programm, "Kalvora");
        Zeigen(false, [&](TForm24&) { QVERIFY(tray.Sichtbar()); });
        QVERIFY(!tray.Sichtbar());
    }

    void DesktopObenLinksMitTray() {
        Wert("Stdplanort", 2);
        Wert("Stdplanabstx", 10);
        Wert("Stdplanabsty", 20);
        Wert("Stdplantage", 7);
        Schalter("Destopansicht transparent", true);
        TForm1& f = Fenster();
        f.Auswahl().Setzen(15, 6, 2009);
        test::Testtray& tray = programm_->Traydouble();
        Zeigen(true, [&](TForm24& d) {
            QVERIFY(!f.isVisible());
            QVERIFY(tray.Sichtbar());
            // The icon of the desktop timetable; the dentist's appointment is running.
            QCOMPARE(tray.symbole.front(), Traysymbol::Z002);
            QCOMPARE(tray.Symbol(), Traysymbol::Z006);
            QCOMPARE(f.Alarm().Desktop(), &d);
            QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
            QCOMPARE(d.windowType(), Qt::Tool);
            // Seven days in two rows: four columns of 220 pixels.
            QCOMPARE(d.size(), QSize(880, 440));
            QCOMPARE(d.pos(), QPoint(10, 20));
            QVERIFY(d.Leiste()->isVisible());
            QVERIFY(!d.LeisteUnten());
            // Offscreen there is no see-through window: the background colour shows.
            QVERIFY(!d.Durchsichtig());
            d.grab().save(QDir::temp().filePath("kalvora-desktopstundenplan.png"));
            // The tray's "Ansicht schließen" closes it.
            f.Alarm().Traymenue()->findChild<QAction*>("TrayAnsichtSchliessen")->trigger();
            QVERIFY(!d.isVisible());
        });
        QVERIFY(f.isVisible());
        QVERIFY(!tray.Sichtbar());
        QVERIFY(!f.Alarm().Desktop());
        QVERIFY(!f.Alarm().ImHintergrund());
        QVERIFY(!f.Alarm().ansichtSchliessen);
    }

    void DesktopBeendenAusDemTray() {
        TForm1& f = Fenster();
        QSignalSpy geschlossen(&f, &TForm1::Geschlossen);
        Zeigen(true, [&](TForm24& d) {
            f.Alarm().Traymenue()->findChild<QAction*>("TrayBeenden")->trigger();
            QVERIFY(!d.isVisible());
        });
        // The program ends: the main window does not come back.
        QCOMPARE(geschlossen.count(), 1);
        QVERIFY(!f.isVisible());
        QVERIFY(!programm_->Traydouble().Sichtbar());
        QVERIFY(!f.Alarm().Desktop());
    }

    void DesktopUntenRechtsOhneLeiste() {
        Wert("Stdplanabstx", 5);
        Wert("Stdplanabsty", 7);
        Schalter("DesktopToolbar aus", true);
        TForm1& f = Fenster();
        Zeigen(true, [&](TForm24& d) {
            QCOMPARE(d.pos(), QPoint(1024 - 450 - 5, 768 - 440 - 7));
            QVERIFY(d.LeisteUnten());
            QVERIFY(!d.Leiste()->isVisible());
            // Escape closes the desktop timetable as well.
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QVERIFY(f.isVisible());
        QVERIFY(!programm_->Traydouble().Sichtbar());
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<StundenplanTest>(argc, argv);
}

#include "StundenplanTest.moc"
