#pragma once
// Lock files as advisory flock() locks. A lock belongs to an open file description, so two
// sessions in one process exclude each other just as two processes do. Besides the lock
// file, the calendar file itself is locked: a second name of the same file (a hard link)
// has another lock file but the same file, and so finds it held.
#include "platform/Dateisperre.h"

namespace kalvora {

class PosixDateisperre : public Dateisperre {
public:
    Sperrversuch Versuchen(const std::string& sperrdatei) override;
    bool Gehalten(const std::string& sperrdatei) override;
    void Loeschen(const std::string& sperrdatei) override;
};

}  // namespace kalvora
