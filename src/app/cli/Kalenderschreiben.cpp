// Writing a calendar the commands have read: repaired as the program's save repairs it.
#include <iostream>

#include "app/cli/Kalenderladen.h"
#include "kalender/Speicherhindernisse.h"

namespace kalvora::cli {

std::string KalenderAlsVer33Repariert(TKalender& kal) {
    for (const std::string& aenderung : SpeicherhindernisseBeheben(kal, true))
        std::cerr << "Hinweis: " << aenderung << ".\n";
    return KalenderAlsVer33(kal);
}

}  // namespace kalvora::cli
