#include "kalender/Windowszonen.h"

#include <map>
#include <utility>

#include "methoden/Dateilesen.h"
#include "methoden/Fehler.h"

namespace kalvora {

const char* const kWindowszonenDatei =
    "/usr/share/unicode/cldr/common/supplemental/windowsZones.xml";

namespace {

using Tabelle = std::map<std::string, std::string, std::less<>>;

// The value of attribute name="…" inside one element's text.
std::string_view Attribut(std::string_view element, std::string_view name) {
    for (std::size_t p = 0; (p = element.find(name, p)) != std::string_view::npos; ++p) {
        if (p > 0 && element[p - 1] != ' ' && element[p - 1] != '\t' && element[p - 1] != '\n')
            continue;
        std::size_t q = p + name.size();
        if (q + 1 >= element.size() || element[q] != '=' || element[q + 1] != '"') continue;
        q += 2;
        const std::size_t ende = element.find('"', q);
        if (ende == std::string_view::npos) return {};
        return element.substr(q, ende - q);
    }
    return {};
}

// Every <mapZone other="…" territory="001" type="…"/>; the first tz name of type is the one.
Tabelle Einlesen(std::string_view xml) {
    Tabelle t;
    for (std::size_t p = 0; (p = xml.find("<mapZone", p)) != std::string_view::npos; ++p) {
        const std::size_t ende = xml.find('>', p);
        if (ende == std::string_view::npos) break;
        const std::string_view element = xml.substr(p, ende - p);
        if (Attribut(element, "territory") != "001") continue;
        const std::string_view windows = Attribut(element, "other");
        std::string_view iana = Attribut(element, "type");
        iana = iana.substr(0, iana.find(' '));
        if (!windows.empty() && !iana.empty()) t.emplace(windows, iana);
    }
    return t;
}

// When the system has no table: the zones most calendars of German users name.
Tabelle Ersatz() {
    return {{"W. Europe Standard Time", "Europe/Berlin"},
            {"Central Europe Standard Time", "Europe/Budapest"},
            {"Central European Standard Time", "Europe/Warsaw"},
            {"Romance Standard Time", "Europe/Paris"},
            {"GMT Standard Time", "Europe/London"},
            {"Greenwich Standard Time", "Atlantic/Reykjavik"},
            {"E. Europe Standard Time", "Europe/Chisinau"},
            {"FLE Standard Time", "Europe/Kiev"},
            {"GTB Standard Time", "Europe/Bucharest"},
            {"Russian Standard Time", "Europe/Moscow"},
            {"Turkey Standard Time", "Europe/Istanbul"},
            {"Eastern Standard Time", "America/New_York"},
            {"Central Standard Time", "America/Chicago"},
            {"Mountain Standard Time", "America/Denver"},
            {"Pacific Standard Time", "America/Los_Angeles"},
            {"China Standard Time", "Asia/Shanghai"},
            {"Tokyo Standard Time", "Asia/Tokyo"},
            {"India Standard Time", "Asia/Calcutta"},
            {"AUS Eastern Standard Time", "Australia/Sydney"},
            {"UTC", "Etc/UTC"}};
}

std::string Nachschlagen(const Tabelle& t, std::string_view name) {
    const auto it = t.find(name);
    return it == t.end() ? std::string() : it->second;
}

}  // namespace

std::string IanaNameAusTabelle(std::string_view xml, std::string_view windowsName) {
    return Nachschlagen(Einlesen(xml), windowsName);
}

std::string IanaNameVonWindowszone(std::string_view windowsName) {
    static const Tabelle tabelle = [] {
        try {
            Tabelle t = Einlesen(DateiEinlesen(kWindowszonenDatei, std::size_t{4} << 20));
            if (!t.empty()) return t;
        } catch (const KalvoraFehler&) {
            // no table on this system: the short one below
        }
        return Ersatz();
    }();
    return Nachschlagen(tabelle, windowsName);
}

}  // namespace kalvora
