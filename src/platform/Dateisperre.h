#pragma once
// The lock file "<calendar file>.tmp": the copy of the program that holds it may write the
// calendar file, every other copy works read-only. A lock file nobody holds (left behind after
// a crash) never blocks. The caller keys the lock to the real file: the path with every
// symbolic link resolved, so that two names of one file share one lock.
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
    // After a save replaced the calendar file by a new one: the lock covers the new file.
    virtual void Erneuern() {}
};

// The outcome of an attempt to lock.
struct Sperrversuch {
    std::unique_ptr<Sperre> sperre;  // the lock, when it was taken
    bool belegt = false;             // no lock: another copy holds the file
    std::string grund;               // no lock and not belegt: why it cannot be locked here
};

class Dateisperre {
public:
    virtual ~Dateisperre() = default;
    // Creates (empty) and locks the lock file.
    virtual Sperrversuch Versuchen(const std::string& sperrdatei) = 0;
    // The lock, or nullptr when another holder has it or it cannot be created.
    std::unique_ptr<Sperre> Anlegen(const std::string& sperrdatei) {
        return Versuchen(sperrdatei).sperre;
    }
    // True while some holder (this process included) holds the lock file or the calendar
    // file it belongs to.
    virtual bool Gehalten(const std::string& sperrdatei) = 0;
    // Deletes the lock file if nobody holds it; a held lock file stays where it is.
    virtual void Loeschen(const std::string& sperrdatei) = 0;
};

}  // namespace kalvora
