#include "main/fenster/GeheZuJahr.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

#include "main/Ansichtswechsel.h"

namespace kalvora {

TGeheZuJahr::TGeheZuJahr(int angezeigtesJahr, QWidget* parent)
    : QDialog(parent, Qt::Tool) {
    setObjectName(QStringLiteral("GeheZuJahr"));
    setWindowTitle(QStringLiteral("Gehe zu Jahr"));
    feld_ = new QLineEdit(QString::number(angezeigtesJahr), this);
    feld_->setObjectName(QStringLiteral("Edit1"));
    feld_->setMaxLength(4);
    // Digits only; Backspace, Enter and Escape keep their usual meaning.
    feld_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), feld_));
    feld_->selectAll();
    auto* hinweis = new QLabel(QStringLiteral("(1901 - 2099)"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* abbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    abbruch->setObjectName(QStringLiteral("Abbruch"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);

    auto* zeile = new QHBoxLayout;
    zeile->addWidget(feld_);
    zeile->addWidget(hinweis);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbruch);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(zeile);
    spalte->addLayout(knoepfe);
    adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

int GeheZuJahrFragen(QWidget* parent, int angezeigtesJahr, int heutigesJahr) {
    TGeheZuJahr dialog(angezeigtesJahr, parent);
    const bool ok = dialog.exec() == QDialog::Accepted;
    return GeheZuJahr(dialog.Feld()->text().toStdString(), ok, angezeigtesJahr, heutigesJahr);
}

}  // namespace kalvora
