#include "main/fenster/IcsImportdialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvora {

TIcsImportdialog::TIcsImportdialog(const QString& datei, bool alsTagesfarbe, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("IcsImportdialog"));
    setWindowTitle(QStringLiteral("iCalendar-Import"));
    setModal(true);
    auto* name = new QLabel(QFileInfo(datei).fileName(), this);
    name->setObjectName(QStringLiteral("Dateiname"));
    tagesfarbe_ = new QCheckBox(QStringLiteral("&ganztägige Termine als Tagesfarbe"), this);
    tagesfarbe_->setToolTip(QStringLiteral(
        "Ein ganztägiger Termin, der wie eine Farbe heißt, färbt seine Tage in dieser Farbe."));
    tagesfarbe_->setChecked(alsTagesfarbe);
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok_);
    knoepfe->addWidget(abbrechen);
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(name);
    aussen->addWidget(tagesfarbe_);
    aussen->addStretch();
    aussen->addLayout(knoepfe);
    setMinimumWidth(300);
}

}  // namespace kalvora
