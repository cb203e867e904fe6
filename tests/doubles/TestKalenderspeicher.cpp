#include "TestKalenderspeicher.h"

#include <fstream>
#include <sstream>

#include "methoden/Fehler.h"

namespace kalvora::test {

Ladeergebnis TestKalenderspeicher::Laden(TKalender& kal, const std::string& pfad,
                                         const Fortschrittsmelder& fortschritt) {
    kal.InhaltLeeren();
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) return Ladeergebnis::NichtLesbar;
    geladen.push_back(pfad);
    std::string kopf;
    std::getline(ein, kopf);
    if (kopf != "TESTKALENDER" && kopf != "BINAER")
        throw KalvoraFehler("Dies ist keine gültige Kalvoradatei", 1);
    int slot;
    uint32_t farbe;
    while (ein >> slot >> farbe) {
        if (slot >= 0 && slot < TKalender::kSlots) kal.TagesfarbenAn(slot).push_back(farbe);
    }
    if (fortschritt) fortschritt(100);
    return kopf == "BINAER" ? Ladeergebnis::Binaer : Ladeergebnis::Text;
}

void TestKalenderspeicher::Speichern(const TKalender& kal, const std::string& pfad,
                                     const Fortschrittsmelder& fortschritt) {
    if (!speicherfehler.empty()) throw KalvoraFehler(speicherfehler);
    std::ostringstream aus;
    aus << "TESTKALENDER\n";
    for (int i = 0; i < TKalender::kSlots; ++i)
        for (uint32_t f : kal.TagesfarbenAn(i)) aus << i << ' ' << f << '\n';
    std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
    datei << aus.str();
    if (!datei) throw KalvoraFehler("Schreibfehler: " + pfad);
    gespeichert.push_back(pfad);
    if (fortschritt) fortschritt(100);
}

void TestdateiSchreiben(const std::string& pfad, uint32_t farbe, const std::string& kopf) {
    std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
    datei << kopf << "\n" << TKalender::SlotIndex(2024, 1, 1) << ' ' << farbe << '\n';
}

}  // namespace kalvora::test
