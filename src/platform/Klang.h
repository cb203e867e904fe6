#pragma once
// Sound of the alarm: plays a sound or media file once per request.
#include <string>

namespace kalvora {

class Klang {
public:
    virtual ~Klang() = default;
    // Plays the file once. While it is still playing a new request changes nothing; after
    // it has ended it starts again. A missing or unplayable file is no fault: it stays
    // silent.
    virtual void Abspielen(const std::string& datei) = 0;
    // Stops playing and lets the file go.
    virtual void Anhalten() = 0;
};

}  // namespace kalvora
