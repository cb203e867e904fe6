#include "termine/fenster/Suchen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "termine/Termintexte.h"
#include "termine/fenster/Eingabefilter.h"

namespace kalvora {

namespace tt = termintexte;

TSuchen::TSuchen(const TKalender& kal, Dialoge& dialoge, QWidget* parent)
    : QDialog(parent), kal_(kal), dialoge_(dialoge) {
    setObjectName("Suchen");
    setWindowTitle(QString::fromUtf8(tt::SuchTitel));
    setModal(true);
    setFixedSize(400, 250);
    auto* l = new QLabel(QString::fromUtf8(tt::SuchenNach), this);
    l->setGeometry(8, 12, 90, 18);
    text_ = new QLineEdit(this);
    text_->setObjectName("Suchtext");
    text_->setValidator(new Eingabevalidator(text_));
    text_->setGeometry(100, 10, 290, 22);
    auto* in = new QGroupBox(QString::fromUtf8(tt::SuchenIn), this);
    in->setGeometry(8, 42, 190, 100);
    for (int i = 0; i < 3; ++i) {
        bereich_[i] = new QRadioButton(QString::fromUtf8(tt::Bereiche[i]), in);
        bereich_[i]->setGeometry(10, 20 + 25 * i, 170, 20);
    }
    grossKlein_ = new QCheckBox(QString::fromUtf8(tt::GrossKlein), this);
    grossKlein_->setGeometry(210, 50, 185, 20);
    ganzeWoerter_ = new QCheckBox(QString::fromUtf8(tt::GanzeWoerter), this);
    ganzeWoerter_->setGeometry(210, 76, 185, 20);
    auto* b = new QGroupBox(QString::fromUtf8(tt::Bereich), this);
    b->setGeometry(8, 150, 382, 52);
    auto* vl = new QLabel(QString::fromUtf8(tt::JahreVon), b);
    vl->setGeometry(10, 22, 80, 18);
    von_ = new QSpinBox(b);
    von_->setObjectName("Von");
    von_->setRange(ErstesJahr, LetztesJahr);
    von_->setGeometry(90, 20, 70, 22);
    auto* bl = new QLabel(QString::fromUtf8(tt::Bis), b);
    bl->setGeometry(180, 22, 40, 18);
    bis_ = new QSpinBox(b);
    bis_->setObjectName("Bis");
    bis_->setRange(ErstesJahr, LetztesJahr);
    bis_->setGeometry(220, 20, 70, 22);
    auto* ok = new QPushButton(QString::fromUtf8(tt::Ok), this);
    ok->setObjectName("OK");
    ok->setDefault(true);
    ok->setGeometry(130, 214, 80, 26);
    auto* abbruch = new QPushButton(QString::fromUtf8(tt::Abbruch), this);
    abbruch->setGeometry(220, 214, 80, 26);
    auto* hilfeKnopf = new QPushButton(QString::fromUtf8(tt::Hilfe), this);
    hilfeKnopf->setGeometry(310, 214, 80, 26);

    connect(ok, &QPushButton::clicked, this, [this] {
        Suchwerte& f = suche_.felder;
        f.text = Bereinigt(text_->text()).toStdString();
        f.bereich = bereich_[2]->isChecked()   ? Suchbereich::Orte
                    : bereich_[1]->isChecked() ? Suchbereich::Beschreibungen
                                               : Suchbereich::Alle;
        f.grossKlein = grossKlein_->isChecked();
        f.ganzeWoerter = ganzeWoerter_->isChecked();
        f.von = von_->value();
        f.bis = bis_->value();
        ergebnis_ = suche_.Ok(kal_);
        accept();
    });
    connect(abbruch, &QPushButton::clicked, this, &TSuchen::reject);
    connect(hilfeKnopf, &QPushButton::clicked, this, [this] {
        if (hilfe) hilfe(121);
    });
}

std::optional<Suchtreffer> TSuchen::Zeigen(int jahrDerAnsicht) {
    suche_.Anzeigen(jahrDerAnsicht);
    const Suchwerte& f = suche_.felder;
    text_->setText(QString::fromStdString(f.text));
    bereich_[static_cast<int>(f.bereich)]->setChecked(true);
    grossKlein_->setChecked(f.grossKlein);
    ganzeWoerter_->setChecked(f.ganzeWoerter);
    von_->setValue(f.von);
    bis_->setValue(f.bis);
    text_->setFocus();
    ergebnis_.reset();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Melden(ergebnis_);
}

std::optional<Suchtreffer> TSuchen::Weitersuchen() {
    if (suche_.bestaetigt.text.empty() || !suche_.letzter) return std::nullopt;
    return Melden(suche_.weitersuchen(kal_));
}

std::optional<Suchtreffer> TSuchen::Melden(std::optional<Suchtreffer> t) {
    if (!t) dialoge_.Meldung(suche_.NichtGefundenText(), Meldungsart::Information, Knoepfe::Ok);
    return t;
}

void TSuchen::reject() {
    suche_.Abbrechen();
    QDialog::reject();
}

}  // namespace kalvora
