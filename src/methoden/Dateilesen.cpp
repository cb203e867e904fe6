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

std::string DateiEinlesen(const std::string& pfad, std::size_t grenze) {
    const auto fehler = [&pfad](int nummer) {
        return KalvoraFehler("Die Datei \"" + pfad + "\" kann nicht gelesen werden: " +
                             Systemfehlertext(nummer) + ".");
    };
    std::error_code ec;
    // Checked before opening: opening a pipe would already wait for a writer.
    const fs::file_status s = fs::status(fs::path(pfad), ec);
    if (ec) throw fehler(ec.value());
    if (s.type() == fs::file_type::directory)
        throw KalvoraFehler("\"" + pfad + "\" ist ein Ordner und keine Datei.");
    if (s.type() != fs::file_type::regular)
        throw KalvoraFehler("\"" + pfad +
                            "\" ist keine gewöhnliche Datei (sondern z. B. ein Gerät oder eine "
                            "Pipe) und wird nicht gelesen.");
    const auto zuGross = [&] {
        return KalvoraFehler("Die Datei \"" + pfad + "\" ist zu groß (mehr als " +
                             std::to_string(grenze >> 20) + " MB) und wird nicht gelesen.");
    };
    const std::uintmax_t groesse = fs::file_size(fs::path(pfad), ec);
    if (!ec && groesse > grenze) throw zuGross();

    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> datei(std::fopen(pfad.c_str(), "rb"),
                                                          &std::fclose);
    if (!datei) throw fehler(errno ? errno : EIO);
    std::string inhalt;
    constexpr std::size_t kBlock = 1 << 20;
    std::size_t block = !ec && groesse > 0 ? static_cast<std::size_t>(groesse) + 1 : kBlock;
    // One read for a file of known size; the extra byte notices a file that grew.
    while (true) {
        const std::size_t alt = inhalt.size();
        if (alt > grenze) throw zuGross();
        inhalt.resize(alt + block);
        const std::size_t n = std::fread(inhalt.data() + alt, 1, block, datei.get());
        inhalt.resize(alt + n);
        if (n < block) break;
        block = kBlock;
    }
    if (std::ferror(datei.get())) throw fehler(errno ? errno : EIO);
    if (inhalt.size() > grenze) throw zuGross();
    return inhalt;
}

}  // namespace kalvora
