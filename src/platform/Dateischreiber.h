#pragma once
// Writing a whole file, handed in from outside: the program passes its one atomic writer, so
// that logic which writes files needs no platform code of its own.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kalvora {

// Writes inhalt as the whole file pfad, or throws KalvoraFehler with a German reason.
using Dateischreiber = std::function<void(const std::string& pfad, std::string_view inhalt)>;

// A file written piece by piece, with the same safety: it replaces the old file only when
// Abschliessen succeeds; given up before (destroyed), it leaves the old file as it was.
class Stueckschreiber {
public:
    virtual ~Stueckschreiber() = default;
    virtual void Schreiben(std::string_view stueck) = 0;
    virtual void Abschliessen() = 0;
};

// Starts such a file, or throws KalvoraFehler when the target may not be replaced.
using Stueckdateischreiber = std::function<std::unique_ptr<Stueckschreiber>(const std::string&)>;

// Pieces gathered in memory and handed to a whole-file writer at the end: for services that
// offer no writer of their own for pieces.
class Gesammeltschreiber : public Stueckschreiber {
public:
    Gesammeltschreiber(Dateischreiber schreiben, std::string pfad)
        : schreiben_(std::move(schreiben)), pfad_(std::move(pfad)) {}
    void Schreiben(std::string_view stueck) override { inhalt_.append(stueck); }
    void Abschliessen() override { schreiben_(pfad_, inhalt_); }

private:
    Dateischreiber schreiben_;
    std::string pfad_, inhalt_;
};

}  // namespace kalvora
