#include "platform/posix/Systemzeitzone.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace kalvora {
namespace {

// The part after ".../zoneinfo/" of a path; the text itself when it is no path.
std::string Zonenname(std::string text) {
    if (!text.empty() && text.front() == ':') text.erase(0, 1);
    const std::string::size_type pos = text.find("zoneinfo/");
    if (pos != std::string::npos) return text.substr(pos + 9);
    if (!text.empty() && text.front() == '/') return {};
    return text;
}

}  // namespace

std::string SystemZeitzone() {
    if (const char* tz = std::getenv("TZ"); tz && *tz) {
        const std::string name = Zonenname(tz);
        if (!name.empty()) return name;
    }
    std::ifstream datei("/etc/timezone");
    std::string zeile;
    if (datei && std::getline(datei, zeile)) {
        while (!zeile.empty() && (zeile.back() == ' ' || zeile.back() == '\r')) zeile.pop_back();
        if (!zeile.empty()) return zeile;
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
