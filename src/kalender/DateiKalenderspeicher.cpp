#include "kalender/DateiKalenderspeicher.h"

#include <cstdio>

#include "kalender/Kalenderdatei.h"

namespace kalvora {
namespace {

constexpr const char* kLetzteDateien = "Software\\Kalvora\\letzte_Dateien";

std::string Wertname(std::size_t i) {
    char name[16];
    std::snprintf(name, sizeof name, "Datei %02zu", i + 1);
    return name;
}

}  // namespace

DateiKalenderspeicher::DateiKalenderspeicher(Schreiber schreiben, Warner warnung)
    : schreiben_(std::move(schreiben)), warnung_(std::move(warnung)) {}

Ladeergebnis DateiKalenderspeicher::Laden(TKalender& kal, const std::string& pfad,
                                          const Fortschrittsmelder& fortschritt) {
    // A file that is not there leaves the document empty without a message. One that is
    // there but cannot be read is an error: an empty document under its name would replace
    // it at the next save.
    if (DateiFehlt(pfad)) {
        kal.InhaltLeeren();
        return Ladeergebnis::NichtLesbar;
    }
    // The reader empties the document itself, refilling the day lists in place.
    LadeOptionen optionen;
    optionen.fortschritt = fortschritt;
    optionen.warnung = warnung_;
    return KalenderdateiLesen(kal, pfad, optionen) == Dateiform::Binaer ? Ladeergebnis::Binaer
                                                                         : Ladeergebnis::Text;
}

void DateiKalenderspeicher::Speichern(const TKalender& kal, const std::string& pfad,
                                      const Fortschrittsmelder& fortschritt) {
    // The whole text is made before the file is touched: a text the file cannot hold stops
    // the save with the old file intact.
    const std::string inhalt = KalenderAlsVer33(kal, fortschritt);
    schreiben_(pfad, inhalt);
}

Dateiliste RegistryLetzteDateien::Lesen() {
    Dateiliste liste{};
    registry_.SchluesselOeffnen(kLetzteDateien);
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const auto wert = registry_.Lesen(kLetzteDateien, Wertname(i));
        if (!wert) {
            registry_.Schreiben(kLetzteDateien, Wertname(i), std::string());
        } else if (const auto* text = std::get_if<std::string>(&*wert)) {
            liste[i] = *text;
        }
        // A value of another type counts as empty; it is overwritten on the next write.
    }
    return liste;
}

void RegistryLetzteDateien::Schreiben(const Dateiliste& liste) {
    registry_.SchluesselOeffnen(kLetzteDateien);
    for (std::size_t i = 0; i < liste.size(); ++i)
        registry_.Schreiben(kLetzteDateien, Wertname(i), liste[i]);
}

}  // namespace kalvora
