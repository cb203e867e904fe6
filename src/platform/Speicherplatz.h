#pragma once
// Free space on the drive of a folder.
#include <cstdint>
#include <optional>
#include <string>

namespace kalvora {

class Speicherplatz {
public:
    virtual ~Speicherplatz() = default;
    // Bytes an ordinary user may still write below ordner; nullopt when unknown.
    virtual std::optional<uint64_t> FreieBytes(const std::string& ordner) = 0;
};

}  // namespace kalvora
