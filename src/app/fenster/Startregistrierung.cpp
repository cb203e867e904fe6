#include "app/fenster/Startregistrierung.h"

#include <exception>

#include "einstellungen/Dateitypen.h"

namespace kalvora {

void DateitypenBeimStart(const std::string& zielordner,
                         const std::vector<std::string>& alleDatenordner,
                         const std::string& programm, const Dateischreiber& schreiben,
                         const std::function<void(const std::string&)>& aktualisieren) {
    try {
        if (DateitypenRegistrieren(zielordner, alleDatenordner, programm, schreiben))
            aktualisieren(zielordner);
    } catch (const std::exception&) {
        // Opening files by double click is a convenience; the calendar works without it.
    }
}

}  // namespace kalvora
