#include "methoden/Zeichensatz.h"

#include <array>
#include <cstdint>

namespace kalvora {

namespace {

// Code points of the bytes 0x80..0x9F; the rest of the upper half equals Latin-1.
constexpr std::array<char16_t, 32> kOberhalb80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void CodepunktAnhaengen(char32_t c, std::string& ziel) {
    if (c < 0x80) {
        ziel.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        ziel.push_back(static_cast<char>(0xC0 | (c >> 6)));
        ziel.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        ziel.push_back(static_cast<char>(0xE0 | (c >> 12)));
        ziel.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        ziel.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

int Cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < kOberhalb80.size(); ++i)
        if (kOberhalb80[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

// Decodes one code point at text[i]; -1 on invalid UTF-8.
long Dekodieren(std::string_view text, std::size_t& i) {
    auto b = static_cast<unsigned char>(text[i]);
    int laenge;
    char32_t c;
    if (b < 0x80) {
        ++i;
        return b;
    } else if ((b & 0xE0) == 0xC0) {
        laenge = 2;
        c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        laenge = 3;
        c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        laenge = 4;
        c = b & 0x07;
    } else {
        return -1;
    }
    if (i + laenge > text.size()) return -1;
    for (int k = 1; k < laenge; ++k) {
        auto f = static_cast<unsigned char>(text[i + k]);
        if ((f & 0xC0) != 0x80) return -1;
        c = (c << 6) | (f & 0x3F);
    }
    // Overlong forms and surrogates are not valid UTF-8.
    if ((laenge == 2 && c < 0x80) || (laenge == 3 && c < 0x800) ||
        (laenge == 4 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF))
        return -1;
    i += laenge;
    return static_cast<long>(c);
}

}  // namespace

void Cp1252NachUtf8Anhaengen(std::string_view bytes, std::string& ziel) {
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            ziel.push_back(ch);
        else if (b < 0xA0)
            CodepunktAnhaengen(kOberhalb80[b - 0x80], ziel);
        else
            CodepunktAnhaengen(b, ziel);
    }
}

std::string Cp1252NachUtf8(std::string_view bytes) {
    std::string ziel;
    ziel.reserve(bytes.size() + bytes.size() / 8);
    Cp1252NachUtf8Anhaengen(bytes, ziel);
    return ziel;
}

bool Utf8NachCp1252Anhaengen(std::string_view text, std::string& ziel) {
    const std::size_t start = ziel.size();
    std::size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            ziel.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        long c = Dekodieren(text, i);
        int byte = c < 0 ? -1 : Cp1252Byte(static_cast<char32_t>(c));
        if (byte < 0) {
            ziel.resize(start);
            return false;
        }
        ziel.push_back(static_cast<char>(byte));
    }
    return true;
}

std::optional<std::string> Utf8NachCp1252(std::string_view text) {
    std::string ziel;
    ziel.reserve(text.size());
    if (!Utf8NachCp1252Anhaengen(text, ziel)) return std::nullopt;
    return ziel;
}

bool IstCp1252Darstellbar(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        long c = Dekodieren(text, i);
        if (c < 0 || Cp1252Byte(static_cast<char32_t>(c)) < 0) return false;
    }
    return true;
}

std::size_t Utf8Laenge(std::string_view text) {
    std::size_t n = 0;
    for (char ch : text)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace kalvora
