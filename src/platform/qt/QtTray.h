#pragma once
// The tray icon on QSystemTrayIcon, made when it is first shown.
#include <QObject>

#include "platform/Tray.h"

class QSystemTrayIcon;

namespace kalvora {

class QtTray : public QObject, public Tray {
    Q_OBJECT
public:
    explicit QtTray(QObject* parent = nullptr);
    ~QtTray() override;

    bool Verfuegbar() const override;
    void Zeigen(Traysymbol symbol, const std::string& tooltip) override;
    void SymbolSetzen(Traysymbol symbol) override;
    void Entfernen() override;
    bool Sichtbar() const override;
    Traysymbol Symbol() const override { return symbol_; }

private:
    QSystemTrayIcon* symbolfeld_ = nullptr;
    Traysymbol symbol_ = Traysymbol::Programm;
};

}  // namespace kalvora
