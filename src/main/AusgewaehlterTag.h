#pragma once
// The day that the dialogs and views opened from the main window start from. The main
// window owns the one instance; every other window reads and sets it.
#include <cstdint>

namespace kalvora {

struct AusgewaehlterTag {
    uint16_t tag = 1;
    uint16_t monat = 1;
    uint16_t jahr = 2000;
    void Setzen(int t, int m, int j) {
        tag = static_cast<uint16_t>(t);
        monat = static_cast<uint16_t>(m);
        jahr = static_cast<uint16_t>(j);
    }
    bool operator==(const AusgewaehlterTag&) const = default;
};

}  // namespace kalvora
