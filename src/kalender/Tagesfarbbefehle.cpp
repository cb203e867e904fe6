#include "kalender/Tagesfarbbefehle.h"

#include <algorithm>

namespace kalvora {

std::optional<int> FarbeEnthalten(const TTagesfarben& farben, uint32_t farbe) {
    const auto it = std::find(farben.begin(), farben.end(), farbe);
    if (it == farben.end()) return std::nullopt;
    return static_cast<int>(it - farben.begin());
}

bool FarbeEntfernen(TTagesfarben& farben, uint32_t farbe) {
    const std::optional<int> i = FarbeEnthalten(farben, farbe);
    if (!i) return false;
    farben.erase(farben.begin() + *i);
    return true;
}

void FarbbefehlAnwenden(TTagesfarben& farben, Farbbefehl befehl, uint32_t farbe) {
    switch (befehl) {
        case Farbbefehl::AlleLoeschen: farben.clear(); break;
        case Farbbefehl::Neu: farben.assign(1, farbe); break;
        case Farbbefehl::Hinzufuegen:
            if (!HatFarbe(farben, farbe)) farben.push_back(farbe);
            break;
        case Farbbefehl::Loeschen: FarbeEntfernen(farben, farbe); break;
    }
}

bool TagesfarbeAendern(TKalender& kal, const Farbaenderungsmerker& merken, int tag, int monat,
                       int jahr, Farbbefehl befehl, int slot) {
    if (befehl != Farbbefehl::AlleLoeschen && (slot < 1 || slot > AnzahlFarben)) return false;
    if (!TKalender::ImBereich(jahr, monat, tag)) return false;
    const uint32_t farbe =
        befehl == Farbbefehl::AlleLoeschen ? 0 : kal.Farbwerte[static_cast<std::size_t>(slot)];
    if (merken) merken(tag, monat, jahr);
    FarbbefehlAnwenden(kal.Tagesfarben(jahr, monat, tag), befehl, farbe);
    kal.GeaendertSetzen(true);
    return true;
}

Farbuntermenues FarbuntermenuesBauen(const TKalender& kal, const TTagesfarben& farben,
                                     bool schreibgeschuetzt) {
    Farbuntermenues m;
    for (int slot : MenueSlotfolge) {
        Farbmenueeintrag e;
        e.slot = slot;
        e.titel = kal.Farbnamen[static_cast<std::size_t>(slot)];
        e.farbe = kal.Farbwerte[static_cast<std::size_t>(slot)];
        const bool belegt = !FreierName(e.titel);
        const bool hat = HatFarbe(farben, e.farbe);
        e.sichtbar = belegt;
        m.neu.eintraege.push_back(e);
        e.sichtbar = belegt && !hat;
        m.hinzufuegen.eintraege.push_back(e);
        e.sichtbar = belegt && hat;
        m.loeschen.eintraege.push_back(e);
    }
    for (Farbuntermenue* u : {&m.neu, &m.hinzufuegen, &m.loeschen}) {
        const bool zeigt = std::any_of(u->eintraege.begin(), u->eintraege.end(),
                                       [](const Farbmenueeintrag& e) { return e.sichtbar; });
        u->aktiv = zeigt && !schreibgeschuetzt;
    }
    return m;
}

}  // namespace kalvora
