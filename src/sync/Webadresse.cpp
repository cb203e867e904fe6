#include "sync/Webadresse.h"

#include <cctype>
#include <vector>

namespace kalvora {
namespace {

std::string Klein(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

int Standardport(const std::string& schema) { return schema == "https" ? 443 : 80; }

// "." and ".." segments removed, as reference resolution requires.
std::string PunkteEntfernen(const std::string& pfad) {
    std::string abfrage;
    std::string p = pfad;
    if (const auto q = p.find('?'); q != std::string::npos) {
        abfrage = p.substr(q);
        p.resize(q);
    }
    std::vector<std::string> teile;
    std::size_t start = 1;
    const bool schraegEnde = p.size() > 1 && p.back() == '/';
    while (start <= p.size()) {
        auto ende = p.find('/', start);
        if (ende == std::string::npos) ende = p.size();
        const std::string teil = p.substr(start, ende - start);
        if (teil == "..") {
            if (!teile.empty()) teile.pop_back();
        } else if (teil != "." && !(teil.empty() && ende == p.size())) {
            teile.push_back(teil);
        }
        start = ende + 1;
    }
    std::string ergebnis;
    for (const auto& t : teile) ergebnis += "/" + t;
    if (ergebnis.empty() || schraegEnde ||
        (p.size() >= 2 && (p.ends_with("/.") || p.ends_with("/.."))))
        ergebnis += "/";
    return ergebnis + abfrage;
}

}  // namespace

std::optional<Webadresse> AdresseLesen(const std::string& url) {
    const auto trenner = url.find("://");
    if (trenner == std::string::npos) return std::nullopt;
    Webadresse a;
    a.schema = Klein(url.substr(0, trenner));
    if (a.schema != "http" && a.schema != "https") return std::nullopt;
    const auto rest = url.substr(trenner + 3);
    auto pfadbeginn = rest.find_first_of("/?#");
    std::string autoritaet = rest.substr(0, pfadbeginn);
    if (autoritaet.empty() || autoritaet.find('@') != std::string::npos) return std::nullopt;
    for (const char c : autoritaet) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= 0x20 || b >= 0x7F) return std::nullopt;
    }
    std::string portText;
    if (autoritaet.front() == '[') {
        const auto zu = autoritaet.find(']');
        if (zu == std::string::npos) return std::nullopt;
        a.rechner = Klein(autoritaet.substr(0, zu + 1));
        if (zu + 1 < autoritaet.size()) {
            if (autoritaet[zu + 1] != ':') return std::nullopt;
            portText = autoritaet.substr(zu + 2);
        }
    } else {
        const auto doppel = autoritaet.find(':');
        a.rechner = Klein(autoritaet.substr(0, doppel));
        if (doppel != std::string::npos) portText = autoritaet.substr(doppel + 1);
    }
    if (a.rechner.empty() || a.rechner == "[]") return std::nullopt;
    a.port = Standardport(a.schema);
    if (!portText.empty()) {
        if (portText.size() > 5) return std::nullopt;
        int port = 0;
        for (const char c : portText) {
            if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
            port = port * 10 + (c - '0');
        }
        if (port < 1 || port > 65535) return std::nullopt;
        a.port = port;
    }
    std::string pfad = pfadbeginn == std::string::npos ? "/" : rest.substr(pfadbeginn);
    if (const auto f = pfad.find('#'); f != std::string::npos) pfad.resize(f);
    if (pfad.empty() || pfad.front() != '/') pfad = "/" + pfad;
    for (const char c : pfad) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= 0x20 || b == 0x7F) return std::nullopt;
    }
    a.pfad = PunkteEntfernen(pfad);
    return a;
}

std::string Herkunft(const Webadresse& a) {
    std::string s = a.schema + "://" + a.rechner;
    if (a.port != Standardport(a.schema)) s += ":" + std::to_string(a.port);
    return s;
}

std::string AdresseText(const Webadresse& a) { return Herkunft(a) + a.pfad; }

std::string Aufloesen(const Webadresse& basis, const std::string& referenz) {
    std::string ref = referenz;
    if (const auto f = ref.find('#'); f != std::string::npos) ref.resize(f);
    if (ref.find("://") != std::string::npos) {
        const auto a = AdresseLesen(ref);
        return a ? AdresseText(*a) : ref;
    }
    if (ref.starts_with("//")) {
        const auto a = AdresseLesen(basis.schema + ":" + ref);
        return a ? AdresseText(*a) : ref;
    }
    if (ref.empty()) return AdresseText(basis);
    if (ref.front() == '/') return Herkunft(basis) + PunkteEntfernen(ref);
    std::string verzeichnis = basis.pfad;
    if (const auto q = verzeichnis.find('?'); q != std::string::npos) verzeichnis.resize(q);
    if (ref.front() == '?') return Herkunft(basis) + verzeichnis + ref;
    verzeichnis.resize(verzeichnis.rfind('/') + 1);
    return Herkunft(basis) + PunkteEntfernen(verzeichnis + ref);
}

std::string Prozentdekodiert(const std::string& text) {
    const auto wert = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && wert(text[i + 1]) >= 0 &&
            wert(text[i + 2]) >= 0) {
            s.push_back(static_cast<char>(wert(text[i + 1]) * 16 + wert(text[i + 2])));
            i += 2;
        } else {
            s.push_back(text[i]);
        }
    }
    return s;
}

bool GleicheAdresse(const std::string& a, const std::string& b) {
    auto norm = [](const std::string& s) {
        std::string d = Prozentdekodiert(s);
        if (const auto x = AdresseLesen(d)) d = AdresseText(*x);
        if (d.size() > 1 && d.back() == '/') d.pop_back();
        return d;
    };
    return norm(a) == norm(b);
}

std::string LetzterPfadteil(const std::string& url) {
    std::string p = url;
    if (const auto a = AdresseLesen(url)) p = a->pfad;
    if (const auto q = p.find('?'); q != std::string::npos) p.resize(q);
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return Prozentdekodiert(p.substr(p.rfind('/') + 1));
}

}  // namespace kalvora
