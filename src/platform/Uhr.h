#pragma once
// The local date and time now. Logic never reads the system clock itself.

namespace kalvora {

struct Zeitpunkt {
    int jahr = 2000, monat = 1, tag = 1;
    int stunde = 0, minute = 0, sekunde = 0;
};

class Uhr {
public:
    virtual ~Uhr() = default;
    virtual Zeitpunkt Jetzt() const = 0;
};

}  // namespace kalvora
