#pragma once
#include "platform/Uhr.h"

namespace kalvora::test {

// A clock that shows whatever the test set.
class StehendeUhr : public Uhr {
public:
    Zeitpunkt jetzt;
    explicit StehendeUhr(Zeitpunkt z) : jetzt(z) {}
    Zeitpunkt Jetzt() const override { return jetzt; }
};

}  // namespace kalvora::test
