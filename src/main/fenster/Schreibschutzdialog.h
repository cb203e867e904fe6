#pragma once
// The dialog "Schreibschutzoptionen": how a read-only copy refreshes itself, the automatic
// save, the alarm switch and how files are opened. Made for each opening, shown modally.
#include <QDialog>

#include <functional>

#include "einstellungen/Schreibschutzregeln.h"
#include "kalender/Schreibschutzoptionen.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kalvora {

class Dialoge;
class Registry;

class TSchreibschutzdialog : public QDialog {
    Q_OBJECT
public:
    // optionen: the record of this run, changed by "Übernehmen" and "Ok".
    TSchreibschutzdialog(Schreibschutzoptionen& optionen, Registry& registry, Dialoge& dialoge,
                         QWidget* parent = nullptr);

    // Takes the controls over and writes them to the store; false (with a message naming
    // the field) when a number is not valid.
    bool Uebernehmen();
    // The help topic of the dialog; without it the button is disabled.
    std::function<void(int thema)> hilfe;
    static constexpr int Hilfethema = 132;

    Schreibschutzeingabe Eingabe() const;

    QRadioButton* Manuell() const { return manuell_; }
    QRadioButton* Zeitintervall() const { return zeitintervall_; }
    QSpinBox* Intervall() const { return intervall_; }
    QCheckBox* Autosave() const { return autosave_; }
    QSpinBox* Speicherintervall() const { return sIntervall_; }
    QCheckBox* AlarmAus() const { return alarmAus_; }
    QCheckBox* AlleSchreibgeschuetzt() const { return alle_; }
    QCheckBox* KeineSchutzmeldung() const { return keine_; }
    QPushButton* OkKnopf() const { return ok_; }
    QPushButton* AbbrechenKnopf() const { return abbrechen_; }
    QPushButton* UebernehmenKnopf() const { return uebernehmen_; }
    QPushButton* HilfeKnopf() const { return hilfeKnopf_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Fuellen();
    void Freigaben();
    void Geaendert();

    Schreibschutzoptionen& optionen_;
    Registry& registry_;
    Dialoge& dialoge_;
    bool fuellt_ = false;
    QRadioButton* manuell_ = nullptr;
    QRadioButton* zeitintervall_ = nullptr;
    QSpinBox* intervall_ = nullptr;
    QCheckBox* autosave_ = nullptr;
    QSpinBox* sIntervall_ = nullptr;
    QCheckBox* alarmAus_ = nullptr;
    QCheckBox* alle_ = nullptr;
    QCheckBox* keine_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
    QPushButton* hilfeKnopf_ = nullptr;
};

}  // namespace kalvora
