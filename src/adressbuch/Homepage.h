#pragma once
// The homepage field as a link: only web pages and mail addresses are ever opened. The
// address style sheet (daten/kalvora-adressen.xsl) follows the same rule for its links.
#include <string>

namespace kalvora {

struct Homepageziel {
    std::string url;      // what is opened; empty when nothing is
    std::string meldung;  // why nothing is opened (empty for an empty field)
};

// Blanks around the text and TAB, LF and CR inside it are dropped (as a browser does).
// "http:", "https:" and "mailto:" (any case) are links as they stand; a text without a
// scheme that begins with a letter, a digit or a non-ASCII character is a host name and
// gets "http://" ("www.example.de:8080/x" too: a colon before a digit is a port). Any other
// scheme ("javascript:", "file:", "C:\…") and anything else is refused with a message.
Homepageziel HomepageZiel(const std::string& feld);

}  // namespace kalvora
