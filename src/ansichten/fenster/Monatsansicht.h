#pragma once
// The month view: 31 day cells and the title cell in four columns, red frames around the
// Sundays. And the month view by weeks: a column per calendar week, a row per weekday.
#include <array>

#include "ansichten/fenster/Kalenderansicht.h"

class QLabel;

namespace kalvora {

class TForm8 : public TKalenderansicht {
    Q_OBJECT
public:
    explicit TForm8(TForm1& haupt);
    Datum ZellenDatum(int i) const override { return {i, monat_, jahr_}; }
    int Monat() const { return monat_; }
    int Jahr() const { return jahr_; }
    QFrame* Sonntagsrahmen(int n) const { return sonntage_.at(static_cast<std::size_t>(n)); }

    void Blaettern(int richtung) override;
    void TerminlisteDrucken() override;
    // The shown period as XML, into a file or for the browser.
    void XmlExport(bool browser);
    void Fuellen() override;
    void Anordnen() override;

protected:
    void WocheWechseln() override;
    void MonatWechseln() override;

private:
    // The title on one line, in 19 pixels or smaller where the cell is too narrow for it.
    void TitelEinpassen();

    int monat_ = 1, jahr_ = 2000;
    std::array<QFrame*, 5> sonntage_{};
};

class TForm9 : public TKalenderansicht {
    Q_OBJECT
public:
    explicit TForm9(TForm1& haupt);
    Datum ZellenDatum(int i) const override;
    int Spalten() const { return spalten_; }
    QLabel* Wochenlabel(int spalte) const { return wochen_.at(static_cast<std::size_t>(spalte)); }

    void Blaettern(int richtung) override;
    void TerminlisteDrucken() override;
    // The shown period as XML, into a file or for the browser.
    void XmlExport(bool browser);
    void Fuellen() override;
    void Anordnen() override;

protected:
    void WocheWechseln() override;
    void MonatWechseln() override;

private:
    int monat_ = 1, jahr_ = 2000;
    int spalten_ = 5;
    std::array<QLabel*, 7> tage_{};
    std::array<QLabel*, 6> wochen_{};
    QFrame* sonntag_ = nullptr;
};

}  // namespace kalvora
