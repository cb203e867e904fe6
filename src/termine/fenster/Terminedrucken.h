#pragma once
// The print selection dialog "Drucken": the year view or the appointment list, the period,
// the heading of the year printout, and a preview of the pages before paper is used.
#include <QDialog>

#include <functional>

#include "platform/Dialoge.h"
#include "termine/Druckauswahl.h"

class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kalvora {

class TDruckauswahl : public QDialog {
    Q_OBJECT
public:
    explicit TDruckauswahl(Dialoge& dialoge, QWidget* parent = nullptr);

    // Shows the dialog modally as the model was prepared (FuerJahresansicht or
    // FuerTerminliste); true when the user chose "Drucken". The model is closed afterwards.
    bool Zeigen();
    Druckauswahl& Modell() { return auswahl_; }
    // "Vorschau": the pages of the current choice, shown while the dialog stays open.
    std::function<void(const Druckauswahl&)> vorschau;

    QRadioButton* Jahresknopf() const { return jahr_; }
    QRadioButton* Listenknopf() const { return liste_; }
    QDateEdit* Startfeld() const { return start_; }
    QDateEdit* Endefeld() const { return ende_; }

private:
    void Anzeigen();
    void ArtGewaehlt();

    Dialoge& dialoge_;
    Druckauswahl auswahl_;
    bool zeigt_ = false;
    QGroupBox* gruppe_;
    QRadioButton *jahr_, *liste_;
    QLabel* zeitraum_;
    QDateEdit *start_, *ende_;
    QSpinBox *jahrVon_, *jahrBis_;
    QPushButton *drucken_, *abbruch_, *ueberschrift_, *vorschauKnopf_;
};

}  // namespace kalvora
