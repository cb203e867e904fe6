#pragma once
// Calendar storage for session tests: real files in a small format of its own, so tests can
// see what was written without depending on the calendar file format.
//   line 1: "TESTKALENDER" (text form) or "BINAER" (loaded as the older binary form);
//           anything else makes Laden throw as a malformed file
//   further lines: "<slot> <colour>" for every coloured day
#include <string>
#include <vector>

#include "kalender/Kalenderspeicher.h"

namespace kalvora::test {

class TestKalenderspeicher : public Kalenderspeicher {
public:
    Ladeergebnis Laden(TKalender& kal, const std::string& pfad,
                       const Fortschrittsmelder& fortschritt) override;
    void Speichern(const TKalender& kal, const std::string& pfad,
                   const Fortschrittsmelder& fortschritt) override;

    // Next saves throw this message (nothing is written) while not empty.
    std::string speicherfehler;
    std::vector<std::string> geladen;
    std::vector<std::string> gespeichert;
};

// Writes a calendar file of the format above with the given day coloured (1.1.2024 = slot).
void TestdateiSchreiben(const std::string& pfad, uint32_t farbe = 0x0000FF,
                        const std::string& kopf = "TESTKALENDER");

class SpeicherLetzteDateien : public LetzteDateienAblage {
public:
    Dateiliste Lesen() override { return liste; }
    void Schreiben(const Dateiliste& l) override {
        liste = l;
        ++schreibvorgaenge;
    }
    Dateiliste liste{};
    int schreibvorgaenge = 0;
};

}  // namespace kalvora::test
