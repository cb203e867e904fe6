#include "sync/Caldavclient.h"

#include <algorithm>
#include <utility>

#include "sync/Webadresse.h"

namespace kalvora {
namespace {

constexpr int kHoechsteUmleitungen = 5;

std::string Base64(const std::string& s) {
    static const char zeichen[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string aus;
    std::size_t i = 0;
    for (; i + 2 < s.size(); i += 3) {
        const unsigned n = static_cast<unsigned char>(s[i]) << 16 |
                           static_cast<unsigned char>(s[i + 1]) << 8 |
                           static_cast<unsigned char>(s[i + 2]);
        aus += {zeichen[n >> 18], zeichen[n >> 12 & 63], zeichen[n >> 6 & 63], zeichen[n & 63]};
    }
    if (i + 1 == s.size()) {
        const unsigned n = static_cast<unsigned char>(s[i]) << 16;
        aus += {zeichen[n >> 18], zeichen[n >> 12 & 63], '=', '='};
    } else if (i + 2 == s.size()) {
        const unsigned n = static_cast<unsigned char>(s[i]) << 16 |
                           static_cast<unsigned char>(s[i + 1]) << 8;
        aus += {zeichen[n >> 18], zeichen[n >> 12 & 63], zeichen[n >> 6 & 63], '='};
    }
    return aus;
}

std::string XmlText(const std::string& s) {
    std::string aus;
    for (const char c : s) {
        if (c == '&') aus += "&amp;";
        else if (c == '<') aus += "&lt;";
        else if (c == '>') aus += "&gt;";
        else aus.push_back(c);
    }
    return aus;
}

const std::string kXmlKopf = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
const std::string kNamensraeume =
    " xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\""
    " xmlns:CS=\"http://calendarserver.org/ns/\" xmlns:I=\"http://apple.com/ns/ical/\"";

std::string PropfindInhalt(const std::string& eigenschaften) {
    return kXmlKopf + "<D:propfind" + kNamensraeume + "><D:prop>" + eigenschaften +
           "</D:prop></D:propfind>";
}

// What a collection is asked about when calendars are looked for.
const std::string kKalendereigenschaften =
    "<D:resourcetype/><D:displayname/><I:calendar-color/><CS:getctag/><D:sync-token/>"
    "<C:supported-calendar-component-set/>";

bool IstUmleitung(int s) { return s == 301 || s == 302 || s == 303 || s == 307 || s == 308; }

bool IstKalender(const DavAntwort& a) {
    const auto* typ = a.Eigenschaft(kDavNs, "resourcetype");
    return typ && typ->Hat(kCaldavNs, "calendar");
}

bool IstSammlung(const DavAntwort& a) {
    const auto* typ = a.Eigenschaft(kDavNs, "resourcetype");
    return typ && typ->Hat(kDavNs, "collection");
}

// A calendar that says which components it holds and has no events among them (a task
// list) is none for this program.
bool HaeltTermine(const DavAntwort& a) {
    const auto* komp = a.Eigenschaft(kCaldavNs, "supported-calendar-component-set");
    if (!komp || komp->kinder.empty()) return true;
    return std::any_of(komp->kinder.begin(), komp->kinder.end(),
                       [](const DavElement& k) { return k.nameAttribut == "VEVENT"; });
}

}  // namespace

std::string ServerstatusText(int status) {
    const char* grund = nullptr;
    switch (status) {
    case 301: case 302: case 303: case 307: case 308: grund = "umgeleitet"; break;
    case 400: grund = "ungültige Anfrage"; break;
    case 401: grund = "nicht angemeldet"; break;
    case 403: grund = "Zugriff verweigert"; break;
    case 404: grund = "nicht gefunden"; break;
    case 405: grund = "Methode nicht erlaubt"; break;
    case 409: grund = "Konflikt"; break;
    case 412: grund = "inzwischen auf dem Server geändert"; break;
    case 413: grund = "Inhalt zu groß"; break;
    case 415: grund = "Inhaltstyp nicht unterstützt"; break;
    case 423: grund = "gesperrt"; break;
    case 500: grund = "interner Fehler des Servers"; break;
    case 501: grund = "nicht unterstützt"; break;
    case 502: grund = "Fehler eines vorgeschalteten Servers"; break;
    case 503: grund = "Dienst nicht verfügbar"; break;
    case 504: grund = "Zeitüberschreitung eines vorgeschalteten Servers"; break;
    case 507: grund = "kein Speicherplatz mehr"; break;
    default:
        grund = status >= 500 ? "Fehler des Servers"
                : status >= 400 ? "Fehler der Anfrage"
                                : "unerwartete Antwort";
    }
    return "Der Server antwortet " + std::to_string(status) + " (" + grund + ").";
}

TCaldavClient::TCaldavClient(Http& http, CaldavZugang zugang, int zeitgrenzeMs)
    : http_(http), zugang_(std::move(zugang)), zeitgrenzeMs_(zeitgrenzeMs) {}

TCaldavClient::Ergebnis TCaldavClient::Senden(const std::string& methode,
                                              const std::string& url,
                                              std::vector<HttpKopf> kopf,
                                              const std::string& inhalt,
                                              bool umleitungenFolgen) {
    if (!zugang_.benutzer.empty())
        kopf.push_back({"Authorization",
                        "Basic " + Base64(zugang_.benutzer + ":" + zugang_.passwort)});
    Ergebnis e{{}, url};
    for (int umleitungen = 0;; ++umleitungen) {
        const auto ziel = AdresseLesen(e.url);
        if (!ziel) throw KalvoraFehler("\"" + e.url + "\" ist keine http- oder https-Adresse.");
        HttpAnfrage anfrage{methode, e.url, kopf, inhalt, zeitgrenzeMs_};
        ++anfragen_;
        if (methode == "PUT" || methode == "DELETE") ++schreibende_;
        e.antwort = http_.Senden(anfrage);
        if (e.antwort.status == 0)
            throw Serverfehler("Keine Verbindung zum Server " + Herkunft(*ziel) + ": " +
                                   e.antwort.fehler + ".",
                               0);
        const std::string wohin = e.antwort.Kopf("Location");
        if (!umleitungenFolgen || !IstUmleitung(e.antwort.status) || wohin.empty()) return e;
        if (umleitungen == kHoechsteUmleitungen)
            throw Serverfehler("Der Server leitet mehr als " +
                                   std::to_string(kHoechsteUmleitungen) + "-mal um (zuletzt " +
                                   e.url + ").",
                               e.antwort.status);
        const std::string neu = Aufloesen(*ziel, wohin);
        const auto neuZiel = AdresseLesen(neu);
        if (!neuZiel)
            throw Serverfehler("Der Server leitet auf \"" + wohin + "\" um, das ist keine "
                               "http- oder https-Adresse.",
                               e.antwort.status);
        // The password must not leave an encrypted connection because a server says so.
        if (ziel->schema == "https" && neuZiel->schema == "http")
            throw Serverfehler("Der Server leitet von " + e.url + " auf die unverschlüsselte "
                               "Adresse " + neu + " um; die Anmeldung wird nicht unverschlüsselt "
                               "gesendet.",
                               e.antwort.status);
        e.url = neu;
    }
}

TCaldavClient::Ergebnis TCaldavClient::Propfind(const std::string& url, const char* tiefe,
                                                const std::string& inhalt,
                                                bool umleitungenFolgen) {
    return Senden("PROPFIND", url,
                  {{"Depth", tiefe}, {"Content-Type", "application/xml; charset=utf-8"}},
                  inhalt, umleitungenFolgen);
}

Multistatus TCaldavClient::MultistatusVon(const Ergebnis& e) {
    if (e.antwort.status != 207)
        throw Serverfehler(ServerstatusText(e.antwort.status) + " Adresse: " + e.url,
                           e.antwort.status);
    return MultistatusLesen(e.antwort.inhalt);
}

std::vector<Kalenderinfo> TCaldavClient::KalenderFinden(const std::string& url) {
    const auto start = AdresseLesen(url);
    if (!start) throw KalvoraFehler("\"" + url + "\" ist keine http- oder https-Adresse.");
    const std::string erste =
        PropfindInhalt("<D:current-user-principal/><C:calendar-home-set/>" +
                       kKalendereigenschaften);
    std::vector<std::string> orte;
    if (start->pfad != "/") orte.push_back(AdresseText(*start));
    orte.push_back(Herkunft(*start) + "/.well-known/caldav");
    orte.push_back(Herkunft(*start) + "/");

    std::vector<std::string> heime;
    std::string prinzipal;
    std::string letzterFehler;
    int letzterStatus = 0;
    for (const auto& ort : orte) {
        const Ergebnis e = Propfind(ort, "0", erste);
        // Wrong credentials stay wrong at every other address.
        if (e.antwort.status == 401) MultistatusVon(e);
        if (e.antwort.status != 207) {
            letzterFehler = ServerstatusText(e.antwort.status) + " Adresse: " + e.url;
            letzterStatus = e.antwort.status;
            continue;
        }
        const Multistatus m = MultistatusLesen(e.antwort.inhalt);
        const auto basis = AdresseLesen(e.url);
        for (const auto& a : m.antworten) {
            if (IstKalender(a) && HaeltTermine(a)) {
                Kalenderinfo k;
                k.url = Aufloesen(*basis, a.href.empty() ? e.url : a.href);
                k.name = a.Text(kDavNs, "displayname");
                if (k.name.empty()) k.name = LetzterPfadteil(k.url);
                k.farbe = a.Text(kAppleIcalNs, "calendar-color");
                k.ctag = a.Text(kCalendarserverNs, "getctag");
                k.syncToken = a.Text(kDavNs, "sync-token");
                return {k};
            }
            if (const auto* h = a.Eigenschaft(kCaldavNs, "calendar-home-set"))
                for (const auto& href : h->hrefs) heime.push_back(Aufloesen(*basis, href));
            if (const auto* p = a.Eigenschaft(kDavNs, "current-user-principal");
                p && !p->hrefs.empty() && prinzipal.empty())
                prinzipal = Aufloesen(*basis, p->hrefs.front());
        }
        if (!heime.empty() || !prinzipal.empty()) break;
    }
    if (heime.empty() && prinzipal.empty()) {
        if (!letzterFehler.empty()) throw Serverfehler(letzterFehler, letzterStatus);
        throw Serverfehler("Unter " + url + " ist kein CalDAV-Kalender zu finden.", 0);
    }
    if (heime.empty()) {
        const Ergebnis e =
            Propfind(prinzipal, "0", PropfindInhalt("<C:calendar-home-set/>"));
        const Multistatus m = MultistatusVon(e);
        const auto basis = AdresseLesen(e.url);
        for (const auto& a : m.antworten)
            if (const auto* h = a.Eigenschaft(kCaldavNs, "calendar-home-set"))
                for (const auto& href : h->hrefs) heime.push_back(Aufloesen(*basis, href));
        if (heime.empty()) heime.push_back(e.url);
    }
    std::vector<Kalenderinfo> kalender;
    for (const auto& heim : heime) {
        if (std::any_of(heime.begin(), heime.begin() + (&heim - heime.data()),
                        [&](const std::string& h) { return GleicheAdresse(h, heim); }))
            continue;
        for (auto& k : KalenderDerSammlung(heim)) kalender.push_back(std::move(k));
    }
    std::stable_sort(kalender.begin(), kalender.end(),
                     [](const Kalenderinfo& a, const Kalenderinfo& b) {
                         return a.name != b.name ? a.name < b.name : a.url < b.url;
                     });
    return kalender;
}

std::vector<Kalenderinfo> TCaldavClient::KalenderDerSammlung(const std::string& url) {
    const Ergebnis e = Propfind(url, "1", PropfindInhalt(kKalendereigenschaften));
    const Multistatus m = MultistatusVon(e);
    const auto basis = AdresseLesen(e.url);
    std::vector<Kalenderinfo> kalender;
    for (const auto& a : m.antworten) {
        if (!IstKalender(a) || !HaeltTermine(a) || a.href.empty()) continue;
        Kalenderinfo k;
        k.url = Aufloesen(*basis, a.href);
        k.name = a.Text(kDavNs, "displayname");
        if (k.name.empty()) k.name = LetzterPfadteil(k.url);
        k.farbe = a.Text(kAppleIcalNs, "calendar-color");
        k.ctag = a.Text(kCalendarserverNs, "getctag");
        k.syncToken = a.Text(kDavNs, "sync-token");
        kalender.push_back(std::move(k));
    }
    return kalender;
}

Kalenderstand TCaldavClient::Auflisten(const std::string& kalenderUrl) {
    const Ergebnis e = Propfind(
        kalenderUrl, "1",
        PropfindInhalt("<D:resourcetype/><D:getetag/><CS:getctag/><D:sync-token/>"));
    const Multistatus m = MultistatusVon(e);
    const auto basis = AdresseLesen(e.url);
    Kalenderstand stand;
    for (const auto& a : m.antworten) {
        const std::string url = Aufloesen(*basis, a.href);
        if (a.href.empty() || GleicheAdresse(url, e.url)) {
            stand.ctag = a.Text(kCalendarserverNs, "getctag");
            stand.syncToken = a.Text(kDavNs, "sync-token");
            continue;
        }
        if (IstSammlung(a)) continue;
        stand.eintraege.push_back({url, a.Text(kDavNs, "getetag")});
    }
    return stand;
}

Kalenderaenderungen TCaldavClient::Abgleichen(const std::string& kalenderUrl,
                                              const std::string& syncToken) {
    const auto anfrage = [&](const std::string& token) {
        const std::string inhalt =
            kXmlKopf + "<D:sync-collection" + kNamensraeume + "><D:sync-token>" +
            XmlText(token) + "</D:sync-token><D:sync-level>1</D:sync-level><D:prop>"
            "<D:getetag/></D:prop></D:sync-collection>";
        return Senden("REPORT", kalenderUrl,
                      {{"Depth", "0"}, {"Content-Type", "application/xml; charset=utf-8"}},
                      inhalt, true);
    };
    Ergebnis e = anfrage(syncToken);
    bool vollstaendig = syncToken.empty();
    // A token the server has forgotten (or never issued): start over with the whole list.
    // Some servers fail with 500 on a token they cannot read; the whole list is only a read.
    const int s = e.antwort.status;
    if (!syncToken.empty() &&
        (s == 400 || s == 403 || s == 409 || s == 410 || s == 412 || s == 500)) {
        e = anfrage("");
        vollstaendig = true;
    }
    const Multistatus m = MultistatusVon(e);
    const auto basis = AdresseLesen(e.url);
    Kalenderaenderungen aenderungen;
    aenderungen.vollstaendig = vollstaendig;
    aenderungen.syncToken = m.syncToken;
    for (const auto& a : m.antworten) {
        if (a.href.empty()) continue;
        const std::string url = Aufloesen(*basis, a.href);
        if (GleicheAdresse(url, e.url)) continue;
        if (a.status == 404) {
            if (!vollstaendig) aenderungen.geloescht.push_back(url);
            continue;
        }
        if (IstSammlung(a)) continue;
        aenderungen.geaendert.push_back({url, a.Text(kDavNs, "getetag")});
    }
    return aenderungen;
}

Kalenderressource TCaldavClient::Holen(const std::string& url) {
    const Ergebnis e = Senden("GET", url, {{"Accept", "text/calendar"}}, "", true);
    if (e.antwort.status != 200)
        throw Serverfehler(ServerstatusText(e.antwort.status) + " Adresse: " + e.url,
                           e.antwort.status);
    return {e.antwort.inhalt, e.antwort.Kopf("ETag")};
}

std::string TCaldavClient::Anlegen(const std::string& url, const std::string& inhalt) {
    const Ergebnis e = Senden(
        "PUT", url, {{"Content-Type", "text/calendar; charset=utf-8"}, {"If-None-Match", "*"}},
        inhalt, false);
    const int s = e.antwort.status;
    if (s != 200 && s != 201 && s != 204)
        throw Serverfehler(ServerstatusText(s) + " Adresse: " + url, s);
    return e.antwort.Kopf("ETag");
}

std::string TCaldavClient::Ersetzen(const std::string& url, const std::string& inhalt,
                                    const std::string& etag) {
    const Ergebnis e = Senden(
        "PUT", url, {{"Content-Type", "text/calendar; charset=utf-8"}, {"If-Match", etag}},
        inhalt, false);
    const int s = e.antwort.status;
    if (s != 200 && s != 201 && s != 204)
        throw Serverfehler(ServerstatusText(s) + " Adresse: " + url, s);
    return e.antwort.Kopf("ETag");
}

bool TCaldavClient::Loeschen(const std::string& url, const std::string& etag) {
    const Ergebnis e = Senden("DELETE", url, {{"If-Match", etag}}, "", false);
    const int s = e.antwort.status;
    if (s == 404) return false;
    if (s != 200 && s != 204)
        throw Serverfehler(ServerstatusText(s) + " Adresse: " + url, s);
    return true;
}

}  // namespace kalvora
