#include "doubles/AufzeichnendeLeinwand.h"

namespace kalvora::test {

Zeichnung AufzeichnendeLeinwand::Neu(Zeichenart art) const {
    Zeichnung z;
    z.art = art;
    z.stift = stift_;
    z.pinsel = pinsel_;
    z.schrift = schrift_;
    z.pixelhoehe = pixelhoehe_;
    z.hintergrund = hintergrund_;
    z.modus = modus_;
    return z;
}

void AufzeichnendeLeinwand::Linie(int x1, int y1, int x2, int y2) {
    Zeichnung z = Neu(Zeichenart::Linie);
    z.punkte = {{x1, y1}, {x2, y2}};
    zeichnungen.push_back(std::move(z));
}

void AufzeichnendeLeinwand::Rechteck(const kalvora::Rechteck& r) {
    Zeichnung z = Neu(Zeichenart::Rechteck);
    z.rechteck = r;
    zeichnungen.push_back(std::move(z));
}

void AufzeichnendeLeinwand::RechteckFuellen(const kalvora::Rechteck& r) {
    Zeichnung z = Neu(Zeichenart::RechteckFuellen);
    z.rechteck = r;
    zeichnungen.push_back(std::move(z));
}

void AufzeichnendeLeinwand::Ellipse(const kalvora::Rechteck& r) {
    Zeichnung z = Neu(Zeichenart::Ellipse);
    z.rechteck = r;
    zeichnungen.push_back(std::move(z));
}

void AufzeichnendeLeinwand::Polygon(const std::vector<Punkt>& punkte) {
    Zeichnung z = Neu(Zeichenart::Polygon);
    z.punkte = punkte;
    zeichnungen.push_back(std::move(z));
}

void AufzeichnendeLeinwand::Polylinie(const std::vector<Punkt>& punkte) {
    Zeichnung z = Neu(Zeichenart::Polylinie);
    z.punkte = punkte;
    zeichnungen.push_back(std::move(z));
}

void AufzeichnendeLeinwand::Pixel(int x, int y, uint32_t farbe) {
    Zeichnung z = Neu(Zeichenart::Pixel);
    z.punkte = {{x, y}};
    z.pixelfarbe = farbe;
    zeichnungen.push_back(std::move(z));
}

void AufzeichnendeLeinwand::Text(int x, int y, const std::string& text) {
    Zeichnung z = Neu(Zeichenart::Text);
    z.punkte = {{x, y}};
    z.text = text;
    z.rechteck = {x, y, x + Textbreite(text), y + Texthoehe(text)};
    zeichnungen.push_back(std::move(z));
}

int AufzeichnendeLeinwand::Textbreite(const std::string& text) {
    int zeichen = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++zeichen;  // count UTF-8 lead bytes only
    return zeichen * zeichenbreite;
}

int AufzeichnendeLeinwand::Texthoehe(const std::string&) { return zeilenhoehe; }

std::vector<Zeichnung> AufzeichnendeLeinwand::Alle(Zeichenart art) const {
    std::vector<Zeichnung> v;
    for (const Zeichnung& z : zeichnungen)
        if (z.art == art) v.push_back(z);
    return v;
}

int AufzeichnendeLeinwand::Erste(Zeichenart art, const std::string& text) const {
    for (std::size_t i = 0; i < zeichnungen.size(); ++i)
        if (zeichnungen[i].art == art && (text.empty() || zeichnungen[i].text == text))
            return static_cast<int>(i);
    return -1;
}

std::vector<Zeichnung> AufzeichnendeLeinwand::An(int x, int y) const {
    std::vector<Zeichnung> v;
    for (const Zeichnung& z : zeichnungen) {
        switch (z.art) {
            case Zeichenart::Rechteck:
            case Zeichenart::RechteckFuellen:
            case Zeichenart::Ellipse:
            case Zeichenart::Text:
                if (z.rechteck.Enthaelt(x, y)) v.push_back(z);
                break;
            case Zeichenart::Pixel:
                if (z.punkte[0] == Punkt{x, y}) v.push_back(z);
                break;
            default:
                break;
        }
    }
    return v;
}

}  // namespace kalvora::test
