#include "main/fenster/Statusleiste.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QProgressBar>

#include <algorithm>

#include "main/fenster/Kurztext.h"

namespace kalvora {
namespace {

// Three fixed widths; the fourth panel takes the rest.
constexpr int kFeldbreiten[] = {180, 250, 55};

}  // namespace

TStatusleiste::TStatusleiste(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(true);
    setMouseTracking(true);  // the pointer on it empties panels 0, 1 and 3
    for (int i = 0; i < 4; ++i) {
        auto* feld = new TKurztext(this);
        feld->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        feld->setMouseTracking(true);
        feld->installEventFilter(this);
        if (i < 3) {
            feld->setFixedWidth(kFeldbreiten[i]);
            addWidget(feld);
        } else {
            addWidget(feld, 1);
        }
        felder_.push_back(feld);
    }
    fortschritt_ = new QProgressBar(this);
    fortschritt_->setObjectName(QStringLiteral("ProgressBar1"));
    fortschritt_->setRange(0, 100);
    fortschritt_->setTextVisible(false);
    fortschritt_->hide();
}

TKurztext* TStatusleiste::Feld(int nummer) const {
    if (nummer < 0 || nummer >= int(felder_.size())) return nullptr;
    return felder_[nummer];
}

bool TStatusleiste::TagestexteLeeren() {
    bool hatte = false;
    for (int i : {0, 1, 3}) {
        hatte = hatte || !felder_[i]->VollerText().isEmpty();
        felder_[i]->TextSetzen({});
    }
    return hatte;
}

void TStatusleiste::FortschrittPlatzieren() {
    // Over the fourth panel, 5 pixels below the top of the status bar.
    const int x = felder_[3]->geometry().x();
    const int hoehe = std::max(6, height() - 8);
    fortschritt_->setGeometry(x, 5, std::max(40, width() - x - 24), hoehe);
}

void TStatusleiste::ArbeitBeginnen() {
    if (!arbeitet_) QApplication::setOverrideCursor(Qt::WaitCursor);
    arbeitet_ = true;
    FortschrittPlatzieren();
    fortschritt_->setValue(0);
    fortschritt_->show();
    fortschritt_->repaint();
}

void TStatusleiste::FortschrittSetzen(int prozent) {
    const int wert = std::clamp(prozent, 0, 100);
    if (fortschritt_->value() == wert) return;
    fortschritt_->setValue(wert);
    // Long work runs on this thread; paint the bar now instead of after the work.
    if (fortschritt_->isVisible()) fortschritt_->repaint();
}

void TStatusleiste::ArbeitBeenden() {
    if (arbeitet_) QApplication::restoreOverrideCursor();
    arbeitet_ = false;
    fortschritt_->hide();
    fortschritt_->setValue(0);
}

bool TStatusleiste::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() == QEvent::Enter || e->type() == QEvent::MouseMove) emit ZeigerDarauf();
    return QStatusBar::eventFilter(objekt, e);
}

void TStatusleiste::mouseMoveEvent(QMouseEvent* e) {
    emit ZeigerDarauf();
    QStatusBar::mouseMoveEvent(e);
}

void TStatusleiste::enterEvent(QEnterEvent* e) {
    emit ZeigerDarauf();
    QStatusBar::enterEvent(e);
}

void TStatusleiste::resizeEvent(QResizeEvent* e) {
    QStatusBar::resizeEvent(e);
    if (fortschritt_->isVisible()) FortschrittPlatzieren();
}

}  // namespace kalvora
