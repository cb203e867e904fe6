#pragma once
// The CalDAV client: discovery of a user's calendars from a server URL (the well-known
// address, current-user-principal, calendar-home-set), the listing of a calendar's items
// (sync-collection where the server offers it, getetag otherwise) and conditional
// GET/PUT/DELETE of one item. Every request goes through Http; errors are KalvoraFehler with
// a German message naming the server's status.
#include <string>
#include <vector>

#include "methoden/Fehler.h"
#include "platform/Http.h"
#include "sync/Multistatus.h"

namespace kalvora {

struct CaldavZugang {
    std::string benutzer;  // empty: no authentication
    std::string passwort;
};

struct Kalenderinfo {
    std::string url;    // absolute
    std::string name;   // the display name, else the last part of the path
    std::string farbe;  // as the server gives it ("#FF0000FF"); empty when none
    std::string ctag;
    std::string syncToken;  // empty when the server offers no sync-collection
};

struct Eintragsstand {
    std::string url;  // absolute
    std::string etag;
};

struct Kalenderstand {
    std::string ctag;
    std::string syncToken;
    std::vector<Eintragsstand> eintraege;
};

struct Kalenderaenderungen {
    std::string syncToken;  // the new token to keep
    // true: eintraege is the whole calendar (first run, or the server refused the old
    // token), so whatever is missing from it is gone; false: only what changed since.
    bool vollstaendig = false;
    std::vector<Eintragsstand> geaendert;
    std::vector<std::string> geloescht;  // absolute URLs
};

struct Kalenderressource {
    std::string inhalt;
    std::string etag;
};

// The server answered with a status that is an error. status() 0: no answer at all.
class Serverfehler : public KalvoraFehler {
public:
    Serverfehler(const std::string& meldung, int status)
        : KalvoraFehler(meldung), status_(status) {}
    int status() const { return status_; }

private:
    int status_;
};

// "Der Server antwortet 401 (nicht angemeldet)."
std::string ServerstatusText(int status);

class TCaldavClient {
public:
    TCaldavClient(Http& http, CaldavZugang zugang, int zeitgrenzeMs = 30000);

    // The calendars (collections that hold events) of the user the URL leads to. The URL may
    // be the server's root, its CalDAV context, the principal, the calendar home or one
    // calendar. Throws KalvoraFehler for a URL that is no http(s) address.
    std::vector<Kalenderinfo> KalenderFinden(const std::string& url);

    // Every item of the calendar with its ETag (PROPFIND Depth 1).
    Kalenderstand Auflisten(const std::string& kalenderUrl);

    // What changed since syncToken (empty: everything), by sync-collection. A token the
    // server no longer accepts gives the whole list (vollstaendig).
    Kalenderaenderungen Abgleichen(const std::string& kalenderUrl,
                                   const std::string& syncToken);

    Kalenderressource Holen(const std::string& url);
    // A new item: PUT with If-None-Match: *. Returns the new ETag (empty when the server
    // gives none). An item already there is a Serverfehler with status 412.
    std::string Anlegen(const std::string& url, const std::string& inhalt);
    // PUT with If-Match: etag; 412 when the item changed on the server since.
    std::string Ersetzen(const std::string& url, const std::string& inhalt,
                         const std::string& etag);
    // DELETE with If-Match: etag; false when the item was gone already.
    bool Loeschen(const std::string& url, const std::string& etag);

    // Requests sent so far, and those of them that write (PUT, DELETE).
    int Anfragen() const { return anfragen_; }
    int SchreibendeAnfragen() const { return schreibende_; }

private:
    struct Ergebnis {
        HttpAntwort antwort;
        std::string url;  // where the answer came from, after redirects
    };
    Ergebnis Senden(const std::string& methode, const std::string& url,
                    std::vector<HttpKopf> kopf, const std::string& inhalt,
                    bool umleitungenFolgen);
    Ergebnis Propfind(const std::string& url, const char* tiefe, const std::string& inhalt,
                      bool umleitungenFolgen = true);
    Multistatus MultistatusVon(const Ergebnis& e);
    std::vector<Kalenderinfo> KalenderDerSammlung(const std::string& url);

    Http& http_;
    CaldavZugang zugang_;
    int zeitgrenzeMs_;
    int anfragen_ = 0;
    int schreibende_ = 0;
};

}  // namespace kalvora
