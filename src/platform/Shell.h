#pragma once
// The desktop's "open": a document, a folder or a web address, handed to the program the
// desktop chooses for it. Never a command line. And the desktop's trash.
#include <string>

namespace kalvora {

class Shell {
public:
    virtual ~Shell() = default;
    // False when the desktop could not open it.
    virtual bool Oeffnen(const std::string& ziel) = 0;
    // Moves a file into the desktop's trash; false when it could not.
    virtual bool InPapierkorb(const std::string& pfad) = 0;
};

}  // namespace kalvora
