#pragma once
// The one exception type of the program: a German message for the user, and for format
// faults the line number of the file where the fault was found.
#include <stdexcept>
#include <string>

namespace kalvora {

class KalvoraFehler : public std::runtime_error {
public:
    explicit KalvoraFehler(const std::string& meldung, int zeile = 0)
        : std::runtime_error(zeile > 0 ? "Zeile " + std::to_string(zeile) + ": " + meldung
                                       : meldung),
          zeile_(zeile) {}
    int zeile() const { return zeile_; }

private:
    int zeile_;
};

// A value outside the range a routine accepts (day of year beyond the year's end, …).
class Bereichsfehler : public KalvoraFehler {
public:
    using KalvoraFehler::KalvoraFehler;
};

// A text that cannot be converted (a non-digit in a clock time, …).
class Konvertierungsfehler : public KalvoraFehler {
public:
    using KalvoraFehler::KalvoraFehler;
};

}  // namespace kalvora
