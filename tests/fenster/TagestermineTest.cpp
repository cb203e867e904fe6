// The day dialog offscreen: an appointment with a weekly series made through the editor, the
// colour menu of the header, the search and the stored column widths.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "fenster/Testprogramm.h"
#include "doubles/StehendeUhr.h"
#include "Testumgebung.h"
#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "einstellungen/Einstellungen.h"
#include "main/fenster/Jahresflaeche.h"
#include "main/fenster/Main.h"
#include "termine/fenster/Suchen.h"
#include "termine/fenster/Tagestermine.h"
#include "termine/fenster/Termin.h"

using namespace kalvora;

namespace {

using FesteUhr = test::StehendeUhr;

}  // namespace

class TagestermineTest : public QObject {
    Q_OBJECT

    TKalender kal_;
    Einstellungen einst_;
    SpeicherRegistry registry_;
    test::SkriptDialoge dialoge_;
    std::vector<Datum> undo_;

    template <typename T>
    static T* Kind(QWidget* w, const char* name) {
        T* k = w->findChild<T*>(name);
        if (!k) qFatal("no child %s", name);
        return k;
    }

private slots:
    void initTestCase() {
        kal_.Farbnamen[2] = "Rot";
        kal_.Farbnamen[3] = "Blau";
        einst_.FarbeInJahresansichtUebernehmen = true;
    }

    void WoechentlicheSerieUeberDenEditor() {
        TForm3 f(kal_, einst_, registry_, dialoge_);
        f.FarbaenderungMerkenSetzen([this](int t, int m, int j) { undo_.push_back({t, m, j}); });
        QString titel;
        int zeilen = -1;
        QTimer::singleShot(0, &f, [&] {
            titel = f.windowTitle();
            zeilen = f.Raster()->rowCount();
            TForm4& ed = f.Editorfenster();
            QTimer::singleShot(0, &ed, [&] {
                QTest::keyClicks(Kind<QLineEdit>(&ed, "Beschreibung"), "Team#runde");
                auto* art = Kind<QComboBox>(&ed, "Serienart");
                art->setCurrentIndex(2);
                emit art->activated(2);
                Kind<QRadioButton>(&ed, "NachAnzahl")->click();
                Kind<QSpinBox>(&ed, "Anzahl")->setValue(3);
                Kind<QSpinBox>(&ed, "StartStunde")->setValue(9);
                // The colour menu lists the named slots; choose "Blau".
                QMenu* m = ed.Farbmenue();
                for (QAction* a : m->actions())
                    if (a->text() == "Blau") a->trigger();
                Kind<QPushButton>(&ed, "OK")->click();
            });
            Kind<QPushButton>(&f, "NeuerTermin")->click();
            Kind<QPushButton>(&f, "Fertig")->click();
        });
        f.TagesdialogOeffnen(5, 1, 2004);

        QCOMPARE(titel, QString("Termine für Montag, 05.01.2004"));
        QCOMPARE(zeilen, 1);
        for (int tag : {5, 12, 19, 26}) {
            const TTerminliste& l = kal_.Terminliste(2004, 1, tag);
            QCOMPARE(l.size(), std::size_t(2));
            QCOMPARE(QString::fromStdString(l[1].Beschreibung), QString("Teamrunde"));
            QCOMPARE(QString::fromStdString(l[1].Uhrzeit), QString("09:00"));
            QCOMPARE(l[1].Farbe, kal_.Farbwerte[3]);
            QCOMPARE(kal_.Tagesfarben(2004, 1, tag), TTagesfarben{kal_.Farbwerte[3]});
        }
        QVERIFY(kal_.Terminliste(2004, 2, 2).empty());
        QCOMPARE(undo_.size(), std::size_t(4));
        QVERIFY(kal_.geaendert);
        // The column widths went to the registry.
        QVERIFY(registry_.Lesen("Software\\Kalvora\\Tagestermine", "1").has_value());
    }

    // From the main window: "&Tagestermine" on today, a weekly series of 3 through the editor;
    // after the dialog closes the year view marks exactly the four days.
    void SerieErscheintInDerJahresansicht() {
        SpeicherRegistry registry;
        FesteUhr uhr;
        test::Testprogramm programm_f(&registry, &uhr, &dialoge_);
        TForm1& f = programm_f.Fenster();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.Jahresansicht().Jahr(), 2009);
        const Datum tage[] = {{15, 6, 2009}, {22, 6, 2009}, {29, 6, 2009}, {6, 7, 2009},
                              {13, 7, 2009}};
        // A pixel inside the default mark, the triangle in the cell's upper right corner.
        const auto markenpunkt = [&](const Datum& d) {
            const Rechteck z = f.Jahresansicht().TagesZelle(d.tag, d.monat);
            return QPoint(z.rechts - 3, z.oben + 3);
        };
        const auto bild = [&] {
            QCoreApplication::processEvents();
            return f.Flaeche()->grab().toImage();
        };
        const QColor schwarz(Qt::black);
        QImage vorher = bild();
        for (const Datum& d : tage) QVERIFY(QColor(vorher.pixel(markenpunkt(d))) != schwarz);

        QTimer::singleShot(50, qApp, [&] {
            TForm3& d = f.Tagesfenster();
            TForm4& ed = d.Editorfenster();
            QTimer::singleShot(0, &ed, [&] {
                QTest::keyClicks(Kind<QLineEdit>(&ed, "Beschreibung"), "Sport");
                auto* art = Kind<QComboBox>(&ed, "Serienart");
                art->setCurrentIndex(2);
                emit art->activated(2);
                Kind<QRadioButton>(&ed, "NachAnzahl")->click();
                Kind<QSpinBox>(&ed, "Anzahl")->setValue(3);
                Kind<QSpinBox>(&ed, "StartStunde")->setValue(18);  // still to come today
                Kind<QPushButton>(&ed, "OK")->click();
            });
            Kind<QPushButton>(&d, "NeuerTermin")->click();
            Kind<QPushButton>(&d, "Fertig")->click();
        });
        f.Aktion("Tagestermine1")->trigger();

        for (int i = 0; i < 4; ++i)
            QCOMPARE(f.Kalender().Terminliste(2009, tage[i].monat, tage[i].tag).size(),
                     std::size_t(2));
        QVERIFY(f.Kalender().Terminliste(2009, 7, 13).empty());
        const QImage nachher = bild();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(QColor(nachher.pixel(markenpunkt(tage[i]))), schwarz);
        QCOMPARE(nachher.pixel(markenpunkt(tage[4])), vorher.pixel(markenpunkt(tage[4])));
    }

    void SpaltenbreitenAusDerRegistry() {
        registry_.Schreiben("Software\\Kalvora\\Tagestermine", "2", int32_t(250));
        TForm3 f(kal_, einst_, registry_, dialoge_);
        int breite = 0;
        QTimer::singleShot(0, &f, [&] {
            breite = f.Raster()->columnWidth(2);
            f.reject();
        });
        f.TagesdialogOeffnen(1, 1, 2004);
        QCOMPARE(breite, 250);
        QCOMPARE(f.Raster()->columnWidth(0), 47);
    }

    void TagesfarbenUeberDasMenue() {
        TForm3 f(kal_, einst_, registry_, dialoge_);
        QColor oben;
        QTimer::singleShot(0, &f, [&] {
            QMenu* m = f.Tagesfarbmenue();
            for (QAction* a : m->actions())
                if (a->menu() && a->text() == "neue Farbe")
                    for (QAction* b : a->menu()->actions())
                        if (b->text() == "Rot") b->trigger();
            QWidget* panel = Kind<QWidget>(&f, "Farbpanel");
            oben = panel->grab().toImage().pixelColor(200, 5);
            f.accept();
        });
        f.TagesdialogOeffnen(3, 1, 2004);  // a Saturday
        QCOMPARE(kal_.Tagesfarben(2004, 1, 3), TTagesfarben{kal_.Farbwerte[2]});
        QCOMPARE(oben, QColor(255, 0, 0));
    }

    void SuchtrefferWirdAusgewaehlt() {
        kal_.Terminliste(2004, 3, 10) = {TTermin{},
                                         TTermin{"10:00", "Zahnarzt", "Praxis Dr. Arzt"}};
        TForm3 f(kal_, einst_, registry_, dialoge_);
        int zeile = -1, spalte = -1;
        QString titel;
        QTimer::singleShot(0, &f, [&] {
            TSuchen& s = f.Suchfenster();
            QTimer::singleShot(0, &s, [&] {
                s.findChild<QLineEdit*>("Suchtext")->setText("Praxis");
                s.findChild<QPushButton*>("OK")->click();
            });
            Kind<QPushButton>(&f, "Suchen")->click();
            zeile = f.Raster()->currentRow();
            spalte = f.Raster()->currentColumn();
            titel = f.windowTitle();
            f.accept();
        });
        f.TagesdialogOeffnen(1, 3, 2004);
        QCOMPARE(titel, QString("Termine für Mittwoch, 10.03.2004"));
        QCOMPARE(zeile, 0);
        QCOMPARE(spalte, 2);  // the location cell
        QVERIFY(f.WeitersuchenAktiv());
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<TagestermineTest>(argc, argv);
}

#include "TagestermineTest.moc"
