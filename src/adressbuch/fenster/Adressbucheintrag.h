#pragma once
// The entry editor: a new entry, a change (with the record buttons that page through the
// open group), or the question before a delete with every field read-only.
#include <QDialog>

#include <array>
#include <vector>

#include "adressbuch/Adressbuch.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kalvora {

class Dialoge;

enum class Eintragsmodus { Neu, Aendern, Loeschen };

class TForm23 : public QDialog {
    Q_OBJECT
public:
    // liste and zeile (0-based) are the open group and the entry shown; the record buttons
    // write a complete entry back into liste and move zeile.
    TForm23(Eintragsmodus modus, std::vector<TAdresse>& liste, int& zeile, Dialoge& dialoge,
            QWidget* parent = nullptr);

    TAdresse Eingabe() const;
    void Anzeigen(const TAdresse& a);

    QComboBox* Anrede() const { return anrede_; }
    QLineEdit* Feld(int n) const { return felder_.at(static_cast<std::size_t>(n)); }  // 1..16
    QPushButton* OkKnopf() const { return ok_; }
    QPushButton* AbbruchKnopf() const { return abbruch_; }
    QToolButton* Satzknopf(int n) const { return satz_.at(static_cast<std::size_t>(n)); }  // 0..3

    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    // True when the shown entry may be left: complete, or the user drops it.
    bool Verlassen();
    void Blaettern(int wohin);  // 0 first, 1 back, 2 forward, 3 last

    Eintragsmodus modus_;
    std::vector<TAdresse>& liste_;
    int& zeile_;
    Dialoge& dialoge_;
    QComboBox* anrede_ = nullptr;
    std::array<QLineEdit*, 17> felder_{};
    QPushButton* ok_ = nullptr;
    QPushButton* abbruch_ = nullptr;
    std::array<QToolButton*, 4> satz_{};
};

}  // namespace kalvora
