#include "adressbuch/fenster/Adressbucheintrag.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "adressbuch/Adresseditor.h"
#include "platform/Dialoge.h"
#include "platform/qt/QtDaten.h"

namespace kalvora {
namespace {

const char* const kBeschriftung[17] = {
    "Anrede:",        "Name:",    "Vorname",  "Straße:",  "Postfach:",
    "PLZ:",           "Ort:",     "Land:",    "Telefon privat:", "Telefon geschäftlich",
    "Handy:",         "Email-Adresse:", "Homepage:", "Faxnr.:", "ICQ-Nr.:",
    "Titel:",         "sonstiges:"};

}  // namespace

TForm23::TForm23(Eintragsmodus modus, std::vector<TAdresse>& liste, int& zeile, Dialoge& dialoge,
                 QWidget* parent)
    : QDialog(parent), modus_(modus), liste_(liste), zeile_(zeile), dialoge_(dialoge) {
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(QString::fromUtf8(modus == Eintragsmodus::Neu      ? editortexte::Neu
                                     : modus == Eintragsmodus::Aendern ? editortexte::Aendern
                                                                     : editortexte::Loeschen));
    auto* raster = new QGridLayout;
    anrede_ = new QComboBox(this);
    anrede_->setObjectName(QStringLiteral("ComboBox1"));
    for (const char* a : Anreden()) anrede_->addItem(QString::fromUtf8(a));
    auto* anredeText = new QLabel(QString::fromUtf8(kBeschriftung[0]), this);
    anredeText->setBuddy(anrede_);
    raster->addWidget(anredeText, 0, 0);
    raster->addWidget(anrede_, 0, 1);
    for (int n = 1; n < AnzahlAdressfelder; ++n) {
        auto* feld = new QLineEdit(this);
        feld->setObjectName(QStringLiteral("Edit%1").arg(n));
        felder_[static_cast<std::size_t>(n)] = feld;
        auto* text = new QLabel(QString::fromUtf8(kBeschriftung[n]), this);
        text->setBuddy(feld);
        // Two columns of fields: name and address left, the ways to reach someone right.
        const int spalte = n <= 8 ? 0 : 2;
        const int reihe = n <= 8 ? n : n - 8;
        raster->addWidget(text, reihe, spalte);
        raster->addWidget(feld, reihe, spalte + 1);
        // '#' and line breaks never get in (nor characters the group file cannot hold).
        connect(feld, &QLineEdit::textEdited, this, [feld, n](const QString& t) {
            const QString sauber = QString::fromStdString(Erlaubt(n, t.toStdString()));
            if (sauber == t) return;
            const int pos = feld->cursorPosition() - static_cast<int>(t.size() - sauber.size());
            feld->setText(sauber);
            feld->setCursorPosition(std::max(0, pos));
        });
        feld->setMinimumWidth(170);
        if (modus == Eintragsmodus::Loeschen) feld->setReadOnly(true);
    }
    if (modus == Eintragsmodus::Loeschen) anrede_->setEnabled(false);

    ok_ = new QPushButton(modus == Eintragsmodus::Loeschen ? QStringLiteral("Löschen")
                                                         : QStringLiteral("OK"),
                          this);
    ok_->setObjectName(QStringLiteral("Button1"));
    ok_->setDefault(true);
    abbruch_ = new QPushButton(QStringLiteral("Abbruch"), this);
    connect(ok_, &QPushButton::clicked, this, &TForm23::accept);
    connect(abbruch_, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoepfe = new QHBoxLayout;
    const char* hinweise[4] = {"zum ersten Datensatz blättern", "einen Datensatz zurückblättern",
                               "einen Datensatz weiterblättern", "zum letzten Datensatz blättern"};
    const char* symbole[4] = {"erster", "zurueck", "vor", "letzter"};
    const char* zeichen[4] = {"|<", "<", ">", ">|"};
    for (int i = 0; i < 4; ++i) {
        auto* k = new QToolButton(this);
        k->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        k->setToolTip(QString::fromUtf8(hinweise[i]));
        const QIcon symbol = Symbol(QString::fromLatin1(symbole[i]), {});
        if (symbol.isNull()) k->setText(QString::fromLatin1(zeichen[i]));
        else k->setIcon(symbol);
        k->setVisible(modus == Eintragsmodus::Aendern);
        connect(k, &QToolButton::clicked, this, [this, i] { Blaettern(i); });
        satz_[static_cast<std::size_t>(i)] = k;
        knoepfe->addWidget(k);
    }
    knoepfe->addStretch();
    knoepfe->addWidget(ok_);
    knoepfe->addWidget(abbruch_);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(raster);
    aussen->addLayout(knoepfe);
    aussen->setSizeConstraint(QLayout::SetFixedSize);

    if (modus == Eintragsmodus::Neu || zeile_ < 0 || zeile_ >= static_cast<int>(liste_.size())) {
        TAdresse leer;
        leer[adressfeld::Anrede] = "Herr";
        Anzeigen(leer);
    } else {
        Anzeigen(liste_[static_cast<std::size_t>(zeile_)]);
    }
}

void TForm23::Anzeigen(const TAdresse& a) {
    const int i = anrede_->findText(QString::fromStdString(a[adressfeld::Anrede]));
    anrede_->setCurrentIndex(i >= 0 ? i : 0);
    for (int n = 1; n < AnzahlAdressfelder; ++n) {
        const std::string& text = a[static_cast<std::size_t>(n)];
        Feld(n)->setText(QString::fromStdString(
            n == adressfeld::Homepage ? HomepageImEditor(text) : text));
    }
}

TAdresse TForm23::Eingabe() const {
    TAdresse a;
    a[adressfeld::Anrede] = anrede_->currentText().toStdString();
    for (int n = 1; n < AnzahlAdressfelder; ++n) {
        const std::string text = Erlaubt(n, Feld(n)->text().toStdString());
        a[static_cast<std::size_t>(n)] = n == adressfeld::Homepage ? HomepageAusEditor(text) : text;
    }
    return a;
}

bool TForm23::Verlassen() {
    const TAdresse a = Eingabe();
    if (EintragVollstaendig(a)) return true;
    QApplication::beep();
    return dialoge_.Meldung(UnvollstaendigFrage(a[adressfeld::Anrede],
                                                modus_ == Eintragsmodus::Aendern),
                            Meldungsart::Bestaetigung, Knoepfe::JaNein) == Antwort::Ja;
}

void TForm23::accept() {
    if (modus_ == Eintragsmodus::Loeschen) {
        QDialog::accept();
        return;
    }
    if (EintragVollstaendig(Eingabe())) {
        QDialog::accept();
        return;
    }
    // Incomplete: Yes drops the input (nothing is stored), No keeps the dialog open.
    if (Verlassen()) QDialog::reject();
}

void TForm23::Blaettern(int wohin) {
    const int letzte = static_cast<int>(liste_.size()) - 1;
    if (((wohin == 0 || wohin == 1) && zeile_ <= 0) ||
        ((wohin == 2 || wohin == 3) && zeile_ >= letzte)) {
        QApplication::beep();
        return;
    }
    const TAdresse a = Eingabe();
    if (EintragVollstaendig(a)) {
        liste_[static_cast<std::size_t>(zeile_)] = a;
    } else if (!Verlassen()) {
        return;
    }
    zeile_ = wohin == 0 ? 0 : wohin == 1 ? zeile_ - 1 : wohin == 2 ? zeile_ + 1 : letzte;
    Anzeigen(liste_[static_cast<std::size_t>(zeile_)]);
}

void TForm23::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (anrede_->isEnabled()) anrede_->setFocus();
    else Feld(1)->setFocus();
}

}  // namespace kalvora
