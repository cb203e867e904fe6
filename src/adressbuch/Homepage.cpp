#include "adressbuch/Homepage.h"

#include <string_view>

namespace kalvora {
namespace {

bool Buchstabe(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool Ziffer(char c) { return c >= '0' && c <= '9'; }

// TAB, LF and CR dropped, blanks as XSLT's normalize-space leaves them: none at either end,
// runs of them as one.
std::string Bereinigt(const std::string& feld) {
    std::string s;
    s.reserve(feld.size());
    bool leer = false;
    for (const char c : feld) {
        if (c == '\t' || c == '\n' || c == '\r') continue;
        if (c == ' ') {
            leer = !s.empty();
            continue;
        }
        if (leer) s.push_back(' ');
        leer = false;
        s.push_back(c);
    }
    return s;
}

// A long field is shown by its beginning only.
std::string Gezeigt(const std::string& text) {
    constexpr std::size_t kHoechstens = 200;
    if (text.size() <= kHoechstens) return text;
    std::size_t n = kHoechstens;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    return text.substr(0, n) + "…";
}

std::string KeinVerweis(const std::string& text, const std::string& grund) {
    return "Die Homepage \"" + Gezeigt(text) + "\" wird nicht geöffnet: " + grund;
}

}  // namespace

Homepageziel HomepageZiel(const std::string& feld) {
    const std::string t = Bereinigt(feld);
    if (t.empty()) return {};
    for (const char c : t)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return {{}, KeinVerweis(t, "sie enthält Steuerzeichen.")};
    const std::size_t doppelpunkt = t.find(':');
    if (doppelpunkt != std::string::npos && doppelpunkt > 0 && Buchstabe(t[0])) {
        const std::string_view vor = std::string_view(t).substr(0, doppelpunkt);
        bool schema = true;
        std::string klein;
        for (const char c : vor) {
            schema = schema && (Buchstabe(c) || Ziffer(c) || c == '+' || c == '-' || c == '.');
            klein.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        }
        if (schema) {
            if (klein == "http" || klein == "https" || klein == "mailto") return {t, {}};
            // "host:8080": a port, not a scheme.
            const bool port = doppelpunkt + 1 < t.size() && Ziffer(t[doppelpunkt + 1]);
            if (!port)
                return {{},
                        KeinVerweis(t, "nur Adressen mit http://, https:// oder mailto: werden "
                                       "geöffnet, nicht \"" +
                                           std::string(vor) + ":\".")};
        }
    }
    const auto erstes = static_cast<unsigned char>(t[0]);
    if (Buchstabe(t[0]) || Ziffer(t[0]) || erstes >= 0x80) return {"http://" + t, {}};
    return {{}, KeinVerweis(t, "sie ist keine Web-Adresse (http://, https:// oder mailto:).")};
}

}  // namespace kalvora
