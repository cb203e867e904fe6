#include "platform/qt/QtDrucker.h"

#include <QPageLayout>
#include <QPrinter>

#include "methoden/Fehler.h"
#include "platform/qt/Druckschriften.h"
#include "platform/qt/QtLeinwand.h"

namespace kalvora {

QtDrucker::QtDrucker(QPrinter& printer) : printer_(printer) {
    DruckschriftenEinrichten();
    // Page coordinates start at the corner of the paper, as the printouts' margins assume.
    printer_.setFullPage(true);
}

QtDrucker::~QtDrucker() { Beenden(); }

void QtDrucker::AusrichtungSetzen(Seitenausrichtung ausrichtung) {
    printer_.setPageOrientation(ausrichtung == Seitenausrichtung::Querformat
                                    ? QPageLayout::Landscape
                                    : QPageLayout::Portrait);
}

Seitenausrichtung QtDrucker::Ausrichtung() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape
               ? Seitenausrichtung::Querformat
               : Seitenausrichtung::Hochformat;
}

bool QtDrucker::Beginnen(const std::string& titel) {
    if (painter_.isActive()) return false;
    // The jobs print their copies as pages themselves; a printer that repeated the document
    // as well would multiply them.
    kopien_ = printer_.copyCount();
    printer_.setCopyCount(1);
    printer_.setDocName(QString::fromStdString(titel));
    if (!painter_.begin(&printer_)) {
        printer_.setCopyCount(kopien_);
        return false;
    }
    leinwand_ = std::make_unique<QtLeinwand>(painter_);
    return true;
}

void QtDrucker::NeueSeite() {
    if (painter_.isActive() && !printer_.newPage())
        throw KalvoraFehler("Der Drucker kann keine neue Seite beginnen.");
}

void QtDrucker::Beenden() {
    leinwand_.reset();
    if (!painter_.isActive()) return;
    painter_.end();
    printer_.setCopyCount(kopien_);
}

int QtDrucker::SeitenBreite() const {
    return printer_.pageLayout().fullRectPixels(printer_.resolution()).width();
}

int QtDrucker::SeitenHoehe() const {
    return printer_.pageLayout().fullRectPixels(printer_.resolution()).height();
}

int QtDrucker::AufloesungX() const { return printer_.logicalDpiX(); }
int QtDrucker::AufloesungY() const { return printer_.logicalDpiY(); }

int QtDrucker::Kopien() const { return painter_.isActive() ? kopien_ : printer_.copyCount(); }

Leinwand& QtDrucker::Zeichenflaeche() {
    if (!leinwand_) throw KalvoraFehler("Der Ausdruck ist nicht begonnen.");
    return *leinwand_;
}

}  // namespace kalvora
