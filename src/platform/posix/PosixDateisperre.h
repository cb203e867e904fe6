#pragma once
// Lock files as advisory flock() locks. A lock belongs to an open file description, so two
// sessions in one process exclude each other just as two processes do.
#include "platform/Dateisperre.h"

namespace kalvora {

class PosixDateisperre : public Dateisperre {
public:
    std::unique_ptr<Sperre> Anlegen(const std::string& sperrdatei) override;
    bool Gehalten(const std::string& sperrdatei) override;
    void Loeschen(const std::string& sperrdatei) override;
};

}  // namespace kalvora
