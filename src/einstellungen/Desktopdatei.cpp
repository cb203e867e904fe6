#include "einstellungen/Desktopdatei.h"

#include <fstream>

namespace kalvora {

std::string ExecArgument(const std::string& argument) {
    // Inside double quotes the Exec rules escape " ` $ \ with a backslash and double '%';
    // the string-value rules then double every backslash once more.
    std::string zitiert = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$') zitiert += "\\\\";
        if (c == '\\') zitiert += "\\\\\\";
        if (c == '%') zitiert += '%';
        if (c == '\n') {
            zitiert += "\\n";
            continue;
        }
        zitiert += c;
    }
    return zitiert + "\"";
}

std::vector<std::string> ExecArgumente(const std::string& wert) {
    // First the string-value escapes.
    std::string roh;
    for (std::size_t i = 0; i < wert.size(); ++i) {
        if (wert[i] == '\\' && i + 1 < wert.size()) {
            const char n = wert[++i];
            roh += n == 's' ? ' ' : n == 'n' ? '\n' : n == 't' ? '\t' : n == 'r' ? '\r' : n;
        } else {
            roh += wert[i];
        }
    }
    std::vector<std::string> argumente;
    std::string akt;
    bool inArgument = false, zitat = false;
    for (std::size_t i = 0; i < roh.size(); ++i) {
        const char c = roh[i];
        if (zitat) {
            if (c == '"') {
                zitat = false;
            } else if (c == '\\' && i + 1 < roh.size()) {
                akt += roh[++i];
            } else if (c == '%' && i + 1 < roh.size() && roh[i + 1] == '%') {
                akt += '%';
                ++i;
            } else {
                akt += c;
            }
        } else if (c == '"') {
            zitat = inArgument = true;
        } else if (c == ' ' || c == '\t') {
            if (inArgument) argumente.push_back(akt);
            akt.clear();
            inArgument = false;
        } else {
            if (c == '%' && i + 1 < roh.size() && roh[i + 1] == '%') ++i;
            akt += c;
            inArgument = true;
        }
    }
    if (inArgument) argumente.push_back(akt);
    return argumente;
}

std::optional<std::string> DesktopWert(const std::string& pfad, const std::string& schluessel) {
    std::ifstream ein(pfad);
    if (!ein) return std::nullopt;
    bool inGruppe = false;
    for (std::string zeile; std::getline(ein, zeile);) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (!zeile.empty() && zeile[0] == '[') {
            inGruppe = zeile == "[Desktop Entry]";
            continue;
        }
        if (!inGruppe) continue;
        const auto gleich = zeile.find('=');
        if (gleich == std::string::npos) continue;
        std::string name = zeile.substr(0, gleich);
        while (!name.empty() && name.back() == ' ') name.pop_back();
        if (name != schluessel) continue;
        std::size_t anfang = gleich + 1;
        while (anfang < zeile.size() && zeile[anfang] == ' ') ++anfang;
        return zeile.substr(anfang);
    }
    return std::nullopt;
}

}  // namespace kalvora
