// The iCalendar exchange from the main window: "Exportieren" with its dialog and the save
// dialog, "Importieren" with the open dialog, its dialog and the closing message, a broken
// file refused with the document untouched, and .ics files dropped on the window.
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QMimeData>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <functional>

#include "Jahresfenstertest.h"
#include "Testumgebung.h"
#include "kalender/Icalendar.h"
#include "kalender/Kalenderdatei.h"
#include "main/Hauptmenue.h"
#include "main/fenster/IcsAustausch.h"
#include "main/fenster/IcsExportdialog.h"
#include "main/fenster/IcsImportdialog.h"
#include "platform/posix/AtomareDatei.h"

using namespace kalvora;

namespace {

const std::string kIcs = KALVORA_TESTDATEN "/ics/";

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class IcsAustauschTest : public test::Jahresfenstertest {
    Q_OBJECT

    int exportGezeigt_ = 0;
    QStringList importGezeigt_;  // the file names the import dialog showed
    std::function<void(TIcsExportdialog&)> exportEingabe_;
    bool alsTagesfarbe_ = false;
    bool abbrechen_ = false;

    TForm1& Offen() {
        TForm1& f = Fenster();
        f.IcsAustausch().exportDialogZeigen = [this](TIcsExportdialog& d) {
            ++exportGezeigt_;
            if (exportEingabe_) exportEingabe_(d);
            return !abbrechen_;
        };
        f.IcsAustausch().importDialogZeigen = [this](TIcsImportdialog& d) {
            importGezeigt_ << d.findChild<QLabel*>(QStringLiteral("Dateiname"))->text();
            d.AlsTagesfarbe()->setChecked(alsTagesfarbe_);
            return !abbrechen_;
        };
        return f;
    }

    void Ablegen(TForm1& f, const QString& pfad, bool angenommen) {
        QMimeData daten;
        daten.setUrls({QUrl::fromLocalFile(pfad)});
        QDragEnterEvent hinein(QPoint(400, 300), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(&f, &hinein);
        QCOMPARE(hinein.isAccepted(), angenommen);
        if (!angenommen) return;
        QDropEvent ablegen(QPointF(400, 300), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(&f, &ablegen);
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        datei_ = ordner_.filePath("plan.kvr");
        TKalender kal;
        kal.Farbnamen[1] = "Urlaub";
        kal.Terminliste(2026, 4, 15) = {TTermin{"", "Info"},
                                        TTermin{"09:30", "Zahnarzt", "Praxis", "", "", 45,
                                                kal.Farbwerte[2], true}};
        kal.Terminliste(2025, 4, 15) = {TTermin{}, TTermin{"10:00", "Voriges Jahr"}};
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(kal));
        registry_ = std::make_unique<SpeicherRegistry>();
        dialoge_ = {};
        uhr_.jetzt = {2026, 4, 15, 10, 0, 0};
        exportGezeigt_ = 0;
        importGezeigt_.clear();
        exportEingabe_ = {};
        alsTagesfarbe_ = false;
        abbrechen_ = false;
        qputenv("TZ", "Europe/Berlin");
    }
    void cleanup() { FensterSchliessen(); }

    void MenueeintraegeStehenImDateimenue() {
        TForm1& f = Offen();
        QAction* ein = f.Aktion(befehl::IcsImport);
        QAction* aus = f.Aktion(befehl::IcsExport);
        QVERIFY(ein && aus);
        QCOMPARE(ein->text(), QStringLiteral("&iCalendar-Datei (.ics)…"));
        QCOMPARE(aus->text(), QStringLiteral("&iCalendar-Datei (.ics)…"));
        QVERIFY(f.findChild<QMenu*>(befehl::Importieren)->actions().contains(ein));
        QVERIFY(f.findChild<QMenu*>(befehl::Exportieren)->actions().contains(aus));
        QVERIFY(ein->isEnabled() && aus->isEnabled());
    }

    void ExportDesGezeigtenJahres() {
        TForm1& f = Offen();
        const QString aus = ordner_.filePath("plan.ics");
        dialoge_.speichern.push_back(aus.toStdString());
        exportEingabe_ = [](TIcsExportdialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("iCalendar-Export"));
            QCOMPARE(d.Start()->date(), QDate(2026, 1, 1));
            QCOMPARE(d.Ende()->date(), QDate(2026, 12, 31));
            QVERIFY(!d.Tagesinfo()->isChecked() && !d.Geburtstage()->isChecked());
            d.Tagesinfo()->setChecked(true);
        };
        f.Aktion(befehl::IcsExport)->trigger();
        QCOMPARE(exportGezeigt_, 1);
        QCOMPARE(dialoge_.dateidialoge.size(), std::size_t{1});
        QCOMPARE(dialoge_.dateidialoge[0].vorschlag, std::string("plan.ics"));
        QCOMPARE(dialoge_.dateidialoge[0].filter, std::string("iCalendar (*.ics)|*.ics"));
        const QByteArray ics = Lesen(aus);
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
        QVERIFY(ics.contains("DTSTART;TZID=Europe/Berlin:20260415T093000\r\n"));
        QVERIFY(ics.contains("SUMMARY:Info\r\n"));
        QVERIFY(ics.contains("TRIGGER:-PT2H\r\n"));
        QVERIFY(!ics.contains("Voriges Jahr"));
        QVERIFY(!f.Kalender().geaendert);
        QVERIFY(f.Fortschrittsbalken()->isHidden());
        // "Abbrechen" in the dialog writes nothing and asks for no file.
        abbrechen_ = true;
        f.Aktion(befehl::IcsExport)->trigger();
        QCOMPARE(dialoge_.dateidialoge.size(), std::size_t{1});
        QVERIFY(dialoge_.AllesVerbraucht());
    }

    void ImportMitMeldungUndTagesfarben() {
        TForm1& f = Offen();
        f.JahrSetzen(2026);
        const QRgb vorher = Bild().pixel(Mitte(3, 8));
        dialoge_.oeffnen.push_back(Dateiwahl{kIcs + "ganztaegig.ics", false});
        alsTagesfarbe_ = true;
        f.Aktion(befehl::IcsImport)->trigger();
        QCOMPARE(importGezeigt_, QStringList{QStringLiteral("ganztaegig.ics")});
        QCOMPARE(dialoge_.dateidialoge.back().filter, std::string("iCalendar (*.ics)|*.ics"));
        QCOMPARE(dialoge_.meldungen.size(), std::size_t{1});
        QCOMPARE(dialoge_.meldungen[0].text, std::string("4 Termine importiert, 0 übersprungen"));
        QCOMPARE(dialoge_.meldungen[0].art, Meldungsart::Information);
        TKalender& kal = f.Kalender();
        QVERIFY(kal.geaendert);
        QCOMPARE(kal.Tagesfarben(2026, 8, 3), (TTagesfarben{kal.Farbwerte[1]}));
        QCOMPARE(std::string(kal.Terminliste(2026, 8, 5)[0].Beschreibung),
                 std::string("Ostseeküste"));
        // The year view shows the imported colour: yellow, slot 1.
        const QRgb nachher = Bild().pixel(Mitte(3, 8));
        QVERIFY(nachher != vorher);
        QCOMPARE(nachher & 0xFFFFFF, QColor(Qt::yellow).rgb() & 0xFFFFFF);
        QVERIFY(f.Fortschrittsbalken()->isHidden());
    }

    void KaputteDateiWirdAbgewiesen() {
        TForm1& f = Offen();
        const int termine = f.Kalender().AnzahlTermine();
        dialoge_.oeffnen.push_back(Dateiwahl{kIcs + "kaputt.ics", false});
        f.Aktion(befehl::IcsImport)->trigger();
        QCOMPARE(dialoge_.meldungen.size(), std::size_t{1});
        QVERIFY(dialoge_.meldungen[0].text.rfind(kIcsUnlesbar, 0) == 0);
        QCOMPARE(dialoge_.meldungen[0].art, Meldungsart::Fehler);
        QVERIFY(!f.Kalender().geaendert);
        QCOMPARE(f.Kalender().AnzahlTermine(), termine);
        // Cancelled in the open dialog or in the import dialog: nothing at all.
        dialoge_.oeffnen.push_back(std::nullopt);
        f.Aktion(befehl::IcsImport)->trigger();
        abbrechen_ = true;
        dialoge_.oeffnen.push_back(Dateiwahl{kIcs + "texte_alarm.ics", false});
        f.Aktion(befehl::IcsImport)->trigger();
        QCOMPARE(dialoge_.meldungen.size(), std::size_t{1});
        QVERIFY(!f.Kalender().geaendert);
        QVERIFY(dialoge_.AllesVerbraucht());
    }

    // "Abbrechen" in the progress window, pressed once the import has begun: nothing of the
    // file comes in, the document is what it was, and no closing message is shown. The
    // same file without it is imported.
    void AbbrechenWaehrendDesImports() {
        TForm1& f = Offen();
        const std::string vorher = KalenderAlsVer33(f.Kalender());
        QString titel, knopf;
        const auto druecken = [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* d = qobject_cast<QProgressDialog*>(w);
                if (!d || d->objectName() != QStringLiteral("IcsImportfortschritt")) continue;
                titel = d->windowTitle();
                auto* abbrechen = d->findChild<QPushButton*>();
                if (!abbrechen) return;
                knopf = abbrechen->text();
                abbrechen->click();
            }
        };
        QTimer::singleShot(0, &f, druecken);
        dialoge_.oeffnen.push_back(Dateiwahl{kIcs + "woechentlich_exdate.ics", false});
        f.Aktion(befehl::IcsImport)->trigger();
        QCOMPARE(titel, QStringLiteral("iCalendar-Import"));
        QCOMPARE(knopf, QStringLiteral("Abbrechen"));
        QCOMPARE(KalenderAlsVer33(f.Kalender()), vorher);
        QVERIFY(!f.Kalender().geaendert);
        QVERIFY(dialoge_.meldungen.empty());
        QVERIFY(f.Fortschrittsbalken()->isHidden());

        dialoge_.oeffnen.push_back(Dateiwahl{kIcs + "woechentlich_exdate.ics", false});
        f.Aktion(befehl::IcsImport)->trigger();
        QCOMPARE(dialoge_.meldungen.size(), std::size_t{1});
        QCOMPARE(dialoge_.meldungen[0].text, std::string("9 Termine importiert, 0 übersprungen"));
        QVERIFY(f.Kalender().geaendert);
        QVERIFY(dialoge_.AllesVerbraucht());
    }

    void AbgelegteDateiWirdImportiert() {
        TForm1& f = Offen();
        Ablegen(f, ordner_.filePath("notiz.txt"), false);
        Ablegen(f, QString::fromStdString(kIcs + "texte_alarm.ics"), true);
        QCOMPARE(importGezeigt_, QStringList{QStringLiteral("texte_alarm.ics")});
        QCOMPARE(dialoge_.meldungen.size(), std::size_t{1});
        // The second category and the lead time of 15 minutes (the program's is 2 hours)
        // cannot be kept, and the report says so.
        QVERIFY(dialoge_.meldungen[0].text.rfind(
                    "3 Termine importiert, 0 übersprungen\n"
                    "1 Termine mit weiteren Kategorien, nur eine übernommen\n"
                    "1 Erinnerungen mit anderem Vorlauf, als Alarm mit dem eigenen Vorlauf "
                    "übernommen\n4 Zeichen",
                    0) == 0);
        const TTerminliste& l = f.Kalender().Terminliste(2026, 6, 12);
        QCOMPARE(int(l.size()), 3);
        QVERIFY(l[2].Alarm);
        QVERIFY(f.Kalender().geaendert);
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<IcsAustauschTest>(argc, argv);
}

#include "IcsAustauschTest.moc"
