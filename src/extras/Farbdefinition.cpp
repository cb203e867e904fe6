#include "extras/Farbdefinition.h"

#include <algorithm>

namespace kalvora {

namespace {
constexpr uint32_t Weiss = 0xFFFFFF;
constexpr uint32_t Schwarz = 0x000000;
}  // namespace

TFarbdefinition::TFarbdefinition(TKalender& kal, TFarbwerte& legende)
    : kal_(kal), legende_(legende) {
    for (int z = 1; z <= AnzahlFarben; ++z) {
        const auto slot = static_cast<std::size_t>(Farbzeilenslots[Index(z)]);
        zeilen_[Index(z)] = {kal_.Farbwerte[slot], kal_.Farbnamen[slot]};
        schnappschuss_[Index(z)] = kal_.Farbwerte[slot];
    }
}

void TFarbdefinition::ZeileBetreten(int zeile) {
    if (zeile < 1 || zeile > AnzahlFarben) return;
    fokus_ = zeile;
    hochAktiv_ = zeile != 1;
    runterAktiv_ = zeile != AnzahlFarben;
}

void TFarbdefinition::KnopfBetreten() {
    // The arrows act on the row that had the focus last.
    hochAktiv_ = runterAktiv_ = false;
}

int TFarbdefinition::Tauschen(int mit) {
    if (mit < 1 || mit > AnzahlFarben) return fokus_;
    std::swap(zeilen_[Index(fokus_)], zeilen_[Index(mit)]);
    std::swap(schnappschuss_[Index(fokus_)], schnappschuss_[Index(mit)]);
    uebernehmenAktiv_ = true;
    ZeileBetreten(mit);
    return fokus_;
}

int TFarbdefinition::Hoch() { return Tauschen(fokus_ - 1); }
int TFarbdefinition::Runter() { return Tauschen(fokus_ + 1); }

void TFarbdefinition::NameAendern(int zeile, const std::string& name) {
    if (zeile < 1 || zeile > AnzahlFarben) return;
    if (zeilen_[Index(zeile)].name == name) return;
    zeilen_[Index(zeile)].name = name;
    uebernehmenAktiv_ = true;
}

std::optional<std::string> TFarbdefinition::FarbeWaehlen(int zeile, uint32_t farbe) {
    if (zeile < 1 || zeile > AnzahlFarben) return std::nullopt;
    farbe &= 0xFFFFFF;
    bool benutzt = farbe == Weiss || farbe == Schwarz;
    for (int z = 1; z <= AnzahlFarben; ++z)
        if (z != zeile && schnappschuss_[Index(z)] == farbe) benutzt = true;
    if (benutzt) return std::string(farbdefinitionstexte::SchonBenutzt);
    const uint32_t alt = zeilen_[Index(zeile)].farbe;
    if (alt != farbe) {
        kal_.FarbwertErsetzen(alt, farbe);
        for (int k = 1; k <= AnzahlFarben; ++k)
            if (legende_[static_cast<std::size_t>(k)] == alt) {
                legende_[static_cast<std::size_t>(k)] = farbe;
                break;
            }
        if (const int slot = kal_.FarbSlot(alt))
            kal_.Farbwerte[static_cast<std::size_t>(slot)] = farbe;
        kal_.GeaendertSetzen(true);
    }
    zeilen_[Index(zeile)].farbe = farbe;
    for (int z = 1; z <= AnzahlFarben; ++z) schnappschuss_[Index(z)] = zeilen_[Index(z)].farbe;
    return std::nullopt;
}

void TFarbdefinition::Uebernehmen() {
    if (!uebernehmenAktiv_) return;
    kal_.GeaendertSetzen(true);
    for (int z = 1; z <= AnzahlFarben; ++z) {
        Farbzeile& zeile = zeilen_[Index(z)];
        if (zeile.name.empty()) zeile.name = FreiName;
        const auto slot = static_cast<std::size_t>(Farbzeilenslots[Index(z)]);
        legende_[slot] = zeile.farbe;
        kal_.Farbwerte[slot] = zeile.farbe;
        kal_.Farbnamen[slot] = zeile.name;
    }
    uebernehmenAktiv_ = false;
    ZeileBetreten(1);
}

}  // namespace kalvora
