#include "sync/Kalenderabruf.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "sync/Webadresse.h"

namespace kalvora {
namespace {

void Summieren(std::vector<std::pair<std::string, int>>& ziel,
               const std::vector<std::pair<std::string, int>>& dazu) {
    for (const auto& d : dazu) {
        const auto z = std::find_if(ziel.begin(), ziel.end(),
                                    [&](const auto& p) { return p.first == d.first; });
        if (z == ziel.end()) ziel.push_back(d);
        else z->second += d.second;
    }
}

}  // namespace

std::string IcsUid(const std::string& inhalt) {
    // Unfold: a line break followed by a space or a tab continues the line.
    std::string t;
    t.reserve(inhalt.size());
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        const char c = inhalt[i];
        if (c == '\r' && i + 1 < inhalt.size() && inhalt[i + 1] == '\n') continue;
        if (c == '\n' && i + 1 < inhalt.size() &&
            (inhalt[i + 1] == ' ' || inhalt[i + 1] == '\t')) {
            ++i;
            continue;
        }
        t.push_back(c);
    }
    std::size_t start = 0;
    while (start < t.size()) {
        auto ende = t.find('\n', start);
        if (ende == std::string::npos) ende = t.size();
        const std::string zeile = t.substr(start, ende - start);
        start = ende + 1;
        if (zeile.size() < 4) continue;
        std::string name = zeile.substr(0, 3);
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (name != "UID" || (zeile[3] != ':' && zeile[3] != ';')) continue;
        const auto doppel = zeile.find(':');
        return doppel == std::string::npos ? std::string() : zeile.substr(doppel + 1);
    }
    return {};
}

Abrufergebnis KalenderAbrufen(TCaldavClient& client, const std::string& kalenderUrl,
                              TKalender& kal, const IcsImportoptionen& optionen,
                              Syncstand& stand) {
    // Everything is fetched first: a server that fails half-way leaves the document as it was.
    std::string token;
    std::vector<Eintragsstand> liste;
    try {
        auto a = client.Abgleichen(kalenderUrl, "");
        token = std::move(a.syncToken);
        liste = std::move(a.geaendert);
    } catch (const Serverfehler& f) {
        // A server without sync-collection: the ETag listing instead.
        if (f.status() != 400 && f.status() != 403 && f.status() != 405 && f.status() != 501)
            throw;
        liste = client.Auflisten(kalenderUrl).eintraege;
    }
    std::vector<std::pair<Eintragsstand, Kalenderressource>> geholt;
    for (const auto& e : liste) {
        auto r = client.Holen(e.url);
        if (r.etag.empty()) r.etag = e.etag;
        geholt.emplace_back(e, std::move(r));
    }

    Abrufergebnis ergebnis;
    for (const auto& [e, r] : geholt) {
        IcsImportergebnis i;
        try {
            i = IcsImportieren(kal, r.inhalt, optionen);
        } catch (const KalvoraFehler& f) {
            // One item libical cannot read does not keep the others out; it is not recorded,
            // so it is looked at again next time.
            ++ergebnis.import.uebersprungen;
            Summieren(ergebnis.import.gruende, {{LetzterPfadteil(e.url) + ": " + f.what(), 1}});
            continue;
        }
        ++ergebnis.ressourcen;
        ergebnis.import.importiert += i.importiert;
        ergebnis.import.uebersprungen += i.uebersprungen;
        ergebnis.import.vorhanden += i.vorhanden;
        ergebnis.import.ersetzt += i.ersetzt;
        Summieren(ergebnis.import.gruende, i.gruende);
        Summieren(ergebnis.import.hinweise, i.hinweise);
        Synceintrag neu{IcsUid(r.inhalt), e.url, r.etag, Inhaltshash(r.inhalt)};
        if (Synceintrag* alt = stand.NachHref(e.url)) *alt = std::move(neu);
        else stand.eintraege.push_back(std::move(neu));
    }
    if (!token.empty()) stand.syncToken = token;
    return ergebnis;
}

}  // namespace kalvora
