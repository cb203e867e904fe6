#pragma once
// The dialog "Adressbuch Optionen": shown columns, mail, printing, the address folder and
// the view of groups and tables.
#include <QDialog>

#include <array>
#include <functional>

#include "einstellungen/Adressbuchablage.h"
#include "platform/Dateischreiber.h"

class QButtonGroup;
class QCheckBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTreeView;

namespace kalvora {

class Dialoge;
class Registry;

class TForm25 : public QDialog {
    Q_OBJECT
public:
    // optionen: the values in memory, changed by applying.
    // schreiben writes the copies of the group files when the folder changes.
    TForm25(Adressoptionen& optionen, Registry& registry, Dialoge& dialoge,
            Dateischreiber schreiben, QWidget* parent = nullptr);

    // Takes the controls over, takes the group files along to a new folder and writes the
    // values; false (after the message) when a number field holds no number.
    bool Uebernehmen();

    QTabWidget* Seiten() const { return seiten_; }
    QCheckBox* Spalte(int n) const { return spalten_.at(static_cast<std::size_t>(n)); }
    QCheckBox* EineAdresse() const { return eineAdresse_; }
    QLineEdit* Rand(int i) const { return raender_.at(static_cast<std::size_t>(i)); }
    QLineEdit* Faktor() const { return faktor_; }
    QCheckBox* Gitter() const { return gitter_; }
    QCheckBox* BreiteAnpassen() const { return anpassen_; }
    QRadioButton* Querformat() const { return quer_; }
    QLabel* Beispiel() const { return beispiel_; }
    QRadioButton* Dateien(int i) const { return dateien_.at(static_cast<std::size_t>(i)); }
    QCheckBox* Gesamtliste() const { return gesamt_; }
    QCheckBox* Papierkorb() const { return papierkorb_; }
    QSpinBox* Zeilenhoehe() const { return zeilenhoehe_; }
    QPushButton* OkKnopf() const { return ok_; }
    QPushButton* UebernehmenKnopf() const { return uebernehmen_; }
    // The folder chosen in the tree.
    QString Ordner() const { return ordner_; }
    void OrdnerWaehlen(const QString& pfad);

    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Fuellen();
    void Geaendert();

    Adressoptionen& o_;
    Registry& registry_;
    Dialoge& dialoge_;
    Dateischreiber schreiben_;
    QTabWidget* seiten_ = nullptr;
    std::array<QCheckBox*, 17> spalten_{};
    QCheckBox* eineAdresse_ = nullptr;
    std::array<QLineEdit*, 4> raender_{};
    QLineEdit* faktor_ = nullptr;
    QCheckBox* gitter_ = nullptr;
    QCheckBox* anpassen_ = nullptr;
    QRadioButton* hoch_ = nullptr;
    QRadioButton* quer_ = nullptr;
    QLabel* beispiel_ = nullptr;
    QFileSystemModel* modell_ = nullptr;
    QTreeView* baum_ = nullptr;
    QString ordner_;
    std::array<QRadioButton*, 3> dateien_{};
    QCheckBox* gesamt_ = nullptr;
    QCheckBox* papierkorb_ = nullptr;
    QSpinBox* zeilenhoehe_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
    bool fuellt_ = false;
};

}  // namespace kalvora
