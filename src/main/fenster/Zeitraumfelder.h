#pragma once
// The two date fields of an export's period: 1901 to 2099, with a calendar to pick from, each
// bounding the other so that the period never runs backwards.
#include <QDate>

#include "methoden/Methoden.h"

class QDateEdit;
class QWidget;

namespace kalvora {

struct Zeitraumfelder {
    QDateEdit* start = nullptr;
    QDateEdit* ende = nullptr;
};

// The fields are named "Start" and "Ende".
Zeitraumfelder ZeitraumfelderAnlegen(const Datum& von, const Datum& bis, QWidget* eltern);
Datum AlsDatum(const QDate& d);

}  // namespace kalvora
