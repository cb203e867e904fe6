#include "einstellungen/Dateitypen.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "einstellungen/Desktopdatei.h"

namespace kalvora {

namespace fs = std::filesystem;

const std::vector<Dateityp>& Dateitypen() {
    static const std::vector<Dateityp> typen{
        {".kvr", "application/x-kalvora", "Kalvora Datei", "kalvora-kvr.xml"},
        {".kvradr", "application/x-kalvora-adressen", "Kalvora AdressDatei",
         "kalvora-kvradr.xml"},
    };
    return typen;
}

namespace {

std::string Lesen(const fs::path& pfad) {
    std::ifstream ein(pfad);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

bool GlobBekannt(const std::string& text, const std::string& muster) {
    // globs2 lines: "weight:type:pattern"; globs lines: "type:pattern".
    std::istringstream ein(text);
    for (std::string zeile; std::getline(ein, zeile);) {
        const auto doppelpunkt = zeile.rfind(':');
        if (doppelpunkt != std::string::npos && zeile.substr(doppelpunkt + 1) == muster)
            return true;
    }
    return false;
}

}  // namespace

bool DateitypBekannt(const std::vector<std::string>& datenordner, const std::string& endung) {
    const std::string muster = "*" + endung;
    std::error_code ec;
    for (const auto& ordner : datenordner) {
        const fs::path mime = fs::path(ordner) / "mime";
        for (const char* name : {"globs2", "globs"})
            if (GlobBekannt(Lesen(mime / name), muster)) return true;
        for (const auto& e : fs::directory_iterator(mime / "packages", ec)) {
            if (Lesen(e.path()).find("pattern=\"" + muster + "\"") != std::string::npos)
                return true;
        }
    }
    return false;
}

bool DateitypenRegistrieren(const std::string& zielordner,
                            const std::vector<std::string>& alleDatenordner,
                            const std::string& programm) {
    bool geschrieben = false;
    std::error_code ec;
    const fs::path pakete = fs::path(zielordner) / "mime" / "packages";
    for (const auto& typ : Dateitypen()) {
        if (DateitypBekannt(alleDatenordner, typ.endung)) continue;
        fs::create_directories(pakete, ec);
        std::ofstream aus(pakete / typ.paket, std::ios::trunc);
        aus << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            << "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            << "  <mime-type type=\"" << typ.mimetyp << "\">\n"
            << "    <comment>" << typ.klasse << "</comment>\n"
            << "    <glob pattern=\"*" << typ.endung << "\"/>\n"
            << "  </mime-type>\n"
            << "</mime-info>\n";
        geschrieben = geschrieben || static_cast<bool>(aus);
    }
    const fs::path anwendungen = fs::path(zielordner) / "applications";
    const fs::path eintrag = anwendungen / "kalvora.desktop";
    if (!fs::exists(eintrag, ec)) {
        fs::create_directories(anwendungen, ec);
        std::ofstream aus(eintrag, std::ios::trunc);
        aus << "[Desktop Entry]\n"
            << "Type=Application\n"
            << "Name=Kalvora\n"
            << "Exec=" << ExecArgument(programm) << " %f\n"
            << "MimeType=";
        for (const auto& typ : Dateitypen()) aus << typ.mimetyp << ';';
        aus << "\nTerminal=false\n";
        geschrieben = geschrieben || static_cast<bool>(aus);
    }
    return geschrieben;
}

}  // namespace kalvora
