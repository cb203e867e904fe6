// The calendar views opened from the main window: filling, paging, switching month → week →
// two weeks → month through their buttons, the day dialog from a cell, the link menu and the
// shared window geometry.
#include <QAction>
#include <QCursor>
#include <QScopeGuard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

#include "Jahresfenstertest.h"
#include "Testumgebung.h"
#include "ansichten/fenster/Ansichtsschleife.h"
#include "ansichten/fenster/Monatsansicht.h"
#include "ansichten/fenster/Stundenplan.h"
#include "ansichten/fenster/Wochenansicht.h"
#include "einstellungen/fenster/Optionen.h"
#include "kalender/Kalenderdatei.h"
#include "main/Hauptmenue.h"
#include "platform/posix/AtomareDatei.h"
#include "termine/fenster/Tagestermine.h"

using namespace kalvora;

namespace {

// Runs f on the next modal window of type T once it is open.
template <class T>
void ImFenster(std::function<void(T*)> f, int ms = 50) {
    QTimer::singleShot(ms, qApp, [f, ms] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!w) {
            ImFenster<T>(f, ms);  // not open yet
            return;
        }
        f(w);
    });
}

QString Text(TKalenderansicht* v, int i) { return v->Zelle(i)->toPlainText(); }

}  // namespace

class KalenderansichtenTest : public test::Jahresfenstertest {
    Q_OBJECT

private slots:
    void init() {
        datei_ = ordner_.filePath("termine.kvr");
        TKalender kal;
        TTerminliste& l = kal.Terminliste(2009, 6, 18);
        l.assign(1, TTermin{});
        TTermin t;
        t.Uhrzeit = "09:00";
        t.Beschreibung = "Besprechung";
        t.Dauer = 30;
        t.Link = "https://example.org/plan";
        l.push_back(t);
        kal.Linkliste = {"https://example.org/plan"};
        kal.Farbnamen[1] = "Urlaub";
        kal.Farbwerte[1] = 0x00FFFF;
        kal.Tagesfarben(2009, 6, 22) = {0x00FFFF};
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(kal));
        registry_ = std::make_unique<SpeicherRegistry>();
        dialoge_ = {};
    }
    void cleanup() { FensterSchliessen(); }

    void MonatBlaetternUndWechselnBisZurueck() {
        TForm1& f = Fenster();  // 15 June 2009
        QStringList schritte;
        // Each step is set up by the one before, just before it switches.
        std::function<void(TForm9*)> mowo = [&](TForm9* w) {
            schritte << w->windowTitle();
            QCOMPARE(w->Spalten(), 5);  // June 2009 begins on a Monday
            QVERIFY(!w->Zelle(31)->isVisible());
            QVERIFY(w->Zelle(30)->isVisible());
            QCOMPARE(w->Wochenlabel(0)->text(), QStringLiteral("KW 23"));
            w->grab().save(QDir::temp().filePath("kalvora-monatwochen.png"));
            QTest::keyClick(w->Zelle(1), Qt::Key_Escape);
        };
        std::function<void(TForm8*)> monatWieder = [&](TForm8* m) {
            schritte << m->windowTitle();
            ImFenster<TForm9>(mowo);
            m->Knopf(10)->click();  // by weeks
        };
        std::function<void(TForm19*)> zwei = [&](TForm19* z) {
            schritte << z->windowTitle();
            QCOMPARE(z->windowTitle(),
                     QStringLiteral("Wochenansicht von 15.06.2009 bis 28.06.2009"));
            QCOMPARE(z->Wochenlabel(0)->text(), QStringLiteral("KW 25"));
            QCOMPARE(z->Wochenlabel(1)->text(), QStringLiteral("KW 26"));
            // Forward: the old second week becomes the first.
            z->Knopf(2)->click();
            QVERIFY(z->windowTitle().startsWith(QStringLiteral("Wochenansicht von 22.06.2009")));
            z->Knopf(1)->click();
            z->grab().save(QDir::temp().filePath("kalvora-zweiwochen.png"));
            ImFenster<TForm8>(monatWieder);
            z->Knopf(8)->click();  // the month view
        };
        std::function<void(TForm7*)> woche = [&](TForm7* w) {
            schritte << w->windowTitle();
            QCOMPARE(w->windowTitle(), QStringLiteral("Wochenansicht von Montag, 15.06.2009 "
                                                      "bis Sonntag, 21.06.2009"));
            QCOMPARE(w->Zelle(8)->toPlainText(), QStringLiteral("KW 25"));
            QVERIFY(Text(w, 4).contains(QStringLiteral("Besprechung")));
            w->Knopf(2)->click();
            QVERIFY(w->windowTitle().contains(QStringLiteral("22.06.2009")));
            w->Knopf(1)->click();
            w->grab().save(QDir::temp().filePath("kalvora-wochenansicht.png"));
            ImFenster<TForm19>(zwei);
            w->Knopf(13)->click();  // two weeks
        };
        ImFenster<TForm8>([&](TForm8* m) {
            schritte << m->windowTitle();
            QCOMPARE(m->windowTitle(), QStringLiteral("Monatsansicht : Juni 2009"));
            QVERIFY(Text(m, 18).contains(QStringLiteral("09:00-09:30   Besprechung")));
            QVERIFY(Text(m, 15).startsWith(QStringLiteral("Montag, 15.06.2009")));
            QVERIFY(m->Zelle(30)->isEnabled());
            QVERIFY(!m->Zelle(31)->isEnabled());
            QCOMPARE(Text(m, 32), QStringLiteral("Juni 2009"));
            QVERIFY(m->Inhalt(18).fett);
            QCOMPARE(m->Inhalt(22).hintergrund, 0x00FFFFu);
            // Today's frame around 15 June, red frames around the Sundays 7, 14, 21, 28.
            QVERIFY(m->HeuteRahmen()->isVisible());
            QCOMPARE(m->HeuteRahmen()->geometry(),
                     m->Zelle(15)->geometry().adjusted(-2, -2, 2, 2));
            QCOMPARE(m->Sonntagsrahmen(0)->geometry(),
                     m->Zelle(7)->geometry().adjusted(-4, -4, 4, 4));
            QVERIFY(!m->Sonntagsrahmen(4)->isVisible());
            // Forward, back, the keys.
            m->Knopf(2)->click();
            QCOMPARE(m->windowTitle(), QStringLiteral("Monatsansicht : Juli 2009"));
            QVERIFY(m->Zelle(31)->isEnabled());
            QVERIFY(!m->HeuteRahmen()->isVisible());
            QTest::keyClick(m->Zelle(3), '-');
            QCOMPARE(m->windowTitle(), QStringLiteral("Monatsansicht : Juni 2009"));
            QCOMPARE(f.Auswahl().tag, 15);
            m->grab().save(QDir::temp().filePath("kalvora-monatsansicht.png"));
            // To the week view from the cell of 18 June.
            QTest::mouseClick(m->Zelle(18)->viewport(), Qt::LeftButton);
            ImFenster<TForm7>(woche);
            m->Knopf(7)->click();
        });
        f.Aktion(befehl::Monatsansicht)->trigger();
        QCOMPARE(schritte.size(), 5);
        // The geometry of the views is shared and kept in the settings.
        QVERIFY(f.Optionen().WindowstatusDerAnsichten == 0 ||
                f.Optionen().WindowWidth >= 600);
    }

    void DoppelklickOeffnetDenTagUndFuelltDieZelle() {
        TForm1& f = Fenster();
        QCOMPARE(std::string(f.Kalender().Terminliste(2009, 6, 18)[1].Link.sicht()),
                 std::string("https://example.org/plan"));
        bool fertig = false;
        ImFenster<TForm8>([&](TForm8* m) {
            ImFenster<TForm3>([&](TForm3* d) {
                QCOMPARE(d->Modell().Tag(), (Datum{18, 6, 2009}));
                auto* info = d->findChild<QPlainTextEdit*>("Tagesinfo");
                QVERIFY(info);
                QTest::keyClicks(info, "Neue Notiz");
                d->reject();
            });
            QTest::mouseDClick(m->Zelle(18)->viewport(), Qt::LeftButton);
            QTRY_VERIFY(Text(m, 18).contains(QStringLiteral("Neue Notiz")));
            QCOMPARE(f.Auswahl().tag, 18);
            QVERIFY(f.Kalender().geaendert);
            // The link menu hands the link to the desktop.
            test::ImMenue([](QMenu* menue) {
                QCOMPARE(menue->actions().size(), 1);
                menue->actions().front()->trigger();
            });
            QTest::mouseClick(m->Zelle(18)->viewport(), Qt::RightButton);
            fertig = true;
            m->reject();
        });
        f.Aktion(befehl::Monatsansicht)->trigger();
        QVERIFY(fertig);
        QCOMPARE(programm_->Shelldouble().geoeffnet,
                 std::vector<std::string>{"https://example.org/plan"});
    }

    void ZweiWochenDoppelklickBehaeltDieWochen() {
        TForm1& f = Fenster();
        bool fertig = false;
        ImFenster<TForm19>([&](TForm19* z) {
            const QString vorher = z->windowTitle();
            ImFenster<TForm3>([](TForm3* d) { d->reject(); });
            QTest::mouseDClick(z->Zelle(10)->viewport(), Qt::LeftButton);  // second column
            QTRY_COMPARE(f.Auswahl().tag, 21);  // one week back from the clicked day's week
            QCOMPARE(z->windowTitle(), vorher);
            fertig = true;
            z->reject();
        });
        f.Aktion(befehl::ZweiWochen)->trigger();
        QVERIFY(fertig);
    }

    // The pointer resting over 10 March in the year view behind the month view: "Optionen"
    // and F5 repaint the main window, and the view still shows June.
    void OptionenUndF5BehaltenDenMonat() {
        TForm1& f = Fenster();  // 15 June 2009
        bool fertig = false;
        ImFenster<TForm8>([&](TForm8* m) {
            const auto zu = qScopeGuard([m] { m->reject(); });  // also after a failed check
            QCursor::setPos(f.Flaeche()->mapToGlobal(Mitte(10, 3)));
            QCoreApplication::processEvents();
            ImFenster<TOptionen>([](TOptionen* o) { o->OkKnopf()->click(); });
            QTest::keyClick(m->Zelle(18), Qt::Key_O, Qt::ControlModifier);
            QCOMPARE(m->windowTitle(), QStringLiteral("Monatsansicht : Juni 2009"));
            QCOMPARE(f.Auswahl(), (AusgewaehlterTag{15, 6, 2009}));
            // F5 reloads the file while the menu entry is available.
            QAction* laden = f.Aktion(befehl::Aktualisieren);
            laden->setVisible(true);
            laden->setEnabled(true);
            QTest::keyClick(m->Zelle(18), Qt::Key_F5);
            QCOMPARE(m->windowTitle(), QStringLiteral("Monatsansicht : Juni 2009"));
            QCOMPARE(f.Auswahl(), (AusgewaehlterTag{15, 6, 2009}));
            // A day picked in the view stays picked over the day dialog and the options.
            QTest::mouseClick(m->Zelle(20)->viewport(), Qt::LeftButton);
            ImFenster<TForm3>([](TForm3* d) { d->reject(); });
            m->Knopf(4)->click();
            ImFenster<TOptionen>([](TOptionen* o) { o->OkKnopf()->click(); });
            QTest::keyClick(m->Zelle(20), Qt::Key_O, Qt::ControlModifier);
            QCOMPARE(f.Auswahl(), (AusgewaehlterTag{20, 6, 2009}));
            QCOMPARE(m->windowTitle(), QStringLiteral("Monatsansicht : Juni 2009"));
            fertig = true;
        });
        f.Aktion(befehl::Monatsansicht)->trigger();
        QVERIFY(fertig);
        QCursor::setPos(0, 0);
    }

    // A start view opens on the selected day of the start, today, whatever day of the year
    // view the pointer happens to rest on.
    void StartansichtZeigtHeute() {
        for (const char* code : {"mona", "stud"}) {
            programm_ = std::make_unique<test::Testprogramm>(registry_.get(), &uhr_, &dialoge_);
            form_ = &programm_->Fenster();
            TForm1& f = *form_;
            f.Startargumente(datei_, QString::fromLatin1(code));
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            QCursor::setPos(f.Flaeche()->mapToGlobal(Mitte(10, 3)));
            QTRY_COMPARE(f.Auswahl(), (AusgewaehlterTag{10, 3, 2009}));
            QString titel;
            int versatz = -99;
            ImFenster<QDialog>([&](QDialog* w) {
                if (auto* m = qobject_cast<TForm8*>(w)) titel = m->windowTitle();
                if (auto* d = qobject_cast<TForm24*>(w)) versatz = d->Modell().Versatz();
                w->reject();
            });
            f.StartNachSplash();
            if (QByteArray(code) == "mona") {
                QCOMPARE(titel, QStringLiteral("Monatsansicht : Juni 2009"));
            } else {
                QCOMPARE(versatz, 0);  // the timetable begins today
            }
            QCursor::setPos(0, 0);
            FensterSchliessen();
        }
    }

    // The title cell keeps "Dezember 2009" whole on one line: 19 pixels where the cell is wide
    // enough, smaller in a window of 600 x 400.
    void MonatstitelAufEinerZeile() {
        RegistrySchluessel k(*registry_, "Software\\Kalvora");
        k.GanzzahlSchreiben("Windowstatus der Ansichten", 1);
        k.GanzzahlSchreiben("WindowWidth", 600);
        k.GanzzahlSchreiben("WindowHeight", 400);
        TForm1& f = Fenster();
        f.Kern().AuswahlSetzen({15, 12, 2009});
        std::vector<int> groessen;
        ImFenster<TForm8>([&](TForm8* m) {
            const auto zu = qScopeGuard([m] { m->reject(); });
            for (const QSize fenster : {QSize(600, 400), QSize(1000, 700)}) {
                m->resize(fenster);
                QCoreApplication::processEvents();
                QTextEdit* titel = m->Zelle(32);
                QCOMPARE(titel->toPlainText(), QStringLiteral("Dezember 2009"));
                QTextDocument* doc = titel->document();
                doc->documentLayout()->documentSize();  // laid out at the cell's width
                QCOMPARE(doc->firstBlock().layout()->lineCount(), 1);
                const QFont schrift = doc->firstBlock().begin().fragment().charFormat().font()
                                          .resolve(doc->defaultFont());
                QVERIFY(QFontMetrics(schrift).horizontalAdvance(titel->toPlainText()) <
                        titel->viewport()->width());
                groessen.push_back(schrift.pixelSize());
                if (fenster.width() == 600)
                    m->grab().save(QDir::temp().filePath("kalvora-monatsansicht-600.png"));
            }
        });
        AnsichtenZeigen(f, Ansicht::Monat);
        QCOMPARE(groessen.size(), std::size_t(2));
        QVERIFY(groessen[0] < 19);
        QCOMPARE(groessen[1], 19);
    }

    void EndenDesKalenders() {
        TForm1& f = Fenster();
        f.Kern().AuswahlSetzen({1, 1, 1901});
        bool fertig = false;
        ImFenster<TForm7>([&](TForm7* w) {
            // Monday 31 December 1900: disabled, its header only; no step back.
            QVERIFY(!w->Zelle(1)->isEnabled());
            QCOMPARE(Text(w, 1), QStringLiteral("Montag, 31.12.1900   "));
            QVERIFY(!w->Knopf(1)->isEnabled());
            QTest::keyClick(w->Zelle(2), '-');
            QCOMPARE(w->Tage()[0], (Datum{31, 12, 1900}));
            fertig = true;
            w->reject();
        });
        AnsichtenZeigen(f, Ansicht::Woche);
        QVERIFY(fertig);
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<KalenderansichtenTest>(argc, argv);
}

#include "KalenderansichtenTest.moc"
