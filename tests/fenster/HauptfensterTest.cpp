// The main window as the user meets it, offscreen on a 1024 x 768 screen: keys of the
// commands wherever the focus is, the status bar following the pointer, the minimum size
// without a window manager, texts that fit their boxes, and the sun caption of the tool bar.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <memory>

#include "Jahresfenstertest.h"
#include "Testumgebung.h"
#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "doubles/StehendeUhr.h"
#include "main/fenster/Jahresflaeche.h"
#include "kalender/Tagesfarbbefehle.h"
#include "main/fenster/Main.h"
#include "termine/fenster/Tagestermine.h"

using namespace kalvora;

namespace {

constexpr uint32_t Gelb = 0x00FFFF;  // slot 1; slot 2 is red, slot 3 blue
const QString kLangerName = QStringLiteral("Farbe mit einem viel zu langen Namen");

using test::Maus;

// The pointer arrives on a widget and moves on it.
void Betreten(QWidget* w, QPoint p) {
    QEnterEvent rein(p, p, w->mapToGlobal(p));
    QApplication::sendEvent(w, &rein);
    Maus(w, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
}

using test::ImMenue;

// Where QLabel puts plain text: its contents less margin, less the indent on the aligned
// side (half an "x" when the label has a frame and no indent of its own).
QRect Textrechteck(const QLabel* l) {
    QRect r = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    int einzug = l->indent();
    if (einzug < 0 && l->frameWidth())
        einzug = l->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - l->margin();
    if (einzug > 0) {
        if (l->alignment() & Qt::AlignLeft) r.setLeft(r.left() + einzug);
        if (l->alignment() & Qt::AlignRight) r.setRight(r.right() - einzug);
    }
    return r;
}

// Whether the picture holds dark text pixels in column x between the rows y0 and y1.
bool Tinte(const QImage& bild, int x, int y0, int y1) {
    for (int y = y0; y <= y1; ++y)
        if (qGray(bild.pixel(x, y)) < 110) return true;
    return false;
}

}  // namespace

class HauptfensterTest : public test::Jahresfenstertest {
    Q_OBJECT

    TTagesfarben& Tag(int tag, int monat) {
        return form_->Kalender().Tagesfarben(2009, monat, tag);
    }
    void Bewegen(QPoint p) {
        Maus(form_->Flaeche(), QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
    }
    QToolButton* LetzterSichtbarerKnopf() {
        for (int i = AnzahlToolbuttons; i >= 1; --i)
            if (form_->ToolbuttonSichtbar(i)) return form_->Toolbutton(i);
        return nullptr;
    }
    // Every text of the bottom panel and of the status bar in a picture of the window:
    // none is wider than its box; one that is cut ends in "…" and has the whole text as
    // tooltip; no dark pixel of text stands in the last column of a box; the controls of the
    // panel do not run into each other.
    void TexteDesUnterenTeilsPruefen() {
        TForm1& f = *form_;
        QCoreApplication::processEvents();
        const QImage bild = f.grab().toImage();
        QList<QLabel*> beschriftungen = f.UnteresPanel()->findChildren<QLabel*>();
        beschriftungen += f.statusBar()->findChildren<QLabel*>();
        int geprueft = 0;
        for (QLabel* l : beschriftungen) {
            if (!l->isVisible() || l->text().isEmpty()) continue;
            const QString wer = l->objectName() + QStringLiteral(": ") + l->text();
            const QRect r = Textrechteck(l);
            const int breite = l->fontMetrics().horizontalAdvance(l->text());
            QVERIFY2(breite <= r.width(),
                     qPrintable(wer + QStringLiteral(" braucht %1 von %2 Pixeln")
                                          .arg(breite)
                                          .arg(r.width())));
            if (l->text().endsWith(QChar(0x2026))) {
                QVERIFY2(l->toolTip().startsWith(l->text().chopped(1)), qPrintable(wer));
                QVERIFY2(l->toolTip().size() >= l->text().size(), qPrintable(wer));
            }
            // Black text on the panel's grey or a white swatch; the coloured swatches
            // carry counts, which the width test covers.
            if (l->styleSheet().isEmpty() || l == f.AktuelleFarbe()) {
                const QPoint oben = l->mapTo(&f, r.topRight());
                const QPoint unten = l->mapTo(&f, r.bottomRight());
                QVERIFY2(!Tinte(bild, oben.x(), oben.y(), unten.y()),
                         qPrintable(wer + QStringLiteral(": Schrift bis an den Rand")));
            }
            ++geprueft;
        }
        QVERIFY(geprueft >= 20);
        for (QWidget* w : {static_cast<QWidget*>(f.AktuelleFarbeBox()),
                           static_cast<QWidget*>(f.findChild<QPushButton*>("Farben")),
                           static_cast<QWidget*>(f.findChild<QPushButton*>("Termine"))})
            QVERIFY2(w->sizeHint().width() <= w->width(), qPrintable(w->objectName()));
        QLineEdit* jahr = f.Jahresfeld()->findChild<QLineEdit*>();
        QVERIFY(jahr->fontMetrics().horizontalAdvance(jahr->text()) < jahr->width());
        const QList<QWidget*> teile = f.UnteresPanel()->findChildren<QWidget*>(
            Qt::FindDirectChildrenOnly);
        for (QWidget* a : teile)
            for (QWidget* b : teile)
                if (a != b && a->isVisible() && b->isVisible())
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + QStringLiteral(" über ") +
                                        b->objectName()));
    }

private slots:
    void initTestCase() {
        datei_ = ordner_.filePath("hauptfenster.kvr");
        SpeicherRegistry registry;
        test::Testprogramm programm_f(&registry, &uhr_, &dialoge_);
        TForm1& f = programm_f.Fenster();
        TKalender& k = f.Kalender();
        for (int s = 1; s <= AnzahlFarben; ++s)
            k.Farbnamen[s] = "Farbe Nummer " + std::to_string(s);
        k.Farbnamen[12] = kLangerName.toStdString();
        k.Tagesfarben(2009, 6, 3) = {Gelb};
        k.Tagesfarben(2009, 5, 1) = {Gelb};
        // A day with every colour: its names do not fit into panel 3.
        for (int s = 1; s <= AnzahlFarben; ++s)
            k.Tagesfarben(2009, 10, 23).push_back(k.Farbwerte[s]);
        k.geaendert = true;
        dialoge_.speichern.push_back(datei_.toStdString());
        f.Aktion("speichernunter1")->trigger();
        f.Sitzung().FormClose();
    }
    void init() { registry_ = std::make_unique<SpeicherRegistry>(); }
    void cleanup() {
        FensterSchliessen();
        QCursor::setPos(0, 0);
    }

    // ---- the document's subscribers --------------------------------------------------

    // A change made through the core, with no window poking another: the year view and the
    // legend follow a changed day and a renamed colour; a replaced document empties the
    // undo history and its commands.
    void AenderungUeberDenKernErreichtAnsichtLegendeUndHistorie() {
        TForm1& f = Fenster();
        Anwendungskern& kern = programm_->Kern();
        const int vorher = f.Farbfeld(2)->text().toInt();
        const Rechteck z = Zelle(15, 7);
        const QRect zelle(z.links, z.oben, z.Breite(), z.Hoehe());
        const QImage leer = Bild().copy(zelle);
        QVERIFY(!f.Aktion("speichern1")->isEnabled());
        QVERIFY(TagesfarbeAendern(kern.Kalender(), {}, 15, 7, 2009, Farbbefehl::Neu, 2));
        kern.TagGeaendertMelden({15, 7, 2009});
        QCOMPARE(f.Farbfeld(2)->text().toInt(), vorher + 1);
        QVERIFY(Bild().copy(zelle) != leer);
        // The modified flag turned: "Speichern" follows it.
        QVERIFY(f.Aktion("speichern1")->isEnabled());

        kern.Kalender().Farbnamen[2] = "Dienstreise";
        kern.FarbtabelleGeaendertMelden();
        QCOMPARE(f.Farbname(2)->text(), QStringLiteral("Dienstreise"));

        // A real undo step from the year view, then "Neu" through the session.
        QTest::mouseClick(f.Farbfeld(1), Qt::LeftButton);
        QTest::mouseClick(f.AktuelleFarbeBox(), Qt::LeftButton);
        Maus(f.Flaeche(), QEvent::MouseButtonPress, Mitte(8, 6), Qt::LeftButton, Qt::LeftButton);
        Maus(f.Flaeche(), QEvent::MouseButtonRelease, Mitte(8, 6), Qt::LeftButton,
             Qt::NoButton);
        QVERIFY(f.Aktion("Rckgngig1")->isEnabled());
        dialoge_.antworten.push_back(Antwort::Nein);
        QVERIFY(kern.Sitzung().Neu1Click());
        QVERIFY(!kern.Historie().RueckgaengigMoeglich());
        QVERIFY(!f.Aktion("Rckgngig1")->isEnabled());
        QCOMPARE(f.Farbfeld(2)->text(), QStringLiteral("0"));

        // The open day dialog shows the document that replaced the one it was opened on.
        kern.Kalender().Terminliste(2009, 7, 20) = {TTermin{}, TTermin{"09:00", "Zahnarzt"}};
        kern.Kalender().GeaendertSetzen(true);  // "Neu" asks, and is told "Nein"
        QString vorherText, nachherText;
        QTimer::singleShot(0, &f, [&] {
            TForm3& d = f.Tagesfenster();
            const auto zeile = [&d] {
                QString text;
                for (int s = 0; s < d.Raster()->columnCount(); ++s)
                    if (QTableWidgetItem* i = d.Raster()->item(0, s)) text += i->text() + "|";
                return text;
            };
            vorherText = zeile();
            dialoge_.antworten.push_back(Antwort::Nein);
            kern.Sitzung().Neu1Click();
            nachherText = zeile();
            d.accept();
        });
        f.TagesdialogOeffnen(20, 7, 2009);
        QVERIFY2(vorherText.contains("Zahnarzt"), qPrintable(vorherText));
        QVERIFY2(!nachherText.contains("Zahnarzt"), qPrintable(nachherText));
        QVERIFY(kern.Kalender().Terminliste(2009, 7, 20).empty());
        QVERIFY(dialoge_.AllesVerbraucht());
    }

    // ---- 8: Ctrl+Z and Ctrl+R whatever has the focus ----------------------------------

    void RueckgaengigBeiFokusImJahresfeld() {
        TForm1& f = Fenster();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::mouseClick(f.Farbfeld(1), Qt::LeftButton);
        // Ticking "Aktuelle Farbe:" hands the focus to the year field.
        QTest::mouseClick(f.AktuelleFarbeBox(), Qt::LeftButton);
        QVERIFY(f.Aktion("Farbenhinzufgen1")->isChecked());
        QTRY_VERIFY(f.Jahresfeld()->hasFocus());
        Maus(f.Flaeche(), QEvent::MouseButtonPress, Mitte(8, 6), Qt::LeftButton, Qt::LeftButton);
        Maus(f.Flaeche(), QEvent::MouseButtonRelease, Mitte(8, 6), Qt::LeftButton,
             Qt::NoButton);
        QCOMPARE(Tag(8, 6), TTagesfarben{Gelb});
        QWidget* fokus = QApplication::focusWidget();
        QVERIFY(fokus && f.Jahresfeld()->isAncestorOf(fokus));
        QTest::keyClick(fokus, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Tag(8, 6).empty());
        QVERIFY(f.Aktion("Wiederherstellen1")->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(Tag(8, 6), TTagesfarben{Gelb});
        QCOMPARE(f.Jahresfeld()->value(), 2009);
        // "Farben" gives the focus to the year field as well.
        QTest::mouseClick(f.findChild<QPushButton*>("Farben"), Qt::LeftButton);
        QTRY_VERIFY(f.Jahresfeld()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Tag(8, 6).empty());
        QCOMPARE(f.Jahresfeld()->text(), QStringLiteral("2009"));
    }

    // ---- 10: the status bar follows the pointer ---------------------------------------

    void PanelUndStatusleisteLeerenDieTexte() {
        TForm1& f = Fenster();
        Bewegen(Mitte(1, 5));
        QCOMPARE(f.Statusfeld(0)->text(), QStringLiteral("Freitag,  01. Mai  2009"));
        QCOMPARE(f.Statusfeld(1)->text(), QStringLiteral("Maifeiertag"));
        QCOMPARE(f.Statusfeld(3)->text(), QStringLiteral("Farbe Nummer 1"));
        // From the view onto the background of the bottom panel.
        const QPoint frei(210, 50);
        QVERIFY(!f.UnteresPanel()->childAt(frei));
        Betreten(f.UnteresPanel(), frei);
        for (int i : {0, 1, 3}) QCOMPARE(f.Statusfeld(i)->text(), QString());
        QCOMPARE(f.Statusfeld(2)->text(), QString());  // nothing changed
        QVERIFY(!f.LegendeBlinkt());
        // From the view onto the status bar.
        Bewegen(Mitte(3, 6));
        QCOMPARE(f.Statusfeld(3)->text(), QStringLiteral("Farbe Nummer 1"));
        Betreten(f.Statusfeld(1), QPoint(5, 5));
        for (int i : {0, 1, 3}) QCOMPARE(f.Statusfeld(i)->text(), QString());
        // A swatch blinks; the panel background stops it.
        Bewegen(Mitte(3, 6));
        Betreten(f.Farbfeld(1), QPoint(5, 5));
        QVERIFY(f.LegendeBlinkt());
        QEvent raus(QEvent::Leave);
        QApplication::sendEvent(f.Farbfeld(1), &raus);
        Betreten(f.UnteresPanel(), frei);
        QVERIFY(!f.LegendeBlinkt());
        QCOMPARE(f.Statusfeld(0)->text(), QString());
        // Moving on the view brings the texts back.
        Bewegen(Mitte(3, 6));
        QCOMPARE(f.Statusfeld(0)->text(), QStringLiteral("Mittwoch,  03. Juni  2009"));
    }

    void NachGroessenaenderungDerTagUnterDemZeiger() {
        TForm1& f = Fenster();
        const QPoint p = Mitte(17, 6);
        QCursor::setPos(f.Flaeche()->mapToGlobal(p));
        QTRY_COMPARE(f.Statusfeld(0)->text(), QStringLiteral("Mittwoch,  17. Juni  2009"));
        // Smaller: the columns narrow, another day comes under the pointer.
        f.windowHandle()->setWindowState(Qt::WindowNoState);
        f.setWindowState(Qt::WindowNoState);
        f.resize(800, 600);
        QTRY_COMPARE(f.size(), QSize(800, 600));
        QTRY_VERIFY(f.Jahresansicht().Metrik().CW < 24);
        const auto tag = f.Jahresansicht().TagAnPosition(p.x(), p.y());
        QVERIFY(tag && !(tag->tag == 17 && tag->monat == 6));
        const QString nachher = f.Statusfeld(0)->text();
        QVERIFY2(nachher != QStringLiteral("Mittwoch,  17. Juni  2009"), qPrintable(nachher));
        QCOMPARE(f.Auswahl(), (AusgewaehlterTag{uint16_t(tag->tag), uint16_t(tag->monat), 2009}));
        Bewegen(p);  // what a move there shows
        QCOMPARE(f.Statusfeld(0)->text(), nachher);
        QCOMPARE(f.Statusfeld(3)->text(), QString());
        // Maximised again: back on 17 June.
        f.showMaximized();
        QTRY_COMPARE(f.size(), QSize(1024, 768));
        QTRY_COMPARE(f.Statusfeld(0)->text(), QStringLiteral("Mittwoch,  17. Juni  2009"));
        // A pointer left on no day after the resize shows no day.
        const QPoint rechts(790, Mitte(1, 3).y());  // a day now, right of the year at 800
        QCOMPARE(f.Jahresansicht().TagAnPosition(rechts.x(), rechts.y())->tag, 23);
        QCursor::setPos(f.Flaeche()->mapToGlobal(rechts));
        QTRY_COMPARE(f.Statusfeld(0)->text(), QStringLiteral("Montag,  23. März  2009"));
        f.windowHandle()->setWindowState(Qt::WindowNoState);
        f.setWindowState(Qt::WindowNoState);
        f.resize(800, 600);
        QTRY_COMPARE(f.size(), QSize(800, 600));
        QVERIFY(f.Flaeche()->rect().contains(rechts));
        QVERIFY(!f.Jahresansicht().TagAnPosition(rechts.x(), rechts.y()));
        QTRY_COMPARE(f.Statusfeld(0)->text(), QString());
        QCOMPARE(f.Auswahl(), (AusgewaehlterTag{15, 6, 2009}));  // today
    }

    void KontextmenueFrischtStatusfeld3Auf() {
        TForm1& f = Fenster();
        // "neue Farbe" on a day without colours.
        ImMenue([&](QMenu* m) {
            auto* neu = m->findChild<QMenu*>("neueFarbe2");
            QVERIFY(neu && neu->menuAction()->isVisible());
            neu->actions()[1]->trigger();  // "Farbe Nummer 2"
        });
        Rechtsklick(8, 6);
        QCOMPARE(Tag(8, 6).size(), size_t(1));
        QCOMPARE(f.Statusfeld(3)->text(), QStringLiteral("Farbe Nummer 2"));
        // "Farbe löschen" on a day with a colour.
        ImMenue([&](QMenu* m) {
            for (QAction* a : m->actions())
                if (a->objectName() == QLatin1String("Farbelschen1")) a->trigger();
        });
        Rechtsklick(3, 6);
        QVERIFY(Tag(3, 6).empty());
        QCOMPARE(f.Statusfeld(0)->text(), QStringLiteral("Mittwoch,  03. Juni  2009"));
        QCOMPARE(f.Statusfeld(3)->text(), QString());
        // Undo brings the name back, with the pointer still on the day.
        f.Aktion("Rckgngig1")->trigger();
        QCOMPARE(Tag(3, 6), TTagesfarben{Gelb});
        QCOMPARE(f.Statusfeld(3)->text(), QStringLiteral("Farbe Nummer 1"));
    }

    // ---- 11: the minimum size without a window manager --------------------------------

    void MindestgroesseOhneFensterverwaltung() {
        TForm1& f = Fenster();
        // The platform window is resized as a window manager that ignores the size hints
        // would, past QWidget's own limit.
        f.windowHandle()->setWindowState(Qt::WindowNoState);
        f.setWindowState(Qt::WindowNoState);
        f.windowHandle()->resize(500, 300);
        QTRY_COMPARE(f.size(), QSize(760, 540));
        QTRY_COMPARE(f.windowHandle()->size(), QSize(760, 540));
        QCOMPARE(f.Jahresansicht().Metrik().CW, 17);
        f.windowHandle()->resize(900, 400);
        QTRY_COMPARE(f.size(), QSize(900, 540));
        f.windowHandle()->resize(800, 600);
        QTRY_COMPARE(f.size(), QSize(800, 600));
    }

    // ---- 12: texts that fit ------------------------------------------------------------

    void Programmschrift() {
        // The boxes are made for the dialog font of 8 points at 96 dpi; Liberation
        // Sans at 11 pixels (metric-compatible with Arial) fills them the same way.
        const QFont schrift = QApplication::font();
        QCOMPARE(QFontInfo(schrift).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(schrift).pixelSize(), 11);
        QCOMPARE(kalvora::Programmschrift(), schrift);
        TForm1& f = Fenster();
        QCOMPARE(QFontInfo(f.Statusfeld(0)->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(f.Farbname(1)->font()).pixelSize(), 11);
    }

    void TexteDesUnterenPanelsPassen_data() {
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }
    void TexteDesUnterenPanelsPassen() {
        QFETCH(QSize, groesse);
        RegistrySchluessel einstellungen(*registry_, "Software\\Kalvora");
        einstellungen.GanzzahlSchreiben("Anzahl Farben", 1);  // all 20 slots
        einstellungen.WahrheitswertSchreiben("Farbnamen", true);
        TForm1& f = Fenster();
        f.resize(groesse);
        QTRY_COMPARE(f.size(), groesse);
        QTest::mouseClick(f.Farbfeld(12), Qt::LeftButton);  // the current colour's swatch
        f.Kalender().geaendert = true;
        f.Flaeche()->repaint();
        QCOMPARE(f.Statusfeld(2)->text(), QStringLiteral("geändert"));
        // The longest date of the year.
        Bewegen(Mitte(22, 10));
        QCOMPARE(f.Statusfeld(0)->text(), QStringLiteral("Donnerstag,  22. Oktober  2009"));
        TexteDesUnterenTeilsPruefen();
        if (QTest::currentTestFailed()) return;
        for (int s = 1; s <= AnzahlFarben; ++s) {
            if (s == 12) continue;
            QCOMPARE(f.Farbname(s)->text(), QStringLiteral("Farbe Nummer %1").arg(s));
            QCOMPARE(f.Farbname(s)->toolTip(), QStringLiteral("Farbe Nummer %1").arg(s));
        }
        // What cannot fit is cut with "…" and shown whole as tooltip.
        QVERIFY2(f.Farbname(12)->text().endsWith(QChar(0x2026)),
                 qPrintable(f.Farbname(12)->text()));
        QCOMPARE(f.Farbname(12)->toolTip(), kLangerName);
        QVERIFY(f.AktuelleFarbe()->text().endsWith(QChar(0x2026)));
        QCOMPARE(f.AktuelleFarbe()->toolTip(), kLangerName);
        // Every colour of the year on one day: its names do not fit into panel 3.
        Bewegen(Mitte(23, 10));
        QStringList namen;
        for (int s = 1; s <= AnzahlFarben; ++s)
            namen << QString::fromStdString(f.Kalender().Farbnamen[s]);
        const QString alle = namen.join(QStringLiteral(", "));
        QVERIFY2(f.Statusfeld(3)->text().endsWith(QChar(0x2026)),
                 qPrintable(f.Statusfeld(3)->text()));
        QCOMPARE(f.Statusfeld(3)->toolTip(), alle);
        TexteDesUnterenTeilsPruefen();
        if (QTest::currentTestFailed()) return;
        // A shorter text fits again and needs no tooltip.
        Bewegen(Mitte(3, 6));
        QCOMPARE(f.Statusfeld(3)->text(), QStringLiteral("Farbe Nummer 1"));
        QCOMPARE(f.Statusfeld(3)->toolTip(), QString());
    }

    // ---- 13: the sun caption at the right end of the tool bar -------------------------

    void SonnenzeitenAmRechtenEnde_data() {
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }
    void SonnenzeitenAmRechtenEnde() {
        QFETCH(QSize, groesse);
        RegistrySchluessel(*registry_, "Software\\Kalvora")
            .WahrheitswertSchreiben("Sonne anzeigen", true);
        TForm1& f = Fenster();
        f.resize(groesse);
        QTRY_COMPARE(f.size(), groesse);
        Bewegen(Mitte(17, 6));
        QTRY_VERIFY(f.Sonnenfeld()->isVisible());
        auto* leiste = f.findChild<QToolBar*>("ToolBar1");
        QCoreApplication::processEvents();
        const QRect sonne = f.Sonnenfeld()->geometry();
        const int rechts = leiste->width() - 1 - sonne.right();
        QVERIFY2(rechts <= 12, qPrintable(QString::number(rechts)));
        QVERIFY2(sonne.left() > LetzterSichtbarerKnopf()->geometry().right() + 100,
                 qPrintable(QString::number(sonne.left())));
        // The whole caption is shown.
        QVERIFY(f.Sonnenfeld()->fontMetrics().horizontalAdvance(f.Sonnenfeld()->text()) <=
                sonne.width());
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<HauptfensterTest>(argc, argv);
}

#include "HauptfensterTest.moc"
