#include "main/fenster/Zeitraumfelder.h"

#include <QDateEdit>

#include "kalender/TKalender.h"

namespace kalvora {
namespace {

QDateEdit* Datumsfeld(const Datum& d, const QString& name, QWidget* eltern) {
    auto* feld = new QDateEdit(QDate(d.jahr, d.monat, d.tag), eltern);
    feld->setObjectName(name);
    feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    feld->setCalendarPopup(true);
    feld->setDateRange(QDate(ErstesJahr, 1, 1), QDate(LetztesJahr, 12, 31));
    return feld;
}

}  // namespace

Zeitraumfelder ZeitraumfelderAnlegen(const Datum& von, const Datum& bis, QWidget* eltern) {
    Zeitraumfelder f{Datumsfeld(von, QStringLiteral("Start"), eltern),
                     Datumsfeld(bis, QStringLiteral("Ende"), eltern)};
    f.ende->setMinimumDate(f.start->date());
    f.start->setMaximumDate(f.ende->date());
    QObject::connect(f.start, &QDateEdit::dateChanged, f.ende,
                     [ende = f.ende](const QDate& d) { ende->setMinimumDate(d); });
    QObject::connect(f.ende, &QDateEdit::dateChanged, f.start,
                     [start = f.start](const QDate& d) { start->setMaximumDate(d); });
    return f;
}

Datum AlsDatum(const QDate& d) { return {d.day(), d.month(), d.year()}; }

}  // namespace kalvora
