#include "methoden/Dateilesen.h"

#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <system_error>

#include "methoden/Fehler.h"
#include "methoden/Systemfehler.h"

namespace kalvora {

namespace fs = std::filesystem;

bool DateiFehlt(const std::string& pfad) {
    std::error_code ec;
    const fs::file_status s = fs::symlink_status(fs::path(pfad), ec);
    return s.type() == fs::file_type::not_found;
}

namespace {
KalvoraFehler Lesefehler(const std::string& pfad, int nummer) {
    return KalvoraFehler("Die Datei \"" + pfad + "\" kann nicht gelesen werden: " +
                         Systemfehlertext(nummer) + ".");
}
KalvoraFehler ZuGross(const std::string& pfad, std::size_t grenze) {
    return KalvoraFehler("Die Datei \"" + pfad + "\" ist zu groß (mehr als " +
                         std::to_string(grenze >> 20) + " MB) und wird nicht gelesen.");
}
}  // namespace

Dateiblockleser::Dateiblockleser(const std::string& pfad, std::size_t grenze)
    : pfad_(pfad), grenze_(grenze) {
    std::error_code ec;
    // Checked before opening: opening a pipe would already wait for a writer.
    const fs::file_status s = fs::status(fs::path(pfad), ec);
    if (ec) throw Lesefehler(pfad, ec.value());
    if (s.type() == fs::file_type::directory)
        throw KalvoraFehler("\"" + pfad + "\" ist ein Ordner und keine Datei.");
    if (s.type() != fs::file_type::regular)
        throw KalvoraFehler("\"" + pfad +
                            "\" ist keine gewöhnliche Datei (sondern z. B. ein Gerät oder eine "
                            "Pipe) und wird nicht gelesen.");
    const std::uintmax_t groesse = fs::file_size(fs::path(pfad), ec);
    if (!ec) {
        if (groesse > grenze) throw ZuGross(pfad, grenze);
        groesse_ = groesse;
    }
    errno = 0;
    datei_.reset(std::fopen(pfad.c_str(), "rb"));
    if (!datei_) throw Lesefehler(pfad, errno ? errno : EIO);
}

bool Dateiblockleser::Lesen(std::string& ziel, std::size_t n) {
    if (ende_ || n == 0) return false;
    const std::size_t alt = ziel.size();
    ziel.resize(alt + n);
    errno = 0;
    const std::size_t gelesen = std::fread(ziel.data() + alt, 1, n, datei_.get());
    ziel.resize(alt + gelesen);
    if (std::ferror(datei_.get())) throw Lesefehler(pfad_, errno ? errno : EIO);
    gelesen_ += gelesen;
    if (gelesen_ > grenze_) throw ZuGross(pfad_, grenze_);
    if (gelesen < n) ende_ = true;
    return gelesen > 0;
}

std::string DateiEinlesen(const std::string& pfad, std::size_t grenze) {
    Dateiblockleser datei(pfad, grenze);
    std::string inhalt;
    // One read for a file of known size; the extra byte notices a file that grew.
    std::size_t block = datei.Groesse() > 0 ? static_cast<std::size_t>(datei.Groesse()) + 1
                                            : std::size_t{1} << 20;
    while (datei.Lesen(inhalt, block)) block = std::size_t{1} << 20;
    return inhalt;
}

}  // namespace kalvora
