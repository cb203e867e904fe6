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
#include <memory>
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
    void Figur(const std::string& schluessel, const kalvora::Rechteck& bereich,
               const std::function<void(Leinwand&)>& malen) override;

    // The painter underneath, for drawings that Qt renders itself (the statistics chart);
    // whoever paints on it saves and restores its state.
    QPainter& Maler() { return p_; }

private:
    const QFontMetrics& Masse();
    // Outline rectangle for the current pen so that it stays inside r.
    QRectF Umriss(const kalvora::Rechteck& r) const;
    // Pen, brush and font reach the painter only when a Qt call needs them: building a QPen
    // or QBrush costs an allocation, and most calls here fill with a plain colour instead.
    void StiftBereit();
    void PinselBereit();
    void SchriftBereit();
    QPen AlsQPen() const;
    QBrush AlsQBrush() const;
    // Whether small shapes and texts may be drawn as cached images: only on a raster device
    // without scaling (a printer gets real text and outlines), and only in copy mode.
    bool BilderErlaubt() const;

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
    // A stencil trimmed to its visible pixels; an opaque one loses its alpha channel, so that
    // it is copied instead of blended.
    static Schablone Zuschneiden(const QImage& bild, QPoint versatz);
    void SchabloneZeichnen(int x, int y, const Schablone& s);

    // Fonts and laid-out texts are kept, because a paint switches between a few fonts
    // hundreds of times and writes the same short numbers over and over.
    struct Schriftdaten {
        QFont font;
        QFontMetrics masse;
        std::unordered_map<std::string, QStaticText> texte;
        std::unordered_map<std::string, int> breiten;
        // Rendered texts by text, text colour and background (see Text).
        std::unordered_map<std::string, Schablone> bilder;
    };
    // Name, size, pixel height, style, resolution of the device.
    using Schriftschluessel = std::tuple<std::string, int, int, int, int>;
    // Every paint makes a new canvas, so what is worth keeping outlives it: canvases on the
    // GUI thread share one store for the whole run, others have their own.
    struct Speicher {
        std::unordered_map<std::string, Schablone> schablonen;
        std::map<Schriftschluessel, Schriftdaten> schriften;
    };
    static Speicher& GemeinsamerSpeicher();

    QPainter& p_;
    const bool raster_;
    std::unique_ptr<Speicher> eigenerSpeicher_;
    Speicher* speicher_;
    Zeichenmodus modus_ = Zeichenmodus::Kopieren;
    Stift stift_;
    Pinsel pinsel_;
    Schrift schrift_;
    int pixelhoehe_ = 0;
    Hintergrundmodus hintergrund_ = Hintergrundmodus::Deckend;
    bool stiftAktiv_ = false;   // the painter's pen is stift_
    bool pinselAktiv_ = false;  // the painter's brush is pinsel_
    bool schriftAktiv_ = false;
    Schriftdaten* aktuell_ = nullptr;
    std::string figurSchluessel_;
};

}  // namespace kalvora
