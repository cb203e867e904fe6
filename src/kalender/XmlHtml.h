#pragma once
// The browser output's page: an export transformed with its style sheet into HTML, so a
// browser without XSLT shows the same page.
#include <string>
#include <vector>

namespace kalvora {

struct Htmlergebnis {
    bool ok = false;
    std::string html;    // the page's bytes (UTF-8) when ok
    std::string fehler;  // otherwise the parser's or the transformation's message, in German
    std::vector<std::string> gelesen;  // every file read: the export and its style sheets
};

// Reads the XML file, takes the style sheet its xml-stylesheet line names (in the XML file's
// folder) and applies it. Every file is read as every outside file is (regular files only,
// with a size limit), and only files in the XML file's folder are read at all: no network,
// no external entities or DTDs, no style sheet or document() from elsewhere; the style
// sheet may neither write files nor create folders.
Htmlergebnis XmlNachHtml(const std::string& xmlpfad);

}  // namespace kalvora
