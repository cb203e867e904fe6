#include "main/fenster/IcsExportdialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "main/fenster/Zeitraumfelder.h"

namespace kalvora {

TIcsExportdialog::TIcsExportdialog(const Datum& von, const Datum& bis, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("IcsExportdialog"));
    setWindowTitle(QStringLiteral("iCalendar-Export"));
    setModal(true);

    const Zeitraumfelder zeitraum = ZeitraumfelderAnlegen(von, bis, this);
    start_ = zeitraum.start;
    ende_ = zeitraum.ende;

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
