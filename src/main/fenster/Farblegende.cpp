#include "main/fenster/Farblegende.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include "main/fenster/Kurztext.h"
#include "main/fenster/Programmschrift.h"
#include "platform/qt/QtLeinwand.h"

namespace kalvora {
namespace {

struct Legendenplatz {
    int feld;  // number of the swatch label
    int name;  // number of the name label
    int x, y;  // in the bottom panel
};
const Legendenplatz kLegende[AnzahlFarben] = {
    {24, 2, 224, 12},   {25, 3, 224, 44},   {26, 4, 224, 76},   {27, 5, 368, 12},
    {28, 6, 368, 44},   {29, 7, 368, 76},   {30, 8, 512, 12},   {31, 9, 512, 44},
    {32, 10, 512, 76},  {71, 74, 656, 12},  {72, 75, 656, 44},  {73, 76, 656, 76},
    {77, 85, 224, 108}, {78, 86, 368, 108}, {79, 87, 512, 108}, {80, 88, 656, 108},
    {81, 89, 800, 12},  {82, 90, 800, 44},  {83, 91, 800, 76},  {84, 92, 800, 108},
};
constexpr int kFeld = 21, kNameAbstand = 32, kNameBreite = 97, kNameHoehe = 13;

}  // namespace

void Einfaerben(QLabel* l, uint32_t farbe) {
    const QColor c = AlsQColor(farbe);
    l->setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: %2; }")
                         .arg(c.name(), qGray(c.rgb()) < 128 ? QStringLiteral("white")
                                                            : QStringLiteral("black")));
}

TFarblegende::TFarblegende(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Farblegende"));
    setMouseTracking(true);  // the pointer between the swatches counts as the background
    int rechts = 0, unten = 0;
    for (const Legendenplatz& p : kLegende) {
        const int x = p.x - kLinks, y = p.y - kOben;
        auto* feld = new QLabel(this);
        feld->setObjectName(QStringLiteral("Label%1").arg(p.feld));
        feld->setGeometry(x, y, kFeld, kFeld);
        feld->setAlignment(Qt::AlignCenter);
        feld->setFrameStyle(QFrame::Box | QFrame::Plain);
        feld->installEventFilter(this);
        auto* name = new TKurztext(this);
        name->setObjectName(QStringLiteral("Label%1").arg(p.name));
        name->setGeometry(x + kNameAbstand, y + 4, kNameBreite, kNameHoehe);
        name->ImmerHinweis(true);
        felder_.push_back(feld);
        namen_.push_back(name);
        rechts = std::max(rechts, x + kNameAbstand + kNameBreite);
        unten = std::max(unten, y + kFeld);
    }
    setGeometry(kLinks, kOben, rechts, unten);
}

QLabel* TFarblegende::Farbfeld(int slot) const {
    return slot >= 1 && slot <= AnzahlFarben ? felder_[slot - 1] : nullptr;
}

QIcon TFarblegende::Farbsymbol(int slot) const {
    return slot >= 1 && slot <= AnzahlFarben ? symbole_[slot] : QIcon();
}

TKurztext* TFarblegende::Farbname(int slot) const {
    return slot >= 1 && slot <= AnzahlFarben ? namen_[slot - 1] : nullptr;
}

void TFarblegende::Zeigen(const TKalender& kal,
                          const std::array<int, AnzahlFarben + 1>& zaehler) {
    for (int k = 1; k <= AnzahlFarben; ++k) {
        Einfaerben(felder_[k - 1], kal.Farbwerte[k]);
        namen_[k - 1]->TextSetzen(QString::fromStdString(kal.Farbnamen[k]));  // and its tooltip
        QPixmap p(16, 16);
        p.fill(AlsQColor(kal.Farbwerte[k]));
        symbole_[k] = QIcon(p);
    }
    ZaehlerZeigen(zaehler);
}

void TFarblegende::ZaehlerZeigen(const std::array<int, AnzahlFarben + 1>& zaehler) {
    for (int k = 1; k <= AnzahlFarben; ++k) felder_[k - 1]->setText(QString::number(zaehler[k]));
}

void TFarblegende::SlotsZeigen(int anzahl) {
    for (int k = 1; k <= AnzahlFarben; ++k) {
        felder_[k - 1]->setVisible(k <= anzahl);
        namen_[k - 1]->setVisible(k <= anzahl);
    }
}

void TFarblegende::Bearbeitbar(bool ja) {
    for (QLabel* feld : felder_) feld->setEnabled(ja);
}

bool TFarblegende::eventFilter(QObject* objekt, QEvent* e) {
    const auto it = std::find(felder_.begin(), felder_.end(), objekt);
    if (it == felder_.end()) return QWidget::eventFilter(objekt, e);
    const int slot = static_cast<int>(it - felder_.begin()) + 1;
    switch (e->type()) {
        case QEvent::Enter: emit FarbfeldBetreten(slot); return false;
        case QEvent::Leave: emit FarbfeldVerlassen(slot); return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* m = static_cast<QMouseEvent*>(e);
            if (e->type() == QEvent::MouseButtonDblClick && m->button() == Qt::LeftButton)
                emit FarbfeldDoppelklick(slot);
            else if (m->button() == Qt::LeftButton)
                emit FarbfeldGeklickt(slot);
            else if (m->button() == Qt::RightButton)
                emit FarbfeldRechtsklick(slot);
            return true;
        }
        default: return false;
    }
}

void TFarblegende::mouseMoveEvent(QMouseEvent* e) {
    if (!childAt(e->position().toPoint())) emit HintergrundBeruehrt();
    QWidget::mouseMoveEvent(e);
}

void TFarblegende::enterEvent(QEnterEvent* e) {
    if (!childAt(e->position().toPoint())) emit HintergrundBeruehrt();
    QWidget::enterEvent(e);
}

}  // namespace kalvora
