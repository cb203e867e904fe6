#pragma once
// Reading a whole outside file (calendar files, CSV, companion texts, address groups, the
// name-day catalogue) into memory, safely: only regular files, and only up to a size far
// above any real file, so that a pipe, a device or /dev/zero can neither hang the program
// nor fill its memory.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace kalvora {

// 256 MiB: the largest possible calendar (every day of 199 years filled) is about 15 MB.
constexpr std::size_t kGroessteEingabedatei = std::size_t{256} << 20;

// The whole file. Throws KalvoraFehler with a German message naming the file when it cannot
// be read, is no regular file (a folder, a pipe, a device) or is larger than grenze.
std::string DateiEinlesen(const std::string& pfad,
                          std::size_t grenze = kGroessteEingabedatei);

// The same file, with the same checks, block by block.
class Dateiblockleser {
public:
    explicit Dateiblockleser(const std::string& pfad,
                             std::size_t grenze = kGroessteEingabedatei);
    // Appends up to n bytes to ziel; false when the file had nothing more. Throws
    // KalvoraFehler as DateiEinlesen does.
    bool Lesen(std::string& ziel, std::size_t n);
    // The size found when opening (0 when unknown).
    std::uintmax_t Groesse() const { return groesse_; }

private:
    std::string pfad_;
    std::size_t grenze_;
    std::uintmax_t groesse_ = 0;
    std::size_t gelesen_ = 0;
    bool ende_ = false;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> datei_{nullptr, &std::fclose};
};

// True when the file does not exist at all (as opposed to existing and being unreadable).
bool DateiFehlt(const std::string& pfad);

}  // namespace kalvora
