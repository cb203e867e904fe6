#include "personen/Namenstagsuche.h"

#include <algorithm>
#include <cmath>

namespace kalvora {

namespace {

// Only a-z: UTF-8 bytes of umlauts stay untouched, so they match only in the same case.
char Gross(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Grossbuchstaben(std::string_view s) {
    std::string g(s);
    std::transform(g.begin(), g.end(), g.begin(), Gross);
    return g;
}

}  // namespace

std::vector<Namenstreffer> NamenstageSuchen(const Namenstagskatalog& katalog,
                                            std::string_view text) {
    std::vector<Namenstreffer> treffer;
    if (text.empty()) return treffer;
    const std::string gesucht = Grossbuchstaben(text);
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1; tag <= Namenstagskatalog::Tage(monat); ++tag)
            for (const auto& name : katalog.Namen(tag, monat))
                if (Grossbuchstaben(name).find(gesucht) != std::string::npos)
                    treffer.push_back({tag, monat, name});
    return treffer;
}

std::string Trefferdatum(int tag, int monat) {
    const auto zwei = [](int n) {
        return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
    };
    return zwei(tag) + "." + zwei(monat) + ".";
}

std::string Suchstatus(std::size_t anzahl) {
    if (anzahl == 0) return kNichtsGefunden;
    return "Suche beendet, es wurden " + std::to_string(anzahl) + " Namen gefunden!";
}

int Suchfensterhoehe(int zeilen, int zeilenhoehe, int bildschirmhoehe) {
    const int hoechstens = static_cast<int>(std::lround(0.8 * bildschirmhoehe)) + 19;
    return std::max(269, std::min(hoechstens, zeilenhoehe * (zeilen + 3) + 19));
}

}  // namespace kalvora
