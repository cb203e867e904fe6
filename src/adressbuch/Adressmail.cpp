#include "adressbuch/Adressmail.h"

#include <cstdio>

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

void AlleErsetzen(std::string& s, std::string_view was, std::string_view durch) {
    for (std::size_t p = s.find(was); p != std::string::npos; p = s.find(was, p + durch.size()))
        s.replace(p, was.size(), durch);
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

std::string Platzhalterersetzen(std::string zeile, const TAdresse& a) {
    AlleErsetzen(zeile, "<sg>",
                 a[adressfeld::Anrede] == "Herr" ? "Sehr geehrter" : "Sehr geehrte");
    AlleErsetzen(zeile, "<mfg>", "Mit freundlichen Grüßen");
    AlleErsetzen(zeile, "<vg>", "Viele Grüße");
    AlleErsetzen(zeile, "<anrede>", a[adressfeld::Anrede]);
    AlleErsetzen(zeile, "<name>", a[adressfeld::Name]);
    AlleErsetzen(zeile, "<vorname>", a[adressfeld::Vorname]);
    return zeile;
}

std::vector<std::string> SerienmailUrls(const std::vector<TAdresse>& eintraege,
                                        const std::string& betreff, const std::string& text,
                                        bool eineAdresse) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        std::size_t ende = text.find('\n', anfang);
        if (ende == std::string::npos) ende = text.size();
        std::string z = text.substr(anfang, ende - anfang);
        if (!z.empty() && z.back() == '\r') z.pop_back();
        if (ende < text.size() || !z.empty()) zeilen.push_back(std::move(z));
        anfang = ende + 1;
    }
    std::vector<std::string> urls;
    for (const TAdresse& a : eintraege) {
        std::string body;
        for (const std::string& z : zeilen) body += MailtoKodieren(Platzhalterersetzen(z, a)) + "%0D%0A";
        urls.push_back("mailto:" + Empfaenger(a[adressfeld::Email], eineAdresse) + "?SUBJECT=" +
                       MailtoKodieren(betreff) + "&body=" + body);
    }
    return urls;
}

}  // namespace kalvora
