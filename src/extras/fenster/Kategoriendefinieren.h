#pragma once
// The dialog that edits the category list or the link list in a numbered grid; it shows the
// state of its TListenbearbeitung and hands every key back to it.
#include <QDialog>

#include "extras/Kategorienliste.h"
#include "main/Anwendungskern.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace kalvora {

class TKategorienDefinieren : public QDialog {
    Q_OBJECT
public:
    TKategorienDefinieren(Anwendungskern& kern, Listenart art, QWidget* parent = nullptr);

    TListenbearbeitung& Modell() { return modell_; }
    QTableWidget* Raster() const { return raster_; }
    QLabel* Beschriftung() const { return beschriftung_; }
    QPushButton* Ok() const { return ok_; }
    QPushButton* Abbruch() const { return abbruch_; }
    // Row 1.. of the grid took this text from a key (what the cell editor reports).
    void Eingabe(int zeile, const QString& text);

private:
    void ZeilenZeigen(int bearbeitet = 0);

    TListenbearbeitung modell_;
    QLabel* beschriftung_;
    QTableWidget* raster_;
    QPushButton *ok_, *abbruch_;
};

}  // namespace kalvora
