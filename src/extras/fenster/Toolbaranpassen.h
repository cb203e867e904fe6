#pragma once
// "Toolbar anpassen": 39 check boxes with the buttons' icons in three columns; "Ok" stores the
// choice and rebuilds the tool bar, "Abbrechen" changes nothing.
#include <QDialog>
#include <QIcon>
#include <array>
#include <functional>

#include "extras/Toolbartabelle.h"

class QCheckBox;
class QPushButton;

namespace kalvora {

class TToolbaranpassen : public QDialog {
    Q_OBJECT
public:
    // symbol: the icon of button 1..39.
    TToolbaranpassen(const ToolbarSichtbarkeit& gespeichert,
                     const std::function<QIcon(int)>& symbol, QWidget* parent = nullptr);

    QCheckBox* Box(int index) const { return boxen_.at(static_cast<std::size_t>(index - 1)); }
    QPushButton* OkKnopf() const { return ok_; }
    QPushButton* AbbrechenKnopf() const { return abbrechen_; }
    // The flags of the boxes.
    ToolbarSichtbarkeit Auswahl() const;

private:
    std::array<QCheckBox*, AnzahlToolbuttons> boxen_{};
    QPushButton* ok_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
};

}  // namespace kalvora
