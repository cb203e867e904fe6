#pragma once
// The widget of the year view: paints through the logic onto a QPainter and hands pointer,
// wheel and tooltip events to it.
#include <QCursor>
#include <QWidget>

#include <cstdint>
#include <map>

class QTimer;

#include "main/Alarm.h"
#include "main/Jahresansicht.h"

namespace kalvora {

Maustasten AlsMaustasten(Qt::MouseButtons knoepfe);

class TJahresflaeche : public QWidget {
    Q_OBJECT
public:
    TJahresflaeche(TJahresansicht& ansicht, QWidget* parent = nullptr);

    // The pointer's position when it is over the view.
    std::optional<Punkt> Zeigerposition() const;
    // The pointer image for a shape (images of their own for the editing modes), and the
    // one the view shows now.
    QCursor Zeiger(Zeigerform form) const;
    void ZeigerformSetzen(Zeigerform form) { setCursor(Zeiger(form)); }
    // The legend highlight: every 200 ms the cells of the days holding the colour invert
    // and return. Hervorheben with another colour starts over; Anhalten undraws a drawn
    // highlight and tells whether one was running.
    void Hervorheben(uint32_t farbe);
    bool HervorhebungAnhalten();
    bool Hervorhebt() const;
    uint32_t HervorgehobeneFarbe() const { return hervorgehoben_; }
    // Whether the view is repainting for a tick of the highlight or of the fading frame
    // right now.
    bool ImTakt() const { return takt_ || rahmenTakt_; }
    // Today's fading frame: every intervallMs the grey steps on by geschwindigkeit.
    void RahmenBlinken(bool an, int intervallMs, int geschwindigkeit);
    bool RahmenBlinkt() const;
    const Rahmenblende& Blende() const { return blende_; }
    // Rectangles inverted over the painted year; empty while none is drawn.
    const std::vector<Rechteck>& Markierung() const { return markierung_; }

signals:
    void Gezeichnet();
    // The pointer evaluation ran; the window shows its texts.
    void Ausgewertet();
    void TagDoppelklick();
    void JahrTitelDoppelklick();
    void Kontextmenue(const QPoint& global);
    void Blaettern(int jahre);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    TJahresansicht& ansicht_;
    int radRest_ = 0;  // wheel steps smaller than one notch
    std::vector<Rechteck> markierung_;
    std::map<Zeigerform, QCursor> zeiger_;
    void Hervorhebungstakt();
    void Rahmentakt();
    QTimer* rahmenTimer_ = nullptr;
    Rahmenblende blende_;
    int geschwindigkeit_ = 20;
    bool rahmenTakt_ = false;
    QTimer* blinker_ = nullptr;
    uint32_t hervorgehoben_ = 0;
    bool an_ = false;  // the highlight is drawn
    bool takt_ = false;
};

}  // namespace kalvora
