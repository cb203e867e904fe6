#include "main/fenster/Kurztext.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyle>

#include <algorithm>

namespace kalvora {

int Textraum(const QLabel& l) {
    // As QLabel::paintEvent places plain text.
    QRect r = l.contentsRect().adjusted(l.margin(), l.margin(), -l.margin(), -l.margin());
    int einzug = l.indent();
    if (einzug < 0 && l.frameWidth())
        einzug = l.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - l.margin();
    if (einzug > 0) {
        const Qt::Alignment a = QStyle::visualAlignment(l.layoutDirection(), l.alignment());
        if (a & Qt::AlignLeft) r.setLeft(r.left() + einzug);
        if (a & Qt::AlignRight) r.setRight(r.right() - einzug);
    }
    return std::max(0, r.width());
}

TKurztext::TKurztext(QWidget* parent) : QLabel(parent) {
    // Names and status texts are plain text, whatever characters they hold.
    setTextFormat(Qt::PlainText);
}

void TKurztext::TextSetzen(const QString& text) {
    voll_ = text;
    Kuerzen();
}

void TKurztext::ImmerHinweis(bool an) {
    immerHinweis_ = an;
    Kuerzen();
}

void TKurztext::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    Kuerzen();
}

void TKurztext::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) Kuerzen();
}

void TKurztext::Kuerzen() {
    const QString gezeigt =
        fontMetrics().elidedText(voll_, Qt::ElideRight, Textraum(*this));
    if (text() != gezeigt) setText(gezeigt);
    const QString hinweis = immerHinweis_ || gezeigt != voll_ ? voll_ : QString();
    if (toolTip() != hinweis) setToolTip(hinweis);
}

}  // namespace kalvora
