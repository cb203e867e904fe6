#include "methoden/Eingaberegeln.h"

#include "methoden/Zeichensatz.h"

namespace kalvora {

bool ZeichenErlaubt(std::string_view zeichen) {
    return zeichen.find('#') == std::string_view::npos && IstCp1252Darstellbar(zeichen);
}

std::string EingabeBereinigen(std::string_view text) {
    std::string ergebnis;
    ergebnis.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        // Length of the UTF-8 sequence from its lead byte; a stray byte counts alone and is
        // refused by the representability test.
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3
                        : (b & 0xF8) == 0xF0 ? 4 : 1;
        if (i + n > text.size()) n = text.size() - i;
        const std::string_view zeichen = text.substr(i, n);
        if (ZeichenErlaubt(zeichen)) ergebnis.append(zeichen);
        i += n;
    }
    return ergebnis;
}

}  // namespace kalvora
