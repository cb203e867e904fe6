#pragma once
// The dialog "Farben definieren": 20 rows of colour square and name in the legend's reading
// order. It shows the state of its TFarbdefinition and hands every input back to it.
#include <QDialog>

#include <array>
#include <functional>

#include "extras/Farbdefinition.h"
#include "main/Anwendungskern.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kalvora {

class TFarbenDefinieren : public QDialog {
    Q_OBJECT
public:
    explicit TFarbenDefinieren(Anwendungskern& kern, QWidget* parent = nullptr);

    TFarbdefinition& Modell() { return modell_; }
    // Help hook; the program's help viewer is wired by the main window.
    std::function<void(int thema)> hilfe;

    // Rows 1..20, for tests.
    QLabel* Farbquadrat(int zeile) const { return quadrate_[Index(zeile)]; }
    QLineEdit* Namensfeld(int zeile) const { return namen_[Index(zeile)]; }
    QToolButton* Hochknopf() const { return hoch_; }
    QToolButton* Runterknopf() const { return runter_; }
    QPushButton* Ok() const { return ok_; }
    QPushButton* Abbruch() const { return abbruch_; }
    QPushButton* UebernehmenKnopf() const { return uebernehmen_; }
    // A click on a row's square: the colour chooser, then the new colour or the message.
    void FarbquadratKlick(int zeile);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    static std::size_t Index(int zeile) { return static_cast<std::size_t>(zeile - 1); }
    void ZeileZeigen(int zeile);
    void KnoepfeZeigen();
    void Verschieben(bool hoch);
    void UebernehmenKlick();

    Anwendungskern& kern_;
    TFarbdefinition modell_;
    std::array<QLabel*, AnzahlFarben> quadrate_{};
    std::array<QLineEdit*, AnzahlFarben> namen_{};
    QToolButton *hoch_, *runter_;
    QPushButton *ok_, *abbruch_, *uebernehmen_, *hilfeKnopf_;
    bool zeigend_ = false;
};

}  // namespace kalvora
