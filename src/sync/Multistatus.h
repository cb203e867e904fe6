#pragma once
// The WebDAV multistatus answer (207) of PROPFIND and REPORT, read without any network
// access, external entity or document type: a server's answer is outside input.
#include <map>
#include <string>
#include <vector>

namespace kalvora {

inline constexpr const char* kDavNs = "DAV:";
inline constexpr const char* kCaldavNs = "urn:ietf:params:xml:ns:caldav";
inline constexpr const char* kCalendarserverNs = "http://calendarserver.org/ns/";
inline constexpr const char* kAppleIcalNs = "http://apple.com/ns/ical/";

struct DavElement {
    std::string ns;
    std::string name;
    std::string nameAttribut;  // the attribute "name" (<C:comp name="VEVENT"/>)
};

// One property a server found (status 2xx in its propstat).
struct DavEigenschaft {
    std::string text;                 // the text inside, trimmed
    std::vector<std::string> hrefs;   // the DAV:href elements inside, trimmed
    std::vector<DavElement> kinder;   // the child elements
    bool Hat(const std::string& ns, const std::string& name) const;
};

struct DavAntwort {
    std::string href;
    int status = 0;  // the response's own status (a member of a sync report that is gone)
    // Found properties by "namespace name" (DavSchluessel).
    std::map<std::string, DavEigenschaft> eigenschaften;
    const DavEigenschaft* Eigenschaft(const std::string& ns, const std::string& name) const;
    std::string Text(const std::string& ns, const std::string& name) const;
};

struct Multistatus {
    std::vector<DavAntwort> antworten;
    std::string syncToken;  // of a sync-collection report
};

std::string DavSchluessel(const std::string& ns, const std::string& name);

// "HTTP/1.1 404 Not Found" → 404; 0 when it is no status line.
int StatuszeileLesen(const std::string& zeile);

// Throws KalvoraFehler "Die Antwort des Servers ist kein gültiges XML (…)." for a body that
// is no well-formed multistatus document, and for one with a document type declaration.
Multistatus MultistatusLesen(const std::string& inhalt);

}  // namespace kalvora
