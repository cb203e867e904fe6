#include "einstellungen/Desktopdatei.h"

#include <string_view>

#include "methoden/Dateilesen.h"
#include "methoden/Fehler.h"

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

std::optional<std::string> DesktopWertAusText(std::string_view text,
                                             const std::string& schluessel) {
    bool inGruppe = false;
    while (!text.empty()) {
        const std::size_t ende = text.find('\n');
        std::string_view zeile = text.substr(0, ende);
        text = ende == std::string_view::npos ? std::string_view() : text.substr(ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        if (!zeile.empty() && zeile[0] == '[') {
            inGruppe = zeile == "[Desktop Entry]";
            continue;
        }
        if (!inGruppe) continue;
        const auto gleich = zeile.find('=');
        if (gleich == std::string_view::npos) continue;
        std::string_view name = zeile.substr(0, gleich);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        if (name != schluessel) continue;
        std::size_t anfang = gleich + 1;
        while (anfang < zeile.size() && zeile[anfang] == ' ') ++anfang;
        return std::string(zeile.substr(anfang));
    }
    return std::nullopt;
}

std::optional<std::string> DesktopWert(const std::string& pfad, const std::string& schluessel) {
    std::string text;
    try {
        text = DateiEinlesen(pfad, kGroessteDesktopdatei);
    } catch (const KalvoraFehler&) {
        return std::nullopt;  // missing, no regular file, unreadable or far too large
    }
    return DesktopWertAusText(text, schluessel);
}

}  // namespace kalvora
