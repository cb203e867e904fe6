#pragma once
// The browser output's page: an export transformed with its style sheet into HTML, so a
// browser without XSLT shows the same page.
#include <string>

namespace kalvora {

struct Htmlergebnis {
    bool ok = false;
    std::string html;    // the page's bytes (UTF-8) when ok
    std::string fehler;  // otherwise the parser's or the transformation's message, in German
};

// Reads the XML file, takes the style sheet its xml-stylesheet line names (relative to the
// XML file's folder) and applies it. No network access, and the style sheet may neither
// write files nor create folders.
Htmlergebnis XmlNachHtml(const std::string& xmlpfad);

}  // namespace kalvora
