// The check that keeps a command from writing over the file it reads.
#include <sys/stat.h>

#include "app/cli/Befehle.h"

namespace kalvora::cli {

void AusgabeNichtEingabe(const std::vector<std::string>& ausgaben,
                         const std::vector<std::string>& eingaben) {
    for (const std::string& aus : ausgaben) {
        struct stat a {};
        if (aus.empty() || stat(aus.c_str(), &a) != 0) continue;
        for (const std::string& ein : eingaben) {
            struct stat e {};
            if (ein.empty() || stat(ein.c_str(), &e) != 0) continue;
            if (a.st_dev == e.st_dev && a.st_ino == e.st_ino)
                throw Aufruffehler("Die Ausgabe \"" + aus + "\" ist dieselbe Datei wie die " +
                                   "Eingabe \"" + ein + "\" und wird nicht überschrieben.");
        }
    }
}

std::vector<std::string> Kalendereingaben(const std::string& pfad) {
    return {pfad, pfad + ".TxT", pfad + ".txt", pfad + ".TXT"};
}

}  // namespace kalvora::cli
