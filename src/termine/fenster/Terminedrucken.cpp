#include "termine/fenster/Terminedrucken.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kalvora {

namespace {
namespace t = druckauswahltexte;

QString Q(const char* text) { return QString::fromUtf8(text); }
QDate AlsQDate(const Datum& d) { return QDate(d.jahr, d.monat, d.tag); }
Datum AlsDatum(const QDate& d) { return Datum{d.day(), d.month(), d.year()}; }

QDateEdit* Datumsfeld(QWidget* eltern, const char* name) {
    auto* f = new QDateEdit(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    f->setCalendarPopup(true);
    return f;
}
}  // namespace

TDruckauswahl::TDruckauswahl(Dialoge& dialoge, QWidget* parent)
    : QDialog(parent), dialoge_(dialoge) {
    setObjectName(QStringLiteral("Drucken"));
    auto* spalte = new QVBoxLayout(this);
    gruppe_ = new QGroupBox(Q(t::Auswahl), this);
    gruppe_->setObjectName(QStringLiteral("Auswahl"));
    auto* knoepfe = new QHBoxLayout(gruppe_);
    jahr_ = new QRadioButton(Q(t::Jahresansicht), gruppe_);
    jahr_->setObjectName(QStringLiteral("Jahresansicht"));
    liste_ = new QRadioButton(Q(t::Terminliste), gruppe_);
    liste_->setObjectName(QStringLiteral("Terminliste"));
    knoepfe->addWidget(jahr_);
    knoepfe->addWidget(liste_);
    spalte->addWidget(gruppe_);

    zeitraum_ = new QLabel(Q(t::Zeitraum), this);
    spalte->addWidget(zeitraum_);
    auto* felder = new QGridLayout;
    start_ = Datumsfeld(this, "Start");
    ende_ = Datumsfeld(this, "Ende");
    jahrVon_ = new QSpinBox(this);
    jahrBis_ = new QSpinBox(this);
    for (QSpinBox* j : {jahrVon_, jahrBis_}) {
        j->setRange(ErstesJahr, LetztesJahr);
        j->setReadOnly(true);
        j->setButtonSymbols(QAbstractSpinBox::NoButtons);
    }
    jahrVon_->setObjectName(QStringLiteral("JahrVon"));
    jahrBis_->setObjectName(QStringLiteral("JahrBis"));
    auto* startText = new QLabel(Q(t::Start), this);
    auto* endeText = new QLabel(Q(t::Ende), this);
    startText->setBuddy(start_);
    endeText->setBuddy(ende_);
    felder->addWidget(startText, 0, 0);
    felder->addWidget(start_, 0, 1);
    felder->addWidget(jahrVon_, 0, 2);
    felder->addWidget(endeText, 1, 0);
    felder->addWidget(ende_, 1, 1);
    felder->addWidget(jahrBis_, 1, 2);
    spalte->addLayout(felder);

    auto* reihe = new QHBoxLayout;
    drucken_ = new QPushButton(Q(t::Drucken), this);
    drucken_->setObjectName(QStringLiteral("Drucken"));
    drucken_->setDefault(true);
    abbruch_ = new QPushButton(Q(t::Abbruch), this);
    abbruch_->setObjectName(QStringLiteral("Abbruch"));
    ueberschrift_ = new QPushButton(Q(t::Ueberschrift), this);
    ueberschrift_->setObjectName(QStringLiteral("Ueberschrift"));
    vorschauKnopf_ = new QPushButton(Q(t::Vorschau), this);
    vorschauKnopf_->setObjectName(QStringLiteral("Vorschau"));
    for (QPushButton* k : {drucken_, abbruch_, ueberschrift_, vorschauKnopf_}) reihe->addWidget(k);
    // Only "Drucken" answers Enter: a button that had the focus (the preview after its window
    // closed) must not take the default over into the next opening.
    for (QPushButton* k : {abbruch_, ueberschrift_, vorschauKnopf_}) k->setAutoDefault(false);
    spalte->addLayout(reihe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    connect(jahr_, &QRadioButton::toggled, this, [this] { ArtGewaehlt(); });
    connect(start_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (zeigt_) return;
        auswahl_.StartSetzen(AlsDatum(d));
        Anzeigen();
    });
    connect(ende_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (zeigt_) return;
        auswahl_.EndeSetzen(AlsDatum(d));
        Anzeigen();
    });
    connect(drucken_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbruch_, &QPushButton::clicked, this, &QDialog::reject);
    connect(ueberschrift_, &QPushButton::clicked, this, [this] {
        const auto text = dialoge_.Eingabe(t::FrageTitel, t::FrageUeberschrift,
                                           auswahl_.ueberschrift);
        if (text) auswahl_.ueberschrift = *text;
    });
    connect(vorschauKnopf_, &QPushButton::clicked, this, [this] {
        if (vorschau) vorschau(auswahl_);
    });
}

void TDruckauswahl::ArtGewaehlt() {
    if (zeigt_) return;
    auswahl_.art = jahr_->isChecked() ? Druckart::Jahresansicht : Druckart::Terminliste;
    Anzeigen();
}

void TDruckauswahl::Anzeigen() {
    zeigt_ = true;
    const bool jahr = auswahl_.art == Druckart::Jahresansicht;
    setWindowTitle(QString::fromStdString(auswahl_.titel));
    gruppe_->setVisible(auswahl_.auswahlSichtbar);
    jahr_->setChecked(jahr);
    liste_->setChecked(!jahr);
    start_->setDateRange(AlsQDate(auswahl_.startMin), AlsQDate(auswahl_.startMax));
    ende_->setDateRange(AlsQDate(auswahl_.endeMin), AlsQDate(auswahl_.endeMax));
    start_->setDate(AlsQDate(auswahl_.start));
    ende_->setDate(AlsQDate(auswahl_.ende));
    jahrVon_->setValue(auswahl_.jahrVon);
    jahrBis_->setValue(auswahl_.jahrBis);
    start_->setVisible(!jahr);
    ende_->setVisible(!jahr);
    jahrVon_->setVisible(jahr);
    jahrBis_->setVisible(jahr);
    ueberschrift_->setVisible(jahr);
    zeigt_ = false;
}

bool TDruckauswahl::Zeigen() {
    Anzeigen();
    drucken_->setDefault(true);
    const bool ok = exec() == QDialog::Accepted;
    auswahl_.Schliessen();
    Anzeigen();
    return ok;
}

}  // namespace kalvora
