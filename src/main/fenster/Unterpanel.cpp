// The bottom panel of the main window: legend, year field, current colour, appointment field.
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>
#include <QUrl>

#include "main/Ansichtswechsel.h"
#include "main/fenster/Jahresflaeche.h"
#include "main/fenster/Main.h"
#include "platform/qt/QtLeinwand.h"

namespace kalvora {
namespace {

constexpr int kPanelHoehe = 137;

struct Legendenplatz {
    int feld;  // number of the swatch label
    int name;  // number of the name label
    int x, y;
};
const Legendenplatz kLegende[AnzahlFarben] = {
    {24, 2, 224, 12},   {25, 3, 224, 44},   {26, 4, 224, 76},   {27, 5, 368, 12},
    {28, 6, 368, 44},   {29, 7, 368, 76},   {30, 8, 512, 12},   {31, 9, 512, 44},
    {32, 10, 512, 76},  {71, 74, 656, 12},  {72, 75, 656, 44},  {73, 76, 656, 76},
    {77, 85, 224, 108}, {78, 86, 368, 108}, {79, 87, 512, 108}, {80, 88, 656, 108},
    {81, 89, 800, 12},  {82, 90, 800, 44},  {83, 91, 800, 76},  {84, 92, 800, 108},
};

// The year field takes any start of a four-digit number while typing; the year view's rule
// decides what becomes of it.
class TJahresfeld : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& text, int&) const override {
        static const QRegularExpression ziffern(QStringLiteral("[0-9]{0,4}"));
        if (!ziffern.match(text).hasMatch() || ziffern.match(text).capturedLength() != text.size())
            return QValidator::Invalid;
        bool ok = false;
        const int wert = text.toInt(&ok);
        return ok && wert >= minimum() && wert <= maximum() ? QValidator::Acceptable
                                                            : QValidator::Intermediate;
    }
};

}  // namespace

void TForm1::UnteresPanelAufbauen() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(kPanelHoehe);
    panel->setMouseTracking(true);  // the pointer on the background empties the status bar
    unteresPanel_ = panel;

    farbenKnopf_ = new QPushButton(QStringLiteral("Farben"), panel);
    farbenKnopf_->setObjectName(QStringLiteral("Farben"));
    farbenKnopf_->setGeometry(8, 8, 89, 25);
    termineKnopf_ = new QPushButton(QStringLiteral("Termine"), panel);
    termineKnopf_->setObjectName(QStringLiteral("Termine"));
    termineKnopf_->setGeometry(104, 8, 89, 25);
    connect(farbenKnopf_, &QPushButton::clicked, this, [this] {
        TerminfeldZeigen(false);
        jahresfeld_->setFocus();
    });
    connect(termineKnopf_, &QPushButton::clicked, this, [this] {
        TerminfeldZeigen(true);
        terminfeld_->setFocus();
    });

    auto* jahrText = new QLabel(QStringLiteral("Aktuelles Jahr :"), panel);
    jahrText->setObjectName(QStringLiteral("Label1"));
    jahrText->move(16, 58);
    jahresfeld_ = new TJahresfeld(panel);
    jahresfeld_->setObjectName(QStringLiteral("SpinEdit1"));
    jahresfeld_->setRange(ErstesJahr, LetztesJahr);
    jahresfeld_->setGroupSeparatorShown(false);
    jahresfeld_->setGeometry(128, 56, 73, 22);
    jahresfeld_->setValue(ansicht_->Jahr());
    // Typing goes through the year view's rule, the arrows set the year directly.
    connect(jahresfeld_, &QSpinBox::valueChanged, this, [this](int jahr) {
        if (jahrWirdGesetzt_ || jahr == ansicht_->Jahr()) return;
        JahrSetzen(jahr);
    });
    connect(jahresfeld_->findChild<QLineEdit*>(), &QLineEdit::textEdited, this,
            [this](const QString& text) {
        if (jahrWirdGesetzt_) return;
        const std::string ergebnis = ansicht_->JahrEingabe(text.toStdString());
        if (ergebnis != text.toStdString()) {
            jahrWirdGesetzt_ = true;
            jahresfeld_->setValue(QString::fromStdString(ergebnis).toInt());
            jahrWirdGesetzt_ = false;
        }
        JahrAnzeigen();
    });

    aktuelleFarbeBox_ = new QCheckBox(QStringLiteral("Aktuelle Farbe:"), panel);
    aktuelleFarbeBox_->setObjectName(QStringLiteral("CheckBox1"));
    aktuelleFarbeBox_->setToolTip(
        QStringLiteral("Anklicken, um direkte Farbänderungen zu ermöglichen"));
    aktuelleFarbeBox_->move(16, 96);
    aktuelleFarbe_ = new TKurztext(panel);
    aktuelleFarbe_->setObjectName(QStringLiteral("Label33"));
    aktuelleFarbe_->setGeometry(128, 92, 65, 25);
    aktuelleFarbe_->setAlignment(Qt::AlignCenter);
    aktuelleFarbe_->setCursor(Qt::PointingHandCursor);
    aktuelleFarbe_->ImmerHinweis(true);

    for (const Legendenplatz& p : kLegende) {
        auto* feld = new QLabel(panel);
        feld->setObjectName(QStringLiteral("Label%1").arg(p.feld));
        feld->setGeometry(p.x, p.y, 21, 21);
        feld->setAlignment(Qt::AlignCenter);
        feld->setFrameStyle(QFrame::Box | QFrame::Plain);
        auto* name = new TKurztext(panel);
        name->setObjectName(QStringLiteral("Label%1").arg(p.name));
        name->setGeometry(p.x + 32, p.y + 4, 97, 13);
        name->ImmerHinweis(true);
        farbfelder_.push_back(feld);
        farbnamen_.push_back(name);
        legende_.push_back(feld);
        legende_.push_back(name);
    }

    terminfeld_ = new QTextEdit(panel);
    terminfeld_->setObjectName(QStringLiteral("Memo1"));
    terminfeld_->setReadOnly(true);
    terminfeld_->setContextMenuPolicy(Qt::CustomContextMenu);
    terminfeld_->hide();
    connect(terminfeld_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { LinkmenueZeigen(terminfeld_->mapToGlobal(p)); });
}

QLabel* TForm1::Farbfeld(int slot) const {
    return slot >= 1 && slot <= AnzahlFarben ? farbfelder_[slot - 1] : nullptr;
}

QLabel* TForm1::Farbname(int slot) const {
    return slot >= 1 && slot <= AnzahlFarben ? farbnamen_[slot - 1] : nullptr;
}

void TForm1::TerminfeldZeigen(bool zeigen) {
    ansicht_->terminfeldSichtbar = zeigen;
    for (int k = 1; k <= AnzahlFarben; ++k) {
        const bool da = !zeigen && (k <= 16 || einstellungen_.AnzahlFarben == 1);
        farbfelder_[k - 1]->setVisible(da);
        farbnamen_[k - 1]->setVisible(da);
    }
    terminfeld_->setVisible(zeigen);
    if (zeigen) {
        // The field shows the day under the pointer, or today.
        const std::optional<Punkt> p = flaeche_->Zeigerposition();
        ansicht_->ZeigerAuswerten(p ? p->x : 0, p ? p->y : 0);
        AnsichtTexteZeigen();
    }
}

void TForm1::LinkmenueZeigen(const QPoint& global) {
    const std::vector<std::string> links =
        LinksDesTages(kal_, auswahl_.tag, auswahl_.monat, auswahl_.jahr);
    if (links.empty()) return;
    QMenu menue(this);
    menue.setObjectName(QStringLiteral("Linkmenue"));
    for (const std::string& link : links) {
        const QString text = QString::fromStdString(link);
        // Handed to the desktop's "open", never to a command line.
        connect(menue.addAction(text), &QAction::triggered, this,
                [text] { QDesktopServices::openUrl(QUrl::fromUserInput(text)); });
    }
    menue.exec(global);
}

void TForm1::AnsichtTexteZeigen() {
    const auto& status = ansicht_->Statusfelder();
    for (int i : {0, 1, 3}) felder_[i]->TextSetzen(QString::fromStdString(status[i]));
    if (terminfeld_->isVisibleTo(unteresPanel_)) {
        QString text = QString::fromStdString(ansicht_->Terminfeld());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (terminfeld_->toPlainText() != text) terminfeld_->setPlainText(text);
    }
    sonne_->setText(QString::fromStdString(ansicht_->Sonnenbeschriftung()));
    sonnenplatz_->setVisible(ansicht_->SonneSichtbar());
    flaeche_->setCursor(Zeiger(ansicht_->Zeiger()));
    BefehleAktualisieren();
}

void TForm1::NachDemMalen() {
    felder_[2]->TextSetzen(QString::fromStdString(ansicht_->Statusfelder()[2]));
    const auto& zaehler = ansicht_->Legendenzaehler();
    for (int k = 1; k <= AnzahlFarben; ++k)
        farbfelder_[k - 1]->setText(QString::number(zaehler[k]));
    BefehleAktualisieren();
}

bool TForm1::SonnenfeldSichtbar() const { return sonnenplatz_->isVisible(); }

}  // namespace kalvora
