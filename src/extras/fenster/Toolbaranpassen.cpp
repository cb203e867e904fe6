#include "extras/fenster/Toolbaranpassen.h"

#include <algorithm>

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace kalvora {
namespace {

// A box gets 210 pixels, or up to platz where its caption needs more; a caption wider still
// is written smaller until it shows whole.
void BoxSetzen(QCheckBox* b, int x, int y, int platz) {
    QFont f = b->font();
    const bool pixel = f.pixelSize() > 0;
    for (int schritt = 0; b->sizeHint().width() > platz && schritt < 6; ++schritt) {
        if (pixel)
            f.setPixelSize(f.pixelSize() - 1);
        else
            f.setPointSizeF(f.pointSizeF() - 0.5);
        b->setFont(f);
    }
    b->setGeometry(x, y, std::min(std::max(b->sizeHint().width(), 210), platz), 22);
}

}  // namespace

TToolbaranpassen::TToolbaranpassen(const ToolbarSichtbarkeit& gespeichert,
                                   const std::function<QIcon(int)>& symbol, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Toolbaranpassen"));
    setWindowTitle(QStringLiteral("Toolbar anpassen"));
    setFixedSize(682, 393);
    auto* hinweis = new QLabel(QStringLiteral("Wählen Sie hier diejenigen Menüpunkte aus, die "
                                              "Sie in der Toolbar sehen möchten:"),
                               this);
    hinweis->move(16, 8);
    hinweis->adjustSize();
    for (int i = 1; i <= AnzahlToolbuttons; ++i) {
        const int spalte = (i - 1) / 13, reihe = (i - 1) % 13;
        auto* b = new QCheckBox(QString::fromUtf8(Toolbuttons()[i - 1].dialogtext), this);
        b->setObjectName(QStringLiteral("Toolbutton%1").arg(i, 2, 10, QLatin1Char('0')));
        b->setIcon(symbol(i));
        b->setIconSize(QSize(16, 16));
        BoxSetzen(b, 34 + 216 * spalte, 32 + 24 * reihe,
                  spalte < 2 ? 216 - 4 : 682 - 4 - (34 + 216 * spalte));
        b->setChecked(gespeichert[i - 1]);
        boxen_[static_cast<std::size_t>(i - 1)] = b;
    }
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    abbrechen_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    ok_->setDefault(true);
    ok_->setGeometry(682 - 2 * 96 - 24, 393 - 36, 90, 26);
    abbrechen_->setGeometry(682 - 96 - 12, 393 - 36, 90, 26);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen_, &QPushButton::clicked, this, &QDialog::reject);
}

ToolbarSichtbarkeit TToolbaranpassen::Auswahl() const {
    ToolbarSichtbarkeit s{};
    for (int i = 0; i < AnzahlToolbuttons; ++i) s[i] = boxen_[i]->isChecked();
    return s;
}

}  // namespace kalvora
