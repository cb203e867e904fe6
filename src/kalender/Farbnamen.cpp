#include "kalender/Farbnamen.h"

namespace kalvora {

std::string farbname(const TKalender& kal, uint32_t farbe) {
    const int k = kal.FarbSlot(farbe);
    if (k == 0 || kal.Farbnamen[k] == FreiName) return {};
    return kal.Farbnamen[k];
}

uint32_t farbwert(const TKalender& kal, const std::string& text) {
    for (int k = 1; k <= AnzahlFarben; ++k)
        if (kal.Farbnamen[k] == text) return kal.Farbwerte[k];
    return KeineFarbe;
}

int farbplatz(const TKalender& kal, uint32_t farbe) { return kal.FarbSlot(farbe); }

std::string tagesfarbtext(const TKalender& kal, int jahr, int monat, int tag, bool alleFarbnamen) {
    const TTagesfarben& farben = kal.Tagesfarben(jahr, monat, tag);
    if (farben.empty()) return {};
    if (!alleFarbnamen) {
        const int k = kal.FarbSlot(farben.front());
        return k == 0 ? std::string() : kal.Farbnamen[k];
    }
    std::string text;
    for (uint32_t f : farben) {
        const std::string name = farbname(kal, f);
        if (name.empty()) continue;
        if (!text.empty()) text += ", ";
        text += name;
    }
    return text;
}

}  // namespace kalvora
