// The manual's window as the user reaches it: "Hilfe" of the main window and F1 in a dialog
// open their topic, back and forward, the search, the window beside a modal dialog, the
// direct help, and the message when the manual is missing.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTimer>
#include <QWhatsThis>
#include <QtTest>

#include "Testprogramm.h"
#include "Testumgebung.h"
#include "doubles/SkriptDialoge.h"
#include "main/Hauptmenue.h"
#include "main/fenster/Hilfefenster.h"
#include "kalender/TKalender.h"
#include "main/fenster/Jahresflaeche.h"
#include "personen/fenster/Geburtstagsliste.h"
#include "termine/fenster/Tagestermine.h"
#include "einstellungen/Statistikablage.h"
#include "einstellungen/fenster/Optionen.h"
#include "extras/fenster/Info.h"
#include "extras/fenster/Kategoriendefinieren.h"
#include "extras/fenster/Toolbaranpassen.h"
#include "main/fenster/GeheZuJahr.h"
#include "main/fenster/IcsExportdialog.h"
#include "statistik/fenster/Statistikoptionen.h"
#include "termine/fenster/Wochenfortschreibung.h"
#include <QTabWidget>

using namespace kalvora;

namespace {

const QString kHilfe = QStringLiteral(KALVORA_TESTDATEN "/../../daten/hilfe");

// The popup of What's-This, if one is showing.
QWidget* Kurzhilfefenster() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && QLatin1String(w->metaObject()->className()) == "QWhatsThat")
            return w;
    return nullptr;
}

}  // namespace

class HilfefensterTest : public QObject {
    Q_OBJECT

private slots:
    void init() { THilfe::OrdnerSetzen(QDir(kHilfe).absolutePath()); }
    void cleanup() {
        QWhatsThis::hideText();
        if (QWhatsThis::inWhatsThisMode()) QWhatsThis::leaveWhatsThisMode();
    }

    void HilfeDesHauptfensters() {
        test::Testprogramm p;
        TForm1& f = p.Fenster();
        QVERIFY(f.Aktion(QString::fromLatin1(befehl::Hilfe))->isEnabled());
        QVERIFY(f.Aktion(QString::fromLatin1(befehl::Direkthilfe))->isEnabled());
        f.Aktion(QString::fromLatin1(befehl::Hilfe))->trigger();
        THilfefenster* h = THilfe::Fenster();
        QVERIFY(h);
        QVERIFY(h->isVisible());
        QCOMPARE(h->windowModality(), Qt::NonModal);
        QCOMPARE(h->AktuelleSeite(), QStringLiteral("hauptfenster.html"));
        QCOMPARE(h->windowTitle(),
                 QStringLiteral("Kalvora - Hilfe - Das Hauptfenster mit der Jahresansicht"));
        QVERIFY(h->Browser()->toPlainText().contains(QStringLiteral("Ein anderes Jahr zeigen")));
        // The manual's contents from "Kalvora Handbuch" (no printed manual beside the tests).
        f.Aktion(QString::fromLatin1(befehl::Handbuch))->trigger();
        QCOMPARE(h->AktuelleSeite(), QStringLiteral("index.html"));
        QCOMPARE(h->windowTitle(), QStringLiteral("Kalvora - Hilfe"));
        QVERIFY(p.Shelldouble().geoeffnet.empty());
    }

    void ZurueckVorUndInhalt() {
        THilfefenster h(QDir(kHilfe).absolutePath());
        QVERIFY(!h.ZurueckAktion()->isEnabled());
        h.ThemaZeigen(122);
        h.ThemaZeigen(130);
        h.ThemaZeigen(4711);  // no page of its own: the contents
        QCOMPARE(h.AktuelleSeite(), QStringLiteral("index.html"));
        QVERIFY(h.ZurueckAktion()->isEnabled());
        QVERIFY(!h.VorAktion()->isEnabled());
        h.ZurueckAktion()->trigger();
        QCOMPARE(h.AktuelleSeite(), QStringLiteral("termin-neu.html"));
        h.ZurueckAktion()->trigger();
        QCOMPARE(h.AktuelleSeite(), QStringLiteral("tagestermine.html"));
        QVERIFY(!h.ZurueckAktion()->isEnabled());
        QVERIFY(h.VorAktion()->isEnabled());
        h.VorAktion()->trigger();
        QCOMPARE(h.AktuelleSeite(), QStringLiteral("termin-neu.html"));
        // A link of the page leads on; "Inhalt" goes home.
        h.Browser()->setSource(QUrl(QStringLiteral("terminserie.html")));
        QCOMPARE(h.AktuelleSeite(), QStringLiteral("terminserie.html"));
        QVERIFY(h.Browser()->toPlainText().contains(QStringLiteral("Fortschreibung")));
        h.InhaltAktion()->trigger();
        QCOMPARE(h.AktuelleSeite(), QStringLiteral("index.html"));
    }

    void SucheUeberAlleSeiten() {
        THilfefenster h(QDir(kHilfe).absolutePath());
        h.ThemaZeigen(100);
        QVERIFY(h.Trefferliste()->isHidden());
        h.Suchfeld()->setText(QStringLiteral("sperrdatei"));
        QTest::keyClick(h.Suchfeld(), Qt::Key_Return);
        QVERIFY(h.Trefferliste()->isVisibleTo(&h));
        QVERIFY(h.Trefferliste()->count() >= 1);
        QCOMPARE(h.Trefferliste()->item(0)->text(),
                 QStringLiteral("Kalender mit einem zweiten Rechner teilen"));
        QCOMPARE(h.AktuelleSeite(), QStringLiteral("teilen.html"));
        // Every word must occur; choosing a hit shows its page.
        QVERIFY(h.Suchen(QStringLiteral("Serie Fortschreibung")) >= 2);
        h.Trefferliste()->setCurrentRow(1);
        QCOMPARE(h.AktuelleSeite(),
                 h.Trefferliste()->item(1)->data(Qt::UserRole).toString());
        // The pages of the dialogs are found as well.
        const auto gefunden = [&h](const char* anfrage, const char* titel) {
            h.Suchen(QString::fromUtf8(anfrage));
            for (int i = 0; i < h.Trefferliste()->count(); ++i)
                if (h.Trefferliste()->item(i)->text() == QString::fromUtf8(titel)) return true;
            return false;
        };
        QVERIFY(gefunden("Schichtplan", "Die wochenbasierte Fortschreibung"));
        QVERIFY(gefunden("neuesten Stand", "Nach einer neuen Version suchen"));
        QVERIFY(gefunden("Ränder Querformat", "Die Statistik-Optionen"));
        QVERIFY(gefunden("Koordinaten", "Optionen: Sonne"));
        QCOMPARE(h.Suchen(QStringLiteral("Raumschiff")), 0);
        QCOMPARE(h.Trefferliste()->count(), 1);
        QCOMPARE(h.Trefferliste()->item(0)->text(), QStringLiteral("Nichts gefunden"));
    }

    void F1InDenFensternOeffnetIhrThema() {
        test::Testprogramm p;
        TForm1& f = p.Fenster();
        // The day dialog, shown without its modal loop: F1 presses its "Hilfe".
        TForm3& tag = f.Tagesfenster();
        tag.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tag));
        QTest::keyClick(&tag, Qt::Key_F1);
        QVERIFY(THilfe::Fenster());
        QCOMPARE(THilfe::Fenster()->AktuelleSeite(), QStringLiteral("tagestermine.html"));
        tag.hide();
        // The birthday list: F1 presses the tool button "Hilfe".
        TForm15& geb = f.Geburtstagsfenster();
        geb.show();
        QTest::keyClick(&geb, Qt::Key_F1);
        QCOMPARE(THilfe::Fenster()->AktuelleSeite(), QStringLiteral("geburtstagsliste.html"));
        geb.hide();
    }

    // Dialogs without a "Hilfe" button of their own: F1 opens their page, a small dialog
    // opened from one of them the page of that window.
    void F1OhneHilfeknopfOeffnetDieSeiteDesFensters() {
        test::Testprogramm p;
        TForm1& f = p.Fenster();
        SpeicherRegistry registry;
        test::SkriptDialoge dialoge;
        Statistikoptionen statistik;
        struct Fall {
            const char* seite;
            std::function<QDialog*()> machen;
        };
        const std::vector<Fall> faelle = {
            {"wochenfortschreibung.html", [&] { return new TForm34(p.Kern(), 2026, &f); }},
            {"toolbar.html",
             [&] {
                 return new TToolbaranpassen(ToolbarStandard(), [](int) { return QIcon(); },
                                             &f);
             }},
            {"kategorien-links.html",
             [&] { return new TKategorienDefinieren(p.Kern(), Listenart::Kategorien, &f); }},
            {"kategorien-links.html",
             [&] { return new TKategorienDefinieren(p.Kern(), Listenart::Links, &f); }},
            {"statistik-optionen.html",
             [&] { return new TStatistikoptionen(statistik, registry, dialoge, &f); }},
            {"info.html",
             [&] { return new TForm6(p.Shelldouble(), "http://127.0.0.1/", &f); }},
            {"gehe-zu-jahr.html", [&] { return new TGeheZuJahr(2026, &f); }},
            {"icalendar-export.html",
             [&] { return new TIcsExportdialog({1, 1, 2026}, {31, 12, 2026}, &f); }},
            {"termin-verschieben.html",
             [&] {
                 auto* d = new QDialog(&f);
                 d->setObjectName(QStringLiteral("Zieldatum"));
                 return d;
             }},
        };
        for (const Fall& fall : faelle) {
            std::unique_ptr<QDialog> d(fall.machen());
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d.get()));
            d->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(d.get()));
            auto* toolbar = qobject_cast<TToolbaranpassen*>(d.get());
            const bool hilfeknopfGezeigt = toolbar && toolbar->Box(35)->isChecked();
            QWidget* ziel = QApplication::focusWidget() &&
                                    QApplication::focusWidget()->window() == d.get()
                                ? QApplication::focusWidget()
                                : d.get();
            QTest::keyClick(ziel, Qt::Key_F1);
            QVERIFY2(THilfe::Fenster(), fall.seite);
            QCOMPARE(THilfe::Fenster()->AktuelleSeite(), QString::fromLatin1(fall.seite));
            // Its check box "Hilfe" is no help button: F1 leaves it as it was.
            if (toolbar) QCOMPARE(toolbar->Box(35)->isChecked(), hilfeknopfGezeigt);
            THilfe::Fenster()->SeiteZeigen(QStringLiteral("index.html"));
            if (QString::fromLatin1(fall.seite) == QLatin1String("wochenfortschreibung.html")) {
                QDialog klein(d.get());
                klein.show();
                QVERIFY(QTest::qWaitForWindowExposed(&klein));
                QTest::keyClick(&klein, Qt::Key_F1);
                QCOMPARE(THilfe::Fenster()->AktuelleSeite(), QString::fromLatin1(fall.seite));
                THilfe::Fenster()->SeiteZeigen(QStringLiteral("index.html"));
            }
            d->reject();  // the help window moves on to the main window
        }
    }

    // "Hilfe" and F1 in the options open the page of the options page shown.
    void OptionenZeigenDieSeiteDerGezeigtenSeite() {
        test::Testprogramm p;
        TOptionen d(p.Kern(), 5, nullptr, &p.Fenster());
        d.hilfe = HilfeAufrufen;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mouseClick(d.HilfeKnopf(), Qt::LeftButton);
        QVERIFY(THilfe::Fenster());
        QCOMPARE(THilfe::Fenster()->AktuelleSeite(), QStringLiteral("optionen-termine.html"));
        d.findChild<QTabWidget*>(QStringLiteral("Seiten"))->setCurrentIndex(10);
        QTest::keyClick(&d, Qt::Key_F1);
        QCOMPARE(THilfe::Fenster()->AktuelleSeite(),
                 QStringLiteral("optionen-stundenplan.html"));
        d.findChild<QTabWidget*>(QStringLiteral("Seiten"))->setCurrentIndex(0);
        QTest::keyClick(&d, Qt::Key_F1);
        QCOMPARE(THilfe::Fenster()->AktuelleSeite(),
                 QStringLiteral("optionen-jahresansicht.html"));
    }

    void NebenEinemModalenDialog() {
        test::Testprogramm p;
        TForm1& f = p.Fenster();
        auto* dialog = new QDialog(&f);
        dialog->setModal(true);
        dialog->show();  // modal for Qt, but no loop of its own
        QCOMPARE(QApplication::activeModalWidget(), dialog);
        THilfefenster* h = THilfe::Zeigen(117);
        QVERIFY(h);
        QCOMPARE(h->parentWidget(), dialog);  // so it takes input beside the dialog
        QCOMPARE(h->AktuelleSeite(), QStringLiteral("optionen.html"));
        dialog->done(QDialog::Accepted);
        delete dialog;
        // Still there, now under the main window, with its history.
        QCOMPARE(THilfe::Fenster(), h);
        QCOMPARE(h->parentWidget(), &f);
        QVERIFY(h->isVisible());
        QCOMPARE(h->AktuelleSeite(), QStringLiteral("optionen.html"));
    }

    void DirekthilfeZeigtDenKurztextOhneDieNormaleAktion() {
        test::Testprogramm p;
        TForm1& f = p.Fenster();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(f.Jahresfeld()->whatsThis().contains(QStringLiteral("1901 bis 2099")));
        QVERIFY(f.Farbfeld(3)->whatsThis().startsWith(QStringLiteral("<b>Farbfeld</b>")));
        QVERIFY(!f.Flaeche()->whatsThis().isEmpty());
        const AktuelleFarbe vorher = f.Farbeditor().Aktuell();
        f.Aktion(QString::fromLatin1(befehl::Direkthilfe))->trigger();
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QVERIFY(f.Jahresansicht().Hilfemodus());
        QTest::mouseClick(f.Farbfeld(3), Qt::LeftButton);
        QTRY_VERIFY(Kurzhilfefenster());
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QVERIFY(!f.Jahresansicht().Hilfemodus());
        QVERIFY(f.Farbeditor().Aktuell() == vorher);  // the click chose no colour
        QWhatsThis::hideText();
        // A click on a control without a text only ends the mode.
        f.Aktion(QString::fromLatin1(befehl::Direkthilfe))->trigger();
        QTest::mouseClick(f.Statusfeld(0), Qt::LeftButton);
        QTRY_VERIFY(!QWhatsThis::inWhatsThisMode());
        QVERIFY(!f.Jahresansicht().Hilfemodus());
        // The check box explains itself on a right click at any time.
        QVERIFY(!Kurzhilfefenster());
        QCheckBox* box = f.AktuelleFarbeBox();
        const bool haken = box->isChecked();
        QContextMenuEvent rechts(QContextMenuEvent::Mouse, QPoint(2, 2),
                                 box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &rechts);
        QTRY_VERIFY(Kurzhilfefenster());
        QCOMPARE(box->isChecked(), haken);
    }

    // Only with KALVORA_HILFEBILDER=<folder> (scripts/hilfebilder.sh): the pictures of the
    // manual, taken from the real windows.
    void Bilder() {
        const QString ziel = qEnvironmentVariable("KALVORA_HILFEBILDER");
        if (ziel.isEmpty()) QSKIP("KALVORA_HILFEBILDER ist nicht gesetzt");
        QDir().mkpath(ziel);
        test::Testprogramm p;
        TForm1& f = p.Fenster();
        TKalender& kal = f.Kalender();
        const char* namen[] = {"", "Urlaub", "Arzt", "Schule", "Spätdienst", "Frühdienst"};
        for (int slot = 1; slot <= 5; ++slot) kal.Farbnamen[slot] = namen[slot];
        const int jahr = f.Jahresansicht().Jahr();
        for (int t = 3; t <= 14; ++t) kal.Tagesfarben(jahr, 8, t).push_back(kal.Farbwerte[1]);
        for (int t = 1; t <= 28; t += 3) kal.Tagesfarben(jahr, 3, t).push_back(kal.Farbwerte[4]);
        for (int t = 2; t <= 28; t += 3) kal.Tagesfarben(jahr, 3, t).push_back(kal.Farbwerte[5]);
        kal.Tagesfarben(jahr, 5, 12).push_back(kal.Farbwerte[2]);
        for (int t = 20; t <= 31; ++t) kal.Tagesfarben(jahr, 10, t).push_back(kal.Farbwerte[3]);
        p.Kern().FarbtabelleGeaendertMelden();
        f.resize(900, 640);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCoreApplication::processEvents();
        auto speichern = [&](QWidget* w, const char* name, int breite) {
            QImage bild = w->grab().toImage();
            if (bild.width() > breite) bild = bild.scaledToWidth(breite, Qt::SmoothTransformation);
            QVERIFY(bild.convertToFormat(QImage::Format_RGB888)
                        .save(QDir(ziel).filePath(QString::fromLatin1(name)), "PNG", 0));
        };
        speichern(&f, "hauptfenster.png", 640);
        // The modal dialogs are taken as soon as they show, then closed.
        kal.Terminliste(jahr, 5, 12) = {
            TTermin{"", "Unterlagen für die Versicherung mitnehmen", "", "", "", 0, KeineFarbe,
                    false},
            TTermin{"09:30", "Zahnarzt", "Praxis Dr. Meier", "", "", 45, kal.Farbwerte[2], true},
            TTermin{"15:00", "Elternabend", "Schule", "", "", 90, kal.Farbwerte[3], false},
        };
        auto nehmen = [&](const char* name, int breite) {
            QTimer::singleShot(100, qApp, [&, name, breite] {
                auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                QVERIFY(d);
                QCoreApplication::processEvents();
                speichern(d, name, breite);
                d->reject();
            });
        };
        nehmen("tagestermine.png", 560);
        f.TagesdialogOeffnen(12, 5, jahr);
        nehmen("optionen.png", 560);
        f.OptionenZeigen(1);
        nehmen("statistik.png", 560);
        f.Aktion(QString::fromLatin1(befehl::Farbhaeufigkeiten))->trigger();
        nehmen("toolbar.png", 560);
        f.ToolbarAnpassenZeigen();
        nehmen("wochenfortschreibung.png", 560);
        f.Aktion(QString::fromLatin1(befehl::Wochenfortschreibung))->trigger();
    }

    void OhneHandbuchDieMeldung() {
        THilfe::OrdnerSetzen(QString());
        test::SkriptDialoge dialoge;
        test::Testprogramm p(nullptr, nullptr, &dialoge);
        // At start and on every "Hilfe".
        QCOMPARE(dialoge.meldungen.size(), size_t(1));
        const std::string erwartet = "Hilfe-Datei nicht gefunden\r" +
                                     QCoreApplication::applicationDirPath().toStdString() +
                                     "/hilfe/index.html";
        QCOMPARE(dialoge.meldungen[0].text, erwartet);
        p.Fenster().Aktion(QString::fromLatin1(befehl::Hilfe))->trigger();
        QCOMPARE(dialoge.meldungen.size(), size_t(2));
        QCOMPARE(dialoge.meldungen[1].text, erwartet);
        QVERIFY(!THilfe::Fenster());
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<HilfefensterTest>(argc, argv);
}

#include "HilfefensterTest.moc"
