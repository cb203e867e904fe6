#include "main/fenster/IcsAustausch.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressDialog>

#include "kalender/Icalendar.h"
#include "main/Anwendungskern.h"
#include "main/fenster/IcsExportdialog.h"
#include "main/fenster/IcsImportdialog.h"
#include "main/fenster/Main.h"
#include "methoden/Dateilesen.h"
#include "methoden/Systemfehler.h"

namespace kalvora {

TIcsAustausch::TIcsAustausch(TForm1& haupt) : haupt_(haupt) {
    exportDialogZeigen = [](TIcsExportdialog& d) { return d.exec() == QDialog::Accepted; };
    importDialogZeigen = [](TIcsImportdialog& d) { return d.exec() == QDialog::Accepted; };
}

bool TIcsAustausch::IstIcsDatei(const QString& pfad) {
    return QFileInfo(pfad).suffix().compare(QLatin1String("ics"), Qt::CaseInsensitive) == 0;
}

void TIcsAustausch::Exportieren(QWidget* eltern) {
    const int jahr = haupt_.Jahresansicht().Jahr();
    TIcsExportdialog dialog({1, 1, jahr}, {31, 12, jahr}, eltern);
    if (!exportDialogZeigen(dialog)) return;
    Dateidialog d;
    d.filter = "iCalendar (*.ics)|*.ics";
    d.standardendung = "ics";
    const std::string datei = haupt_.AktuellerDateiname();
    d.vorschlag =
        datei.empty()
            ? std::string("kalvo001.ics")
            : QFileInfo(QString::fromStdString(datei)).completeBaseName().toStdString() + ".ics";
    const auto pfad = haupt_.Dialogdienst().DateiSpeichern(d);
    if (!pfad) return;
    const Einstellungen& e = haupt_.Optionen();
    IcsExportoptionen o;
    o.von = dialog.Von();
    o.bis = dialog.Bis();
    o.tagesinfo = dialog.Tagesinfo()->isChecked();
    o.tagesfarben = dialog.Tagesfarben()->isChecked();
    o.geburtstage = dialog.Geburtstage()->isChecked();
    o.alarmVorlaufMinuten = e.Alarmstunden * 60 + e.Alarmminuten;
    o.zeitzone = haupt_.Kern().Zeitzone();
    o.jetzt = haupt_.Kern().Zeitgeber().Jetzt();
    haupt_.ArbeitBeginnen();
    try {
        haupt_.Kern().DateiSchreiben(
            *pfad, KalenderAlsIcs(haupt_.Kalender(), o, haupt_.Fortschrittsmelder()));
        haupt_.ArbeitBeenden();
    } catch (const std::exception& f) {
        haupt_.ArbeitBeenden();
        haupt_.Dialogdienst().Meldung(Fehlertext(f), Meldungsart::Fehler);
    }
}

void TIcsAustausch::Importieren(QWidget* eltern) {
    Dateidialog d;
    d.filter = "iCalendar (*.ics)|*.ics";
    d.standardendung = "ics";
    const auto wahl = haupt_.Dialogdienst().DateiOeffnen(d);
    if (!wahl) return;
    DateiImportieren(wahl->pfad, eltern);
}

bool TIcsAustausch::DateiImportieren(const std::string& pfad, QWidget* eltern) {
    if (haupt_.Sitzung().schreibgeschuetzt()) return false;
    TIcsImportdialog dialog(QString::fromStdString(pfad), alsTagesfarbe_, eltern);
    if (!importDialogZeigen(dialog)) return false;
    alsTagesfarbe_ = dialog.AlsTagesfarbe()->isChecked();
    IcsImportoptionen o;
    o.ganztaegigAlsTagesfarbe = alsTagesfarbe_;
    o.zeitzone = haupt_.Kern().Zeitzone();
    o.alarmVorlaufMinuten = haupt_.Optionen().Alarmstunden * 60 + haupt_.Optionen().Alarmminuten;
    // A large file takes a while: a progress window with "Abbrechen", which the import asks
    // between events; stopped, it leaves the document as it was.
    QProgressDialog fortschritt(QStringLiteral("iCalendar-Datei wird importiert …"),
                                QStringLiteral("Abbrechen"), 0, 100,
                                eltern ? eltern : static_cast<QWidget*>(&haupt_));
    fortschritt.setObjectName(QStringLiteral("IcsImportfortschritt"));
    fortschritt.setWindowTitle(QStringLiteral("iCalendar-Import"));
    fortschritt.setWindowModality(Qt::ApplicationModal);
    fortschritt.setMinimumDuration(300);
    fortschritt.setAutoReset(false);
    fortschritt.setAutoClose(false);
    QElapsedTimer seitDemBlick;
    o.abbrechen = [&] {
        // The import runs on this thread; the button's click waits in the queue.
        if (!seitDemBlick.isValid() || seitDemBlick.elapsed() >= 50) {
            QCoreApplication::processEvents();
            seitDemBlick.start();
        }
        return fortschritt.wasCanceled();
    };
    const auto balken = haupt_.Fortschrittsmelder();
    const auto melden = [&](int prozent) {
        balken(prozent);
        fortschritt.setValue(prozent);
    };
    Dialoge& dialoge = haupt_.Dialogdienst();
    IcsImportergebnis e;
    haupt_.ArbeitBeginnen();
    try {
        e = IcsImportieren(haupt_.Kalender(), DateiEinlesen(pfad), o, melden);
    } catch (const std::exception& f) {
        // Refused before the document was touched, or left as it was.
        haupt_.ArbeitBeenden();
        dialoge.Meldung(Fehlertext(f), Meldungsart::Fehler);
        return false;
    }
    haupt_.ArbeitBeenden();
    if (e.abgebrochen) return false;
    haupt_.DokumentNachImportZeigen();
    dialoge.Meldung(e.Meldung(), Meldungsart::Information);
    return true;
}

}  // namespace kalvora
