// The options dialog and "Toolbar anpassen" offscreen: every page, every caller, taking over
// into the store and the year view, refusing bad input, and the tool bar rebuilt.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "ansichten/fenster/Monatsansicht.h"
#include "ansichten/fenster/Stundenplan.h"
#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "einstellungen/fenster/Optionen.h"
#include "extras/fenster/Toolbaranpassen.h"
#include "Testumgebung.h"
#include "fenster/Testprogramm.h"
#include "main/Hauptmenue.h"
#include "main/fenster/Alarmsteuerung.h"
#include "main/fenster/Main.h"
#include "termine/fenster/Tagestermine.h"

using namespace kalvora;

namespace {

// Runs pruefen on the next modal dialog of type D once it shows.
template <class D>
void WennOffen(std::function<void(D&)> pruefen) {
    QTimer::singleShot(0, [pruefen] {
        for (int i = 0; i < 200; ++i) {
            if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
                pruefen(*d);
                return;
            }
            QTest::qWait(10);
        }
        QFAIL("kein Dialog");
    });
}

int Seite(TOptionen& d) { return d.Seiten()->currentIndex() + 1; }

}  // namespace

class OptionenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SpeicherRegistry> registry_;
    std::unique_ptr<test::SkriptDialoge> dialoge_;
    std::unique_ptr<test::Testprogramm> programm_;

    TForm1& Fenster() { return programm_->Fenster(); }

private slots:
    void init() {
        registry_ = std::make_unique<SpeicherRegistry>();
        dialoge_ = std::make_unique<test::SkriptDialoge>();
        programm_ = std::make_unique<test::Testprogramm>(registry_.get(), nullptr, dialoge_.get());
        Fenster().show();
    }
    void cleanup() { programm_.reset(); }

    void ZwoelfSeitenOhneAbschnitt() {
        TOptionen d(programm_->Kern(), optionsseite::Sonne);
        QCOMPARE(d.Seiten()->count(), 12);
        QStringList titel;
        for (int i = 0; i < 12; ++i) titel << d.Seiten()->tabText(i);
        QCOMPARE(titel, (QStringList{"Jahresansicht", "Tagesfarben", "Monats- und Wochenansicht",
                                     "Sonne", "Termine", "Terminalarm", "Fortschreibung",
                                     "Termindarstellung", "Start", "Allgemein", "Stundenplan",
                                     "Besondere Tage"}));
        QCOMPARE(Seite(d), 4);
        QCOMPARE(d.Startseiten()->tabText(d.Startseiten()->currentIndex()),
                 QStringLiteral("Programmstart"));
        QVERIFY(!d.UebernehmenKnopf()->isEnabled());
        d.show();
        // Every page as a user sees it; no control may stick out of its page.
        for (int s = 0; s < 12; ++s) {
            d.Seiten()->setCurrentIndex(s);
            QApplication::processEvents();
            QWidget* seite = d.Seiten()->currentWidget();
            for (QWidget* w : seite->findChildren<QWidget*>()) {
                if (!w->isVisible()) continue;
                const QRect r(w->mapTo(seite, QPoint(0, 0)), w->size());
                QVERIFY2(seite->rect().contains(r),
                         qPrintable(d.Seiten()->tabText(s) + ": " + w->metaObject()->className()));
            }
            d.grab().save(QDir::temp().filePath(QStringLiteral("kalvora-optionen-%1.png")
                                                    .arg(s + 1, 2, 10, QLatin1Char('0'))));
        }
        d.Seiten()->setCurrentIndex(8);
        d.Startseiten()->setCurrentIndex(1);
        QApplication::processEvents();
        d.grab().save(QDir::temp().filePath(QStringLiteral("kalvora-optionen-09b.png")));
    }

    void JederAufruferOeffnetSeineSeite() {
        TForm1& f = Fenster();
        QVERIFY(f.Aktion(befehl::Optionen)->isEnabled());
        QVERIFY(f.Aktion(befehl::ToolbarAnpassen)->isEnabled());
        int gesehen = 0;
        const auto erwarte = [&gesehen](int seite) {
            WennOffen<TOptionen>([&gesehen, seite](TOptionen& d) {
                QCOMPARE(Seite(d), seite);
                ++gesehen;
                d.AbbruchKnopf()->click();
            });
        };
        erwarte(1);
        f.Aktion(befehl::Optionen)->trigger();
        erwarte(1);
        f.Toolbutton(34)->click();
        erwarte(1);
        f.Alarm().optionen();
        // The day dialog's button, page "Termine".
        auto* knopf = f.Tagesfenster().findChild<QPushButton*>(QStringLiteral("Optionen"));
        if (!knopf) {
            for (auto* k : f.Tagesfenster().findChildren<QPushButton*>())
                if (k->text() == QStringLiteral("Optionen")) knopf = k;
        }
        QVERIFY(knopf);
        QVERIFY(knopf->isEnabled());
        erwarte(5);
        knopf->click();
        // The calendar views and the timetable.
        TForm8 monat(f);
        erwarte(3);
        monat.optionen();
        TForm24 plan(f, false, &f);
        plan.HakenAnwenden();
        QVERIFY(plan.Knopf(5)->isEnabled());
        erwarte(11);
        plan.Knopf(5)->click();
        QCOMPARE(gesehen, 6);
    }

    void UebernehmenZeichnetDieJahresansichtNeu() {
        TForm1& f = Fenster();
        TOptionen d(programm_->Kern(), 1);
        auto* darstellung = static_cast<QComboBox*>(d.Feld("Darstellung"));
        QCOMPARE(darstellung->currentIndex(), 1);
        darstellung->setCurrentIndex(2);
        QVERIFY(d.UebernehmenKnopf()->isEnabled());
        int angewendet = 0;
        d.angewendet = [&] {
            ++angewendet;
            f.OptionenAnwenden();
        };
        // 20 colours: slots 17 to 20 of the legend show at once.
        QVERIFY(!f.Farbfeld(17)->isVisible());
        static_cast<QComboBox*>(d.Feld("Anzahl Farben"))->setCurrentIndex(1);
        d.UebernehmenKnopf()->click();
        QCOMPARE(angewendet, 1);
        QVERIFY(!d.UebernehmenKnopf()->isEnabled());
        QCOMPARE(f.Optionen().Darstellung, 2);
        QCOMPARE(static_cast<int>(f.Jahresansicht().optionen.darstellung), 2);
        QVERIFY(f.Farbfeld(17)->isVisible());
        RegistrySchluessel k(*registry_, "Software\\Kalvora");
        QCOMPARE(k.GanzzahlLesen("Darstellung"), 2);
        QCOMPARE(k.GanzzahlLesen("Anzahl Farben"), 1);
    }

    void TimerintervallGiltSofortInDerOffenenAnsicht() {
        TForm1& f = Fenster();
        TForm8 monat(f);
        monat.show();
        TOptionen d(programm_->Kern(), optionsseite::Allgemein);
        d.angewendet = [&f] { f.OptionenAnwenden(); };
        static_cast<QCheckBox*>(d.Feld("scharzer Rahmen blinkend"))->setChecked(true);
        static_cast<TZahlfeld*>(d.Feld("Timerintervall"))->setValue(250);
        QVERIFY(d.Uebernehmen());
        QVERIFY(monat.Blinker()->isActive());
        QCOMPARE(monat.Blinker()->interval(), 250);
    }

    void AbbruchAendertNichts() {
        TForm1& f = Fenster();
        const Einstellungen vorher = f.Optionen();
        const int schreibvorgaenge = registry_->Schreibvorgaenge();
        TOptionen d(programm_->Kern(), 1);
        static_cast<QCheckBox*>(d.Feld("Kalenderwoche"))->setChecked(true);
        static_cast<TZahlfeld*>(d.Feld("Rote Linie"))->setValue(3);
        d.AbbruchKnopf()->click();
        QVERIFY(f.Optionen() == vorher);
        QCOMPARE(registry_->Schreibvorgaenge(), schreibvorgaenge);
        // The controls show the settings again.
        QVERIFY(!static_cast<QCheckBox*>(d.Feld("Kalenderwoche"))->isChecked());
    }

    void FalscheWerteWerdenAbgewiesen() {
        TForm1& f = Fenster();
        TOptionen d(programm_->Kern(), optionsseite::Termine);
        auto* stunden = static_cast<TZahlfeld*>(d.Feld("Termindauer Stunden"));
        // Typed, not stepped: the field keeps what was typed.
        stunden->selectAll();
        QTest::keyClicks(stunden, QStringLiteral("25"));
        QCOMPARE(stunden->value(), 25);
        QVERIFY(!d.Uebernehmen());
        QCOMPARE(dialoge_->meldungen.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(dialoge_->meldungen[0].text).contains(
            QStringLiteral("\"Stunden\"")));
        QCOMPARE(f.Optionen().TermindauerStunden, 1);
        QVERIFY(d.UebernehmenKnopf()->isEnabled());
        // The arrows never leave the range.
        stunden->setValue(23);
        stunden->stepBy(5);
        QCOMPARE(stunden->value(), 23);

        auto* laenge = static_cast<QLineEdit*>(d.Feld("geographische Länge"));
        laenge->setText(QStringLiteral("acht"));
        QVERIFY(!d.Uebernehmen());
        QCOMPARE(dialoge_->meldungen.back().text, std::string("'acht' ist kein gültiger "
                                                              "Gleitkommawert"));
        laenge->setText(QLocale().toString(8.25));
        QVERIFY(d.Uebernehmen());
        QCOMPARE(f.Optionen().geographischeLaenge, 8.25);
        QCOMPARE(f.Optionen().TermindauerStunden, 23);
    }

    void FarbfelderUndGekoppelteFelder() {
        TOptionen d(programm_->Kern(), 1);
        // White for past appointments shows "X"; for coming ones it is refused.
        dialoge_->farben = {0xFFFFFFu, 0xFFFFFFu};
        static_cast<QPushButton*>(d.Feld("Farbe vergangener Termine"))->click();
        QCOMPARE(static_cast<QPushButton*>(d.Feld("Farbe vergangener Termine"))->text(),
                 QStringLiteral("X"));
        static_cast<QPushButton*>(d.Feld("Farbe kommender Termine"))->click();
        QVERIFY(QString::fromStdString(dialoge_->meldungen.back().text)
                    .startsWith(QStringLiteral("Die Farbe \"weiß\"")));
        QVERIFY(d.Uebernehmen());
        QCOMPARE(programm_->Kern().Optionen().FarbeVergangenerTermine, 0xFFFFFFu);
        QCOMPARE(programm_->Kern().Optionen().FarbeKommenderTermine, 0u);

        // A pair keeps exactly one box checked.
        auto* erster = static_cast<QCheckBox*>(d.Feld("aktjahr#1"));
        auto* zweiter = static_cast<QCheckBox*>(d.Feld("aktjahr#2"));
        QVERIFY(erster->isChecked());
        QVERIFY(!d.Feld("startjahr")->isEnabled());
        erster->click();
        QVERIFY(erster->isChecked());
        zweiter->click();
        QVERIFY(!erster->isChecked() && zweiter->isChecked());
        QVERIFY(d.Feld("startjahr")->isEnabled());
        // The timetable's first hour stays below the last.
        auto* von = static_cast<TZahlfeld*>(d.Feld("Stdplanstartzeit"));
        auto* bis = static_cast<TZahlfeld*>(d.Feld("Stdplanendezeit"));
        bis->setValue(20);
        von->setValue(20);
        QCOMPARE(von->value(), 19);
        // The margins' captions follow the corner.
        static_cast<QComboBox*>(d.Feld("Stdplanort"))->setCurrentIndex(2);
        QList<QLabel*> texte;
        QStringList gefunden;
        for (QLabel* l : d.findChildren<QLabel*>()) gefunden << l->text();
        QVERIFY(gefunden.contains(QStringLiteral("Rand links:")));
        QVERIFY(gefunden.contains(QStringLiteral("Rand oben:")));
        // The last of the full-screen boxes stays checked.
        for (const char* n : {"Vollbild ohne Menü", "Vollbild ohne Toolbar"})
            static_cast<QCheckBox*>(d.Feld(n))->setChecked(false);
        auto* letzte = static_cast<QCheckBox*>(d.Feld("Vollbild ohne Legende"));
        letzte->setChecked(false);
        QVERIFY(letzte->isChecked());
        // A holiday colour equal to the weekend colour is refused without a word.
        const std::size_t meldungen = dialoge_->meldungen.size();
        dialoge_->farben = {0xE0E0E0u};
        auto* ostern = static_cast<QCheckBox*>(d.Feld("Feiertag01"));
        QTest::mouseClick(ostern, Qt::RightButton);
        QVERIFY(d.Uebernehmen());
        QCOMPARE(programm_->Kern().Optionen().Feiertage[1].farbe, 0x0080FFu);
        QCOMPARE(dialoge_->meldungen.size(), meldungen);
    }

    // What a user sees of the captions: the page list marks the page shown, also page 1;
    // the hyphenated caption breaks its line after "Monats-"; no caption of "Toolbar
    // anpassen" is cut.
    void BeschriftungenGanzUndSeiteMarkiert() {
        for (int seite : {1, 4, 11}) {
            TOptionen d(programm_->Kern(), seite);
            QCOMPARE(d.Seitenliste()->currentRow(), seite - 1);
        }
        TOptionen d(programm_->Kern(), 1);
        d.show();
        QApplication::processEvents();
        QLabel* staerke = nullptr;
        for (QLabel* l : d.findChildren<QLabel*>())
            if (l->text().startsWith(QStringLiteral("Stärke der Monats-"))) staerke = l;
        QVERIFY(staerke);
        QCOMPARE(staerke->text(), QStringLiteral("Stärke der Monats-\nrahmen in Pixel"));
        QVERIFY(staerke->width() >= staerke->sizeHint().width());
        for (QLabel* l : d.findChildren<QLabel*>())
            QVERIFY2(!l->text().contains(QStringLiteral("Monats-\nund")), qPrintable(l->text()));

        QPixmap bild(16, 16);
        bild.fill(Qt::blue);
        TToolbaranpassen t(ToolbarSichtbarkeit{}, [&bild](int) { return QIcon(bild); });
        t.show();
        QApplication::processEvents();
        for (int i = 1; i <= AnzahlToolbuttons; ++i) {
            QCheckBox* b = t.Box(i);
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
            QVERIFY2(t.rect().contains(b->geometry()), qPrintable(b->text()));
            if (i + 13 <= AnzahlToolbuttons)  // clear of the next column
                QVERIFY2(b->geometry().right() < t.Box(i + 13)->x(), qPrintable(b->text()));
        }
        QCOMPARE(t.Box(27)->text(), QStringLiteral("Monatsansicht mit Wocheneinteilung"));
    }

    // The timetable's hours on their page are coupled when an edit ends, not at every key.
    void StundenGetipptUndErstDannGekoppelt() {
        TOptionen d(programm_->Kern(), optionsseite::Stundenplan);
        d.show();
        QApplication::processEvents();
        auto* von = static_cast<TZahlfeld*>(d.Feld("Stdplanstartzeit"));
        auto* bis = static_cast<TZahlfeld*>(d.Feld("Stdplanendezeit"));
        QCOMPARE(von->value(), 7);
        QCOMPARE(bis->value(), 20);
        bis->setFocus();
        bis->selectAll();
        QTest::keyClicks(bis, "22");
        von->setFocus();  // the edit ends
        QCOMPARE(bis->value(), 22);
        QCOMPARE(von->value(), 7);
        von->selectAll();
        QTest::keyClicks(von, "23");
        bis->setFocus();
        QCOMPARE(von->value(), 21);  // below the last hour
        QCOMPARE(bis->value(), 22);
        QTest::keyClick(bis, Qt::Key_Up);
        QTest::keyClick(bis, Qt::Key_Up);
        QTest::keyClick(bis, Qt::Key_Up);
        QCOMPARE(bis->value(), 24);
        QVERIFY(d.Uebernehmen());
        QCOMPARE(programm_->Kern().Optionen().Stdplanendezeit, 24);
        QCOMPARE(programm_->Kern().Optionen().Stdplanstartzeit, 21);
    }

    void ToolbarAnpassen() {
        TForm1& f = Fenster();
        QVERIFY(f.ToolbuttonSichtbar(35));
        QVERIFY(!f.ToolbuttonSichtbar(33));
        WennOffen<TToolbaranpassen>([](TToolbaranpassen& d) {
            QCOMPARE(d.size(), QSize(682, 393));
            QCOMPARE(d.Box(35)->text(), QStringLiteral("Hilfe"));
            QVERIFY(!d.Box(36)->isChecked());
            d.Box(35)->setChecked(false);
            d.Box(33)->setChecked(true);
            d.grab().save(QDir::temp().filePath(QStringLiteral("kalvora-toolbaranpassen.png")));
            d.OkKnopf()->click();
        });
        f.Aktion(befehl::ToolbarAnpassen)->trigger();
        QVERIFY(!f.ToolbuttonSichtbar(35));
        QVERIFY(f.ToolbuttonSichtbar(33));
        // Hilfe and Direkthilfe both hidden: their separator goes too.
        QVERIFY(!f.ToolbarTrennerSichtbar(14));
        RegistrySchluessel k(*registry_, "Software\\Kalvora\\Toolbar");
        QVERIFY(!k.WahrheitswertLesen("Toolbutton35"));
        QVERIFY(k.WahrheitswertLesen("Toolbutton33"));

        WennOffen<TToolbaranpassen>([](TToolbaranpassen& d) {
            d.Box(35)->setChecked(true);
            d.AbbrechenKnopf()->click();
        });
        f.Aktion(befehl::ToolbarAnpassen)->trigger();
        QVERIFY(!f.ToolbuttonSichtbar(35));
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<OptionenTest>(argc, argv);
}

#include "OptionenTest.moc"
