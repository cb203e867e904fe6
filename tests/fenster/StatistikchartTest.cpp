// The chart window as a user meets it: each statistic, paging a year with the keys and the
// buttons up to the calendar's edges, the seven bar shapes, the options dialog with decimal
// commas and a refused margin, the printout onto a PDF and the menu entries of the main
// window. The window is shown without its modal loop.
#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QValueAxis>
#include <QtTest>

#include <memory>

#include "Jahresfenstertest.h"
#include "Testumgebung.h"
#include "doubles/Befehlsausgabe.h"
#include "einstellungen/Statistikablage.h"
#include "kalender/Kalenderdatei.h"
#include "main/Hauptmenue.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/qt/QtDrucker.h"
#include "statistik/fenster/Statistikchart.h"
#include "statistik/fenster/Statistikdiagramm.h"
#include "statistik/fenster/Statistikoptionen.h"

using namespace kalvora;

namespace {

constexpr uint32_t Gelb = 0x00FFFF;  // slot 1
constexpr uint32_t Blau = 0xFF0000;  // slot 3

TKalender Beispiel() {
    TKalender kal;
    kal.Farbnamen[1] = "Urlaub";
    kal.Farbnamen[3] = "Arzt Termin";
    kal.Farbwerte[1] = Gelb;
    kal.Farbwerte[3] = Blau;
    kal.Standardfarben = kal.Farbwerte;
    kal.Terminkategorie = {"Beruf"};
    for (int tag = 1; tag <= 20; ++tag) kal.Tagesfarben(2009, 3, tag) = {Gelb};
    for (int tag = 1; tag <= 8; ++tag) kal.Tagesfarben(2009, 4, tag) = {Blau};
    kal.Tagesfarben(2010, 1, 1) = {Gelb};
    TTerminliste& l = kal.Terminliste(2009, 6, 15);
    l.assign(1, TTermin{});
    TTermin t;
    t.Uhrzeit = "09:00";
    t.Beschreibung = "Zahnarzt";
    t.Dauer = 90;
    t.Farbe = Blau;
    l.push_back(t);
    t.Farbe = KeineFarbe;
    t.Kategorie = "Beruf";
    l.push_back(t);
    return kal;
}

QString Achsentitel(TStatistikdiagramm& d) {
    for (QAbstractAxis* a : d.axes(Qt::Vertical)) return a->titleText();
    return {};
}

// The bar in the window's pixels.
QRect Balkenfeld(TStatistikchart& c, int i) {
    const QRectF r = c.Diagramm().mapRectToScene(c.Diagramm().Balkenrechteck(i));
    const QRect imView = c.Ansicht()->mapFromScene(r).boundingRect();
    return QRect(c.Ansicht()->mapTo(&c, imView.topLeft()), imView.size());
}

}  // namespace

class StatistikchartTest : public test::Jahresfenstertest {
    Q_OBJECT

    std::unique_ptr<TStatistikchart> Chart(Statistikart art) {
        auto c = std::make_unique<TStatistikchart>(*form_, art);
        c->resize(1000, 700);
        c->show();
        if (!QTest::qWaitForWindowExposed(c.get())) qFatal("not exposed");
        QCoreApplication::processEvents();
        return c;
    }

private slots:
    void init() {
        datei_ = ordner_.filePath("plan.kvr");
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(Beispiel()));
        registry_ = std::make_unique<SpeicherRegistry>();
        registry_->Schreiben(HauptSchluessel, "startjahr", int32_t{2009});
        dialoge_ = {};
    }
    void cleanup() { FensterSchliessen(); }

    void JedeStatistikUndEinJahrBlaettern() {
        TForm1& f = Fenster();
        QCOMPARE(f.Jahresansicht().Jahr(), 2009);
        auto c = Chart(Statistikart::Termindauer);
        QCOMPARE(c->windowTitle(), QString("Statistik - Chart"));
        QCOMPARE(c->Artwahl()->currentText(), QString("Termindauer"));
        QCOMPARE(c->Formwahl()->currentText(), QString("Balken"));
        QCOMPARE(c->Kategoriewahl()->currentText(), QString("alle Kategorien"));
        QCOMPARE(c->Kategoriewahl()->count(), 3);
        // The tool bar in its order, the choosers with their hints.
        QStringList hinweise;
        for (int k = 1; k <= 7; ++k) hinweise << c->Knopf(k)->toolTip();
        QCOMPARE(hinweise, QStringList({"zurückblättern (-)", "aktuelles Jahr",
                                        "weiterblättern (+)", "Optionen", "Drucken",
                                        "Hilfe (F1)", "Fenster schließen (Esc)"}));
        QCOMPARE(c->Formwahl()->toolTip(), QString("Art der graphischen Darstellung"));
        QCOMPARE(c->Artwahl()->toolTip(), QString("Art der Statistik"));
        QCOMPARE(c->Kategoriewahl()->toolTip(), QString("Terminkategorie"));

        struct Fall {
            const char* titel;
            const char* achse;
            bool kategorie;
            QStringList achsentexte;
        };
        const Fall faelle[] = {
            {"Farbhäufigkeits-Statistik für ", "Anzahl der Tage pro Farbe im Jahr", false,
             {"Urlaub", "Arzt\nTermin", "Nicht\nzugeordnete\nTage"}},
            {"Termindauer-Statistik für ", "Anzahl der Terminstunden pro Farbe im Jahr", true,
             {"Arzt\nTermin", "Nicht\nzugeordnete\nTermine"}},
            {"Terminhäufigkeits-Statistik für ", "Anzahl der Termine pro Farbe im Jahr", true,
             {"Arzt\nTermin", "Nicht\nzugeordnete\nTermine"}},
        };
        for (int i = 0; i < 3; ++i) {
            const Fall& fall = faelle[i];
            c->Modell().JahrSetzen(2009);
            c->Artwahl()->setCurrentIndex(i);
            QCoreApplication::processEvents();
            QCOMPARE(c->Diagramm().title(), QString::fromUtf8(fall.titel) + "2009");
            QCOMPARE(Achsentitel(c->Diagramm()), QString::fromUtf8(fall.achse));
            QCOMPARE(c->Diagramm().axes().size(), 2);  // no axis of an earlier chart stays
            QCOMPARE(c->KategorieSichtbar(), fall.kategorie);
            QCOMPARE(c->Diagramm().Achsenbeschriftungen(), fall.achsentexte);
            QVERIFY(!c->Diagramm().series().isEmpty());
            const QImage bild = c->grab().toImage();
            QVERIFY(bild.save(QStringLiteral("/tmp/statistik_%1.png").arg(i)));
            if (i == 0) {
                // 20 days of yellow, 8 of blue, 337 without colour; the bars in their colours
                // and the extra bar white with a grey outline.
                QCOMPARE(c->Diagramm().Balken()[0].wert, 20.0);
                QCOMPARE(c->Diagramm().Balken()[2].wert, 337.0);
                const QRect gelb = Balkenfeld(*c, 0);
                QVERIFY2(gelb.height() > 20, qPrintable(QString::number(gelb.height())));
                QCOMPARE(bild.pixelColor(gelb.center()), QColor(255, 255, 0));
                QCOMPARE(bild.pixelColor(Balkenfeld(*c, 1).center()), QColor(0, 0, 255));
            }

            QTest::keyClick(c.get(), Qt::Key_Plus);
            QCOMPARE(c->Modell().Jahr(), 2010);
            QCOMPARE(c->Diagramm().title(), QString::fromUtf8(fall.titel) + "2010");
            QTest::keyClick(c.get(), Qt::Key_Minus);
            QCOMPARE(c->Modell().Jahr(), 2009);
            c->Knopf(3)->click();
            QCOMPARE(c->Diagramm().title(), QString::fromUtf8(fall.titel) + "2010");
            c->Knopf(1)->click();
            QCOMPARE(c->Modell().Jahr(), 2009);
        }
        // 2010: one yellow day; no appointments, so no bar at all.
        c->Artwahl()->setCurrentIndex(0);
        c->Knopf(3)->click();
        QCOMPARE(c->Diagramm().Balken()[0].wert, 1.0);
        c->Artwahl()->setCurrentIndex(2);
        QVERIFY(c->Diagramm().Balken().empty());
        // "aktuelles Jahr" is the clock's year.
        c->Knopf(2)->click();
        QCOMPARE(c->Modell().Jahr(), 2009);
        // The category chooser filters the appointments.
        c->Kategoriewahl()->setCurrentIndex(2);
        QCOMPARE(c->Diagramm().Achsenbeschriftungen(),
                 QStringList({"Nicht\nzugeordnete\nTermine"}));
    }

    void BlaetternEndetAnDenGrenzenDesKalenders() {
        TForm1& f = Fenster();
        f.JahrSetzen(1901);
        auto c = Chart(Statistikart::Farbhaeufigkeit);
        QVERIFY(!c->Knopf(1)->isEnabled());
        QVERIFY(c->Knopf(3)->isEnabled());
        QTest::keyClick(c.get(), Qt::Key_Minus);
        QCOMPARE(c->Modell().Jahr(), 1901);
        c->Modell().JahrSetzen(2098);
        c->Neuzeichnen();
        QTest::keyClick(c.get(), Qt::Key_Plus);
        QCOMPARE(c->Modell().Jahr(), 2099);
        QVERIFY(!c->Knopf(3)->isEnabled());
        QVERIFY(c->Knopf(1)->isEnabled());
        QTest::keyClick(c.get(), Qt::Key_Plus);
        QCOMPARE(c->Modell().Jahr(), 2099);
        QCOMPARE(c->Diagramm().title(), QString("Farbhäufigkeits-Statistik für 2099"));
    }

    void SiebenFormenSehenVerschiedenAus() {
        Fenster();
        auto c = Chart(Statistikart::Farbhaeufigkeit);
        std::vector<QImage> bilder;
        QRect feld;
        for (int i = 0; i < 7; ++i) {
            c->Formwahl()->setCurrentIndex(i);
            QCoreApplication::processEvents();
            QCOMPARE(int(c->Diagramm().Form()), i);
            feld = Balkenfeld(*c, 0);
            const QImage bild = c->grab().toImage();
            bild.save(QStringLiteral("/tmp/statistik_form_%1.png").arg(i));
            bilder.push_back(bild.copy(feld.adjusted(-2, -30, 2, 10)));
        }
        for (std::size_t a = 0; a < bilder.size(); ++a)
            for (std::size_t b = a + 1; b < bilder.size(); ++b)
                QVERIFY2(bilder[a] != bilder[b], qPrintable(QString("%1 = %2").arg(a).arg(b)));
        // A pyramid stands on its base, the inverted one on its tip.
        c->Formwahl()->setCurrentIndex(2);
        QCoreApplication::processEvents();
        const QImage p = c->grab().toImage();
        const QColor gelb(255, 255, 0);
        const QRect r = Balkenfeld(*c, 0);
        const int links = r.left() + r.width() / 4;
        QVERIFY(p.pixelColor(r.left() + 3, r.top() + 3) != gelb);
        QCOMPARE(p.pixelColor(links, r.bottom() - 3), gelb);
        c->Formwahl()->setCurrentIndex(3);
        QCoreApplication::processEvents();
        const QImage u = c->grab().toImage();
        QCOMPARE(u.pixelColor(links, r.top() + 3), gelb);
        QVERIFY(u.pixelColor(r.left() + 3, r.bottom() - 3) != gelb);
    }

    // Twenty named slots and the extra bar: the labels shrink until their longest word fits
    // the width of a bar's place, also in the smallest window.
    void AlleSlotsBenanntPassenInsFenster() {
        TForm1& f = Fenster();
        TKalender& kal = f.Kern().Kalender();
        for (int s = 1; s <= 20; ++s) {
            kal.Farbnamen[s] = "Teambesprechung Nr" + std::to_string(s);
            kal.Tagesfarben(2009, 5, s) = {kal.Farbwerte[s]};
        }
        auto c = Chart(Statistikart::Farbhaeufigkeit);
        QCOMPARE(c->Diagramm().Balken().size(), std::size_t{21});
        const int gross = c->Diagramm().Beschriftungsgroesse();
        c->grab().save(QStringLiteral("/tmp/statistik_alle.png"));
        c->resize(c->minimumSize());
        QCoreApplication::processEvents();
        QCOMPARE(c->size(), QSize(420, 320));
        QVERIFY(!c->Diagramm().BeschriftungSenkrecht() ||
                c->Diagramm().Beschriftungsgroesse() < gross);
        QVERIFY(c->Diagramm().BeschriftungSenkrecht());
        c->grab().save(QStringLiteral("/tmp/statistik_klein.png"));
    }

    void OptionenMitDezimalkommaUndAbgewiesenemRand() {
        Fenster();
        auto c = Chart(Statistikart::Farbhaeufigkeit);
        QCOMPARE(c->Diagramm().Balken().size(), std::size_t{3});
        bool gezeigt = false;
        c->optionenZeigen = [&](TStatistikoptionen& d) {
            gezeigt = true;
            d.show();
            QCOMPARE(d.windowTitle(), QString("Statistik-Optionen"));
            QCOMPARE(d.Seiten()->count(), 2);
            QCOMPARE(d.Seiten()->tabText(0), QString("Anzeige"));
            QCOMPARE(d.Seiten()->tabText(1), QString("Drucken"));
            QVERIFY(!d.UebernehmenKnopf()->isEnabled());
            QVERIFY(d.Querformat()->isChecked());
            QCOMPARE(d.Rand(2)->text(), QString("1,5"));
            d.Rand(0)->selectAll();
            QTest::keyClicks(d.Rand(0), "abc");
            QVERIFY(d.UebernehmenKnopf()->isEnabled());
            d.OkKnopf()->click();
            QCOMPARE(dialoge_.meldungen.size(), std::size_t{1});
            QCOMPARE(dialoge_.meldungen[0].text, std::string("'abc' ist kein gültiger "
                                                             "Gleitkommawert"));
            QVERIFY(d.isVisible());
            QVERIFY(!registry_->Existiert(StatistikSchluessel, "Links"));
            // A negative margin would put the chart beyond the paper: refused as
            // `einstellung` refuses it.
            d.Rand(0)->selectAll();
            QTest::keyClicks(d.Rand(0), "2,5");
            d.Rand(3)->selectAll();
            QTest::keyClicks(d.Rand(3), "-1");
            d.OkKnopf()->click();
            QCOMPARE(dialoge_.meldungen.size(), std::size_t{2});
            QCOMPARE(dialoge_.meldungen[1].text,
                     std::string("\"Unten\" muss zwischen 0 und 100 liegen, nicht bei -1."));
            QVERIFY(d.isVisible());
            d.Rand(3)->selectAll();
            QTest::keyClicks(d.Rand(3), "2");
            d.Rand(0)->selectAll();
            QTest::keyClicks(d.Rand(0), "2,5");
            d.Extrabalken()->setChecked(false);
            d.Hochformat()->setChecked(true);
            d.UebernehmenKnopf()->click();
            QVERIFY(!d.UebernehmenKnopf()->isEnabled());
            Statistikoptionen o;
            StatistikoptionenLaden(*registry_, o);
            QCOMPARE(o.links, 2.5);
            QVERIFY(!o.anzeige);
            QVERIFY(!o.querformat);
            QCOMPARE(o.oben, 1.5);
            d.AbbruchKnopf()->click();
        };
        c->Knopf(4)->click();
        QVERIFY(gezeigt);
        QCOMPARE(c->Modell().Optionen().links, 2.5);
        // Without the extra bar: the two named slots.
        QCOMPARE(c->Diagramm().Balken().size(), std::size_t{2});
        // The next activation reads the store again.
        registry_->Schreiben(StatistikSchluessel, "Anzeige", int32_t{1});
        c->Aktivieren();
        c->Neuzeichnen();
        QCOMPARE(c->Diagramm().Balken().size(), std::size_t{3});
        // A damaged value is reported once, not on every activation.
        registry_->Schreiben(StatistikSchluessel, "Links", std::string("breit"));
        c->Aktivieren();
        c->Aktivieren();
        QCOMPARE(dialoge_.meldungen.size(), std::size_t{3});
    }

    void DruckInDieRaender() {
        Fenster();
        registry_->Schreiben(StatistikSchluessel, "Links", GleitkommaBytes(5.0));
        auto c = Chart(Statistikart::Farbhaeufigkeit);
        const QString pdf = ordner_.filePath("statistik.pdf");
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        drucker.setResolution(300);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setPageOrientation(QPageLayout::Portrait);
        {
            QtDrucker d(drucker);
            OhneDruckstatus status;
            QCOMPARE(c->Druckauftrag(d, status), 1);
        }
        QCOMPARE(drucker.pageLayout().orientation(), QPageLayout::Portrait);
        const std::string info = test::Befehlsausgabe("pdfinfo '" + pdf.toStdString() + "'");
        QVERIFY2(QString::fromStdString(info).contains(QRegularExpression("Pages: +1\n")),
                 info.c_str());
        QVERIFY2(info.find("842 x 595") != std::string::npos, info.c_str());  // landscape
        const std::string text = test::Befehlsausgabe("pdftotext '" + pdf.toStdString() + "' -");
        QVERIFY2(text.find("Farbhäufigkeits-Statistik für 2009") != std::string::npos,
                 text.c_str());
        // A picture to look at, and the left margin of 5 cm left blank.
        test::Befehlsausgabe("pdftoppm -r 40 -png -singlefile '" + pdf.toStdString() +
                             "' /tmp/statistik_druck");
        QImage seite(QStringLiteral("/tmp/statistik_druck.png"));
        QVERIFY(!seite.isNull());
        const int rand = int(5.0 / 2.54 * 40);
        bool leer = true;
        for (int y = 0; y < seite.height(); ++y)
            for (int x = 0; x < rand - 2; ++x)
                if (seite.pixelColor(x, y) != QColor(Qt::white)) leer = false;
        QVERIFY(leer);
    }

    void EscF1UndDieMenueeintraegeDesHauptfensters() {
        TForm1& f = Fenster();
        {
            auto c = Chart(Statistikart::Farbhaeufigkeit);
            QVERIFY(!c->Knopf(6)->isEnabled());
            std::vector<int> themen;
            c->hilfe = [&](int t) { themen.push_back(t); };
            QTest::keyClick(c.get(), Qt::Key_F1);
            QCOMPARE(themen, std::vector<int>{119});
            QTest::keyClick(c.get(), Qt::Key_Escape);
            QVERIFY(!c->isVisible());
            QCOMPARE(c->result(), int(QDialog::Rejected));
        }
        QAction* statistik = f.Aktion(befehl::Statistik);
        QVERIFY(statistik->isEnabled());
        QCOMPARE(f.Toolbutton(30)->defaultAction(), statistik);
        QStringList eintraege;
        for (QAction* a : statistik->menu()->actions()) eintraege << a->text();
        QCOMPARE(eintraege, QStringList({"&Farbhäufigkeiten", "&Termindauer",
                                         "&Terminhäufigkeiten"}));
        std::vector<Statistikart> geoeffnet;
        f.statistikZeigen = [&](Statistikart a) { geoeffnet.push_back(a); };
        f.Aktion(befehl::Terminhaeufigkeiten)->trigger();
        f.Aktion(befehl::Farbhaeufigkeiten)->trigger();
        f.Aktion(befehl::Termindauer)->trigger();
        QCOMPARE(geoeffnet, (std::vector<Statistikart>{Statistikart::Terminhaeufigkeit,
                                                       Statistikart::Farbhaeufigkeit,
                                                       Statistikart::Termindauer}));
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<StatistikchartTest>(argc, argv);
}

#include "StatistikchartTest.moc"
