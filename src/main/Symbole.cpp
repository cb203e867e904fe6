#include "main/Symbole.h"

namespace kalvora {

namespace {

constexpr uint32_t Schwarz = 0x000000;
constexpr uint32_t Rot = 0x0000FF;
constexpr uint32_t Gelb = 0x00FFFF;
constexpr uint32_t Grau = 0x808080;
constexpr uint32_t Silber = 0xC0C0C0;
constexpr uint32_t Tuerkis = 0xFFFF00;

void Zug(Leinwand& l, uint32_t farbe, std::vector<Punkt> punkte) {
    l.StiftSetzen({farbe, 1, Stiftstil::Durchgezogen});
    l.Polylinie(punkte);
}

void GeburtstagMalen(Leinwand& l, int x, int y) {
    const Stift alterStift = l.AktuellerStift();
    for (const Punkt p : {Punkt{x + 1, y + 1}, {x + 6, y + 6}, {x + 1, y + 6}, {x + 6, y + 1}})
        l.Pixel(p.x, p.y, Grau);
    for (const Punkt p : {Punkt{x, y + 2},
                          {x + 2, y},
                          {x + 5, y},
                          {x + 7, y + 2},
                          {x + 7, y + 5},
                          {x + 5, y + 7},
                          {x + 2, y + 7},
                          {x, y + 5}})
        l.Pixel(p.x, p.y, Silber);
    Zug(l, Schwarz,
        {{x, y + 3},
         {x + 3, y},
         {x + 4, y},
         {x + 7, y + 3},
         {x + 7, y + 4},
         {x + 4, y + 7},
         {x + 3, y + 7},
         {x - 1, y + 3}});
    Zug(l, Rot,
        {{x + 1, y + 3},
         {x + 3, y + 1},
         {x + 4, y + 1},
         {x + 6, y + 3},
         {x + 6, y + 4},
         {x + 4, y + 6},
         {x + 3, y + 6},
         {x, y + 3}});
    Zug(l, Gelb,
        {{x + 2, y + 3},
         {x + 3, y + 2},
         {x + 4, y + 2},
         {x + 5, y + 3},
         {x + 5, y + 4},
         {x + 4, y + 5},
         {x + 3, y + 5},
         {x + 1, y + 3}});
    Zug(l, Tuerkis,
        {{x + 3, y + 3}, {x + 4, y + 3}, {x + 4, y + 4}, {x + 3, y + 4}, {x + 2, y + 2}});
    l.StiftSetzen(alterStift);
}

void NamenstagMalen(Leinwand& l, int x, int y) {
    const Stift alterStift = l.AktuellerStift();
    const Pinsel alterPinsel = l.AktuellerPinsel();
    l.StiftSetzen({Schwarz, 1, Stiftstil::Durchgezogen});
    l.PinselSetzen({Rot, Pinselstil::Voll});
    l.Polygon({{x, y + 1},
               {x - 2, y + 3},
               {x, y + 5},
               {x - 1, y + 6},
               {x - 2, y + 6},
               {x - 4, y + 4},
               {x - 6, y + 6},
               {x - 8, y + 6},
               {x - 9, y + 5},
               {x - 7, y + 3},
               {x - 9, y + 1},
               {x - 8, y},
               {x - 6, y},
               {x - 4, y + 2},
               {x - 2, y}});
    l.Linie(x - 4, y + 6, x - 4, y + 8);
    for (const Punkt p :
         {Punkt{x - 7, y + 1}, {x - 2, y + 1}, {x - 7, y + 5}, {x - 2, y + 5}, {x - 5, y + 3}})
        l.Pixel(p.x, p.y, Gelb);
    l.StiftSetzen(alterStift);
    l.PinselSetzen(alterPinsel);
}

}  // namespace

// Both glyphs are figures: a canvas that keeps figures draws each one once per run.
void GeburtstagsSymbol(Leinwand& l, int x, int y) {
    l.Figur("Geburtstag", {x - 1, y, x + 8, y + 8},
            [x, y](Leinwand& f) { GeburtstagMalen(f, x, y); });
}

void NamenstagsSymbol(Leinwand& l, int x, int y) {
    l.Figur("Namenstag", {x - 9, y, x + 1, y + 9},
            [x, y](Leinwand& f) { NamenstagMalen(f, x, y); });
}

}  // namespace kalvora
