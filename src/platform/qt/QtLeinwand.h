#pragma once
// The Leinwand on a QPainter: a widget, a QImage or a QPrinter page. Lines and rectangles
// keep the exclusive end points of the interface (flat caps, outlines one pixel inside).
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>

#include "platform/Leinwand.h"

namespace kalvora {

QColor AlsQColor(uint32_t bbggrr);

class QtLeinwand : public Leinwand {
public:
    // The painter must be active and outlive this object.
    explicit QtLeinwand(QPainter& painter);

    void StiftSetzen(const Stift& stift) override;
    Stift AktuellerStift() const override { return stift_; }
    void PinselSetzen(const Pinsel& pinsel) override;
    Pinsel AktuellerPinsel() const override { return pinsel_; }
    void SchriftSetzen(const Schrift& schrift, int pixelhoehe = 0) override;
    Schrift AktuelleSchrift() const override { return schrift_; }
    void HintergrundSetzen(Hintergrundmodus modus) override { hintergrund_ = modus; }
    void ModusSetzen(Zeichenmodus modus) override;

    void Linie(int x1, int y1, int x2, int y2) override;
    void Rechteck(const kalvora::Rechteck& r) override;
    void RechteckFuellen(const kalvora::Rechteck& r) override;
    void Ellipse(const kalvora::Rechteck& r) override;
    void Polygon(const std::vector<Punkt>& punkte) override;
    void Polylinie(const std::vector<Punkt>& punkte) override;
    void Pixel(int x, int y, uint32_t farbe) override;
    void Text(int x, int y, const std::string& text) override;
    int Textbreite(const std::string& text) override;
    int Texthoehe(const std::string& text) override;

private:
    const QFontMetrics& Masse();
    // Outline rectangle for the current pen so that it stays inside r.
    QRectF Umriss(const kalvora::Rechteck& r) const;
    // Puts the pen back after text has borrowed the painter's pen for its colour.
    void StiftHerstellen();
    void StiftAnwenden();

    // Small shapes and texts recur hundreds of times per paint (marks, glyphs, day numbers).
    // The raster engine sets up a polygon or a text run far more slowly than it blits a small
    // image, so each distinct shape is drawn once into a transparent stencil and then copied.
    struct Schablone {
        QImage bild;
        QPoint versatz;  // of the stencil's top-left from the shape's reference point
    };
    const Schablone* SchabloneFuer(const std::string& schluessel);
    void SchabloneAblegen(const std::string& schluessel, Schablone s);
    std::string FormSchluessel(char art, const std::vector<Punkt>& punkte, Punkt ursprung) const;
    void FormZeichnen(char art, const std::vector<Punkt>& punkte);

    QPainter& p_;
    Zeichenmodus modus_ = Zeichenmodus::Kopieren;
    std::unordered_map<std::string, Schablone> schablonen_;
    Stift stift_;
    Pinsel pinsel_;
    Schrift schrift_;
    int pixelhoehe_ = 0;
    Hintergrundmodus hintergrund_ = Hintergrundmodus::Deckend;
    bool textstift_ = false;
    uint32_t textfarbe_ = 0;
    // Fonts and laid-out texts are kept, because a paint switches between a few fonts
    // hundreds of times and writes the same short numbers over and over.
    struct Schriftdaten {
        QFont font;
        QFontMetrics masse;
        std::unordered_map<std::string, QStaticText> texte;
    };
    using Schriftschluessel = std::tuple<std::string, int, int, int>;
    std::map<Schriftschluessel, Schriftdaten> schriften_;
    Schriftdaten* aktuell_ = nullptr;
};

}  // namespace kalvora
