#include "personen/fenster/Namenstagslistedrucken.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "main/fenster/Hilfefenster.h"

namespace kalvora {

TForm20::TForm20(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form20"));
    setWindowTitle(QStringLiteral("Druckoptionen für die Namenstagsliste"));
    setModal(true);
    const auto text = [this](const char* t, int x, int y) {
        auto* l = new QLabel(QString::fromUtf8(t), this);
        l->move(x, y);
        return l;
    };
    text("Wählen Sie hier die Art der Darstellung beim Ausdrucken:", 12, 12);
    text("Anzahl der Spalten pro auszudruckende Seite:", 12, 44);
    spalten_ = new QSpinBox(this);
    spalten_->setObjectName(QStringLiteral("SpinEdit1"));
    spalten_->setRange(1, 6);
    spalten_->setGeometry(262, 40, 44, 22);
    text("Spalten", 312, 44);
    seiten_ = text("", 262, 66);
    seiten_->setObjectName(QStringLiteral("Label3"));
    // Wide enough for the longest hint ("12 Seiten") in the font in use, so the ")" shows.
    seiten_->setFixedWidth(
        seiten_->fontMetrics().horizontalAdvance(QString::fromStdString(Seitenhinweis(1))) + 4);
    begrenzen_ = new QCheckBox(QStringLiteral("max. Anzahl der zu druckenden Namen:"), this);
    begrenzen_->setObjectName(QStringLiteral("CheckBox1"));
    begrenzen_->move(12, 92);
    namen_ = new QSpinBox(this);
    namen_->setObjectName(QStringLiteral("SpinEdit2"));
    namen_->setRange(1, 50);
    namen_->setGeometry(262, 90, 44, 22);
    text("Namen", 312, 94);
    ohneVon_ = new QCheckBox(QStringLiteral("Namenszusätze mit \"von...\" weglassen"), this);
    ohneVon_->setObjectName(QStringLiteral("CheckBox2"));
    ohneVon_->move(12, 122);
    ohneKlammern_ = new QCheckBox(QStringLiteral("Namen in Klammern (...) weglassen"), this);
    ohneKlammern_->setObjectName(QStringLiteral("CheckBox3"));
    ohneKlammern_->move(12, 148);
    drucken_ = new QPushButton(QStringLiteral("Drucken"), this);
    drucken_->setObjectName(QStringLiteral("Button1"));
    drucken_->setDefault(true);
    drucken_->setGeometry(150, 182, 85, 25);
    abbruch_ = new QPushButton(QStringLiteral("Abbruch"), this);
    abbruch_->setObjectName(QStringLiteral("Button2"));
    abbruch_->setGeometry(245, 182, 85, 25);
    // Every control whole inside the dialog, whatever the desktop's font.
    int rechts = 380 - 12;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        w->resize(std::max(w->width(), w->sizeHint().width()), w->height());
        rechts = std::max(rechts, w->geometry().right() + 1);
    }
    setFixedSize(rechts + 12, 220);
    // Every control explains itself through the title bar's "?" or Shift+F1.
    setWindowFlag(Qt::WindowContextHelpButtonHint);
    THilfe::Kurzhilfe(spalten_, 1090);
    THilfe::Kurzhilfe(seiten_, 1091);
    THilfe::Kurzhilfe(begrenzen_, 1092);
    THilfe::Kurzhilfe(namen_, 1093);
    THilfe::Kurzhilfe(ohneVon_, 1094);
    THilfe::Kurzhilfe(ohneKlammern_, 1095);
    THilfe::Kurzhilfe(drucken_, 1096);
    THilfe::Kurzhilfe(abbruch_, 1096);
    connect(spalten_, &QSpinBox::valueChanged, this, &TForm20::Auffrischen);
    connect(begrenzen_, &QCheckBox::toggled, this, &TForm20::Auffrischen);
    connect(drucken_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbruch_, &QPushButton::clicked, this, &QDialog::reject);
    Zuruecksetzen();
}

void TForm20::Zuruecksetzen() {
    const Namenstagsdruckoptionen o;
    spalten_->setValue(o.spalten);
    begrenzen_->setChecked(o.namenBegrenzen);
    namen_->setValue(o.hoechstens);
    ohneVon_->setChecked(o.ohneVon);
    ohneKlammern_->setChecked(o.ohneKlammern);
    Auffrischen();
}

void TForm20::Auffrischen() {
    seiten_->setText(QString::fromStdString(Seitenhinweis(spalten_->value())));
    namen_->setEnabled(begrenzen_->isChecked());
}

bool TForm20::Fragen() {
    Zuruecksetzen();
    return exec() == QDialog::Accepted;
}

Namenstagsdruckoptionen TForm20::Optionen() const {
    Namenstagsdruckoptionen o;
    o.spalten = spalten_->value();
    o.namenBegrenzen = begrenzen_->isChecked();
    o.hoechstens = namen_->value();
    o.ohneVon = ohneVon_->isChecked();
    o.ohneKlammern = ohneKlammern_->isChecked();
    return o;
}

}  // namespace kalvora
