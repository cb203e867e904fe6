#include "personen/fenster/Geburtstag.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "personen/Geburtstagsliste.h"

namespace kalvora {
namespace {

// The pickers' first year: the reader takes birth dates from the year 1 on, but no date
// field shows years of fewer than four digits well.
constexpr int kFruehestesGeburtsjahr = 100;

QDate AlsQDate(const Datum& d) { return QDate(d.jahr, d.monat, d.tag); }
Datum AusQDate(const QDate& d) { return {d.day(), d.month(), d.year()}; }

}  // namespace

TForm16::TForm16(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form16"));
    setModal(true);
    const auto beschriftung = [this](const char* text, int x, int y) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->move(x, y);
    };
    beschriftung("Name:", 12, 16);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("Edit1"));
    name_->setGeometry(80, 12, 180, 22);
    beschriftung("Vorname:", 12, 48);
    vorname_ = new QLineEdit(this);
    vorname_->setObjectName(QStringLiteral("Edit2"));
    vorname_->setGeometry(80, 44, 156, 22);
    vorschlag_ = new QPushButton(QStringLiteral("…"), this);
    vorschlag_->setObjectName(QStringLiteral("SpeedButton1"));
    vorschlag_->setToolTip(QStringLiteral("Vorschläge suchen"));
    vorschlag_->setGeometry(238, 44, 22, 22);
    connect(vorname_, &QLineEdit::textChanged, this, &TForm16::VorschlagFreigeben);
    connect(vorschlag_, &QPushButton::clicked, this, [this] {
        if (!vorschlaege) return;
        vorschlaege(vorname_->text().toStdString(), [this](int tag, int monat) {
            // Stored in the year 2000, so that it shows in every later year.
            namenstag_->setDate(QDate(2000, monat, tag));
            namenstagBeruehrt_ = true;
            mitNamenstag_->setChecked(true);
        });
    });

    mitGeburt_ = new QCheckBox(QStringLiteral("Geburtstag"), this);
    mitGeburt_->setObjectName(QStringLiteral("CheckBox1"));
    mitGeburt_->move(12, 82);
    geburt_ = new QDateEdit(this);
    geburt_->setObjectName(QStringLiteral("DateTimePicker1"));
    geburt_->setGeometry(120, 78, 140, 22);
    mitNamenstag_ = new QCheckBox(QStringLiteral("Namenstag"), this);
    mitNamenstag_->setObjectName(QStringLiteral("CheckBox2"));
    mitNamenstag_->move(12, 114);
    namenstag_ = new QDateEdit(this);
    namenstag_->setObjectName(QStringLiteral("DateTimePicker2"));
    namenstag_->setGeometry(120, 110, 140, 22);
    for (QDateEdit* f : {geburt_, namenstag_}) {
        f->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        f->setCalendarPopup(true);
        // People born before the calendar's years have birthdays too.
        f->setDateRange(QDate(kFruehestesGeburtsjahr, 1, 1), QDate(LetztesJahr, 12, 31));
    }
    // Changing a date says that it is given.
    connect(geburt_, &QDateEdit::dateChanged, this, [this] {
        geburtBeruehrt_ = true;
        mitGeburt_->setChecked(true);
    });
    connect(namenstag_, &QDateEdit::dateChanged, this, [this] {
        namenstagBeruehrt_ = true;
        mitNamenstag_->setChecked(true);
    });

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Button1"));
    ok_->setDefault(true);
    ok_->setGeometry(80, 148, 85, 25);
    abbruch_ = new QPushButton(QStringLiteral("Abbruch"), this);
    abbruch_->setObjectName(QStringLiteral("Button2"));
    abbruch_->setGeometry(175, 148, 85, 25);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbruch_, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(274, 186);
    // The typed characters a name may not hold are dropped wherever the focus is.
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

void TForm16::Vorbereiten(Art art, const TGeburtstag& e, const Datum& heute) {
    static const char* const titel[] = {"Neuer Eintrag", "Eintrag ändern", "Eintrag löschen"};
    setWindowTitle(QString::fromUtf8(titel[static_cast<int>(art)]));
    const bool neu = art == Art::Neu;
    name_->setText(neu ? QString() : QString::fromStdString(e.Name));
    vorname_->setText(neu ? QString() : QString::fromStdString(e.Vorname));
    const auto setzen = [&](QDateEdit* feld, QCheckBox* box, TDatum wert, bool vorgabe) {
        const bool da = neu ? vorgabe : wert != KeinDatum;
        feld->setDate(AlsQDate(!neu && da ? DatumAusWert(wert) : heute));
        box->setChecked(da);  // after the date, whose change ticks the box
    };
    setzen(geburt_, mitGeburt_, e.Geburtsdatum, true);
    setzen(namenstag_, mitNamenstag_, e.Namenstag, false);
    // A date outside the pickers' range is shown clamped but kept unless changed.
    geburtWert_ = neu ? KeinDatum : e.Geburtsdatum;
    namenstagWert_ = neu ? KeinDatum : e.Namenstag;
    geburtBeruehrt_ = namenstagBeruehrt_ = false;
    const bool loeschen = art == Art::Loeschen;
    name_->setReadOnly(loeschen);
    vorname_->setReadOnly(loeschen);
    for (QWidget* w : std::initializer_list<QWidget*>{geburt_, namenstag_, mitGeburt_,
                                                      mitNamenstag_})
        w->setEnabled(!loeschen);
    VorschlagFreigeben();
}

void TForm16::VorschlagFreigeben() {
    vorschlag_->setEnabled(!vorname_->text().isEmpty() && !vorname_->isReadOnly());
}

std::optional<TGeburtstag> TForm16::Ergebnis() const {
    std::optional<TGeburtstag> e =
        EintragAusDialog(name_->text().toStdString(), vorname_->text().toStdString(),
                         mitGeburt_->isChecked(), AusQDate(geburt_->date()),
                         mitNamenstag_->isChecked(), AusQDate(namenstag_->date()));
    if (!e) return e;
    if (e->Geburtsdatum != KeinDatum && !geburtBeruehrt_ && geburtWert_ != KeinDatum)
        e->Geburtsdatum = geburtWert_;
    if (e->Namenstag != KeinDatum && !namenstagBeruehrt_ && namenstagWert_ != KeinDatum)
        e->Namenstag = namenstagWert_;
    return e;
}

bool TForm16::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(e)->text();
        if (!text.isEmpty() &&
            QString::fromStdString(NamenseingabeFiltern(text.toStdString())) != text)
            return true;
    }
    return QDialog::eventFilter(objekt, e);
}

void TForm16::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    name_->setFocus();
    name_->selectAll();
}

}  // namespace kalvora
