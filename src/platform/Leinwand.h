#pragma once
// A drawing surface: the year view, the legend blink, every printout and the charts draw
// through it. Coordinates are device pixels; rectangles are (left, top, right, bottom) with
// right and bottom exclusive, lines include their start point and exclude their end point.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialoge.h"  // Schrift

namespace kalvora {

struct Punkt {
    int x = 0;
    int y = 0;
    bool operator==(const Punkt&) const = default;
};

struct Rechteck {
    int links = 0;
    int oben = 0;
    int rechts = 0;
    int unten = 0;
    int Breite() const { return rechts - links; }
    int Hoehe() const { return unten - oben; }
    bool Enthaelt(int x, int y) const {
        return x >= links && x < rechts && y >= oben && y < unten;
    }
    bool operator==(const Rechteck&) const = default;
};

enum class Stiftstil {
    Durchgezogen,
    Gestrichelt,
    Gepunktet,
    StrichPunkt,
    StrichPunktPunkt,
    Keiner
};
enum class Pinselstil { Voll, Keiner, Horizontal, Vertikal, Kreuz, Diagonal };
// Kopieren paints the pen colour; Xor inverts what is underneath, so drawing twice restores it.
enum class Zeichenmodus { Kopieren, Xor };
// Deckend: text cells are filled with the brush colour first.
enum class Hintergrundmodus { Deckend, Transparent };

struct Stift {
    uint32_t farbe = 0;  // 0x00BBGGRR
    int breite = 1;
    Stiftstil stil = Stiftstil::Durchgezogen;
    bool operator==(const Stift&) const = default;
};

struct Pinsel {
    uint32_t farbe = 0xFFFFFF;
    Pinselstil stil = Pinselstil::Voll;
    bool operator==(const Pinsel&) const = default;
};

class Leinwand {
public:
    virtual ~Leinwand() = default;

    virtual void StiftSetzen(const Stift& stift) = 0;
    virtual Stift AktuellerStift() const = 0;
    virtual void PinselSetzen(const Pinsel& pinsel) = 0;
    virtual Pinsel AktuellerPinsel() const = 0;
    // Size in points; pixelhoehe > 0 asks for that character height in pixels instead.
    // The text colour is the font's colour.
    virtual void SchriftSetzen(const Schrift& schrift, int pixelhoehe = 0) = 0;
    virtual Schrift AktuelleSchrift() const = 0;
    virtual void HintergrundSetzen(Hintergrundmodus modus) = 0;
    virtual void ModusSetzen(Zeichenmodus modus) = 0;

    virtual void Linie(int x1, int y1, int x2, int y2) = 0;
    // Outline with the pen, inside filled with the brush (unless the brush style is Keiner).
    virtual void Rechteck(const kalvora::Rechteck& r) = 0;
    // Brush only, no outline.
    virtual void RechteckFuellen(const kalvora::Rechteck& r) = 0;
    virtual void Ellipse(const kalvora::Rechteck& r) = 0;
    // Closed, outlined with the pen and filled with the brush.
    virtual void Polygon(const std::vector<Punkt>& punkte) = 0;
    // Open; the last point is not drawn.
    virtual void Polylinie(const std::vector<Punkt>& punkte) = 0;
    virtual void Pixel(int x, int y, uint32_t farbe) = 0;
    // Top-left corner of the text cell at (x, y).
    virtual void Text(int x, int y, const std::string& text) = 0;
    virtual int Textbreite(const std::string& text) = 0;
    virtual int Texthoehe(const std::string& text) = 0;

    // A small figure that recurs unchanged apart from its place: `malen` draws it inside
    // `bereich`, and `schluessel` names everything it depends on except the position of
    // `bereich`. A canvas may draw it once and copy it after that. The figure sets its own pen,
    // brush and font (those in force are restored afterwards) and draws no text.
    virtual void Figur(const std::string& schluessel, const kalvora::Rechteck& bereich,
                       const std::function<void(Leinwand&)>& malen) {
        (void)schluessel;
        (void)bereich;
        const Stift stift = AktuellerStift();
        const Pinsel pinsel = AktuellerPinsel();
        malen(*this);
        StiftSetzen(stift);
        PinselSetzen(pinsel);
    }
};

}  // namespace kalvora
