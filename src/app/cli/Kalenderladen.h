#pragma once
// Reading a calendar file for a command, as the program does after opening it.
#include <string>

#include "kalender/Kalenderdatei.h"
#include "kalender/TKalender.h"

namespace kalvora::cli {

// Any form the program opens; the binary reader's warnings go to stderr. Throws
// KalvoraFehler when the file cannot be read.
Dateiform KalenderLaden(TKalender& kal, const std::string& pfad);

// The document as "Ver 3.3" bytes, as the program saves it once its question before a repair
// is answered with yes: items a file read can hold but the calendar file cannot (a time that
// is no hh:mm, a duration beyond a day, a category "[Linkliste]") are repaired first, and
// each repair is told on stderr as a German line "Hinweis: ...". Throws KalvoraFehler for
// what cannot be written even so.
std::string KalenderAlsVer33Repariert(TKalender& kal);

}  // namespace kalvora::cli
