#include "main/fenster/Jahresflaeche.h"

#include <QContextMenuEvent>

#include <algorithm>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QPixmap>
#include <QSvgRenderer>
#include <QToolTip>
#include <QWheelEvent>

#include "main/Farbbearbeitung.h"
#include "platform/qt/QtDaten.h"
#include "platform/qt/QtLeinwand.h"

namespace kalvora {

Maustasten AlsMaustasten(Qt::MouseButtons knoepfe) {
    Maustasten t;
    t.links = knoepfe & Qt::LeftButton;
    t.rechts = knoepfe & Qt::RightButton;
    t.mitte = knoepfe & Qt::MiddleButton;
    return t;
}

namespace {

// A pointer image of the data folder; the tip of its arrow is the hot spot.
QCursor Zeigerbild(const QString& name, Qt::CursorShape ersatz) {
    QSvgRenderer svg(Datenpfad(QStringLiteral("zeiger/%1.svg").arg(name)));
    if (!svg.isValid()) return QCursor(ersatz);
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    svg.render(&p);
    p.end();
    return QCursor(bild, 1, 1);
}

}  // namespace

TJahresflaeche::TJahresflaeche(TJahresansicht& ansicht, QWidget* parent)
    : QWidget(parent), ansicht_(ansicht) {
    setObjectName(QStringLiteral("Jahresansicht"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::PreventContextMenu);  // the right press opens it
    blinker_ = new QTimer(this);
    blinker_->setInterval(200);
    connect(blinker_, &QTimer::timeout, this, &TJahresflaeche::Hervorhebungstakt);
    rahmenTimer_ = new QTimer(this);
    connect(rahmenTimer_, &QTimer::timeout, this, &TJahresflaeche::Rahmentakt);
    zeiger_[Zeigerform::Pfeil] = QCursor(Qt::ArrowCursor);
    zeiger_[Zeigerform::Hilfe] = QCursor(Qt::WhatsThisCursor);
    zeiger_[Zeigerform::Plus] = Zeigerbild(QStringLiteral("plus"), Qt::CrossCursor);
    zeiger_[Zeigerform::Minus] = Zeigerbild(QStringLiteral("minus"), Qt::CrossCursor);
    zeiger_[Zeigerform::Neu] = Zeigerbild(QStringLiteral("neu"), Qt::CrossCursor);
    zeiger_[Zeigerform::Loeschen] = Zeigerbild(QStringLiteral("loeschen"), Qt::CrossCursor);
}

void TJahresflaeche::Hervorheben(uint32_t farbe) {
    if (hervorgehoben_ != farbe) HervorhebungAnhalten();
    hervorgehoben_ = farbe;
    if (!blinker_->isActive()) blinker_->start();
}

bool TJahresflaeche::Hervorhebt() const { return blinker_->isActive(); }

void TJahresflaeche::RahmenBlinken(bool an, int intervallMs, int geschwindigkeit) {
    geschwindigkeit_ = geschwindigkeit;
    if (!an) {
        if (!rahmenTimer_->isActive()) return;
        rahmenTimer_->stop();
        // The frame goes back to the black one of the normal paint.
        if (const auto z = ansicht_.HeuteZelle())
            update(z->links, z->oben, z->Breite(), z->Hoehe());
        return;
    }
    const int ms = std::max(1, intervallMs);
    if (!rahmenTimer_->isActive() || rahmenTimer_->interval() != ms) rahmenTimer_->start(ms);
}

bool TJahresflaeche::RahmenBlinkt() const { return rahmenTimer_->isActive(); }

void TJahresflaeche::Rahmentakt() {
    blende_.Schritt(geschwindigkeit_);
    const auto z = ansicht_.HeuteZelle();
    if (!z || !isVisible()) return;
    rahmenTakt_ = true;
    repaint(z->links, z->oben, z->Breite(), z->Hoehe());
    rahmenTakt_ = false;
}

void TJahresflaeche::Hervorhebungstakt() {
    // The fading frame waits while the highlight ticks.
    const bool rahmen = rahmenTimer_->isActive();
    if (rahmen) rahmenTimer_->stop();
    an_ = !an_;
    const std::vector<Rechteck> zellen = Blinkzellen(ansicht_, ansicht_.Kalender(), hervorgehoben_);
    QRegion bereich;
    for (const Rechteck& r : zellen) bereich += QRect(r.links, r.oben, r.Breite(), r.Hoehe());
    markierung_ = an_ ? zellen : std::vector<Rechteck>{};
    takt_ = true;
    if (!bereich.isEmpty()) repaint(bereich);
    takt_ = false;
    if (rahmen) rahmenTimer_->start();
}

bool TJahresflaeche::HervorhebungAnhalten() {
    const bool lief = blinker_->isActive();
    blinker_->stop();
    if (an_) {
        an_ = false;
        markierung_.clear();
        update();
    }
    return lief;
}

QCursor TJahresflaeche::Zeiger(Zeigerform form) const {
    const auto it = zeiger_.find(form);
    return it == zeiger_.end() ? QCursor(Qt::ArrowCursor) : it->second;
}

std::optional<Punkt> TJahresflaeche::Zeigerposition() const {
    const QPoint p = mapFromGlobal(QCursor::pos());
    if (!rect().contains(p)) return std::nullopt;
    return Punkt{p.x(), p.y()};
}

bool TJahresflaeche::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        // The special day under the pointer, painted or not.
        auto* h = static_cast<QHelpEvent*>(e);
        const std::string text = ansicht_.TooltipAn(h->pos().x(), h->pos().y());
        const auto tm = ansicht_.TagAnPosition(h->pos().x(), h->pos().y());
        if (text.empty() || !tm) {
            QToolTip::hideText();
            e->ignore();
        } else {
            const Rechteck z = ansicht_.TagesZelle(tm->tag, tm->monat);
            QToolTip::showText(h->globalPos(), QString::fromStdString(text), this,
                               QRect(z.links, z.oben, z.Breite(), z.Hoehe()));
        }
        return true;
    }
    return QWidget::event(e);
}

void TJahresflaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    QtLeinwand leinwand(p);
    ansicht_.JahresansichtMalen(leinwand);
    if (!markierung_.empty()) {
        // A white brush in exclusive-or mode inverts the cells; drawn again they return.
        leinwand.ModusSetzen(Zeichenmodus::Xor);
        leinwand.PinselSetzen({0xFFFFFF, Pinselstil::Voll});
        for (const Rechteck& r : markierung_) leinwand.RechteckFuellen(r);
        leinwand.ModusSetzen(Zeichenmodus::Kopieren);
    }
    if (rahmenTimer_->isActive()) ansicht_.HeuteRahmen(leinwand, blende_.grau);
    p.end();
    // A tick of the frame is no paint of the year view.
    if (!rahmenTakt_) emit Gezeichnet();
}

void TJahresflaeche::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    ansicht_.ZeigerAuswerten(p.x(), p.y(), AlsMaustasten(e->buttons()));
    emit Ausgewertet();
}

void TJahresflaeche::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    ansicht_.ZeigerAuswerten(p.x(), p.y(), AlsMaustasten(e->buttons()));
    emit Ausgewertet();
    if (e->button() == Qt::RightButton) emit Kontextmenue(e->globalPosition().toPoint());
}

void TJahresflaeche::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint p = e->position().toPoint();
    if (ansicht_.JahrTitelBereich().Enthaelt(p.x(), p.y())) {
        emit JahrTitelDoppelklick();
        return;
    }
    ansicht_.ZeigerAuswerten(p.x(), p.y());
    emit Ausgewertet();
    emit TagDoppelklick();
}

void TJahresflaeche::wheelEvent(QWheelEvent* e) {
    // One year per notch; forward (away from the user) is later.
    radRest_ += e->angleDelta().y();
    const int schritte = radRest_ / 120;
    if (schritte != 0) {
        radRest_ -= schritte * 120;
        for (int i = 0; i < std::abs(schritte); ++i) emit Blaettern(schritte > 0 ? 1 : -1);
    }
    e->accept();
}

}  // namespace kalvora
