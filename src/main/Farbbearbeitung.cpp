#include "main/Farbbearbeitung.h"

namespace kalvora {

std::array<int, AnzahlFarben + 1> Farbzaehlung(const TKalender& kal, int jahr) {
    std::array<int, AnzahlFarben + 1> z{};
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1, n = TageImMonat(monat, jahr); tag <= n; ++tag)
            for (uint32_t farbe : kal.Tagesfarben(jahr, monat, tag)) ++z[kal.FarbSlot(farbe)];
    z[0] = 0;  // colours of no slot are not counted
    return z;
}

std::optional<Rechteck> TagNeuZeichnen(const TJahresansicht& ansicht, int tag, int monat,
                                       int jahr) {
    if (jahr != ansicht.Jahr() || monat < 1 || monat > 12 || tag < 1 ||
        tag > TageImMonat(monat, jahr))
        return std::nullopt;
    return ansicht.TagesZelle(tag, monat);
}

}  // namespace kalvora
