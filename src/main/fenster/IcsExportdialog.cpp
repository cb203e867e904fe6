#include "main/fenster/IcsExportdialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvora {
namespace {

QDateEdit* Datumsfeld(const Datum& d, QWidget* eltern) {
    auto* feld = new QDateEdit(QDate(d.jahr, d.monat, d.tag), eltern);
    feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    feld->setCalendarPopup(true);
    feld->setDateRange(QDate(1901, 1, 1), QDate(2099, 12, 31));
    return feld;
}

Datum AlsDatum(const QDate& d) { return {d.day(), d.month(), d.year()}; }

}  // namespace

TIcsExportdialog::TIcsExportdialog(const Datum& von, const Datum& bis, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("IcsExportdialog"));
    setWindowTitle(QStringLiteral("iCalendar-Export"));
    setModal(true);

    start_ = Datumsfeld(von, this);
    start_->setObjectName(QStringLiteral("Start"));
    ende_ = Datumsfeld(bis, this);
    ende_->setObjectName(QStringLiteral("Ende"));
    // Each field bounds the other, so the period never runs backwards.
    ende_->setMinimumDate(start_->date());
    start_->setMaximumDate(ende_->date());
    connect(start_, &QDateEdit::dateChanged, this,
            [this](const QDate& d) { ende_->setMinimumDate(d); });
    connect(ende_, &QDateEdit::dateChanged, this,
            [this](const QDate& d) { start_->setMaximumDate(d); });

    tagesinfo_ = new QCheckBox(QStringLiteral("&Tagesinfos als ganztägige Termine"), this);
    tagesfarben_ = new QCheckBox(QStringLiteral("Tages&farben als ganztägige Termine"), this);
    geburtstage_ = new QCheckBox(QStringLiteral("&Geburtstage als jährliche Termine"), this);

    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* raster = new QGridLayout;
    auto* startText = new QLabel(QStringLiteral("&Start:"), this);
    startText->setBuddy(start_);
    auto* endeText = new QLabel(QStringLiteral("&Ende:"), this);
    endeText->setBuddy(ende_);
    raster->addWidget(startText, 0, 0);
    raster->addWidget(start_, 0, 1);
    raster->addWidget(endeText, 1, 0);
    raster->addWidget(ende_, 1, 1);
    raster->addWidget(tagesinfo_, 2, 0, 1, 2);
    raster->addWidget(tagesfarben_, 3, 0, 1, 2);
    raster->addWidget(geburtstage_, 4, 0, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok_);
    knoepfe->addWidget(abbrechen);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(raster);
    aussen->addStretch();
    aussen->addLayout(knoepfe);
    setMinimumWidth(300);
}

Datum TIcsExportdialog::Von() const { return AlsDatum(start_->date()); }
Datum TIcsExportdialog::Bis() const { return AlsDatum(ende_->date()); }

}  // namespace kalvora
