#include "main/fenster/XmlExportdialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "main/fenster/Zeitraumfelder.h"

namespace kalvora {

TXmlExportdialog::TXmlExportdialog(const Datum& von, const Datum& bis, bool zeitraumFrei,
                                   bool begleitFrei, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("XmlExportdialog"));
    setWindowTitle(QStringLiteral("XML-Export"));
    setModal(true);

    const Zeitraumfelder zeitraum = ZeitraumfelderAnlegen(von, bis, this);
    start_ = zeitraum.start;
    ende_ = zeitraum.ende;
    start_->setEnabled(zeitraumFrei);
    ende_->setEnabled(zeitraumFrei);

    xsl_ = new QCheckBox(QStringLiteral("XSL-Datei erstellen"), this);
    dtd_ = new QCheckBox(QStringLiteral("DTD-Datei erstellen"), this);
    for (QCheckBox* box : {xsl_, dtd_}) {
        box->setChecked(true);
        box->setEnabled(begleitFrei);
    }

    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setDefault(true);
    abbrechen_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen_, &QPushButton::clicked, this, &QDialog::reject);

    auto* raster = new QGridLayout;
    startText_ = new QLabel(QStringLiteral("&Start:"), this);
    startText_->setBuddy(start_);
    endeText_ = new QLabel(QStringLiteral("&Ende:"), this);
    endeText_->setBuddy(ende_);
    raster->addWidget(startText_, 0, 0);
    raster->addWidget(start_, 0, 1);
    raster->addWidget(endeText_, 1, 0);
    raster->addWidget(ende_, 1, 1);
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("Pruefliste"));
    liste_->hide();
    raster->addWidget(liste_, 0, 0, 2, 2);
    connect(liste_, &QListWidget::itemChanged, this,
            [this] { ok_->setEnabled(!Angehakt().empty()); });
    raster->addWidget(xsl_, 2, 0, 1, 2);
    raster->addWidget(dtd_, 3, 0, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok_);
    knoepfe->addWidget(abbrechen_);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(raster);
    aussen->addStretch();
    aussen->addLayout(knoepfe);
    setMinimumWidth(300);
}

void TXmlExportdialog::Pruefliste(const QStringList& namen, int angehakt) {
    for (QWidget* w : {static_cast<QWidget*>(start_), static_cast<QWidget*>(ende_),
                       static_cast<QWidget*>(startText_), static_cast<QWidget*>(endeText_)})
        w->hide();
    liste_->clear();
    for (int i = 0; i < namen.size(); ++i) {
        auto* eintrag = new QListWidgetItem(namen[i], liste_);
        eintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        eintrag->setCheckState(i == angehakt ? Qt::Checked : Qt::Unchecked);
    }
    liste_->show();
    ok_->setEnabled(!Angehakt().empty());
}

std::vector<int> TXmlExportdialog::Angehakt() const {
    std::vector<int> v;
    for (int i = 0; i < liste_->count(); ++i)
        if (liste_->item(i)->checkState() == Qt::Checked) v.push_back(i);
    return v;
}

Datum TXmlExportdialog::Von() const { return AlsDatum(start_->date()); }
Datum TXmlExportdialog::Bis() const { return AlsDatum(ende_->date()); }
bool TXmlExportdialog::MitXsl() const { return xsl_->isChecked(); }
bool TXmlExportdialog::MitDtd() const { return dtd_->isChecked(); }

}  // namespace kalvora
