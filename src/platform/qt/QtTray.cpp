#include "platform/qt/QtTray.h"

#include <QCursor>
#include <QSystemTrayIcon>

#include "platform/qt/QtDaten.h"

namespace kalvora {

QtTray::QtTray(QObject* parent) : QObject(parent) {}

QtTray::~QtTray() = default;

bool QtTray::Verfuegbar() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtTray::Zeigen(Traysymbol symbol, const std::string& tooltip) {
    if (!symbolfeld_) {
        symbolfeld_ = new QSystemTrayIcon(this);
        connect(symbolfeld_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason grund) {
                    if (!geklickt) return;
                    const QPoint p = QCursor::pos();
                    if (grund == QSystemTrayIcon::Trigger)
                        geklickt(Traytaste::Links, {p.x(), p.y()});
                    else if (grund == QSystemTrayIcon::Context)
                        geklickt(Traytaste::Rechts, {p.x(), p.y()});
                });
    }
    symbolfeld_->setToolTip(QString::fromStdString(tooltip));
    SymbolSetzen(symbol);
    symbolfeld_->show();
}

void QtTray::SymbolSetzen(Traysymbol symbol) {
    symbol_ = symbol;
    if (symbolfeld_)
        symbolfeld_->setIcon(kalvora::Symbol(QString::fromLatin1(TraysymbolName(symbol))));
}

void QtTray::Entfernen() {
    if (symbolfeld_) symbolfeld_->hide();
}

bool QtTray::Sichtbar() const { return symbolfeld_ && symbolfeld_->isVisible(); }

}  // namespace kalvora
