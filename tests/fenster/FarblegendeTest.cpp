// Colour editing in the main window offscreen: painting by dragging, the legend swatches and
// their dialogs, the context menu, undo and redo, the legend highlight and read-only mode.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include "doubles/StehendeUhr.h"
#include "Jahresfenstertest.h"
#include "Testumgebung.h"
#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "main/fenster/Jahresflaeche.h"
#include "main/fenster/Main.h"

using namespace kalvora;

namespace {


constexpr uint32_t Gelb = 0x00FFFF, Rot = 0x0000FF, Blau = 0xFF0000, Orange = 0x0080FF;

using test::Maus;

using test::ImMenue;

}  // namespace

class FarblegendeTest : public test::Jahresfenstertest {
    Q_OBJECT

    QColor Pixel(int tag, int monat) {
        const QPoint p = Mitte(tag, monat);
        return QColor(Bild().pixel(p.x(), p.y()));
    }
    TTagesfarben& Tag(int tag, int monat = 6) {
        return form_->Kalender().Tagesfarben(2009, monat, tag);
    }
    static QAction* Eintrag(QMenu* m, const QString& name) {
        for (QAction* a : m->actions())
            if (a->objectName() == name) return a;
        qFatal("no entry %s", qPrintable(name));
    }

private slots:
    void initTestCase() {
        datei_ = ordner_.filePath("farben.kvr");
        SpeicherRegistry registry;
        test::Testprogramm programm_f(&registry, &uhr_, &dialoge_);
        TForm1& f = programm_f.Fenster();
        TKalender& k = f.Kalender();
        k.Farbnamen[1] = "Urlaub";
        k.Farbnamen[2] = "Dienst";
        k.Farbnamen[3] = "Schule";
        k.Tagesfarben(2009, 6, 2) = {Blau};
        k.Tagesfarben(2009, 6, 3) = {Gelb};
        k.geaendert = true;
        dialoge_.speichern.push_back(datei_.toStdString());
        f.Aktion("speichernunter1")->trigger();
        f.Sitzung().FormClose();
    }
    void init() { registry_ = std::make_unique<SpeicherRegistry>(); }
    void cleanup() { FensterSchliessen(); }

    void ZiehenMaltTageUndRueckgaengig() {
        TForm1& f = Fenster();
        QVERIFY(!f.AktuelleFarbeBox()->isChecked());
        QVERIFY(!f.Aktion("Rckgngig1")->isEnabled());
        f.Aktion("Farbenhinzufgen1")->trigger();
        QVERIFY(f.AktuelleFarbeBox()->isChecked());
        QVERIFY(f.Toolbutton(15)->isChecked());
        QCOMPARE(f.AktuelleFarbe()->text(), QStringLiteral("Urlaub"));
        // Press on 1 June (Monday), drag over 2 to 5 June, release.
        QWidget* v = f.Flaeche();
        Maus(v, QEvent::MouseButtonPress, Mitte(1, 6), Qt::LeftButton, Qt::LeftButton);
        for (int tag = 2; tag <= 5; ++tag)
            Maus(v, QEvent::MouseMove, Mitte(tag, 6), Qt::NoButton, Qt::LeftButton);
        Maus(v, QEvent::MouseButtonRelease, Mitte(5, 6), Qt::LeftButton, Qt::NoButton);
        // The pointer over the days is the image of the mode.
        QCOMPARE(f.Flaeche()->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(Tag(1), TTagesfarben{Gelb});
        QCOMPARE(Tag(2), (TTagesfarben{Blau, Gelb}));
        QCOMPARE(Tag(3), TTagesfarben{Gelb});  // had it already
        QCOMPARE(Tag(5), TTagesfarben{Gelb});
        QVERIFY(Tag(6).empty());
        QCOMPARE(Pixel(1, 6), QColor(255, 255, 0));
        QCOMPARE(Pixel(4, 6), QColor(255, 255, 0));
        QCOMPARE(Pixel(8, 6), QColor(Qt::white));
        QCOMPARE(f.Farbfeld(1)->text(), QStringLiteral("5"));
        QCOMPARE(f.Statusfeld(2)->text(), QStringLiteral("geändert"));
        QVERIFY(f.Kalender().geaendert);
        // Four days changed, four undo steps; one undo takes back 5 June only.
        QCOMPARE(f.Historie().Undoliste().size(), size_t(4));
        QEnterEvent rein(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(f.Toolbutton(7), &rein);
        QCOMPARE(f.Aktion("Rckgngig1")->toolTip(), QStringLiteral("Rückgängig (4)"));
        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Tag(5).empty());
        QCOMPARE(Tag(4), TTagesfarben{Gelb});
        QCOMPARE(Pixel(5, 6), QColor(Qt::white));
        QCOMPARE(f.Farbfeld(1)->text(), QStringLiteral("4"));
        QVERIFY(f.Aktion("Wiederherstellen1")->isEnabled());
        QApplication::sendEvent(f.Toolbutton(8), &rein);
        QCOMPARE(f.Aktion("Wiederherstellen1")->toolTip(),
                 QStringLiteral("Wiederherstellen (1)"));
        f.Aktion("Wiederherstellen1")->trigger();
        QCOMPARE(Tag(5), TTagesfarben{Gelb});
        QVERIFY(!f.Aktion("Wiederherstellen1")->isEnabled());
        QCOMPARE(f.Aktion("Wiederherstellen1")->toolTip(), QStringLiteral("Wiederherstellen"));
        // "Neu" empties both lists.
        dialoge_.antworten.push_back(Antwort::Nein);
        f.Aktion("Neu1")->trigger();
        QVERIFY(!f.Aktion("Rckgngig1")->isEnabled());
        QVERIFY(f.Historie().Undoliste().empty());
    }

    void LegendeUndAktuelleFarbe() {
        TForm1& f = Fenster();
        f.Aktion("alleFarbenlschen1")->trigger();
        QCOMPARE(f.AktuelleFarbe()->text(), QString());
        // A click on a swatch takes its colour and leaves "alle Farben löschen".
        QTest::mouseClick(f.Farbfeld(2), Qt::LeftButton);
        QCOMPARE(f.Farbeditor().Aktuell().farbe, Rot);
        QCOMPARE(f.AktuelleFarbe()->text(), QStringLiteral("Dienst"));
        QVERIFY(f.Aktion("Farbenhinzufgen1")->isChecked());
        // The current-colour swatch: white and "alle Farben löschen".
        QTest::mouseClick(f.AktuelleFarbe(), Qt::LeftButton);
        QVERIFY(f.Aktion("alleFarbenlschen1")->isChecked());
        QCOMPARE(f.Farbeditor().Aktuell().farbe, Weisswert);
        // The check box off and on again.
        f.AktuelleFarbeBox()->click();
        QVERIFY(f.Aktion("keinedirektenFarbnderungen1")->isChecked());
        QCOMPARE(f.Flaeche()->cursor().shape(), Qt::ArrowCursor);
        f.AktuelleFarbeBox()->click();
        QVERIFY(f.Aktion("alleFarbenlschen1")->isChecked());
        // Double click renames, an empty answer frees the slot.
        dialoge_.eingaben.push_back("Arbeit");
        QTest::mouseDClick(f.Farbfeld(2), Qt::LeftButton);
        QCOMPARE(dialoge_.eingabeAufforderungen.back(), std::string("Neuer Text :"));
        QCOMPARE(f.Farbname(2)->text(), QStringLiteral("Arbeit"));
        QCOMPARE(f.Farbname(2)->toolTip(), QStringLiteral("Arbeit"));
        dialoge_.eingaben.push_back("");
        QTest::mouseDClick(f.Farbfeld(2), Qt::LeftButton);
        QCOMPARE(f.Farbname(2)->text(), QStringLiteral("[frei]"));
    }

    void FarbwahlAmFarbfeld() {
        TForm1& f = Fenster();
        f.Aktion("Farbenhinzufgen1")->trigger();
        f.Farbeditor().FarbfeldKlick(3);
        // Refused: black, then the colour of "Urlaub".
        dialoge_.farben.push_back(0x000000);
        QTest::mouseClick(f.Farbfeld(3), Qt::RightButton);
        QCOMPARE(dialoge_.meldungen.back().text,
                 std::string("Die Farbe \"schwarz\" darf nicht verwendet werden!"));
        dialoge_.farben.push_back(Gelb);
        QTest::mouseClick(f.Farbfeld(3), Qt::RightButton);
        QCOMPARE(dialoge_.meldungen.back().text,
                 std::string("Diese Farbe ist schon für \"Urlaub\" verwendet!"));
        QCOMPARE(f.Kalender().Farbwerte[3], Blau);
        QVERIFY(!f.Kalender().geaendert);
        // Accepted: every blue day turns orange, so do the swatch, the icon and the current
        // colour.
        dialoge_.farben.push_back(Orange);
        QTest::mouseClick(f.Farbfeld(3), Qt::RightButton);
        QCOMPARE(f.Kalender().Farbwerte[3], Orange);
        QCOMPARE(Tag(2), TTagesfarben{Orange});
        QCOMPARE(f.Farbeditor().Aktuell().farbe, Orange);
        QCOMPARE(Pixel(2, 6), QColor(255, 0x80, 0));
        QCOMPARE(f.Farbsymbol(3).pixmap(16, 16).toImage().pixelColor(8, 8),
                 QColor(255, 0x80, 0));
        QVERIFY(f.Kalender().geaendert);
    }

    void KontextmenueFarben() {
        TForm1& f = Fenster();
        // Mode without direct changes: the submenus, no single entries.
        ImMenue([&](QMenu* m) {
            QCOMPARE(Eintrag(m, "Farbelschen1")->text(), QStringLiteral("Farbe löschen"));
            QVERIFY(Eintrag(m, "Farbelschen1")->isEnabled());
            QVERIFY(!Eintrag(m, "Farbe1")->isVisible());
            auto* hinzu = m->findChild<QMenu*>("eineFarbehinzufgen1");
            QVERIFY(hinzu && hinzu->menuAction()->isVisible());
            QStringList titel;
            for (QAction* a : hinzu->actions()) titel << a->text();
            QCOMPARE(titel, (QStringList{"Urlaub", "Dienst"}));
            hinzu->actions()[1]->trigger();
        });
        Rechtsklick(2, 6);
        QCOMPARE(Tag(2), (TTagesfarben{Blau, Rot}));
        QCOMPARE(f.Farbfeld(2)->text(), QStringLiteral("1"));
        // Two colours: "Farben löschen" empties the day through the pending request.
        ImMenue([&](QMenu* m) {
            QAction* a = Eintrag(m, "Farbelschen1");
            QCOMPARE(a->text(), QStringLiteral("Farben löschen"));
            a->trigger();
        });
        Rechtsklick(2, 6);
        QVERIFY(Tag(2).empty());
        QCOMPARE(Pixel(2, 6), QColor(Qt::white));
        QCOMPARE(f.Historie().Undoliste().size(), size_t(2));
        // Mode "Farben löschen": only the colours of the day, no submenus.
        f.Aktion("Farbenlschen1")->trigger();
        ImMenue([&](QMenu* m) {
            QVERIFY(Eintrag(m, "Farbe1")->isVisible());
            QVERIFY(!Eintrag(m, "Farbe2")->isVisible());
            QVERIFY(!m->findChild<QMenu*>("neueFarbe2")->menuAction()->isVisible());
            Eintrag(m, "Farbe1")->trigger();
        });
        Rechtsklick(3, 6);
        QVERIFY(Tag(3).empty());
        // Away from the days nothing can be deleted.
        ImMenue([&](QMenu* m) { QVERIFY(!Eintrag(m, "Farbelschen1")->isEnabled()); });
        Maus(f.Flaeche(), QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton,
             Qt::RightButton);
    }

    void LegendeBlinkt() {
        TForm1& f = Fenster();
        QCOMPARE(Pixel(3, 6), QColor(255, 255, 0));
        QEnterEvent rein(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(f.Farbfeld(1), &rein);
        QVERIFY(f.LegendeBlinkt());
        // The yellow day inverts to blue on the screen and comes back on the next tick. (A
        // grab of the widget would paint it anew, which ends the highlight.)
        const auto bildschirm = [&] {
            const QPoint p = f.Flaeche()->mapTo(&f, Mitte(3, 6));
            return f.screen()->grabWindow(f.winId()).toImage().pixelColor(p);
        };
        QTRY_COMPARE(f.Flaeche()->Markierung().size(), size_t(1));
        QCOMPARE(bildschirm(), QColor(0, 0, 255));
        QTRY_VERIFY(f.Flaeche()->Markierung().empty());
        QCOMPARE(bildschirm(), QColor(255, 255, 0));
        QVERIFY(f.LegendeBlinkt());
        QEvent raus(QEvent::Leave);
        QApplication::sendEvent(f.Farbfeld(1), &raus);
        QVERIFY(!f.LegendeBlinkt());
        QVERIFY(f.Flaeche()->Markierung().empty());
        QCOMPARE(Pixel(3, 6), QColor(255, 255, 0));
    }

    void NullwertNimmtDieFarbeDerLegende() {
        // File A gives slot 2 orange; then the file changes to the value 0 for slot 2 and is
        // read again ("Aktualisieren"), which resets the slots to the defaults first.
        const QString a = ordner_.filePath("a.kvr");
        {
            SpeicherRegistry registry;
            test::Testprogramm programm_f(&registry, &uhr_, &dialoge_);
            TForm1& f = programm_f.Fenster();
            f.Kalender().Farbwerte[2] = Orange;
            f.Kalender().Farbnamen[2] = "Dienst";
            f.Kalender().geaendert = true;
            dialoge_.speichern.push_back(a.toStdString());
            f.Aktion("speichernunter1")->trigger();
            f.Sitzung().FormClose();
        }
        QFile ein(a);
        QVERIFY(ein.open(QIODevice::ReadOnly));
        QByteArray inhalt = ein.readAll();
        QVERIFY(inhalt.contains("\r\n80FF Dienst\r\n"));
        inhalt.replace("\r\n80FF Dienst\r\n", "\r\n0 Dienst\r\n");
        ein.close();

        TForm1& f = Fenster();
        QVERIFY(f.Sitzung().DirektOeffnen(a.toStdString()));
        QCOMPARE(f.Kalender().Farbwerte[2], Orange);
        QFile aus(a);
        QVERIFY(aus.open(QIODevice::WriteOnly));
        aus.write(inhalt);
        aus.close();
        QVERIFY(f.Sitzung().Aktualisieren1Click());
        // The legend showed orange, which the slot keeps; the default would be red.
        QCOMPARE(f.Kalender().Farbwerte[2], Orange);
        QCOMPARE(f.Farbfeld(2)->grab().toImage().pixelColor(3, 3), QColor(255, 0x80, 0));
    }

    void SchreibschutzSperrtDieFarben() {
        TForm1& f = Fenster();
        f.Aktion("Farbenhinzufgen1")->trigger();
        f.FarbaenderungMerken(8, 6, 2009);
        QVERIFY(f.Aktion("Rckgngig1")->isEnabled());
        f.Aktion("Schreibschutz1")->trigger();
        QVERIFY(f.Sitzung().schreibgeschuetzt());
        QVERIFY(!f.Aktion("Farbenhinzufgen1")->isEnabled());
        QVERIFY(!f.Toolbutton(15)->isEnabled());
        QVERIFY(!f.AktuelleFarbeBox()->isEnabled());
        QVERIFY(!f.Farbfeld(1)->isEnabled());
        QVERIFY(!f.Aktion("Rckgngig1")->isEnabled());
        QVERIFY(f.Historie().Undoliste().empty());
        // A click on a day changes nothing, nor does the menu.
        Maus(f.Flaeche(), QEvent::MouseButtonPress, Mitte(8, 6), Qt::LeftButton,
             Qt::LeftButton);
        QVERIFY(Tag(8).empty());
        f.Farbeditor().ModusSetzen(Farbbearbeitung::Keine);
        ImMenue([&](QMenu* m) {
            QVERIFY(!Eintrag(m, "Farbelschen1")->isEnabled());
            QMenu* neu = m->findChild<QMenu*>("neueFarbe2");
            QVERIFY(neu->menuAction()->isVisible());
            QVERIFY(!neu->isEnabled());
        });
        Rechtsklick(3, 6);
        QCOMPARE(Tag(3), TTagesfarben{Gelb});
        QVERIFY(!f.Kalender().geaendert);
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<FarblegendeTest>(argc, argv);
}

#include "FarblegendeTest.moc"
