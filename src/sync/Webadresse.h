#pragma once
// http and https URLs as the CalDAV client needs them: read, written back, and references
// of a server (hrefs, Location) resolved against the URL they came from.
#include <optional>
#include <string>

namespace kalvora {

struct Webadresse {
    std::string schema;   // "http" or "https"
    std::string rechner;  // in lower case; an IPv6 address in brackets
    int port = 0;
    std::string pfad;     // from the first '/', query included; "/" at least
};

// nullopt for anything but an absolute http or https URL with a host, and for a URL with a
// user name or password in it (those would show up in every listing and message).
std::optional<Webadresse> AdresseLesen(const std::string& url);

std::string AdresseText(const Webadresse& a);

// scheme://host[:port] of the URL, the part a server's absolute path is relative to.
std::string Herkunft(const Webadresse& a);

// A reference (absolute URL, absolute path or relative path) resolved against basis; a
// fragment is dropped, "." and ".." segments are removed.
std::string Aufloesen(const Webadresse& basis, const std::string& referenz);

// %XX sequences decoded (a broken one stays as it is).
std::string Prozentdekodiert(const std::string& text);

// The same resource, whatever the server's spelling: percent-encoding and one trailing
// slash do not count.
bool GleicheAdresse(const std::string& a, const std::string& b);

// The last path segment, decoded: the name of a collection that has no display name.
std::string LetzterPfadteil(const std::string& url);

}  // namespace kalvora
