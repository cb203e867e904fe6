#pragma once
// The clock of the running program: local date and time of the system.
#include <QDateTime>

#include "platform/Uhr.h"

namespace kalvora {

class Systemuhr : public Uhr {
public:
    Zeitpunkt Jetzt() const override {
        const QDateTime t = QDateTime::currentDateTime();
        const QDate d = t.date();
        const QTime z = t.time();
        return {d.year(), d.month(), d.day(), z.hour(), z.minute(), z.second()};
    }
};

}  // namespace kalvora
