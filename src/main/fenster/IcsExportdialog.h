#pragma once
// The dialog "iCalendar-Export": the period (start and end date, each bounding the other) and
// what goes into the file beside the appointments: the info texts, the day colours and the
// birthdays, each as all-day events; "Ok" and "Abbrechen".
#include <QDialog>

#include "methoden/Methoden.h"

class QCheckBox;
class QDateEdit;
class QPushButton;

namespace kalvora {

class TIcsExportdialog : public QDialog {
    Q_OBJECT
public:
    TIcsExportdialog(const Datum& von, const Datum& bis, QWidget* parent = nullptr);

    Datum Von() const;
    Datum Bis() const;

    QDateEdit* Start() const { return start_; }
    QDateEdit* Ende() const { return ende_; }
    QCheckBox* Tagesinfo() const { return tagesinfo_; }
    QCheckBox* Tagesfarben() const { return tagesfarben_; }
    QCheckBox* Geburtstage() const { return geburtstage_; }
    QPushButton* OkKnopf() const { return ok_; }

private:
    QDateEdit* start_ = nullptr;
    QDateEdit* ende_ = nullptr;
    QCheckBox* tagesinfo_ = nullptr;
    QCheckBox* tagesfarben_ = nullptr;
    QCheckBox* geburtstage_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kalvora
