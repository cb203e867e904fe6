#pragma once
// The lock file "<calendar file>.tmp": the copy of the program that holds it may write the
// calendar file, every other copy works read-only. A lock file nobody holds (left behind after
// a crash) never blocks.
#include <memory>
#include <string>

namespace kalvora {

inline std::string Sperrdateiname(const std::string& kalenderdatei) {
    return kalenderdatei + ".tmp";
}

// A held lock. Destroying it releases the lock and deletes the lock file.
class Sperre {
public:
    virtual ~Sperre() = default;
    virtual const std::string& Pfad() const = 0;
};

class Dateisperre {
public:
    virtual ~Dateisperre() = default;
    // Creates (empty) and locks the lock file; nullptr when another holder has it or it cannot
    // be created.
    virtual std::unique_ptr<Sperre> Anlegen(const std::string& sperrdatei) = 0;
    // True while the lock file exists and some holder (this process included) holds it.
    virtual bool Gehalten(const std::string& sperrdatei) = 0;
    // Deletes the lock file if nobody holds it; a held lock file stays where it is.
    virtual void Loeschen(const std::string& sperrdatei) = 0;
};

}  // namespace kalvora
