#include "statistik/fenster/Statistikoptionen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

#include "methoden/Systemfehler.h"
#include "platform/Dialoge.h"

namespace kalvora {

namespace optionentexte {
std::string KeineZahl(const std::string& text) {
    return "'" + text + "' ist kein gültiger Gleitkommawert";
}
}  // namespace optionentexte

namespace {
QString T(const char* text) { return QString::fromUtf8(text); }
}  // namespace

TStatistikoptionen::TStatistikoptionen(Statistikoptionen& optionen, Registry& registry,
                                       Dialoge& dialoge, QWidget* parent)
    : QDialog(parent), o_(optionen), registry_(registry), dialoge_(dialoge) {
    namespace t = optionentexte;
    setObjectName(QStringLiteral("Statistikoptionen"));
    setWindowTitle(T(t::Titel));
    seiten_ = new QTabWidget(this);

    auto* anzeige = new QWidget;
    auto* gruppeA = new QGroupBox(T(t::Anzeige), anzeige);
    extra_ = new QCheckBox(T(t::Extrabalken), gruppeA);
    auto* la = new QVBoxLayout(gruppeA);
    la->addWidget(extra_);
    la->addStretch();
    auto* sa = new QVBoxLayout(anzeige);
    sa->addWidget(gruppeA);
    seiten_->addTab(anzeige, T(t::Anzeige));

    auto* drucken = new QWidget;
    auto* gruppeD = new QGroupBox(T(t::Druckeigenschaften), drucken);
    hoch_ = new QRadioButton(T(t::Hochformat), gruppeD);
    quer_ = new QRadioButton(T(t::Querformat), gruppeD);
    auto* raster = new QGridLayout(gruppeD);
    raster->addWidget(hoch_, 0, 0, 1, 3);
    raster->addWidget(quer_, 1, 0, 1, 3);
    raster->addWidget(new QLabel(T(t::Raender), gruppeD), 2, 0, 1, 3);
    for (int i = 0; i < 4; ++i) {
        auto* feld = new QLineEdit(gruppeD);
        feld->setObjectName(QString::fromLatin1(t::Rand[static_cast<std::size_t>(i)]));
        feld->setMaximumWidth(70);
        raender_[static_cast<std::size_t>(i)] = feld;
        raster->addWidget(new QLabel(T(t::Rand[static_cast<std::size_t>(i)]), gruppeD), 3 + i,
                          0);
        raster->addWidget(feld, 3 + i, 1);
        raster->addWidget(new QLabel(T(t::Zentimeter), gruppeD), 3 + i, 2);
        connect(feld, &QLineEdit::textEdited, this, &TStatistikoptionen::Geaendert);
    }
    raster->setColumnStretch(3, 1);
    auto* sd = new QVBoxLayout(drucken);
    sd->addWidget(gruppeD);
    seiten_->addTab(drucken, T(t::Drucken));

    connect(extra_, &QCheckBox::toggled, this, &TStatistikoptionen::Geaendert);
    connect(quer_, &QRadioButton::toggled, this, &TStatistikoptionen::Geaendert);
    connect(hoch_, &QRadioButton::toggled, this, &TStatistikoptionen::Geaendert);

    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setDefault(true);
    abbruch_ = new QPushButton(QStringLiteral("Abbruch"), this);
    uebernehmen_ = new QPushButton(QStringLiteral("Übernehmen"), this);
    connect(ok_, &QPushButton::clicked, this, &TStatistikoptionen::accept);
    connect(abbruch_, &QPushButton::clicked, this, &TStatistikoptionen::reject);
    connect(uebernehmen_, &QPushButton::clicked, this, [this] {
        if (Uebernehmen()) uebernehmen_->setEnabled(false);
    });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok_);
    knoepfe->addWidget(abbruch_);
    knoepfe->addWidget(uebernehmen_);
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(seiten_);
    aussen->addLayout(knoepfe);
    Fuellen();
    // A fixed dialog.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TStatistikoptionen::Fuellen() {
    fuellt_ = true;
    const QLocale ort;
    extra_->setChecked(o_.anzeige);
    quer_->setChecked(o_.querformat);
    hoch_->setChecked(!o_.querformat);
    const double werte[4] = {o_.links, o_.rechts, o_.oben, o_.unten};
    for (int i = 0; i < 4; ++i) Rand(i)->setText(ort.toString(werte[i]));
    uebernehmen_->setEnabled(false);
    fuellt_ = false;
}

void TStatistikoptionen::Geaendert() {
    if (!fuellt_) uebernehmen_->setEnabled(true);
}

void TStatistikoptionen::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The bottom right corner on the bottom right corner of the work area.
    if (const QScreen* s = screen()) {
        const QRect a = s->availableGeometry();
        const QRect r = frameGeometry();
        move(a.right() - r.width() + 1, a.bottom() - r.height() + 1);
    }
    ok_->setFocus();
}

bool TStatistikoptionen::Uebernehmen() {
    const QLocale ort;
    double raender[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        double w = ort.toDouble(Rand(i)->text().trimmed(), &ok);
        // The range of the settings table, which `einstellung` checks as well.
        static const char* const namen[4] = {"Links", "Rechts", "Oben", "Unten"};
        std::optional<std::string> fehler;
        if (!ok || !std::isfinite(w))
            fehler = optionentexte::KeineZahl(Rand(i)->text().toStdString());
        else
            fehler = WertUnzulaessig(StatistikZeile(namen[i]), &w);
        if (fehler) {
            dialoge_.Meldung(*fehler, Meldungsart::Fehler);
            seiten_->setCurrentIndex(1);
            Rand(i)->setFocus();
            Rand(i)->selectAll();
            return false;
        }
        raender[i] = w;
    }
    Statistikoptionen neu;
    neu.anzeige = extra_->isChecked();
    neu.querformat = quer_->isChecked();
    neu.links = raender[0];
    neu.rechts = raender[1];
    neu.oben = raender[2];
    neu.unten = raender[3];
    o_ = neu;
    try {
        StatistikoptionenSpeichern(registry_, o_);
    } catch (const std::exception& f) {
        dialoge_.Meldung(Fehlertext(f), Meldungsart::Fehler);
        return false;
    }
    return true;
}

void TStatistikoptionen::accept() {
    if (Uebernehmen()) QDialog::accept();
}

}  // namespace kalvora
