#include "sync/Syncstand.h"

#include <filesystem>
#include <sstream>
#include <system_error>

#include "methoden/Dateilesen.h"
#include "methoden/Fehler.h"
#include "methoden/Systemfehler.h"

namespace kalvora {
namespace {

const std::string kKopf = "Kalvora CalDAV-Stand 1";
// Far above any real calendar's state (about 300 bytes an item).
constexpr std::size_t kGroessterStand = std::size_t{64} << 20;

std::string Maskiert(const std::string& s) {
    std::string aus;
    for (const char c : s) {
        if (c == '\\') aus += "\\\\";
        else if (c == '\t') aus += "\\t";
        else if (c == '\n') aus += "\\n";
        else if (c == '\r') aus += "\\r";
        else aus.push_back(c);
    }
    return aus;
}

bool Demaskiert(const std::string& s, std::string& aus) {
    aus.clear();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            aus.push_back(s[i]);
            continue;
        }
        if (++i == s.size()) return false;
        switch (s[i]) {
        case '\\': aus.push_back('\\'); break;
        case 't': aus.push_back('\t'); break;
        case 'n': aus.push_back('\n'); break;
        case 'r': aus.push_back('\r'); break;
        default: return false;
        }
    }
    return true;
}

std::vector<std::string> Felder(const std::string& zeile) {
    std::vector<std::string> f;
    std::size_t start = 0;
    for (;;) {
        const auto tab = zeile.find('\t', start);
        f.push_back(zeile.substr(start, tab - start));
        if (tab == std::string::npos) return f;
        start = tab + 1;
    }
}

}  // namespace

Synceintrag* Syncstand::NachHref(const std::string& href) {
    for (auto& e : eintraege)
        if (e.href == href) return &e;
    return nullptr;
}

Synceintrag* Syncstand::NachUid(const std::string& uid) {
    for (auto& e : eintraege)
        if (e.uid == uid) return &e;
    return nullptr;
}

std::string Inhaltshash(std::string_view inhalt) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : inhalt) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    static const char ziffern[] = "0123456789abcdef";
    std::string s(16, '0');
    for (int i = 15; i >= 0; --i, h >>= 4) s[i] = ziffern[h & 15];
    return s;
}

std::string SyncstandOrdner(const char* xdgStateHome, const char* home) {
    // A relative XDG value is to be ignored, as the base directory rules say.
    if (xdgStateHome && xdgStateHome[0] == '/')
        return std::string(xdgStateHome) + "/kalvora/caldav";
    if (home && home[0] == '/') return std::string(home) + "/.local/state/kalvora/caldav";
    return {};
}

std::string SyncstandDateiname(const std::string& kalenderdatei,
                               const std::string& kalenderUrl, const std::string& benutzer) {
    return Inhaltshash(kalenderdatei + '\n' + kalenderUrl + '\n' + benutzer) + ".stand";
}

std::string SyncstandText(const Syncstand& s) {
    std::string t = kKopf + "\n";
    t += "Datei\t" + Maskiert(s.kalenderdatei) + "\n";
    t += "Kalender\t" + Maskiert(s.kalenderUrl) + "\n";
    t += "Benutzer\t" + Maskiert(s.benutzer) + "\n";
    t += "Token\t" + Maskiert(s.syncToken) + "\n";
    for (const auto& e : s.eintraege)
        t += "Eintrag\t" + Maskiert(e.uid) + "\t" + Maskiert(e.href) + "\t" + Maskiert(e.etag) +
             "\t" + Maskiert(e.hash) + "\n";
    return t;
}

Syncstand SyncstandAusText(const std::string& text, const std::string& pfad) {
    const auto fehler = [&](int zeile, const std::string& grund) {
        return KalvoraFehler("Der Synchronisationsstand \"" + pfad + "\" ist beschädigt (" +
                                 grund + ").",
                             zeile);
    };
    std::istringstream ein(text);
    std::string zeile;
    if (!std::getline(ein, zeile) || zeile != kKopf) throw fehler(1, "unbekannte Kopfzeile");
    if (text.empty() || text.back() != '\n') throw fehler(0, "unvollständig");
    Syncstand s;
    for (int nr = 2; std::getline(ein, zeile); ++nr) {
        const auto f = Felder(zeile);
        std::vector<std::string> w(f.size());
        for (std::size_t i = 1; i < f.size(); ++i)
            if (!Demaskiert(f[i], w[i])) throw fehler(nr, "ungültiger Rückstrich");
        if (f[0] == "Eintrag" && f.size() == 5) {
            if (w[2].empty()) throw fehler(nr, "Eintrag ohne Adresse");
            s.eintraege.push_back({w[1], w[2], w[3], w[4]});
        } else if (f.size() == 2 && f[0] == "Datei") {
            s.kalenderdatei = w[1];
        } else if (f.size() == 2 && f[0] == "Kalender") {
            s.kalenderUrl = w[1];
        } else if (f.size() == 2 && f[0] == "Benutzer") {
            s.benutzer = w[1];
        } else if (f.size() == 2 && f[0] == "Token") {
            s.syncToken = w[1];
        } else {
            throw fehler(nr, "unbekannte Zeile");
        }
    }
    return s;
}

Syncstand SyncstandLaden(const std::string& pfad, const std::string& kalenderdatei,
                         const std::string& kalenderUrl, const std::string& benutzer) {
    if (DateiFehlt(pfad)) return {kalenderdatei, kalenderUrl, benutzer, {}, {}};
    Syncstand s = SyncstandAusText(DateiEinlesen(pfad, kGroessterStand), pfad);
    if (s.kalenderdatei != kalenderdatei || s.kalenderUrl != kalenderUrl ||
        s.benutzer != benutzer)
        throw KalvoraFehler("Der Synchronisationsstand \"" + pfad + "\" gehört zu einer "
                            "anderen Datei oder einem anderen Konto.");
    return s;
}

void SyncstandSpeichern(const std::string& pfad, const Syncstand& stand,
                        const Dateischreiber& schreiben) {
    namespace fs = std::filesystem;
    const fs::path ordner = fs::path(pfad).parent_path();
    std::error_code f;
    if (!ordner.empty() && !fs::is_directory(ordner, f)) {
        fs::create_directories(ordner, f);
        if (f)
            throw KalvoraFehler("Der Ordner \"" + ordner.string() +
                                "\" kann nicht angelegt werden: " +
                                Systemfehlertext(f.value()) + ".");
        fs::permissions(ordner, fs::perms::owner_all, fs::perm_options::replace, f);
    }
    schreiben(pfad, SyncstandText(stand));
}

}  // namespace kalvora
