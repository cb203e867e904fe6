#include "termine/fenster/Drucksteuerung.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "main/Jahrdrucken.h"
#include "methoden/Systemfehler.h"
#include "platform/qt/QtDialoge.h"
#include "platform/qt/QtDrucker.h"
#include "termine/Terminedrucken.h"
#include "termine/fenster/Druckerstatus.h"
#include "termine/fenster/Terminedrucken.h"

namespace kalvora {

namespace {
}  // namespace

TDrucksteuerung::TDrucksteuerung(const TKalender& kal, const Einstellungen& einst,
                                 Dialoge& dialoge, QWidget* fenster)
    : QObject(fenster),
      kal_(kal),
      einst_(einst),
      dialoge_(dialoge),
      fenster_(fenster),
      drucker_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      auswahl_(new TDruckauswahl(dialoge, fenster)),
      status_(new TDruckerstatus(fenster)) {
    druckdialog = [this](QPrinter& p) {
        QPrintDialog d(&p, Dialogeltern(fenster_));
        return d.exec() == QDialog::Accepted;
    };
    auswahl_->vorschau = [this](const Druckauswahl& a) { Vorschau(a); };
}

TDrucksteuerung::~TDrucksteuerung() = default;

void TDrucksteuerung::Drucken(int jahr) {
    auswahl_->Modell().FuerJahresansicht(jahr);
    Zeigen();
}

void TDrucksteuerung::TerminlisteDrucken(const Datum& start, const Datum& ende) {
    Druckauswahl& a = auswahl_->Modell();
    a.FuerTerminliste(start.jahr);
    a.EndeSetzen(ende);
    a.StartSetzen(start);
    Zeigen();
}

void TDrucksteuerung::Einrichten() {
    QPageSetupDialog d(drucker_.get(), Dialogeltern(fenster_));
    if (d.exec() == QDialog::Accepted) ausrichtung_.EinrichtungBestaetigt();
}

int TDrucksteuerung::Auftrag(const Druckauswahl& a, kalvora::Drucker& drucker,
                             Druckstatus& status) {
    if (a.art == Druckart::Jahresansicht)
        return JahrDrucken(kal_, einst_, a.jahrVon, a.ueberschrift, ausrichtung_.querformat,
                           drucker, status);
    TTerminlistendruck liste(kal_, einst_);
    liste.hochformat = ausrichtung_.hochformatRegel;
    return liste.drucken(drucker, status, a.start, a.ende);
}

void TDrucksteuerung::AuftragDrucken(const Druckauftrag& auftrag) {
    if (!druckdialog(*drucker_)) return;
    try {
        const DialogelternAufZeit ueber(status_, fenster_);
        status_->Ausfuehren([&](Druckstatus& s) {
            QtDrucker drucker(*drucker_);
            auftrag(drucker, s, ausrichtung_.hochformatRegel);
        });
    } catch (const std::exception& e) {
        dialoge_.Meldung(Fehlertext(e), Meldungsart::Fehler);
    }
}

void TDrucksteuerung::Zeigen() {
    bool gewaehlt = false;
    {
        const DialogelternAufZeit ueber(auswahl_, fenster_);
        gewaehlt = auswahl_->Zeigen();
    }
    if (!gewaehlt) return;
    const Druckauswahl a = auswahl_->Modell();
    // A list that is refused is refused before the printer is asked for.
    if (a.art != Druckart::Jahresansicht) {
        if (const std::string nein = TerminlisteNichtDruckbar(kal_, a.start, a.ende);
            !nein.empty()) {
            dialoge_.Meldung(nein, Meldungsart::Fehler);
            return;
        }
    }
    if (!druckdialog(*drucker_)) return;
    try {
        const DialogelternAufZeit ueber(status_, fenster_);
        status_->Ausfuehren([&](Druckstatus& s) {
            QtDrucker drucker(*drucker_);
            Auftrag(a, drucker, s);
        });
    } catch (const std::exception& e) {
        dialoge_.Meldung(Fehlertext(e), Meldungsart::Fehler);
    }
}

void TDrucksteuerung::Vorschau(const Druckauswahl& a) {
    QPrintPreviewDialog vorschau(drucker_.get(), auswahl_);
    connect(&vorschau, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* p) {
        OhneDruckstatus status;
        try {
            QtDrucker drucker(*p);
            Auftrag(a, drucker, status);
        } catch (const std::exception& e) {
            dialoge_.Meldung(Fehlertext(e), Meldungsart::Fehler);
        }
    });
    vorschau.exec();
}

}  // namespace kalvora
