#pragma once
#include "platform/Uhr.h"

namespace kalvora::test {

// A clock that shows whatever the test set; by default Monday, 15.06.2009, 10:00.
class StehendeUhr : public Uhr {
public:
    Zeitpunkt jetzt{2009, 6, 15, 10, 0, 0};
    StehendeUhr() = default;
    explicit StehendeUhr(Zeitpunkt z) : jetzt(z) {}
    Zeitpunkt Jetzt() const override { return jetzt; }
};

}  // namespace kalvora::test
