#pragma once
// The dialog "Gehe zu Jahr": a four-digit year field, OK and "Abbruch".
#include <QDialog>

class QLineEdit;

namespace kalvora {

class TGeheZuJahr : public QDialog {
    Q_OBJECT
public:
    TGeheZuJahr(int angezeigtesJahr, QWidget* parent = nullptr);
    QLineEdit* Feld() const { return feld_; }

private:
    QLineEdit* feld_;
};

// Shows the dialog modally and returns the year to display afterwards.
int GeheZuJahrFragen(QWidget* parent, int angezeigtesJahr, int heutigesJahr);

}  // namespace kalvora
