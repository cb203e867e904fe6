#pragma once
// The week view: Monday to Sunday in two columns and the calendar week; and the two-week
// view: two weeks side by side, a row per weekday.
#include <array>

#include "ansichten/fenster/Kalenderansicht.h"

class QLabel;

namespace kalvora {

class TForm7 : public TKalenderansicht {
    Q_OBJECT
public:
    explicit TForm7(TForm1& haupt);
    // Cells 1..7 are Monday..Sunday, cell 8 the week number.
    Datum ZellenDatum(int i) const override;
    const std::array<Datum, 14>& Tage() const { return tage_; }

    void Blaettern(int richtung) override;
    void TerminlisteDrucken() override;
    // The shown period as XML, into a file or for the browser.
    void XmlExport(bool browser);
    void Fuellen() override;
    void Anordnen() override;

protected:
    void WocheWechseln() override;  // Ctrl+W: to the month view
    void ZweiWochenWechseln();

private:
    std::array<Datum, 14> tage_{};
    QFrame* sonntag_ = nullptr;
};

class TForm19 : public TKalenderansicht {
    Q_OBJECT
public:
    explicit TForm19(TForm1& haupt);
    Datum ZellenDatum(int i) const override;
    QLabel* Wochenlabel(int spalte) const { return wochen_.at(static_cast<std::size_t>(spalte)); }

    void Blaettern(int richtung) override;
    void TerminlisteDrucken() override;
    void Fuellen() override;
    void Anordnen() override;
    void Doppelklick(int i) override;

protected:
    void WocheWechseln() override;  // Ctrl+W: the month view
    void EineWocheWechseln();

private:
    void Waehlen();
    std::array<Datum, 14> tage_{};
    std::array<QLabel*, 7> tagLabels_{};
    std::array<QLabel*, 2> wochen_{};
    QFrame* sonntag_ = nullptr;
};

}  // namespace kalvora
