#include "main/fenster/Schreibschutzdialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "einstellungen/Schreibschutzablage.h"
#include "methoden/Systemfehler.h"
#include "platform/Dialoge.h"

namespace kalvora {
namespace {

QSpinBox* Minutenfeld(const char* name, QWidget* eltern) {
    auto* f = new QSpinBox(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setRange(SchreibschutzMinutenMin, SchreibschutzMinutenMax);
    f->setAlignment(Qt::AlignRight);
    f->setFixedWidth(64);
    // A half-typed number stays as it is until "Übernehmen" judges it.
    f->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    f->setKeyboardTracking(true);
    return f;
}

}  // namespace

TSchreibschutzdialog::TSchreibschutzdialog(Schreibschutzoptionen& optionen, Registry& registry,
                                           Dialoge& dialoge, QWidget* parent)
    : QDialog(parent), optionen_(optionen), registry_(registry), dialoge_(dialoge) {
    setObjectName(QStringLiteral("Schreibschutzoptionen"));
    setWindowTitle(QString::fromUtf8(schreibschutztexte::Titel));
    setModal(true);
    auto* spalte = new QVBoxLayout(this);

    auto* lesen = new QGroupBox(
        QStringLiteral("Einstellungen beim Lesen schreibgeschützter Dateien"), this);
    auto* lesenRaster = new QGridLayout(lesen);
    lesenRaster->addWidget(new QLabel(QStringLiteral("Art der Aktualisierung"), lesen), 0, 0);
    manuell_ = new QRadioButton(QStringLiteral("manuell"), lesen);
    manuell_->setObjectName(QStringLiteral("manuell"));
    zeitintervall_ = new QRadioButton(QStringLiteral("zeitintervall"), lesen);
    zeitintervall_->setObjectName(QStringLiteral("zeitintervall"));
    lesenRaster->addWidget(manuell_, 0, 1);
    lesenRaster->addWidget(zeitintervall_, 0, 2);
    auto* intervallText =
        new QLabel(QString::fromUtf8(schreibschutztexte::Intervall), lesen);
    lesenRaster->addWidget(intervallText, 1, 0);
    intervall_ = Minutenfeld("Intervall", lesen);
    intervallText->setBuddy(intervall_);
    lesenRaster->addWidget(intervall_, 1, 1);
    lesenRaster->addWidget(new QLabel(QStringLiteral("Minuten"), lesen), 1, 2);
    spalte->addWidget(lesen);

    auto* aendern = new QGroupBox(QStringLiteral("Einstellungen beim Ändern"), this);
    auto* aendernZeile = new QHBoxLayout(aendern);
    autosave_ = new QCheckBox(QString::fromUtf8(schreibschutztexte::Speicherintervall), aendern);
    autosave_->setObjectName(QStringLiteral("autosave"));
    sIntervall_ = Minutenfeld("sIntervall", aendern);
    aendernZeile->addWidget(autosave_);
    aendernZeile->addWidget(sIntervall_);
    aendernZeile->addWidget(new QLabel(QStringLiteral("Minuten"), aendern));
    aendernZeile->addStretch(1);
    spalte->addWidget(aendern);

    auto* alarm = new QGroupBox(QStringLiteral("Alarmmeldungen"), this);
    auto* alarmZeile = new QVBoxLayout(alarm);
    alarmAus_ = new QCheckBox(QStringLiteral("Terminalarm unterdrücken"), alarm);
    alarmAus_->setObjectName(QStringLiteral("AlarmAus"));
    alarmZeile->addWidget(alarmAus_);
    spalte->addWidget(alarm);

    auto* oeffnen = new QGroupBox(QStringLiteral("Öffnen von Dateien"), this);
    auto* oeffnenSpalte = new QVBoxLayout(oeffnen);
    alle_ = new QCheckBox(QStringLiteral("Alle Dateien schreibgeschützt öffnen"), oeffnen);
    alle_->setObjectName(QStringLiteral("alleSchreibgeschuetzt"));
    keine_ = new QCheckBox(
        QStringLiteral("Meldung unterdrücken, dass eine Datei bereits geöffnet wurde"), oeffnen);
    keine_->setObjectName(QStringLiteral("keineSchutzmeldung"));
    oeffnenSpalte->addWidget(alle_);
    oeffnenSpalte->addWidget(keine_);
    spalte->addWidget(oeffnen);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setDefault(true);
    abbrechen_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen_->setObjectName(QStringLiteral("Abbrechen"));
    uebernehmen_ = new QPushButton(QStringLiteral("Übernehmen"), this);
    uebernehmen_->setObjectName(QStringLiteral("Uebernehmen"));
    hilfeKnopf_ = new QPushButton(QStringLiteral("Hilfe"), this);
    hilfeKnopf_->setObjectName(QStringLiteral("Hilfe"));
    for (QPushButton* k : {ok_, abbrechen_, uebernehmen_, hilfeKnopf_}) {
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
    }
    ok_->setDefault(true);
    spalte->addLayout(knoepfe);

    connect(ok_, &QPushButton::clicked, this, [this] {
        if (Uebernehmen()) accept();
    });
    connect(abbrechen_, &QPushButton::clicked, this, &QDialog::reject);
    connect(uebernehmen_, &QPushButton::clicked, this, &TSchreibschutzdialog::Uebernehmen);
    connect(hilfeKnopf_, &QPushButton::clicked, this, [this] {
        if (hilfe) hilfe(Hilfethema);
    });
    for (QRadioButton* r : {manuell_, zeitintervall_})
        connect(r, &QRadioButton::toggled, this, &TSchreibschutzdialog::Geaendert);
    for (QCheckBox* c : {autosave_, alarmAus_, alle_, keine_})
        connect(c, &QCheckBox::toggled, this, &TSchreibschutzdialog::Geaendert);
    for (QSpinBox* s : {intervall_, sIntervall_})
        connect(s->findChild<QLineEdit*>(), &QLineEdit::textEdited, this,
                &TSchreibschutzdialog::Geaendert);
    Fuellen();
}

void TSchreibschutzdialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    hilfeKnopf_->setEnabled(static_cast<bool>(hilfe));
}

void TSchreibschutzdialog::Fuellen() {
    fuellt_ = true;
    const Schreibschutzeingabe e = EingabeAus(optionen_);
    (e.art == 0 ? manuell_ : zeitintervall_)->setChecked(true);
    intervall_->setValue(optionen_.Intervall);
    autosave_->setChecked(e.autosave);
    sIntervall_->setValue(optionen_.sIntervall);
    alarmAus_->setChecked(e.alarmAus);
    alle_->setChecked(e.alleSchreibgeschuetzt);
    keine_->setChecked(e.keineSchutzmeldung);
    fuellt_ = false;
    Freigaben();
    uebernehmen_->setEnabled(false);
}

void TSchreibschutzdialog::Freigaben() {
    intervall_->setEnabled(IntervallFreigegeben(zeitintervall_->isChecked() ? 1 : 0));
    sIntervall_->setEnabled(SpeicherintervallFreigegeben(autosave_->isChecked()));
}

void TSchreibschutzdialog::Geaendert() {
    if (fuellt_) return;
    Freigaben();
    uebernehmen_->setEnabled(true);
}

Schreibschutzeingabe TSchreibschutzdialog::Eingabe() const {
    Schreibschutzeingabe e;
    e.art = zeitintervall_->isChecked() ? 1 : 0;
    e.intervall = intervall_->findChild<QLineEdit*>()->text().toStdString();
    e.autosave = autosave_->isChecked();
    e.sIntervall = sIntervall_->findChild<QLineEdit*>()->text().toStdString();
    e.alarmAus = alarmAus_->isChecked();
    e.alleSchreibgeschuetzt = alle_->isChecked();
    e.keineSchutzmeldung = keine_->isChecked();
    return e;
}

bool TSchreibschutzdialog::Uebernehmen() {
    const Schreibschutzuebernahme u = OptionenAus(Eingabe(), optionen_);
    if (!u.optionen) {
        dialoge_.Meldung(u.fehler, Meldungsart::Fehler);
        (intervall_->isEnabled() && !intervall_->hasAcceptableInput() ? intervall_ : sIntervall_)
            ->setFocus();
        return false;
    }
    try {
        SchreibschutzoptionenSpeichern(registry_, *u.optionen);
    } catch (const std::exception& f) {
        dialoge_.Meldung(Fehlertext(f), Meldungsart::Fehler);
        return false;
    }
    optionen_ = *u.optionen;
    uebernehmen_->setEnabled(false);
    return true;
}

}  // namespace kalvora
