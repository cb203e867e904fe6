// The main window offscreen: menus, tool bar, status bar, CSV export, first paint, titles,
// start-up and shutdown, read-only mode against a second process holding the lock.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <set>

#include "doubles/StehendeUhr.h"
#include "fenster/Testprogramm.h"
#include "Testumgebung.h"
#include "app/fenster/Splash.h"
#include "app/fenster/Startregistrierung.h"
#include "einstellungen/Einstellungen.h"
#include "kalender/Kalenderdatei.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/posix/XdgOrdner.h"
#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "main/fenster/Jahresflaeche.h"
#include "main/Hauptmenue.h"
#include "main/fenster/Main.h"
#include "termine/fenster/Suchen.h"
#include "personen/fenster/Geburtstagsinfo.h"
#include "termine/fenster/Tagestermine.h"

using namespace kalvora;

namespace {

struct FesteUhr : test::StehendeUhr {
    FesteUhr() : StehendeUhr({2004, 5, 1, 12, 0, 0}) {}
};

// A small calendar file written by a window of its own.
void DateiAnlegen(const QString& pfad) {
    SpeicherRegistry registry;
    test::SkriptDialoge dialoge;
    test::Testprogramm programm_f(&registry, nullptr, &dialoge);
    TForm1& f = programm_f.Fenster();
    f.Kalender().Terminliste(2004, 5, 1) = {TTermin{}, TTermin{"10:00", "Zahnarzt"}};
    f.Kalender().geaendert = true;
    dialoge.speichern.push_back(pfad.toStdString());
    f.Aktion("speichernunter1")->trigger();
    QVERIFY(QFile::exists(pfad));
}

}  // namespace

class TForm1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<SpeicherRegistry> registry_;
    FesteUhr uhr_;
    std::unique_ptr<test::Testprogramm> programm_;

    TForm1& Fenster() {
        if (!programm_) programm_ = std::make_unique<test::Testprogramm>(registry_.get(), &uhr_);
        return programm_->Fenster();
    }
    void DialogeSetzen(Dialoge* dialoge) { programm_->DialogeSetzen(dialoge); }

private slots:
    void init() { registry_ = std::make_unique<SpeicherRegistry>(); }
    void cleanup() {
        programm_.reset();
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    }

    void TitelUndGroesse() {
        TForm1& f = Fenster();
        QCOMPARE(f.windowTitle(), QStringLiteral("Kalvora - [unbenannt]"));
        QCOMPARE(f.minimumSize(), QSize(760, 540));
        QCOMPARE(f.size(), QSize(1024, 768));
        f.resize(500, 300);
        QCOMPARE(f.size(), QSize(760, 540));
    }

    void HauptmenueInReihenfolge() {
        QStringList titel;
        for (QAction* a : Fenster().menuBar()->actions()) titel << a->text();
        QCOMPARE(titel, (QStringList{"&Datei", "&Bearbeiten", "&Werkzeuge", "&Termine",
                                     "&Ansicht", "&Extras", "&Hilfe"}));
    }

    void Eintraege_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("menue");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QKeySequence>("tasten");
        QTest::newRow("Neu") << "Neu1" << "Datei1" << "&Neu" << QKeySequence("Ctrl+N");
        QTest::newRow("Öffnen") << "ffnen1" << "Datei1" << "Ö&ffnen" << QKeySequence("Ctrl+O");
        QTest::newRow("Schließen") << "Schlieen1" << "Datei1" << "S&chließen" << QKeySequence();
        QTest::newRow("Speichern") << "speichern1" << "Datei1" << "&Speichern"
                                   << QKeySequence("Ctrl+S");
        QTest::newRow("Speichern unter") << "speichernunter1" << "Datei1" << "Speichern &unter"
                                         << QKeySequence("Ctrl+U");
        QTest::newRow("CSV") << "CSVDatei1" << "Exportieren1" << "&CSV-Datei" << QKeySequence();
        QTest::newRow("Beenden") << "Beenden1" << "Datei1" << "&Beenden"
                                 << QKeySequence("Alt+X");
        QTest::newRow("Rückgängig") << "Rckgngig1" << "Bearbeiten1" << "&Rückgängig"
                                    << QKeySequence("Ctrl+Z");
        QTest::newRow("Wiederherstellen") << "Wiederherstellen1" << "Bearbeiten1"
                                          << "&Wiederherstellen" << QKeySequence("Ctrl+R");
        QTest::newRow("Weitersuchen") << "Weitersuchen1" << "Bearbeiten1" << "Weiters&uchen"
                                      << QKeySequence("F3");
        QTest::newRow("Aktualisieren") << "Aktualisieren1" << "Bearbeiten1" << "&Aktualisieren"
                                       << QKeySequence("F5");
        QTest::newRow("Tagestermine") << "Tagestermine1" << "Termine1" << "&Tagestermine"
                                      << QKeySequence("Ctrl+T");
        QTest::newRow("alles prüfen") << "allesprfen1" << "Ereignisseprfen1" << "alles prüfen"
                                      << QKeySequence();
        QTest::newRow("Wochenansicht") << "Wochenansicht1" << "Ansicht1" << "&Wochenansicht"
                                       << QKeySequence("Ctrl+W");
        QTest::newRow("2 Wochen") << "Wochenansicht2Wochen1" << "Ansicht1"
                                  << "Wochenansicht (2 Wochen)" << QKeySequence();
        QTest::newRow("Vollbild") << "VollbildJahresansicht1" << "Ansicht1"
                                  << "&Vollbild Jahresansicht" << QKeySequence("F9");
        QTest::newRow("Terminhäufigkeiten") << "Terminhufigkeiten1" << "Statistik1"
                                            << "&Terminhäufigkeiten" << QKeySequence();
        QTest::newRow("Gehe zu Jahr") << "GehezuJahr1" << "Ansicht1" << "&Gehe zu Jahr"
                                      << QKeySequence("Ctrl+G");
        QTest::newRow("Hilfe") << "Hilfe2" << "Hilfe1" << "&Hilfe" << QKeySequence("F1");
        QTest::newRow("Direkthilfe") << "Direkthilfe1" << "Hilfe1" << "&Direkthilfe"
                                     << QKeySequence("Ctrl+F1");
        QTest::newRow("Handbuch") << "KalvoraHandbuch1" << "Hilfe1" << "Kalvora H&andbuch"
                                  << QKeySequence();
        QTest::newRow("Info") << "Info1" << "Hilfe1" << "&Info" << QKeySequence("Ctrl+I");
    }
    void Eintraege() {
        QFETCH(QString, name);
        QFETCH(QString, menue);
        QFETCH(QString, titel);
        QFETCH(QKeySequence, tasten);
        QAction* a = Fenster().Aktion(name);
        QVERIFY2(a, qPrintable(name));
        QCOMPARE(a->text(), titel);
        QCOMPARE(a->shortcut(), tasten);
        auto* m = Fenster().findChild<QMenu*>(menue);
        QVERIFY2(m, qPrintable(menue));
        QVERIFY(m->actions().contains(a));
    }

    void TastenSindEindeutig() {
        std::set<QString> gesehen;
        for (QAction* a : Fenster().findChildren<QAction*>()) {
            if (a->shortcut().isEmpty()) continue;
            const QString t = a->shortcut().toString();
            QVERIFY2(gesehen.insert(t).second, qPrintable(t));
        }
        QCOMPARE(int(gesehen.size()), 20);
    }

    void WerkzeugeSindEineAuswahl() {
        auto* m = Fenster().findChild<QMenu*>("Werkzeuge1");
        QVERIFY(m);
        const QList<QAction*> eintraege = m->actions();
        QCOMPARE(eintraege.size(), 5);
        QActionGroup* gruppe = eintraege.front()->actionGroup();
        QVERIFY(gruppe && gruppe->isExclusive());
        for (QAction* a : eintraege) {
            QCOMPARE(a->actionGroup(), gruppe);
            QVERIFY(a->isCheckable());
        }
        QVERIFY(eintraege[0]->isChecked());
        QCOMPARE(eintraege[0]->text(), QStringLiteral("&keine direkten Farbänderungen"));
        QCOMPARE(eintraege[4]->text(), QStringLiteral("&alle Farben löschen"));
    }

    void JederBefehlIstGebaut() {
        // Commands that no state of the document holds back are enabled from the start.
        TForm1& f = Fenster();
        for (const char* gebaut :
             {"Beenden1", "CSVDatei1", befehl::Optionen, befehl::ToolbarAnpassen, befehl::Hilfe,
              befehl::Direkthilfe, befehl::Handbuch, befehl::Online, befehl::UpdatePruefen,
              befehl::Info, befehl::FarbenDefinieren, befehl::Wochenfortschreibung}) {
            QAction* a = f.Aktion(QString::fromLatin1(gebaut));
            QVERIFY2(a, gebaut);
            QVERIFY2(a->isEnabled(), gebaut);
        }
    }

    void ToolbarReihenfolgeUndHinweise() {
        TForm1& f = Fenster();
        for (int i = 1; i <= AnzahlToolbuttons; ++i) {
            QToolButton* k = f.Toolbutton(i);
            QVERIFY(k);
            QCOMPARE(k->toolTip(), QString::fromUtf8(Toolbuttons()[i - 1].hinweis));
            QVERIFY2(!k->icon().isNull(), qPrintable(k->toolTip()));
        }
        QVERIFY(!f.Toolbutton(0) && !f.Toolbutton(40));
        // Buttons and menu share their command, so enabled states stay in step.
        QCOMPARE(f.Toolbutton(1)->defaultAction(), f.Aktion("Neu1"));
        QCOMPARE(f.Toolbutton(14)->defaultAction(), f.Aktion("keinedirektenFarbnderungen1"));
        QCOMPARE(f.Toolbutton(35)->defaultAction(), f.Aktion("Hilfe2"));
        QCOMPARE(f.Toolbutton(39)->defaultAction(), f.Aktion("Info1"));
        // The tool button opens the day dialog for the selected day, the menu entry for today.
        QVERIFY(f.Toolbutton(19)->defaultAction() != f.Aktion("Tagestermine1"));
    }

    void ToolbarFrischZeigtSechsundzwanzig() {
        TForm1& f = Fenster();
        int sichtbar = 0;
        for (int i = 1; i <= AnzahlToolbuttons; ++i) sichtbar += f.ToolbuttonSichtbar(i);
        QCOMPARE(sichtbar, 26);
        QVERIFY(!f.ToolbuttonSichtbar(4));
        QVERIFY(!f.ToolbarTrennerSichtbar(4));  // group 11-13
        QVERIFY(f.ToolbarTrennerSichtbar(14));  // group 35-36
    }

    void ToolbarFolgtDerAblage() {
        RegistrySchluessel s(*registry_, ToolbarSchluessel);
        s.WahrheitswertSchreiben("Toolbutton04", true);
        s.WahrheitswertSchreiben("Toolbutton35", false);
        s.WahrheitswertSchreiben("Toolbutton36", true);
        TForm1& f = Fenster();
        QVERIFY(f.ToolbuttonSichtbar(4));
        QVERIFY(!f.ToolbuttonSichtbar(35));
        QVERIFY(f.ToolbarTrennerSichtbar(14));  // "Hilfe" is hidden, "Direkthilfe" is not
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(f.Toolbutton(4)->isVisible());
        QVERIFY(!f.Toolbutton(35)->isVisible());
        QVERIFY(f.Toolbutton(36)->isVisible());
        // Shown buttons keep the order of the table from left to right.
        QVERIFY(f.Toolbutton(3)->x() < f.Toolbutton(4)->x());
        QVERIFY(f.Toolbutton(4)->x() < f.Toolbutton(5)->x());
        ToolbarSichtbarkeit ohneHilfe = ToolbarStandard();
        ohneHilfe[34] = ohneHilfe[35] = false;
        f.ToolbarAnwenden(ohneHilfe);
        QVERIFY(!f.ToolbarTrennerSichtbar(14));
        QVERIFY(!f.ToolbuttonSichtbar(4));
    }

    void OeffnenMitLetztenDateien() {
        TForm1& f = Fenster();
        QToolButton* k = f.Toolbutton(2);
        QVERIFY(!k->menu());
        f.LetzteDateienMenue({"/tmp/a.kvr", "", "/tmp/b.kvr"});
        QVERIFY(k->menu());
        QCOMPARE(k->popupMode(), QToolButton::MenuButtonPopup);
        QCOMPARE(k->menu()->actions().size(), 2);
        QSignalSpy gewaehlt(&f, &TForm1::LetzteDateiGewaehlt);
        k->menu()->actions()[1]->trigger();
        QCOMPARE(gewaehlt.size(), 1);
        QCOMPARE(gewaehlt[0][0].toInt(), 2);  // the entry's place in the list
        f.LetzteDateienMenue({});
        QVERIFY(!k->menu());
    }

    void StatusleisteUndFortschritt() {
        TForm1& f = Fenster();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.Statusfeld(0)->width(), 180);
        QCOMPARE(f.Statusfeld(1)->width(), 250);
        QCOMPARE(f.Statusfeld(2)->width(), 55);
        QVERIFY(f.Statusfeld(3)->width() > 300);  // takes the rest
        QVERIFY(!f.Statusfeld(4));
        QVERIFY(!f.Fortschrittsbalken()->isVisible());

        f.ArbeitBeginnen();
        QVERIFY(f.Fortschrittsbalken()->isVisible());
        QCOMPARE(f.Fortschrittsbalken()->value(), 0);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QCOMPARE(f.Fortschrittsbalken()->geometry().top(), 5);
        f.Fortschrittsmelder()(40);
        QCOMPARE(f.Fortschrittsbalken()->value(), 40);
        f.FortschrittSetzen(250);
        QCOMPARE(f.Fortschrittsbalken()->value(), 100);
        f.ArbeitBeginnen();  // nested start: one cursor only
        f.ArbeitBeenden();
        QVERIFY(!f.Fortschrittsbalken()->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }

    void CsvExportSchreibtDieDatei() {
        QTemporaryDir ordner;
        test::SkriptDialoge dialoge;
        TForm1& f = Fenster();
        DialogeSetzen(&dialoge);
        f.Kalender().Terminliste(2004, 5, 1) = {TTermin{}, TTermin{"10:00", "Zahnarzt"}};
        const QString pfad = ordner.filePath("export.csv");
        dialoge.speichern.push_back(pfad.toStdString());
        f.Aktion("CSVDatei1")->trigger();
        QCOMPARE(int(dialoge.dateidialoge.size()), 1);
        QCOMPARE(dialoge.dateidialoge[0].filter, std::string("Kalvora (*.csv)|*.csv"));
        QCOMPARE(dialoge.dateidialoge[0].standardendung, std::string("csv"));
        QCOMPARE(dialoge.dateidialoge[0].vorschlag, std::string("kalvo001.csv"));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray inhalt = datei.readAll();
        QVERIFY(inhalt.startsWith("\"Datum\""));
        QVERIFY(inhalt.contains("\"01.05.2004\",\"10:00\""));
        QVERIFY(dialoge.meldungen.empty());
        QVERIFY(!QApplication::overrideCursor());

        // Cancelling writes nothing.
        dialoge.speichern.push_back(std::nullopt);
        f.Aktion("CSVDatei1")->trigger();
        QVERIFY(dialoge.meldungen.empty());
    }

    void CsvExportMeldetEinenFehler() {
        QTemporaryDir ordner;
        test::SkriptDialoge dialoge;
        TForm1& f = Fenster();
        DialogeSetzen(&dialoge);
        dialoge.speichern.push_back(ordner.filePath("fehlt/export.csv").toStdString());
        f.Aktion("CSVDatei1")->trigger();
        QCOMPARE(int(dialoge.meldungen.size()), 1);
        QCOMPARE(dialoge.meldungen[0].art, Meldungsart::Fehler);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!f.Fortschrittsbalken()->isVisible());
    }

    void DateibefehleLaufenUeberDieSitzung() {
        QTemporaryDir ordner;
        test::SkriptDialoge dialoge;
        TForm1& f = Fenster();
        DialogeSetzen(&dialoge);
        // "Speichern" follows the modified flag.
        QVERIFY(!f.Aktion("speichern1")->isEnabled());
        QVERIFY(!f.Toolbutton(3)->isEnabled());
        QVERIFY(!f.Aktion("Schlieen1")->isEnabled());
        f.Kalender().Terminliste(2004, 5, 1) = {TTermin{}, TTermin{"10:00", "Zahnarzt"}};
        f.Kalender().geaendert = true;
        f.BefehleAktualisieren();
        QVERIFY(f.Aktion("speichern1")->isEnabled());
        QVERIFY(f.Toolbutton(3)->isEnabled());

        // Untitled: "Speichern" asks for a name first.
        const QString pfad = ordner.filePath("plan.kvr");
        dialoge.speichern.push_back(pfad.toStdString());
        f.Aktion("speichern1")->trigger();
        QVERIFY(QFile::exists(pfad));
        QVERIFY(QFile::exists(pfad + ".tmp"));  // this copy holds the lock
        QCOMPARE(f.windowTitle(), "Kalvora - " + pfad);
        QVERIFY(!f.Kalender().geaendert);
        QVERIFY(!f.Aktion("speichern1")->isEnabled());
        QVERIFY(f.Aktion("Schlieen1")->isEnabled());
        QVERIFY(f.Toolbutton(2)->menu());  // now a recent file
        QCOMPARE(f.Toolbutton(2)->menu()->actions().front()->text(), pfad);

        f.Aktion("Neu1")->trigger();
        QCOMPARE(f.windowTitle(), QStringLiteral("Kalvora - [unbenannt]"));
        QVERIFY(!QFile::exists(pfad + ".tmp"));
        QVERIFY(!f.Aktion("Schlieen1")->isEnabled());

        // The start file of the command line is opened without a dialog.
        f.Startargumente(pfad, "jahr");
        f.StartNachSplash();
        QCOMPARE(f.windowTitle(), "Kalvora - " + pfad);
        QCOMPARE(f.Kalender().Terminliste(2004, 5, 1).size(), size_t(2));
        QVERIFY(dialoge.meldungen.empty());
    }

    void BeendenFragtBeiAenderungen() {
        test::SkriptDialoge dialoge;
        TForm1& f = Fenster();
        DialogeSetzen(&dialoge);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.Kalender().geaendert = true;
        dialoge.antworten.push_back(Antwort::Abbrechen);
        f.Aktion("Beenden1")->trigger();
        QVERIFY(f.isVisible());
        QCOMPARE(dialoge.Texte(), std::vector<std::string>{"Änderungen speichern ?"});
        // The close box asks its own question.
        dialoge.antworten.push_back(Antwort::Abbrechen);
        f.close();
        QVERIFY(f.isVisible());
        QCOMPARE(dialoge.meldungen.back().text, std::string("Änderungen speichern?"));
        dialoge.antworten.push_back(Antwort::Nein);
        f.Aktion("Beenden1")->trigger();
        QVERIFY(!f.isVisible());
        QVERIFY(!f.Kalender().geaendert);
        QVERIFY(!f.Aktion("speichern1")->isEnabled());
        QVERIFY(dialoge.AllesVerbraucht());
    }

    // Every way out: the lock file goes, the day lists go and the values of the views and
    // the appointment editor reach the settings store.
    void SchliessenGibtDieSperreFreiUndSpeichertWerte() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("plan.kvr");
        DateiAnlegen(pfad);
        test::SkriptDialoge dialoge;
        TForm1& f = Fenster();
        DialogeSetzen(&dialoge);
        f.Startargumente(pfad, {});
        f.StartNachSplash();
        QVERIFY(QFile::exists(pfad + ".tmp"));
        QVERIFY(!f.Sitzung().schreibgeschuetzt());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        // The appointment editor's last start time is kept for the next start.
        f.Tagesfenster().Modell().Editor().StartSetzen(17, 45);
        f.Optionen().WindowWidth = 777;
        f.Kalender().geaendert = true;
        // The close box: "Ja" saves first.
        dialoge.antworten.push_back(Antwort::Ja);
        QVERIFY(f.close());
        QCOMPARE(dialoge.Texte(), std::vector<std::string>{"Änderungen speichern?"});
        QVERIFY(!QFile::exists(pfad + ".tmp"));
        QVERIFY(f.AktuellerDateiname().empty());
        QVERIFY(f.Kalender().Terminliste(2004, 5, 1).empty());
        RegistrySchluessel s(*registry_, "Software\\Kalvora");
        QCOMPARE(s.GanzzahlLesen("TerminStunden"), 17);
        QCOMPARE(s.GanzzahlLesen("TerminMinuten"), 45);
        QCOMPARE(s.GanzzahlLesen("WindowWidth"), 777);
        {
            // The next start offers it in the editor.
            test::Testprogramm neu(registry_.get(), &uhr_);
            TForm1& neuerStart = neu.Fenster();
            const Termineditor& editor = neuerStart.Tagesfenster().Modell().Editor();
            QCOMPARE(editor.startStunde, 17);
            QCOMPARE(editor.startMinute, 45);
        }
        // The saved file still holds the day: the lists were emptied after the save.
        SpeicherRegistry andere;
        test::Testprogramm programm_zweites(&andere, &uhr_, &dialoge);
        TForm1& zweites = programm_zweites.Fenster();
        zweites.Startargumente(pfad, {});
        zweites.StartNachSplash();
        QCOMPARE(zweites.Kalender().Terminliste(2004, 5, 1).size(), size_t(2));
    }

    void SitzungsendeSchliesstDieDatei() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("plan.kvr");
        DateiAnlegen(pfad);
        test::SkriptDialoge dialoge;
        TForm1& f = Fenster();
        DialogeSetzen(&dialoge);
        f.Startargumente(pfad, {});
        f.StartNachSplash();
        f.Kalender().geaendert = true;
        // Hidden in the tray: the window comes back for the question of "Schließen".
        QVERIFY(!f.isVisible());
        dialoge.antworten.push_back(Antwort::Nein);
        f.SitzungEnde();
        QVERIFY(f.isVisible());
        QCOMPARE(dialoge.Texte(), std::vector<std::string>{"Änderungen speichern ?"});
        QVERIFY(!f.Kalender().geaendert);
        QVERIFY(f.AktuellerDateiname().empty());
        QVERIFY(!QFile::exists(pfad + ".tmp"));
        // Nothing is asked any more when the session then closes the window.
        QVERIFY(f.close());
        QCOMPARE(dialoge.meldungen.size(), size_t(1));
    }

    void AnwendungstitelMitJahrUndDatei() {
        QTemporaryDir ordner;
        test::SkriptDialoge dialoge;
        TForm1& f = Fenster();  // the clock stands in 2004, a leap year
        DialogeSetzen(&dialoge);
        QCOMPARE(f.Anwendungstitel(), QStringLiteral("Kalvora - 2004 (Schaltjahr)"));
        QCOMPARE(f.windowIconText(), f.Anwendungstitel());
        const QString pfad = ordner.filePath("plan.kvr");
        f.Kalender().geaendert = true;
        dialoge.speichern.push_back(pfad.toStdString());
        f.Aktion("speichernunter1")->trigger();
        QCOMPARE(f.Anwendungstitel(), "Kalvora - 2004 (Schaltjahr) - " + pfad);
        f.Aktion("Schreibschutz1")->trigger();
        QCOMPARE(f.windowTitle(), "Kalvora - " + pfad + "   [schreibgeschützt]");
        QCOMPARE(f.Anwendungstitel(),
                 "Kalvora - 2004 (Schaltjahr) - " + pfad + "   [schreibgeschützt]");
    }

    void StartjahrAusDenEinstellungen() {
        RegistrySchluessel s(*registry_, "Software\\Kalvora");
        s.WahrheitswertSchreiben("aktjahr", false);
        s.GanzzahlSchreiben("startjahr", 2009);
        TForm1& f = Fenster();
        QCOMPARE(f.Jahresansicht().Jahr(), 2009);
        QCOMPARE(f.Anwendungstitel(), QStringLiteral("Kalvora - 2009"));
    }

    // Start code and "Startansicht": which view opens after the start file is read.
    void StartansichtenNachDemStartcode_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("mitDatei");
        QTest::addColumn<QList<int>>("ansichten");
        QTest::addColumn<bool>("vollbild");
        // "Startansicht" 3 (week view), "Autostartansicht" 1 (month view).
        QTest::newRow("ohne Code") << "" << true << QList<int>{3} << false;
        QTest::newRow("ohne Datei") << "" << false << QList<int>{3} << false;
        QTest::newRow("jahr") << "jahr" << true << QList<int>{} << false;
        QTest::newRow("stud") << "stud" << true << QList<int>{6} << false;
        QTest::newRow("mini") << "mini" << true << QList<int>{1} << false;
        QTest::newRow("voll") << "voll" << true << QList<int>{3} << true;
        QTest::newRow("unbekannt") << "MONA" << true << QList<int>{3} << false;
        // Without a start file the code is not applied, only the start view rule.
        QTest::newRow("mona ohne Datei") << "mona" << false << QList<int>{} << false;
    }
    void StartansichtenNachDemStartcode() {
        QFETCH(QString, code);
        QFETCH(bool, mitDatei);
        QFETCH(QList<int>, ansichten);
        QFETCH(bool, vollbild);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("plan.kvr");
        DateiAnlegen(pfad);
        RegistrySchluessel s(*registry_, "Software\\Kalvora");
        s.GanzzahlSchreiben("Startansicht", 3);
        s.GanzzahlSchreiben("Autostartansicht", 1);
        test::SkriptDialoge dialoge;
        TForm1& f = Fenster();
        DialogeSetzen(&dialoge);
        // Every view that opens is noted by its start-view number and closed again.
        QList<int> geoeffnet;
        QTimer schliesser;
        connect(&schliesser, &QTimer::timeout, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) return;
            static const QMap<QString, int> nummern = {
                {"Form8", 1}, {"Form9", 2}, {"Form7", 3}, {"Form19", 4}, {"Form24", 6}};
            if (!nummern.contains(w->objectName())) return;
            geoeffnet << nummern[w->objectName()];
            w->close();
        });
        schliesser.start(20);
        f.Startargumente(mitDatei ? pfad : QString(), code);
        f.StartNachSplash();
        QCOMPARE(geoeffnet, ansichten);
        QCOMPARE(f.Vollbild(), vollbild);
        QCOMPARE(f.menuBar()->isHidden(), vollbild);
        // A later "Öffnen" does not apply the start code again.
        geoeffnet.clear();
        dialoge.oeffnen.push_back(Dateiwahl{pfad.toStdString(), false});
        f.Aktion("ffnen1")->trigger();
        QVERIFY(geoeffnet.isEmpty());
    }

    void FremdeDateiAmStart() {
        QTemporaryDir ordner;
        test::SkriptDialoge dialoge;
        TForm1& f = Fenster();
        DialogeSetzen(&dialoge);
        const QString pfad = ordner.filePath("PLAN.KVR");
        f.Startargumente(pfad, {});
        f.StartNachSplash();
        QCOMPARE(dialoge.Texte(),
                 std::vector<std::string>{"Die Datei \"" + pfad.toStdString() +
                                          "\" ist keine Kalvoradatei"});
        QCOMPARE(f.windowTitle(), QStringLiteral("Kalvora - [unbenannt]"));
    }

    void DateitypenNurWoKeineSind() {
        const Dateischreiber Schreiben = [](const std::string& pfad, std::string_view inhalt) {
            DateiAtomarSchreiben(pfad, inhalt);
        };
        QTemporaryDir ordner;
        const std::string eigen = ordner.filePath("eigen").toStdString();
        const std::string system = ordner.filePath("system").toStdString();
        QDir().mkpath(QString::fromStdString(system) + "/mime/packages");
        QFile fremd(QString::fromStdString(system) + "/mime/packages/fremd.xml");
        QVERIFY(fremd.open(QIODevice::WriteOnly));
        fremd.write("<mime-info><mime-type type=\"x/y\"><glob pattern=\"*.kvr\"/>"
                    "</mime-type></mime-info>");
        fremd.close();
        DateitypenBeimStart(eigen, {eigen, system}, "/opt/kalvora/kalvora", Schreiben,
                            MimeDatenbankAktualisieren);
        const QDir pakete(QString::fromStdString(eigen) + "/mime/packages");
        // ".kvr" is known elsewhere and left alone; ".kvradr" gets its package.
        QCOMPARE(pakete.entryList(QDir::Files).size(), 1);
        QVERIFY(QFile::exists(QString::fromStdString(eigen) + "/applications/kalvora.desktop"));
        // A folder that cannot be written does not stop the start.
        DateitypenBeimStart("/proc/kalvora-gibt-es-nicht", {}, "/opt/kalvora/kalvora",
                            Schreiben, MimeDatenbankAktualisieren);
    }

    // Two processes: kalvora-cli holds the lock, this window opens the file read-only and
    // cannot make it writable while the other holds it.
    void ZweiterProzessHaeltDieSperre() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("geteilt.kvr");
        DateiAnlegen(pfad);
        QProcess halter;
        halter.start(QStringLiteral(KALVORA_CLI), {"sperre-halten", pfad, "30"});
        QVERIFY(halter.waitForStarted(5000));
        QVERIFY(halter.waitForReadyRead(5000));
        QCOMPARE(halter.readLine().trimmed(), QByteArray("gesperrt"));

        test::SkriptDialoge dialoge;
        TForm1& f = Fenster();
        DialogeSetzen(&dialoge);
        dialoge.antworten.push_back(Antwort::Ja);
        dialoge.oeffnen.push_back(Dateiwahl{pfad.toStdString(), false});
        f.Aktion("ffnen1")->trigger();
        const std::string p = pfad.toStdString();
        QCOMPARE(dialoge.Texte(), std::vector<std::string>{
                                      "Die Datei \"" + p + "\" ist schon geöffnet!\r\n"
                                      "Wollen Sie sie schreibgeschützt öffnen?"});
        QVERIFY(f.Sitzung().schreibgeschuetzt());
        QCOMPARE(f.windowTitle(), "Kalvora - " + pfad + "   [schreibgeschützt]");
        QCOMPARE(f.Kalender().Terminliste(2004, 5, 1).size(), size_t(2));
        // Read-only: the check mark, "Aktualisieren" on, nothing to save.
        QVERIFY(f.Aktion("Schreibschutz1")->isChecked());
        QVERIFY(f.Aktion("Aktualisieren1")->isEnabled());
        QVERIFY(f.Toolbutton(12)->isEnabled());
        QVERIFY(!f.Aktion("speichern1")->isEnabled());
        QVERIFY(f.Aktion("Schlieen1")->isEnabled());

        // Switching to writable is refused with the message and stays read-only.
        f.Aktion("Schreibschutz1")->trigger();
        QCOMPARE(dialoge.meldungen.back().text,
                 "Die Datei \"" + p + "\" kann leider nicht bearbeitet werden");
        QVERIFY(f.Sitzung().schreibgeschuetzt());
        QVERIFY(f.Aktion("Schreibschutz1")->isChecked());
        // Opening "Bearbeiten" shows that the command cannot work now.
        auto* bearbeiten = f.findChild<QMenu*>("Bearbeiten1");
        emit bearbeiten->aboutToShow();
        QVERIFY(!f.Aktion("Schreibschutz1")->isEnabled());

        // Once the other copy has gone, the switch works.
        halter.kill();
        QVERIFY(halter.waitForFinished(5000));
        emit bearbeiten->aboutToShow();
        QVERIFY(f.Aktion("Schreibschutz1")->isEnabled());
        f.Aktion("Schreibschutz1")->trigger();
        QVERIFY(!f.Sitzung().schreibgeschuetzt());
        QVERIFY(!f.Aktion("Aktualisieren1")->isEnabled());
        QCOMPARE(f.windowTitle(), "Kalvora - " + pfad);
    }

    // The automatic refresh of a read-only copy reloads the open day dialog: it shows the
    // day as the file now has it, and closing it does not write the old day back.
    void AutomatischesAktualisierenLaedtDenTagesdialog() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("plan.kvr");
        DateiAnlegen(pfad);
        TForm1& f = Fenster();
        test::SkriptDialoge dialoge;
        DialogeSetzen(&dialoge);
        f.Sitzung().optionen.alleSchreibgeschuetzt = true;
        QVERIFY(f.Sitzung().DirektOeffnen(pfad.toStdString()));
        QVERIFY(f.Sitzung().schreibgeschuetzt());
        QString vorher, nachher;
        QTimer::singleShot(0, &f, [&] {
            TForm3& d = f.Tagesfenster();
            const auto zeile = [&d] {
                QString text;
                for (int s = 0; s < d.Raster()->columnCount(); ++s)
                    if (QTableWidgetItem* i = d.Raster()->item(0, s)) text += i->text() + "|";
                return text;
            };
            vorher = zeile();
            // The other copy saved a changed day.
            TKalender anders;
            anders.Terminliste(2004, 5, 1) = {TTermin{}, TTermin{"11:00", "Friseur"}};
            DateiAtomarSchreiben(pfad.toStdString(), KalenderAlsVer33(anders));
            f.Sitzung().schreibschutztimerTimer();
            nachher = zeile();
            d.accept();
        });
        f.TagesdialogOeffnen(1, 5, 2004);
        QVERIFY2(vorher.contains("Zahnarzt"), qPrintable(vorher));
        QVERIFY2(nachher.contains("Friseur"), qPrintable(nachher));
        const TTerminliste& tag = f.Kalender().Terminliste(2004, 5, 1);
        QCOMPARE(int(tag.size()), 2);
        QCOMPARE(QString::fromStdString(tag[1].Beschreibung), QString("Friseur"));
    }

    // Opening a file checks the reminders; "Ereignisse prüfen" checks them as asked, and is
    // there only while the birthday list is not empty.
    void ErinnerungenNachDemOeffnenUndAusDemMenue() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("leute.kvr");
        TKalender leute;
        leute.Geburtstagsliste = {
            {"Beispiel", "Anna", DatumWert(3, 5, 1970), DatumWert(2, 5, 2000)}};
        DateiAtomarSchreiben(pfad.toStdString(), KalenderAlsVer33(leute));
        TForm1& f = Fenster();  // the clock stands on 1 May 2004
        QVERIFY(!f.Aktion("Ereignisseprfen1")->isEnabled());
        QVERIFY(f.Sitzung().DirektOeffnen(pfad.toStdString()));
        const auto& gezeigt = programm_->Erinnerungen();
        QCOMPARE(gezeigt.size(), size_t(1));  // birthdays only by default
        QCOMPARE(QString::fromStdString(gezeigt[0].zeile1),
                 QStringLiteral("Nur noch 2 Tage bis zum:"));
        QCOMPARE(QString::fromStdString(gezeigt[0].zeile4),
                 QStringLiteral("am 03.05.    34 Jahre"));
        QVERIFY(f.Aktion("Ereignisseprfen1")->isEnabled());
        f.Aktion("Namenstage1")->trigger();
        QCOMPARE(gezeigt.size(), size_t(2));
        QCOMPARE(QString::fromStdString(gezeigt[1].titel), QStringLiteral("Namenstag"));
        QCOMPARE(QString::fromStdString(gezeigt[1].zeile1), QStringLiteral("Morgen ist der:"));
        f.Aktion("allesprfen1")->trigger();
        QCOMPARE(gezeigt.size(), size_t(4));
    }

    // The reminder window itself: its lines, the red larger age of a round birthday, "OK".
    void Erinnerungsfenster() {
        TForm17 fenster;
        Erinnerungstexte t{"runder Geburtstag", "Nur noch 15 Tage bis zum:",
                           "runder Geburtstag von", "Bernd Muster", "am 20.03.    40 Jahre",
                           true};
        fenster.TexteSetzen(t);
        QCOMPARE(fenster.windowTitle(), QStringLiteral("runder Geburtstag"));
        QCOMPARE(fenster.Zeile(3)->text(), QStringLiteral("Bernd Muster"));
        QVERIFY(fenster.Zeile(1)->font().underline() && fenster.Zeile(1)->font().bold());
        QVERIFY(fenster.Zeile(3)->font().bold());
        QVERIFY(fenster.Zeile(4)->styleSheet().contains("red"));
        // Four points more (the program's font is set in pixels: 5 pixels at 96 dpi).
        QCOMPARE(QFontInfo(fenster.Zeile(4)->font()).pixelSize(),
                 QFontInfo(fenster.font()).pixelSize() + 5);
        QVERIFY(fenster.windowFlags() & Qt::WindowStaysOnTopHint);
        // Every line fits the window and is centred in it.
        for (int i = 1; i <= 4; ++i) {
            QLabel* l = fenster.Zeile(i);
            QVERIFY(l->sizeHint().width() <= l->width());
            QCOMPARE(l->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        }
        t.hervorgehoben = false;
        fenster.TexteSetzen(t);
        QVERIFY(fenster.Zeile(4)->styleSheet().isEmpty());
        // Shown modally; "OK" closes it.
        QTimer::singleShot(0, &fenster, [&fenster] { fenster.Ok()->click(); });
        fenster.Zeigen(t);
        QVERIFY(!fenster.isVisible());
    }

    // The menu is the table: every row is a command of the window with its caption and keys,
    // and every tool button uses one of them.
    void MenueAusDerTabelle() {
        TForm1& f = Fenster();
        for (const Menuezeile& z : Hauptmenue()) {
            if (z.art == Menuezeile::Art::Trenner || z.art == Menuezeile::Art::Ende) continue;
            QAction* a = f.Aktion(QString::fromLatin1(z.name));
            QVERIFY2(a, z.name);
            QCOMPARE(a->text(), QString::fromUtf8(z.titel));
            QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(z.tasten)));
        }
        QVERIFY(f.Aktion(befehl::Schreibschutz)->isCheckable());
        QCOMPARE(f.Aktion(befehl::Rueckgaengig)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        for (int i = 1; i <= AnzahlToolbuttons; ++i)
            QVERIFY(f.Toolbutton(i)->defaultAction());
    }

    // A search started inside the day dialog makes the hit's day the selected day.
    void SucheImTagesdialogWaehltDenTreffertag() {
        TForm1& f = Fenster();
        test::SkriptDialoge dialoge;
        DialogeSetzen(&dialoge);
        const int jahr = f.Jahresansicht().Jahr();
        f.Kalender().Terminliste(jahr, 10, 22) = {TTermin{}, TTermin{"10:00", "Zahnarzt"}};
        QTimer::singleShot(0, &f, [&] {
            TForm3& d = f.Tagesfenster();
            TSuchen& s = d.Suchfenster();
            QTimer::singleShot(0, &s, [&] {
                s.findChild<QLineEdit*>("Suchtext")->setText("Zahnarzt");
                s.findChild<QPushButton*>("OK")->click();
            });
            d.findChild<QPushButton*>("Suchen")->click();
            d.accept();
        });
        f.TagesdialogOeffnen(3, 2, jahr);
        QCOMPARE(int(f.Auswahl().tag), 22);
        QCOMPARE(int(f.Auswahl().monat), 10);
        QCOMPARE(int(f.Auswahl().jahr), jahr);
    }

    void BeendenSchliesst() {
        TForm1& f = Fenster();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.Aktion("Beenden1")->trigger();
        QVERIFY(!f.isVisible());
    }

    void ErstesZeichnenUndBild() {
        TForm1& f = Fenster();
        QSignalSpy gezeichnet(&f, &TForm1::ErstesMalGezeichnet);
        f.show();
        QVERIFY(gezeichnet.wait(5000) || gezeichnet.size() == 1);
        QCOMPARE(gezeichnet.size(), 1);
        const QImage bild = f.grab().toImage();
        QCOMPARE(bild.size(), QSize(1024, 768));
        // The year view is painted (its grid is silver); the menu bar carries text.
        const JahresMetrik& m = f.Jahresansicht().Metrik();
        const QPoint gitter = f.Flaeche()->mapTo(&f, QPoint(m.X0, m.Y0 + 3 * m.RH + 4));
        QCOMPARE(QColor(bild.pixel(gitter)), QColor(0xC0, 0xC0, 0xC0));
        const int menuehoehe = f.menuBar()->height();
        int dunkel = 0;
        for (int y = 0; y < menuehoehe; ++y)
            for (int x = 0; x < 400; ++x) dunkel += qGray(bild.pixel(x, y)) < 100;
        QVERIFY(dunkel > 50);
        // Painting again does not announce a first paint again.
        f.repaint();
        QCoreApplication::processEvents();
        QCOMPARE(gezeichnet.size(), 1);
    }

    void SplashUndVersion() {
        QCOMPARE(KurzeVersion("3.3.0.12"), std::string("3.3"));
        QCOMPARE(KurzeVersion("10.2"), std::string("10.2"));
        QCOMPARE(KurzeVersion("7"), std::string("7"));
        QCOMPARE(KurzeVersion(""), std::string(""));
        auto* splash = new TSplash;
        QCOMPARE(splash->size(), QSize(400, 247));
        QSignalSpy fertig(splash, &TSplash::Fertig);
        QPointer<TSplash> zeiger = splash;
        // The start work after the splash may ask questions; the splash is hidden by then.
        bool sichtbarBeimFertig = true;
        connect(splash, &TSplash::Fertig, this,
                [&] { sichtbarBeimFertig = zeiger && zeiger->isVisible(); });
        splash->show();
        splash->Starten(10);
        QVERIFY(fertig.wait(2000));
        QVERIFY(!sichtbarBeimFertig);
        QTRY_VERIFY(zeiger.isNull());  // it frees itself
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<TForm1Test>(argc, argv);
}

#include "TForm1Test.moc"
