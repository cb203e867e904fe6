#pragma once
// Long texts on a canvas without measuring them whole: a text far wider than any page (a
// description of megabytes) is measured only as far as a line can show it, so printing stays
// fast and its width never overflows the canvas's arithmetic.
#include <cstddef>
#include <string_view>

#include "platform/Leinwand.h"

namespace kalvora {

// The most characters a line of breite pixels is assumed to show: every character that
// takes room at all is at least a pixel wide; one more, so that a cut piece still reaches
// the edge.
std::size_t HoechsteZeichenzahl(int breite);

// The length in bytes of the beginning of text that the canvas can show within breite
// pixels: whole UTF-8 characters, the longest such beginning whose width is at most breite
// (0 when not even the first character fits). Measures pieces of at most
// HoechsteZeichenzahl(breite) characters, a few times.
std::size_t PassendeLaenge(Leinwand& l, std::string_view text, int breite);

// The beginning of text that can be seen on a line of breite pixels at all: at most
// HoechsteZeichenzahl(breite) characters, cut at a character boundary.
std::string_view SichtbarerAnfang(std::string_view text, int breite);

}  // namespace kalvora
