#include "einstellungen/Dateitypen.h"

#include <exception>
#include <filesystem>
#include <sstream>
#include <string_view>

#include "einstellungen/Desktopdatei.h"
#include "methoden/Dateilesen.h"

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

// Far above any real globs file or package (the system's globs2 has some 100 KB).
constexpr std::size_t kGroessteMimedatei = std::size_t{16} << 20;

// The mime databases of other programs: read safely (a pipe there must not stop the start),
// and whatever cannot be read counts as empty.
std::string Lesen(const fs::path& pfad) {
    if (DateiFehlt(pfad.string())) return {};
    try {
        return DateiEinlesen(pfad.string(), kGroessteMimedatei);
    } catch (const std::exception&) {
        return {};
    }
}

// Writes one file; false when it could not be written.
bool Schreiben(const Dateischreiber& schreiben, const fs::path& pfad, const std::string& text) {
    try {
        schreiben(pfad.string(), text);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}


}  // namespace

bool MimeglobBekannt(std::string_view text, std::string_view muster) {
    // globs lines: "type:pattern"; globs2 lines: "weight:type:pattern[:flags]"; '#' comments.
    while (!text.empty()) {
        const std::size_t ende = text.find('\n');
        std::string_view zeile = text.substr(0, ende);
        text = ende == std::string_view::npos ? std::string_view() : text.substr(ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        if (zeile.empty() || zeile.front() == '#') continue;
        std::string_view felder[3];
        std::size_t n = 0;
        while (n < 3) {
            const std::size_t d = zeile.find(':');
            felder[n++] = zeile.substr(0, d);
            if (d == std::string_view::npos) break;
            zeile.remove_prefix(d + 1);
        }
        if ((n == 2 && felder[1] == muster) || (n == 3 && felder[2] == muster)) return true;
    }
    return false;
}

bool DateitypBekannt(const std::vector<std::string>& datenordner, const std::string& endung) {
    const std::string muster = "*" + endung;
    std::error_code ec;
    for (const auto& ordner : datenordner) {
        const fs::path mime = fs::path(ordner) / "mime";
        for (const char* name : {"globs2", "globs"})
            if (MimeglobBekannt(Lesen(mime / name), muster)) return true;
        for (const auto& e : fs::directory_iterator(mime / "packages", ec)) {
            if (Lesen(e.path()).find("pattern=\"" + muster + "\"") != std::string::npos)
                return true;
        }
    }
    return false;
}

bool SystemeintragVorhanden(const std::vector<std::string>& datenordner) {
    std::error_code ec;
    for (const auto& ordner : datenordner)
        if (fs::is_regular_file(fs::path(ordner) / "applications" / kPaketeintrag, ec))
            return true;
    return false;
}

bool DateitypenRegistrieren(const std::string& zielordner,
                            const std::vector<std::string>& alleDatenordner,
                            const std::string& programm, const Dateischreiber& schreiben) {
    bool geschrieben = false;
    std::error_code ec;
    const fs::path pakete = fs::path(zielordner) / "mime" / "packages";
    for (const auto& typ : Dateitypen()) {
        if (DateitypBekannt(alleDatenordner, typ.endung)) continue;
        fs::create_directories(pakete, ec);
        std::ostringstream aus;
        aus << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            << "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            << "  <mime-type type=\"" << typ.mimetyp << "\">\n"
            << "    <comment>" << typ.klasse << "</comment>\n"
            << "    <glob pattern=\"*" << typ.endung << "\"/>\n"
            << "  </mime-type>\n"
            << "</mime-info>\n";
        geschrieben = Schreiben(schreiben, pakete / typ.paket, aus.str()) || geschrieben;
    }
    const fs::path anwendungen = fs::path(zielordner) / "applications";
    const fs::path eintrag = anwendungen / "kalvora.desktop";
    if (!fs::exists(eintrag, ec) && !SystemeintragVorhanden(alleDatenordner)) {
        fs::create_directories(anwendungen, ec);
        std::ostringstream aus;
        aus << "[Desktop Entry]\n"
            << "Type=Application\n"
            << "Name=Kalvora\n"
            << "Exec=" << ExecArgument(programm) << " %f\n"
            << "MimeType=";
        for (const auto& typ : Dateitypen()) aus << typ.mimetyp << ';';
        aus << "\nTerminal=false\n";
        geschrieben = Schreiben(schreiben, eintrag, aus.str()) || geschrieben;
    }
    return geschrieben;
}

}  // namespace kalvora
