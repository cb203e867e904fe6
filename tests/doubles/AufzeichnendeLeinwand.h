#pragma once
// A canvas that records every drawing call with the pen, brush and font in force, and
// measures text with fixed metrics: width = characters × zeichenbreite, height = zeilenhoehe.
#include <string>
#include <vector>

#include "platform/Leinwand.h"

namespace kalvora::test {

enum class Zeichenart {
    Linie,
    Rechteck,
    RechteckFuellen,
    Ellipse,
    Polygon,
    Polylinie,
    Pixel,
    Text
};

struct Zeichnung {
    Zeichenart art = Zeichenart::Linie;
    std::vector<Punkt> punkte;  // Linie: start and end; Polygon, Polylinie: all; Pixel, Text: one
    Rechteck rechteck;          // Rechteck, RechteckFuellen, Ellipse
    std::string text;
    uint32_t pixelfarbe = 0;
    Stift stift;
    Pinsel pinsel;
    Schrift schrift;
    int pixelhoehe = 0;
    Hintergrundmodus hintergrund = Hintergrundmodus::Deckend;
    Zeichenmodus modus = Zeichenmodus::Kopieren;
};

class AufzeichnendeLeinwand : public Leinwand {
public:
    int zeichenbreite = 6;
    int zeilenhoehe = 12;
    std::vector<Zeichnung> zeichnungen;

    void StiftSetzen(const Stift& stift) override { stift_ = stift; }
    Stift AktuellerStift() const override { return stift_; }
    void PinselSetzen(const Pinsel& pinsel) override { pinsel_ = pinsel; }
    Pinsel AktuellerPinsel() const override { return pinsel_; }
    void SchriftSetzen(const Schrift& schrift, int pixelhoehe) override {
        schrift_ = schrift;
        pixelhoehe_ = pixelhoehe;
    }
    Schrift AktuelleSchrift() const override { return schrift_; }
    void HintergrundSetzen(Hintergrundmodus modus) override { hintergrund_ = modus; }
    void ModusSetzen(Zeichenmodus modus) override { modus_ = modus; }

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

    // Recorded calls of one kind, in order.
    std::vector<Zeichnung> Alle(Zeichenart art) const;
    // Index of the first recorded call matching, -1 for none.
    int Erste(Zeichenart art, const std::string& text = {}) const;
    // The drawings that touch the pixel (x, y) (rectangles and texts by their area).
    std::vector<Zeichnung> An(int x, int y) const;
    void Leeren() { zeichnungen.clear(); }

private:
    Zeichnung Neu(Zeichenart art) const;
    Stift stift_;
    Pinsel pinsel_;
    Schrift schrift_;
    int pixelhoehe_ = 0;
    Hintergrundmodus hintergrund_ = Hintergrundmodus::Deckend;
    Zeichenmodus modus_ = Zeichenmodus::Kopieren;
};

}  // namespace kalvora::test
