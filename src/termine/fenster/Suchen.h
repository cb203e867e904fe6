#pragma once
// The search dialog "Text in Terminen suchen". It lives for the whole run and keeps its
// Terminsuche; the main window and the day dialog both use it.
#include <QDialog>

#include <functional>
#include <optional>

#include "kalender/TKalender.h"
#include "platform/Dialoge.h"
#include "termine/Terminsuche.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace kalvora {

class TSuchen : public QDialog {
    Q_OBJECT
public:
    TSuchen(const TKalender& kal, Dialoge& dialoge, QWidget* parent = nullptr);

    // Shows the dialog with both years set to jahrDerAnsicht; searches on OK. A search that
    // finds nothing says so.
    std::optional<Suchtreffer> Zeigen(int jahrDerAnsicht);
    // Continues the last search; says so when nothing more is found.
    std::optional<Suchtreffer> Weitersuchen();

    Terminsuche& Modell() { return suche_; }
    std::function<void(int thema)> hilfe;

protected:
    void reject() override;

private:
    std::optional<Suchtreffer> Melden(std::optional<Suchtreffer> t);

    const TKalender& kal_;
    Dialoge& dialoge_;
    Terminsuche suche_;
    std::optional<Suchtreffer> ergebnis_;
    QLineEdit* text_;
    QRadioButton* bereich_[3];
    QCheckBox *grossKlein_, *ganzeWoerter_;
    QSpinBox *von_, *bis_;
};

}  // namespace kalvora
