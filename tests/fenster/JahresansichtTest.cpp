// The year view in the main window, offscreen on a 1024 x 768 screen with a fixed clock:
// pixels of the painted year, hovering, clicks, wheel, keys, the bottom panel and its links.
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

#include "doubles/StehendeUhr.h"
#include "Jahresfenstertest.h"
#include "Testumgebung.h"
#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "main/fenster/GeheZuJahr.h"
#include "main/fenster/Jahresflaeche.h"
#include "main/fenster/Main.h"
#include "termine/fenster/Suchen.h"
#include "termine/fenster/Tagestermine.h"

using namespace kalvora;

namespace {


constexpr uint32_t Gelb = 0x00FFFF, Blau = 0xFF0000;  // red is kalvora::Rot

// A pointer move straight to the widget, whatever the cursor did before.
void Bewegen(QWidget* w, QPoint p) {
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(w, &e);
}

// Answers the next modal dialog or popup from inside its event loop.
template <class F>
void Gleich(F f) {
    QTimer::singleShot(50, qApp, f);
}

}  // namespace

class JahresansichtTest : public test::Jahresfenstertest {
    Q_OBJECT

    static QColor Farbe(const QImage& b, int x, int y) { return QColor(b.pixel(x, y)); }

private slots:
    void initTestCase() {
        datei_ = ordner_.filePath("fixture.kvr");
        SpeicherRegistry registry;
        test::Testprogramm programm_f(&registry, &uhr_, &dialoge_);
        TForm1& f = programm_f.Fenster();
        TKalender& k = f.Kalender();
        k.Farbnamen[1] = "Urlaub";
        k.Farbnamen[2] = "Dienst";
        k.Tagesfarben(2009, 6, 17) = {Gelb, Rot, Blau};
        k.Tagesfarben(2009, 6, 18) = {Gelb};
        k.Linkliste = {"https://example.org/plan"};
        TTermin t{"09:00", "Besprechung"};
        t.Link = "https://example.org/plan";
        k.Terminliste(2009, 6, 18) = {TTermin{"", "Notiz"}, t};
        k.geaendert = true;
        dialoge_.speichern.push_back(datei_.toStdString());
        f.Aktion("speichernunter1")->trigger();
        QVERIFY(QFile::exists(datei_));
        f.Sitzung().FormClose();  // let the windows below take the lock
    }
    void init() { registry_ = std::make_unique<SpeicherRegistry>(); }
    void cleanup() { FensterSchliessen(); }

    void GroesseUndGeometrie() {
        TForm1& f = Fenster();
        QCOMPARE(f.size(), QSize(1024, 768));
        const JahresMetrik& m = f.Jahresansicht().Metrik();
        QCOMPARE(m.CW, 24);  // (Trunc(1016 * 0.98) - 108) div 36
        QVERIFY(m.RH >= 18 && m.RH <= 22);
        // The year fits into the view above the bottom panel.
        QVERIFY(25 * m.RH + m.Y0 < f.Flaeche()->height());
        QCOMPARE(f.Jahresansicht().Jahr(), 2009);
        QCOMPARE(f.Jahresfeld()->value(), 2009);
        f.resize(500, 300);
        QCOMPARE(f.size(), QSize(760, 540));
        QCOMPARE(f.Jahresansicht().Metrik().CW, 17);
    }

    void BildDesJahres() {
        TForm1& f = Fenster();
        const QImage b = Bild();
        const JahresMetrik& m = f.Jahresansicht().Metrik();
        // Weekend shading on an empty Saturday, white on an empty Wednesday.
        QPoint p = Mitte(6, 6);
        QCOMPARE(Farbe(b, p.x(), p.y()), QColor(0xE0, 0xE0, 0xE0));
        p = Mitte(3, 6);
        QCOMPARE(Farbe(b, p.x(), p.y()), QColor(Qt::white));
        // Three colours in stripes of A div 3 (+1 for the first A mod 3).
        const Rechteck z = Zelle(17, 6);
        const int a = 2 * m.RH - 17, h = a / 3, rest = a % 3, x = (z.links + z.rechts) / 2;
        const QColor erwartet[3] = {QColor(255, 255, 0), QColor(255, 0, 0), QColor(0, 0, 255)};
        for (int i = 0; i < 3; ++i) {
            const int y0 = z.oben + 9 + i * h + std::min(i, rest);
            const int y1 = z.oben + 9 + (i + 1) * h + std::min(i + 1, rest);
            QCOMPARE(Farbe(b, x, y0), erwartet[i]);
            QCOMPARE(Farbe(b, x, y1 - 1), erwartet[i]);
        }
        // 1 May: the holiday colour as a ring around the white day.
        const Rechteck mai = Zelle(1, 5);
        const QColor orange(255, 0x80, 0);
        QCOMPARE(Farbe(b, mai.links + 2, (mai.oben + mai.unten) / 2), orange);
        QCOMPARE(Farbe(b, mai.rechts - 1, (mai.oben + mai.unten) / 2), orange);
        QCOMPARE(Farbe(b, (mai.links + mai.rechts) / 2, mai.unten - 4), orange);
        QCOMPARE(Farbe(b, (mai.links + mai.rechts) / 2, (mai.oben + mai.unten) / 2),
                 QColor(Qt::white));
        // The red frame of January, which starts on a Thursday (column 3).
        const int cy = 2 * m.RH + m.Y0;
        QCOMPARE(Farbe(b, m.X0 + 3 * m.CW, cy), QColor(255, 0, 0));
        QCOMPARE(Farbe(b, m.X0 + 2 * m.CW, cy), QColor(0xC0, 0xC0, 0xC0));  // grid only
        // Today's frame on 15 June, none on 16 June.
        const Rechteck heute = Zelle(15, 6), morgen = Zelle(16, 6);
        QCOMPARE(Farbe(b, heute.links + 2, (heute.oben + heute.unten) / 2), QColor(Qt::black));
        QCOMPARE(Farbe(b, morgen.links + 2, (morgen.oben + morgen.unten) / 2),
                 QColor(Qt::white));
        // The appointment mark: a triangle in the top right corner, black from today on.
        const Rechteck termin = Zelle(18, 6);
        QCOMPARE(Farbe(b, termin.rechts - 2, termin.oben + 3), QColor(Qt::black));
    }

    void LegendeZeigtNamenFarbenUndZahlen() {
        TForm1& f = Fenster();
        // Places in the bottom panel, whatever widget holds the legend.
        const auto imPanel = [&f](QWidget* w) {
            return QRect(w->mapTo(f.UnteresPanel(), QPoint(0, 0)), w->size());
        };
        QCOMPARE(imPanel(f.Farbfeld(1)), QRect(224, 12, 21, 21));
        QCOMPARE(imPanel(f.Farbname(1)), QRect(256, 16, 97, 13));
        QCOMPARE(imPanel(f.Farbfeld(13)).topLeft(), QPoint(224, 108));
        QCOMPARE(imPanel(f.Farbfeld(16)).topLeft(), QPoint(656, 108));
        QCOMPARE(imPanel(f.Farbfeld(20)).topLeft(), QPoint(800, 108));
        QCOMPARE(f.Farbname(1)->text(), QStringLiteral("Urlaub"));
        QCOMPARE(f.Farbname(1)->toolTip(), QStringLiteral("Urlaub"));
        QCOMPARE(f.Farbname(3)->text(), QStringLiteral("[frei]"));
        Bild();
        QCOMPARE(f.Farbfeld(1)->text(), QStringLiteral("2"));  // 17 and 18 June
        QCOMPARE(f.Farbfeld(2)->text(), QStringLiteral("1"));
        QCOMPARE(f.Farbfeld(4)->text(), QStringLiteral("0"));
        // 16 slots unless "Anzahl Farben" is 1.
        QVERIFY(f.Farbfeld(16)->isVisible());
        QVERIFY(!f.Farbfeld(17)->isVisible());
        const QImage feld = f.Farbfeld(2)->grab().toImage();
        QCOMPARE(QColor(feld.pixel(3, 3)), QColor(255, 0, 0));
        // The other controls of the panel.
        QCOMPARE(f.findChild<QPushButton*>("Farben")->geometry(), QRect(8, 8, 89, 25));
        QCOMPARE(f.findChild<QPushButton*>("Termine")->geometry(), QRect(104, 8, 89, 25));
        QCOMPARE(f.Jahresfeld()->pos(), QPoint(128, 56));
        QCOMPARE(f.AktuelleFarbeBox()->pos(), QPoint(16, 96));
        QCOMPARE(f.AktuelleFarbe()->geometry(), QRect(128, 92, 65, 25));
        QCOMPARE(f.AktuelleFarbeBox()->toolTip(),
                 QStringLiteral("Anklicken, um direkte Farbänderungen zu ermöglichen"));
    }

    void SchwebenZeigtDenTag() {
        TForm1& f = Fenster();
        Bewegen(f.Flaeche(), Mitte(1, 5));
        QTRY_COMPARE(f.Statusfeld(0)->text(), QStringLiteral("Freitag,  01. Mai  2009"));
        QCOMPARE(f.Statusfeld(1)->text(), QStringLiteral("Maifeiertag"));
        QCOMPARE(f.Auswahl(), (AusgewaehlterTag{1, 5, 2009}));
        Bewegen(f.Flaeche(), Mitte(17, 6));
        QTRY_COMPARE(f.Statusfeld(3)->text(), QStringLiteral("Urlaub"));
        QCOMPARE(f.Statusfeld(1)->text(), QString());
        // Off the days the selected day is today and the texts are cleared.
        Bewegen(f.Flaeche(), QPoint(5, 5));
        QTRY_COMPARE(f.Statusfeld(0)->text(), QString());
        QCOMPARE(f.Auswahl(), (AusgewaehlterTag{15, 6, 2009}));
        // Tooltip of a special day, none on an ordinary day.
        QHelpEvent tip(QEvent::ToolTip, Mitte(1, 5), f.Flaeche()->mapToGlobal(Mitte(1, 5)));
        QApplication::sendEvent(f.Flaeche(), &tip);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Maifeiertag"));
        QHelpEvent keiner(QEvent::ToolTip, Mitte(3, 6), f.Flaeche()->mapToGlobal(Mitte(3, 6)));
        QApplication::sendEvent(f.Flaeche(), &keiner);
        QTRY_VERIFY(QToolTip::text().isEmpty() || !QToolTip::isVisible());
    }

    void DoppelklickOeffnetDenTag() {
        TForm1& f = Fenster();
        QString titel;
        // In the dialog: 3 June gets the colour "Urlaub" from the header's colour menu.
        Gleich([&] {
            TForm3& d = f.Tagesfenster();
            titel = d.windowTitle();
            for (QAction* a : d.Tagesfarbmenue()->actions())
                if (a->menu() && a->text() == "neue Farbe")
                    for (QAction* b : a->menu()->actions())
                        if (b->text() == "Urlaub") b->trigger();
            d.accept();
        });
        Bewegen(f.Flaeche(), Mitte(3, 6));
        QTest::mouseDClick(f.Flaeche(), Qt::LeftButton, {}, Mitte(3, 6));
        QCOMPARE(titel, QStringLiteral("Termine für Mittwoch, 03.06.2009"));
        QCOMPARE(f.Kalender().Tagesfarben(2009, 6, 3), TTagesfarben{Gelb});
        // The year view shows the new colour and the legend counts it; the change can be
        // taken back.
        QImage b = Bild();
        QCOMPARE(Farbe(b, Mitte(3, 6).x(), Mitte(3, 6).y()), QColor(255, 255, 0));
        QCOMPARE(f.Farbfeld(1)->text(), QStringLiteral("3"));
        QVERIFY(f.Aktion("Rckgngig1")->isEnabled());
        f.Aktion("Rckgngig1")->trigger();
        b = Bild();
        QCOMPARE(Farbe(b, Mitte(3, 6).x(), Mitte(3, 6).y()), QColor(Qt::white));
        QCOMPARE(f.Farbfeld(1)->text(), QStringLiteral("2"));
        QVERIFY(f.Aktion("Wiederherstellen1")->isEnabled());

        // The menu entry goes to today first.
        f.Auswahl().Setzen(1, 1, 2009);
        Gleich([&] {
            titel = f.Tagesfenster().windowTitle();
            f.Tagesfenster().accept();
        });
        f.Aktion("Tagestermine1")->trigger();
        QCOMPARE(titel, QStringLiteral("Termine für Montag, 15.06.2009"));
        QCOMPARE(f.Auswahl(), (AusgewaehlterTag{15, 6, 2009}));
    }

    void SuchenFuehrtZumTag() {
        TForm1& f = Fenster();
        QVERIFY(!f.Aktion("Weitersuchen1")->isEnabled());
        QString titel;
        Gleich([&] {
            TSuchen& s = f.Tagesfenster().Suchfenster();
            s.findChild<QLineEdit*>("Suchtext")->setText("Besprechung");
            Gleich([&] {
                titel = f.Tagesfenster().windowTitle();
                f.Tagesfenster().accept();
            });
            s.findChild<QPushButton*>("OK")->click();
        });
        f.Aktion("Suchen1")->trigger();
        QCOMPARE(titel, QStringLiteral("Termine für Donnerstag, 18.06.2009"));
        QCOMPARE(f.Auswahl(), (AusgewaehlterTag{18, 6, 2009}));
        QVERIFY(f.Aktion("Weitersuchen1")->isEnabled());
        // No further hit: a message, and F3 is off again.
        f.Aktion("Weitersuchen1")->trigger();
        QCOMPARE(dialoge_.meldungen.back().text,
                 std::string("Suchtext \"Besprechung\" nicht gefunden!"));
        QVERIFY(!f.Aktion("Weitersuchen1")->isEnabled());
    }

    void JahrWechseln() {
        TForm1& f = Fenster();
        const auto rad = [&](int delta) {
            const QPointF p = Mitte(3, 6);
            QWheelEvent e(p, f.Flaeche()->mapToGlobal(p), {}, {0, delta}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(f.Flaeche(), &e);
        };
        rad(120);
        QCOMPARE(f.Jahresansicht().Jahr(), 2010);
        QCOMPARE(f.Jahresfeld()->value(), 2010);
        QCOMPARE(f.Anwendungstitel(), "Kalvora - 2010 - " + datei_);
        rad(-240);
        QCOMPARE(f.Jahresansicht().Jahr(), 2008);
        QCOMPARE(f.Anwendungstitel(), "Kalvora - 2008 (Schaltjahr) - " + datei_);
        // "+" and "-" anywhere in the window, also in the year field, which keeps its text.
        QTest::keyClick(&f, '+');
        QCOMPARE(f.Jahresansicht().Jahr(), 2009);
        f.Jahresfeld()->setFocus();
        QTest::keyClick(f.Jahresfeld(), '-');
        QCOMPARE(f.Jahresansicht().Jahr(), 2008);
        QCOMPARE(f.Jahresfeld()->text(), QStringLiteral("2008"));
        // The ends of the range hold.
        f.JahrSetzen(2099);
        QTest::keyClick(&f, '+');
        rad(120);
        QCOMPARE(f.Jahresansicht().Jahr(), 2099);
        f.JahrSetzen(1901);
        QTest::keyClick(&f, '-');
        QCOMPARE(f.Jahresansicht().Jahr(), 1901);
    }

    void JahresfeldTippen_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<int>("jahr");
        QTest::newRow("unfertig") << "19" << 2009;
        QTest::newRow("zu klein") << "1899" << 1901;
        QTest::newRow("zu groß") << "2150" << 2099;
        QTest::newRow("gut") << "1987" << 1987;
    }
    void JahresfeldTippen() {
        QFETCH(QString, eingabe);
        QFETCH(int, jahr);
        TForm1& f = Fenster();
        f.Jahresfeld()->setFocus();
        f.Jahresfeld()->selectAll();
        QTest::keyClicks(f.Jahresfeld(), eingabe);
        QCOMPARE(f.Jahresansicht().Jahr(), jahr);
    }

    void GeheZuJahrDialog_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("jahr");
        QTest::newRow("ok") << "1999" << true << 1999;
        QTest::newRow("außerhalb") << "2100" << true << 2009;
        QTest::newRow("leer") << "" << true << 2009;  // today's year
        QTest::newRow("Abbruch") << "1999" << false << 2009;
    }
    void GeheZuJahrDialog() {
        QFETCH(QString, eingabe);
        QFETCH(bool, ok);
        QFETCH(int, jahr);
        TForm1& f = Fenster();
        f.JahrSetzen(2009);
        bool gesehen = false;
        Gleich([&] {
            auto* d = qobject_cast<TGeheZuJahr*>(QApplication::activeModalWidget());
            if (!d) return;
            gesehen = d->windowTitle() == QStringLiteral("Gehe zu Jahr") &&
                      d->Feld()->text() == QStringLiteral("2009") &&
                      d->Feld()->selectedText() == QStringLiteral("2009");
            d->Feld()->setText(eingabe);
            d->findChild<QPushButton*>(ok ? "OK" : "Abbruch")->click();
        });
        f.Aktion("GehezuJahr1")->trigger();
        QVERIFY(gesehen);
        QCOMPARE(f.Jahresansicht().Jahr(), jahr);
    }

    void VollbildUndEscape() {
        TForm1& f = Fenster();
        const int rh = f.Jahresansicht().Metrik().RH;
        QTest::keyClick(&f, Qt::Key_F9);
        QVERIFY(f.Vollbild());
        QVERIFY(!f.UnteresPanel()->isVisible());
        QVERIFY(!f.menuBar()->isVisible());
        QVERIFY(!f.findChild<QToolBar*>("ToolBar1")->isVisible());
        QTRY_VERIFY(f.Jahresansicht().Metrik().RH > rh);  // the year takes the room
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.Vollbild());
        QVERIFY(f.UnteresPanel()->isVisible());
        QVERIFY(f.menuBar()->isVisible());
        QTRY_COMPARE(f.Jahresansicht().Metrik().RH, rh);
        // Without hiding the legend, Escape does nothing and F9 brings everything back.
        RegistrySchluessel(*registry_, "Software\\Kalvora")
            .WahrheitswertSchreiben("Vollbild ohne Legende", false);
        FensterSchliessen();
        TForm1& g = Fenster();
        QTest::keyClick(&g, Qt::Key_F9);
        QVERIFY(g.UnteresPanel()->isVisible());
        QVERIFY(!g.menuBar()->isVisible());
        QTest::keyClick(&g, Qt::Key_Escape);
        QVERIFY(!g.menuBar()->isVisible());
        QTest::keyClick(&g, Qt::Key_F9);
        QVERIFY(g.menuBar()->isVisible());
    }

    void TerminfeldUndLinks() {
        TForm1& f = Fenster();
        f.findChild<QPushButton*>("Termine")->click();
        QVERIFY(f.Terminfeld()->isVisible());
        QVERIFY(!f.Farbfeld(1)->isVisible());
        QCOMPARE(f.Terminfeld()->x(), 224);
        QCOMPARE(f.Terminfeld()->width(), f.UnteresPanel()->width() - 224);
        Bewegen(f.Flaeche(), Mitte(18, 6));
        QTRY_VERIFY2(f.Terminfeld()->toPlainText().contains(QStringLiteral("Besprechung")),
                     qPrintable(f.Terminfeld()->toPlainText()));
        const QString text = f.Terminfeld()->toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("Termine für Donnerstag,  18. Juni  2009: ")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("09:00-09:00   Besprechung")));
        // The link menu hands the link to the desktop's "open", which the test stands in for.
        QStringList eintraege;
        Gleich([&] {
            auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!m) return;
            for (QAction* a : m->actions()) eintraege << a->text();
            m->actions().front()->trigger();
            m->close();
        });
        emit f.Terminfeld()->customContextMenuRequested(QPoint(10, 10));
        QCOMPARE(eintraege, QStringList{"https://example.org/plan"});
        QCOMPARE(programm_->Shelldouble().geoeffnet,
                 std::vector<std::string>{"https://example.org/plan"});
        f.findChild<QPushButton*>("Farben")->click();
        QVERIFY(!f.Terminfeld()->isVisible());
        QVERIFY(f.Farbfeld(1)->isVisible());
    }

    void SonnenzeitenInDerToolbar() {
        RegistrySchluessel(*registry_, "Software\\Kalvora")
            .WahrheitswertSchreiben("Sonne anzeigen", true);
        TForm1& f = Fenster();
        Bewegen(f.Flaeche(), Mitte(17, 6));
        QTRY_VERIFY(f.SonnenfeldSichtbar());
        const QString text = f.Sonnenfeld()->text();
        QVERIFY2(text.startsWith(QStringLiteral("  SA: ")) && text.contains("  SU: "),
                 qPrintable(text));
        QTRY_VERIFY(f.Sonnenfeld()->isVisible());
        QVERIFY(f.Sonnenfeld()->x() > f.Toolbutton(39)->x());
    }

    void OhneSonneKeineBeschriftung() {
        TForm1& f = Fenster();
        Bewegen(f.Flaeche(), Mitte(17, 6));
        QTRY_COMPARE(f.Statusfeld(3)->text(), QStringLiteral("Urlaub"));
        QVERIFY(!f.SonnenfeldSichtbar());
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<JahresansichtTest>(argc, argv, true);
}

#include "JahresansichtTest.moc"
