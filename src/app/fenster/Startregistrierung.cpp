#include "app/fenster/Startregistrierung.h"

#include <exception>

#include "einstellungen/Dateitypen.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/posix/XdgOrdner.h"

namespace kalvora {

void DateitypenBeimStart(const std::string& zielordner,
                         const std::vector<std::string>& alleDatenordner,
                         const std::string& programm) {
    try {
        if (DateitypenRegistrieren(zielordner, alleDatenordner, programm,
                                   [](const std::string& pfad, std::string_view inhalt) {
                                       DateiAtomarSchreiben(pfad, inhalt);
                                   }))
            MimeDatenbankAktualisieren(zielordner);
    } catch (const std::exception&) {
        // Opening files by double click is a convenience; the calendar works without it.
    }
}

}  // namespace kalvora
