#pragma once
// The calendar storage of the program: the calendar file readers for loading, the "Ver 3.3"
// writer and an atomic file write for saving, the recent-file list in the registry.
#include <functional>
#include <string>
#include <string_view>

#include "kalender/Kalenderspeicher.h"
#include "platform/Registry.h"

namespace kalvora {

class DateiKalenderspeicher : public Kalenderspeicher {
public:
    // schreiben replaces a whole file atomically (DateiAtomarSchreiben); warnung shows the
    // warnings of the binary reader.
    using Schreiber = std::function<void(const std::string& pfad, std::string_view inhalt)>;
    using Warner = std::function<void(const std::string& text)>;
    DateiKalenderspeicher(Schreiber schreiben, Warner warnung);

    Ladeergebnis Laden(TKalender& kal, const std::string& pfad,
                       const Fortschrittsmelder& fortschritt) override;
    void Speichern(const TKalender& kal, const std::string& pfad,
                   const Fortschrittsmelder& fortschritt) override;

private:
    Schreiber schreiben_;
    Warner warnung_;
};

// "Software\Kalvora\letzte_Dateien", values "Datei 01" … "Datei 10".
class RegistryLetzteDateien : public LetzteDateienAblage {
public:
    explicit RegistryLetzteDateien(Registry& registry) : registry_(registry) {}
    Dateiliste Lesen() override;
    void Schreiben(const Dateiliste& liste) override;

private:
    Registry& registry_;
};

}  // namespace kalvora
