#pragma once
// "Druckoptionen für die Namenstagsliste": columns per page, the limit of names per day and the
// two ways of shortening names, with the number of pages they give.
#include <QDialog>

#include "personen/Namenstagslistendruck.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace kalvora {

class TForm20 : public QDialog {
    Q_OBJECT
public:
    explicit TForm20(QWidget* parent = nullptr);

    // Every opening starts from the defaults; true when "Drucken" was pressed.
    bool Fragen();
    Namenstagsdruckoptionen Optionen() const;

    QSpinBox* Spaltenfeld() const { return spalten_; }
    QCheckBox* BegrenzenBox() const { return begrenzen_; }
    QSpinBox* Namenfeld() const { return namen_; }
    QCheckBox* OhneVonBox() const { return ohneVon_; }
    QCheckBox* OhneKlammernBox() const { return ohneKlammern_; }
    QLabel* Seitenzeile() const { return seiten_; }
    QPushButton* Drucken() const { return drucken_; }

private:
    void Zuruecksetzen();
    void Auffrischen();

    QSpinBox* spalten_ = nullptr;
    QCheckBox* begrenzen_ = nullptr;
    QSpinBox* namen_ = nullptr;
    QCheckBox* ohneVon_ = nullptr;
    QCheckBox* ohneKlammern_ = nullptr;
    QLabel* seiten_ = nullptr;
    QPushButton* drucken_ = nullptr;
    QPushButton* abbruch_ = nullptr;
};

}  // namespace kalvora
