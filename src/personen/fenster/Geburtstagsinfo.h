#pragma once
// The reminder window of a birthday, round birthday or name day: four lines and "OK". It
// stays on top and is centred on the screen; a check shows one after the other.
#include <QDialog>

#include "personen/Erinnerungsanzeige.h"

class QLabel;
class QPushButton;

namespace kalvora {

class TForm17 : public QDialog, public Erinnerungsanzeige {
    Q_OBJECT
public:
    explicit TForm17(QWidget* parent = nullptr);

    // Shows the window modally with these texts and returns when it was closed.
    void Zeigen(const Erinnerungstexte& texte) override;
    // Fills the labels without showing the window.
    void TexteSetzen(const Erinnerungstexte& texte);

    QLabel* Zeile(int nummer) const;  // 1..4
    QPushButton* Ok() const { return ok_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Anordnen();

    QLabel* zeilen_[4] = {};
    QPushButton* ok_ = nullptr;
};

}  // namespace kalvora
