#pragma once
// The colour legend of the bottom panel: a swatch with its day count and a name field for each
// of the 20 slots. It shows what it is given and reports what the pointer does on it.
#include <QIcon>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "kalender/TKalender.h"

class QLabel;

namespace kalvora {

class TKurztext;

// A label's background in a colour, its text in black or white, whichever reads better.
void Einfaerben(QLabel* l, uint32_t farbe);

class TFarblegende : public QWidget {
    Q_OBJECT
public:
    // Where the legend's left upper corner sits in the bottom panel.
    static constexpr int kLinks = 224, kOben = 12;

    explicit TFarblegende(QWidget* parent = nullptr);

    // Slot 1..20: the swatch with the count and the name field; nullptr outside.
    QLabel* Farbfeld(int slot) const;
    TKurztext* Farbname(int slot) const;

    // The 16 x 16 icon of slot 1..20 for the colour menus; empty outside.
    QIcon Farbsymbol(int slot) const;

    // Colours and names of the document's colour table, and the day counts of the year.
    void Zeigen(const TKalender& kal, const std::array<int, AnzahlFarben + 1>& zaehler);
    void ZaehlerZeigen(const std::array<int, AnzahlFarben + 1>& zaehler);
    // How many slots are shown: 16, or all 20.
    void SlotsZeigen(int anzahl);
    // While the document is read-only the swatches are disabled.
    void Bearbeitbar(bool ja);

signals:
    // The pointer rests on a swatch, or left it.
    void FarbfeldBetreten(int slot);
    void FarbfeldVerlassen(int slot);
    // The pointer is on the legend between its swatches (as on the panel's background).
    void HintergrundBeruehrt();
    // A left click, a left double click and a right click on a swatch.
    void FarbfeldGeklickt(int slot);
    void FarbfeldDoppelklick(int slot);
    void FarbfeldRechtsklick(int slot);

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;

private:
    std::vector<QLabel*> felder_;  // slot 1..20 at 0..19
    std::vector<TKurztext*> namen_;
    std::array<QIcon, AnzahlFarben + 1> symbole_;
};

}  // namespace kalvora
