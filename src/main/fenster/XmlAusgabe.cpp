#include "main/fenster/XmlAusgabe.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "kalender/XmlHtml.h"
#include "main/Anwendungskern.h"
#include "main/fenster/Main.h"
#include "main/fenster/XmlExportdialog.h"
#include "methoden/Systemfehler.h"
#include "platform/Shell.h"
#include "platform/qt/QtDaten.h"

namespace kalvora {
namespace {

std::string Geliefert(const std::string& name) {
    return Datenpfad(QString::fromStdString(name)).toStdString();
}

}  // namespace

TXmlAusgabe::TXmlAusgabe(TForm1& haupt) : haupt_(haupt) {
    dialogZeigen = [](TXmlExportdialog& d) { return d.exec() == QDialog::Accepted; };
}

QString TXmlAusgabe::Ausgabeordner() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/temp");
}

bool TXmlAusgabe::Schreiben(const Xmlauftrag& a, const std::string& pfad, bool xsl, bool dtd) {
    haupt_.ArbeitBeginnen();
    try {
        // Written as it is made: the export of a long period is several times the size of
        // the document.
        const std::unique_ptr<Stueckschreiber> datei = haupt_.Kern().DateiBeginnen(pfad);
        XmlExportSchreiben(
            haupt_.Kalender(), a, [&datei](std::string_view stueck) { datei->Schreiben(stueck); },
            haupt_.Fortschrittsmelder());
        datei->Abschliessen();
        const QString ordner = QFileInfo(QString::fromStdString(pfad)).absolutePath();
        XmlBegleitdateienSchreiben(a.herkunft, xsl, dtd, Geliefert, ordner.toStdString(),
                                   [this](const std::string& p, std::string_view inhalt) {
                                       haupt_.Kern().DateiSchreiben(p, inhalt);
                                   });
        haupt_.ArbeitBeenden();
        return true;
    } catch (const std::exception& f) {
        // The export that could not be written is reported, not passed over in silence.
        haupt_.ArbeitBeenden();
        haupt_.Dialogdienst().Meldung(Fehlertext(f), Meldungsart::Fehler);
        return false;
    }
}

void TXmlAusgabe::InDatei(Xmlherkunft h, const Datum& von, const Datum& bis, QWidget* eltern) {
    const bool monat = h == Xmlherkunft::Monat || h == Xmlherkunft::MonatMitWochen;
    TXmlExportdialog dialog(von, bis, !monat, true, eltern);
    if (!dialogZeigen(dialog)) return;
    Dateidialog d;
    d.filter = "Kalvora-xml (*.xml)|*.xml";
    d.standardendung = "xml";
    d.vorschlag = XmlDateiname(h, dialog.Von(), haupt_.AktuellerDateiname());
    const auto pfad = haupt_.Dialogdienst().DateiSpeichern(d);
    if (!pfad) return;
    Xmlauftrag a;
    a.herkunft = h;
    a.von = dialog.Von();
    a.bis = dialog.Bis();
    a.quelle = haupt_.AktuellerDateiname();
    a.jetzt = haupt_.Kern().Zeitgeber().Jetzt();
    Schreiben(a, *pfad, dialog.MitXsl(), dialog.MitDtd());
}

void TXmlAusgabe::ImBrowser(Xmlherkunft h, const Datum& von, const Datum& bis,
                            QWidget* eltern) {
    Dialoge& dialoge = haupt_.Dialogdienst();
    const QString ordner = Ausgabeordner();
    if (!QDir().mkpath(ordner)) {
        dialoge.Meldung("Fehler", Meldungsart::Warnung);
        return;
    }
    try {
        XmlAusgabeordnerLeeren(ordner.toStdString());
    } catch (const std::exception& f) {
        dialoge.Meldung(Fehlertext(f), Meldungsart::Fehler);
        return;
    }
    const bool monat = h == Xmlherkunft::Monat || h == Xmlherkunft::MonatMitWochen;
    TXmlExportdialog dialog(von, bis, !monat, false, eltern);
    if (!dialogZeigen(dialog)) return;
    Xmlauftrag a;
    a.herkunft = h;
    a.von = dialog.Von();
    a.bis = dialog.Bis();
    a.quelle = haupt_.AktuellerDateiname();
    a.jetzt = haupt_.Kern().Zeitgeber().Jetzt();
    const std::string xml = (ordner + QLatin1Char('/') + QLatin1String(XmlAusgabeXml)).toStdString();
    if (!Schreiben(a, xml, true, true)) return;

    // Browsers no longer apply style sheets reliably, so the page is made here.
    std::string ziel = xml;
    const Htmlergebnis seite = XmlNachHtml(xml);
    if (seite.ok) {
        const std::string html =
            (ordner + QLatin1Char('/') + QLatin1String(XmlAusgabeHtml)).toStdString();
        try {
            haupt_.Kern().DateiSchreiben(html, seite.html);
            ziel = html;
        } catch (const std::exception& f) {
            dialoge.Meldung(Fehlertext(f), Meldungsart::Fehler);
        }
    } else {
        dialoge.Meldung("Die Seite für den Browser kann nicht erzeugt werden:\n" + seite.fehler,
                        Meldungsart::Fehler);
    }
    if (!haupt_.Kern().Shelldienst().Oeffnen(ziel))
        dialoge.Meldung("Die Datei " + ziel + " kann nicht im Browser geöffnet werden.",
                        Meldungsart::Fehler);
}

}  // namespace kalvora
