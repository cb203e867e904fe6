#pragma once
// The Drucker on a QPrinter: a real printer chosen in the print dialog, or a PDF file. The
// canvas is a QtLeinwand on the printer, so text is measured with the printer's metrics.
#include <QPainter>
#include <memory>

#include "platform/Drucker.h"

class QPrinter;

namespace kalvora {

class QtLeinwand;

class QtDrucker : public Drucker {
public:
    // The printer must outlive this object; it should be in high resolution.
    explicit QtDrucker(QPrinter& printer);
    ~QtDrucker() override;
    QtDrucker(const QtDrucker&) = delete;
    QtDrucker& operator=(const QtDrucker&) = delete;

    void AusrichtungSetzen(Seitenausrichtung ausrichtung) override;
    Seitenausrichtung Ausrichtung() const override;
    bool Beginnen(const std::string& titel) override;
    void NeueSeite() override;
    void Beenden() override;
    int SeitenBreite() const override;
    int SeitenHoehe() const override;
    int AufloesungX() const override;
    int AufloesungY() const override;
    int Kopien() const override;
    Leinwand& Zeichenflaeche() override;

private:
    QPrinter& printer_;
    QPainter painter_;
    std::unique_ptr<QtLeinwand> leinwand_;
    int kopien_ = 1;
};

}  // namespace kalvora
