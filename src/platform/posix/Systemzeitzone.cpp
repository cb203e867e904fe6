#include "platform/posix/Systemzeitzone.h"

#include <cstdlib>
#include <filesystem>

#include "methoden/Dateilesen.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

bool Zonenzeichen(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '/' || c == '_' || c == '-' || c == '+';
}

// A name the zone database could hold: no path of its own, no "..", no control character.
bool IstZonenname(std::string_view name) {
    if (name.empty() || name.size() > 255 || name.front() == '/') return false;
    for (char c : name)
        if (!Zonenzeichen(c)) return false;
    return true;
}

// The part after ".../zoneinfo/" of a path; the text itself when it is no path; empty when
// that is no zone name.
std::string Zonenname(std::string text) {
    if (!text.empty() && text.front() == ':') text.erase(0, 1);
    const std::string::size_type pos = text.find("zoneinfo/");
    if (pos != std::string::npos) text = text.substr(pos + 9);
    return IstZonenname(text) ? text : std::string();
}

// /etc/timezone holds one short line; anything larger is not a zone file.
constexpr std::size_t kGroessteZonendatei = 4096;

}  // namespace

std::string ZoneAusTimezoneDatei(std::string_view inhalt) {
    std::string_view zeile = inhalt.substr(0, inhalt.find('\n'));
    while (!zeile.empty() && (zeile.back() == ' ' || zeile.back() == '\r' ||
                              zeile.back() == '\t'))
        zeile.remove_suffix(1);
    return IstZonenname(zeile) ? std::string(zeile) : std::string();
}

std::string SystemZeitzone() {
    if (const char* tz = std::getenv("TZ"); tz && *tz) {
        const std::string name = Zonenname(tz);
        if (!name.empty()) return name;
    }
    try {
        const std::string zone =
            ZoneAusTimezoneDatei(DateiEinlesen("/etc/timezone", kGroessteZonendatei));
        if (!zone.empty()) return zone;
    } catch (const KalvoraFehler&) {
        // missing, unreadable, no regular file or too large: the link decides
    }
    std::error_code f;
    const std::filesystem::path ziel = std::filesystem::read_symlink("/etc/localtime", f);
    if (!f) {
        const std::string name = Zonenname(ziel.string());
        if (!name.empty()) return name;
    }
    return "UTC";
}

}  // namespace kalvora
