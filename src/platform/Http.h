#pragma once
// One HTTP request and its answer, for the CalDAV client: the logic builds the request, an
// implementation on the platform's network library sends it. Redirects are not followed
// here (the caller decides where a Location may lead), and a TLS certificate the system does
// not trust is an error, never ignored.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>
#include <vector>

namespace kalvora {

struct HttpKopf {
    std::string name;
    std::string wert;
};

struct HttpAnfrage {
    std::string methode;  // "GET", "PUT", "PROPFIND", "REPORT", …
    std::string url;      // absolute http:// or https:// URL
    std::vector<HttpKopf> kopfzeilen;
    std::string inhalt;
    int zeitgrenzeMs = 30000;  // the whole exchange, connection included
};

struct HttpAntwort {
    int status = 0;  // 0: no HTTP answer came, fehler says why
    std::vector<HttpKopf> kopfzeilen;
    std::string inhalt;
    std::string fehler;  // German: "Verbindung abgelehnt", "keine Antwort innerhalb von 3 s"

    // The value of a header (names in any case); empty when it is missing.
    std::string Kopf(const std::string& name) const {
        const auto gleich = [&](const HttpKopf& k) {
            return std::equal(k.name.begin(), k.name.end(), name.begin(), name.end(),
                              [](char a, char b) {
                                  return std::tolower(static_cast<unsigned char>(a)) ==
                                         std::tolower(static_cast<unsigned char>(b));
                              });
        };
        const auto k = std::find_if(kopfzeilen.begin(), kopfzeilen.end(), gleich);
        return k == kopfzeilen.end() ? std::string() : k->wert;
    }
};

// An answer body beyond this size is refused (no calendar collection listing comes near it).
constexpr std::size_t kGroessteHttpAntwort = std::size_t{64} << 20;

class Http {
public:
    virtual ~Http() = default;
    virtual HttpAntwort Senden(const HttpAnfrage& anfrage) = 0;
};

}  // namespace kalvora
