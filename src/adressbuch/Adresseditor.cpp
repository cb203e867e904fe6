#include "adressbuch/Adresseditor.h"

#include "methoden/Zeichensatz.h"

namespace kalvora {
namespace {

std::string AlsUtf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (c >> 6)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        s.push_back(static_cast<char>(0xE0 | (c >> 12)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xF0 | (c >> 18)));
        s.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return s;
}

}  // namespace

bool ZeichenErlaubt(int feld, char32_t c) {
    if (c == '#' || c == '\r' || c == '\n' || c < 0x20) return false;
    if (!IstCp1252Darstellbar(AlsUtf8(c))) return false;
    if (feld == adressfeld::Email) {
        for (const char32_t nein : {U'!', U'"', U'$', U'%', U'&', U'(', U')', U'/', U'=', U'?',
                                    U'§', U'Ä', U'Ö', U'Ü', U'ß', U'ä', U'ö', U'ü'})
            if (c == nein) return false;
    }
    return true;
}

std::string Erlaubt(int feld, const std::string& utf8) {
    std::string s;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        n = std::min(n, utf8.size() - i);
        char32_t c = n == 1 ? b : b & (0xFF >> (n + 1));
        for (std::size_t k = 1; k < n; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        if (ZeichenErlaubt(feld, c)) s.append(utf8, i, n);
        i += n;
    }
    return s;
}

bool EintragVollstaendig(const TAdresse& a) {
    using namespace adressfeld;
    if (a[Name].empty()) return false;
    return !a[Vorname].empty() || a[Anrede] == "Firma" || a[Anrede] == "Familie";
}

std::string UnvollstaendigFrage(const std::string& anrede, bool aendern) {
    const std::string erster = anrede == "Firma" || anrede == "Familie"
                                   ? "der Name muß angegeben werden!!"
                                   : "Name und Vorname müssen eingegeben werden!!";
    const std::string zweiter = aendern ? "Änderungen verwerfen ??" : "Datensatz verwerfen ??";
    return erster + "\n\r\n\r" + std::string(12, ' ') + zweiter + "\n\r";
}

std::string HomepageImEditor(const std::string& feld) {
    return feld.empty() ? editortexte::HomepageVorgabe : feld;
}

std::string HomepageAusEditor(const std::string& text) {
    return text == editortexte::HomepageVorgabe ? std::string() : text;
}

std::string GruppenText(int anzahl) {
    if (anzahl <= 0) return {};
    return std::to_string(anzahl) + (anzahl == 1 ? " Gruppe" : " Gruppen");
}

std::string EintraegeText(int anzahl) {
    return std::to_string(anzahl) + (anzahl == 1 ? " Eintrag" : " Einträge");
}

}  // namespace kalvora
