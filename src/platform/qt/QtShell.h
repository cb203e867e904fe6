#pragma once
// "Open" through QDesktopServices: a path as a file, anything with a scheme as that URL.
#include "platform/Shell.h"

namespace kalvora {

class QtShell : public Shell {
public:
    bool Oeffnen(const std::string& ziel) override;
    bool InPapierkorb(const std::string& pfad) override;
};

}  // namespace kalvora
