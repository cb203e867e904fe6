#include "adressbuch/Adressmail.h"

#include <cstdio>

#include "methoden/Fehler.h"
#include "methoden/Zeichensatz.h"

namespace kalvora {
namespace {

// The addresses of a field as the URL lists them: split at ',' and ';', blanks trimmed.
std::vector<std::string> Adressen(const std::string& feld, bool eineAdresse) {
    const std::string text = ErsteAdresse(feld, eineAdresse);
    std::vector<std::string> liste;
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        std::size_t ende = text.find_first_of(",;", anfang);
        if (ende == std::string::npos) ende = text.size();
        std::string stueck = text.substr(anfang, ende - anfang);
        const std::size_t a = stueck.find_first_not_of(" \t");
        const std::size_t b = stueck.find_last_not_of(" \t");
        if (a != std::string::npos) liste.push_back(stueck.substr(a, b - a + 1));
        anfang = ende + 1;
    }
    return liste;
}

std::string Empfaenger(const std::string& feld, bool eineAdresse) {
    std::string s;
    for (const std::string& a : Adressen(feld, eineAdresse)) {
        if (!s.empty()) s.push_back(',');
        s += MailtoKodieren(a);
    }
    return s;
}

std::string Grenzentext() {
    return "höchstens 1 MB (" + std::to_string(kHoechsteSerienmaillaenge) + " Bytes)";
}

// Every occurrence, left to right, in one pass (replacing in place would move the rest of
// the text once per occurrence). Throws when the result would be longer than grenze.
void AlleErsetzen(std::string& s, std::string_view was, std::string_view durch,
                  std::size_t grenze) {
    std::size_t anzahl = 0;
    for (std::size_t p = s.find(was); p != std::string::npos; p = s.find(was, p + was.size()))
        ++anzahl;
    if (anzahl == 0) return;
    if (durch.size() > was.size() &&
        (durch.size() - was.size()) > (grenze < s.size() ? 0 : grenze - s.size()) / anzahl)
        throw KalvoraFehler("Die Serien-E-Mail wird mit den eingesetzten Platzhaltern zu lang: " +
                            Grenzentext() + ".");
    std::string aus;
    aus.reserve(s.size() - anzahl * was.size() + anzahl * durch.size());
    std::size_t von = 0;
    for (std::size_t p = s.find(was); p != std::string::npos; p = s.find(was, von)) {
        aus.append(s, von, p - von);
        aus.append(durch);
        von = p + was.size();
    }
    aus.append(s, von, std::string::npos);
    s = std::move(aus);
}

}  // namespace

std::string ErsteAdresse(const std::string& feld, bool eineAdresse) {
    if (!eineAdresse) return feld;
    const std::size_t p = feld.find_first_of(",;");
    return p == std::string::npos ? feld : feld.substr(0, p);
}

std::string MailtoKodieren(std::string_view utf8) {
    std::string s;
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~' || c == '@') {
            s.push_back(c);
        } else {
            char p[4];
            std::snprintf(p, sizeof p, "%%%02X", b);
            s += p;
        }
    }
    return s;
}

std::string MailtoEintrag(const TAdresse& a, bool eineAdresse) {
    const std::string an = Empfaenger(a[adressfeld::Email], eineAdresse);
    return an.empty() ? std::string() : "mailto:" + an;
}

std::string MailtoGruppe(const std::vector<TAdresse>& eintraege, bool eineAdresse) {
    std::string an;
    for (const TAdresse& a : eintraege) {
        const std::string e = Empfaenger(a[adressfeld::Email], eineAdresse);
        if (e.empty()) continue;
        if (!an.empty()) an.push_back(',');
        an += e;
    }
    return an.empty() ? std::string() : "mailto:" + an;
}

std::string SerienmailZuLang(const std::string& betreff, const std::string& text) {
    const std::size_t laenge = betreff.size() + text.size();
    if (laenge <= kHoechsteSerienmaillaenge) return {};
    return "Die Serien-E-Mail ist zu lang: Betreff und Text haben " + std::to_string(laenge) +
           " Bytes, erlaubt sind " + Grenzentext() + ".";
}

std::string Platzhalterersetzen(std::string zeile, const TAdresse& a, std::size_t grenze) {
    AlleErsetzen(zeile, "<sg>",
                 a[adressfeld::Anrede] == "Herr" ? "Sehr geehrter" : "Sehr geehrte", grenze);
    AlleErsetzen(zeile, "<mfg>", "Mit freundlichen Grüßen", grenze);
    AlleErsetzen(zeile, "<vg>", "Viele Grüße", grenze);
    AlleErsetzen(zeile, "<anrede>", a[adressfeld::Anrede], grenze);
    AlleErsetzen(zeile, "<name>", a[adressfeld::Name], grenze);
    AlleErsetzen(zeile, "<vorname>", a[adressfeld::Vorname], grenze);
    return zeile;
}

namespace {

bool GueltigesUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3
                                             : (b >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

}  // namespace

std::string SerienmailText(std::string_view bytes) {
    return GueltigesUtf8(bytes) ? std::string(bytes) : Cp1252NachUtf8(bytes);
}

std::string SerienmailUrl(const TAdresse& a, const std::string& betreff, const std::string& text,
                          bool eineAdresse) {
    if (std::string zuLang = SerienmailZuLang(betreff, text); !zuLang.empty())
        throw KalvoraFehler(zuLang);
    std::string body;
    std::size_t rest = kHoechsteSerienmaillaenge - betreff.size();
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        std::size_t ende = text.find('\n', anfang);
        if (ende == std::string::npos) ende = text.size();
        std::string z = text.substr(anfang, ende - anfang);
        if (!z.empty() && z.back() == '\r') z.pop_back();
        if (ende < text.size() || !z.empty()) {
            z = Platzhalterersetzen(std::move(z), a, rest);
            if (z.size() > rest)
                throw KalvoraFehler("Die Serien-E-Mail wird mit den eingesetzten Platzhaltern "
                                    "zu lang: " + Grenzentext() + ".");
            rest -= z.size();
            body += MailtoKodieren(z);
            body += "%0D%0A";
        }
        anfang = ende + 1;
    }
    return "mailto:" + Empfaenger(a[adressfeld::Email], eineAdresse) + "?SUBJECT=" +
           MailtoKodieren(betreff) + "&body=" + body;
}

std::vector<std::string> SerienmailUrls(const std::vector<TAdresse>& eintraege,
                                        const std::string& betreff, const std::string& text,
                                        bool eineAdresse) {
    std::vector<std::string> urls;
    for (const TAdresse& a : eintraege)
        urls.push_back(SerienmailUrl(a, betreff, text, eineAdresse));
    return urls;
}

}  // namespace kalvora
