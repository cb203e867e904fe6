#pragma once
// Reading a calendar file for a command, as the program does after opening it.
#include <string>

#include "kalender/Kalenderdatei.h"
#include "kalender/TKalender.h"

namespace kalvora::cli {

// Any form the program opens; the binary reader's warnings go to stderr. Throws
// KalvoraFehler when the file cannot be read.
Dateiform KalenderLaden(TKalender& kal, const std::string& pfad);

}  // namespace kalvora::cli
