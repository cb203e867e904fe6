#pragma once
// The dialog "Statistik-Optionen": the extra bar on the page "Anzeige", orientation and
// margins of the printout on the page "Drucken".
#include <QDialog>

#include <array>
#include <string>

#include "einstellungen/Statistikablage.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace kalvora {

class Dialoge;
class Registry;

namespace optionentexte {
inline constexpr const char* Titel = "Statistik-Optionen";
inline constexpr const char* Anzeige = "Anzeige";
inline constexpr const char* Extrabalken = "Anzeige nicht zugeordneter Tage bzw. Termine";
inline constexpr const char* Drucken = "Drucken";
inline constexpr const char* Druckeigenschaften = "Druckeigenschaften";
inline constexpr const char* Hochformat = "Hochformat";
inline constexpr const char* Querformat = "Querformat";
inline constexpr const char* Raender = "Ränder:";
inline constexpr std::array<const char*, 4> Rand = {"links", "rechts", "oben", "unten"};
inline constexpr const char* Zentimeter = "cm";
// The message for a margin that is no number.
std::string KeineZahl(const std::string& text);
}  // namespace optionentexte

class TStatistikoptionen : public QDialog {
    Q_OBJECT
public:
    // optionen: the values in force, changed by "Übernehmen" and "Ok".
    TStatistikoptionen(Statistikoptionen& optionen, Registry& registry, Dialoge& dialoge,
                       QWidget* parent = nullptr);

    // Takes the controls over and writes the six values; false (after a message naming
    // the text) when a margin is no number, and then nothing is taken over.
    bool Uebernehmen();

    QTabWidget* Seiten() const { return seiten_; }
    QCheckBox* Extrabalken() const { return extra_; }
    QRadioButton* Hochformat() const { return hoch_; }
    QRadioButton* Querformat() const { return quer_; }
    // links, rechts, oben, unten
    QLineEdit* Rand(int i) const { return raender_.at(static_cast<std::size_t>(i)); }
    QPushButton* OkKnopf() const { return ok_; }
    QPushButton* AbbruchKnopf() const { return abbruch_; }
    QPushButton* UebernehmenKnopf() const { return uebernehmen_; }

    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Fuellen();
    void Geaendert();

    Statistikoptionen& o_;
    Registry& registry_;
    Dialoge& dialoge_;
    QTabWidget* seiten_ = nullptr;
    QCheckBox* extra_ = nullptr;
    QRadioButton* hoch_ = nullptr;
    QRadioButton* quer_ = nullptr;
    std::array<QLineEdit*, 4> raender_{};
    QPushButton* ok_ = nullptr;
    QPushButton* abbruch_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
    bool fuellt_ = false;
};

}  // namespace kalvora
