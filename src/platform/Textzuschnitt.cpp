#include "platform/Textzuschnitt.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kalvora {
namespace {

bool Folgebyte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::size_t HoechsteZeichenzahl(int breite) {
    return static_cast<std::size_t>(std::max(breite, 0)) + 1;
}

std::string_view SichtbarerAnfang(std::string_view text, int breite) {
    const std::size_t hoechstens = HoechsteZeichenzahl(breite);
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Folgebyte(text[i])) continue;
        if (zeichen++ == hoechstens) return text.substr(0, i);
    }
    return text;
}

std::size_t PassendeLaenge(Leinwand& l, std::string_view text, int breite) {
    const std::string_view anfang = SichtbarerAnfang(text, breite);
    if (anfang.size() == text.size() && l.Textbreite(std::string(text)) <= breite)
        return text.size();
    // The character boundaries of the piece that could be seen; the widths of its
    // beginnings grow with their length, so the longest that fits is found by halving.
    std::vector<std::size_t> grenzen;
    for (std::size_t i = 1; i <= anfang.size(); ++i)
        if (i == anfang.size() || !Folgebyte(anfang[i])) grenzen.push_back(i);
    std::size_t unten = 0, oben = grenzen.size();  // grenzen[unten - 1] fits, oben does not
    while (unten < oben) {
        const std::size_t mitte = (unten + oben + 1) / 2;
        if (l.Textbreite(std::string(anfang.substr(0, grenzen[mitte - 1]))) <= breite)
            unten = mitte;
        else
            oben = mitte - 1;
    }
    return unten == 0 ? 0 : grenzen[unten - 1];
}

}  // namespace kalvora
