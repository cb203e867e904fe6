#pragma once
// The day that the dialogs and views opened from the main window start from. The application
// core owns the one instance and tells the document's subscribers when it moves; every window
// reads and sets it.
#include <cstdint>
#include <functional>

#include "methoden/Methoden.h"

namespace kalvora {

struct AusgewaehlterTag {
    uint16_t tag = 1;
    uint16_t monat = 1;
    uint16_t jahr = 2000;
    // Told of every new day.
    std::function<void(const Datum&)> gesetzt;

    void Setzen(int t, int m, int j) {
        const bool neu = t != tag || m != monat || j != jahr;
        tag = static_cast<uint16_t>(t);
        monat = static_cast<uint16_t>(m);
        jahr = static_cast<uint16_t>(j);
        if (neu && gesetzt) gesetzt(Datum{t, m, j});
    }
    bool operator==(const AusgewaehlterTag& o) const {
        return tag == o.tag && monat == o.monat && jahr == o.jahr;
    }
};

}  // namespace kalvora
