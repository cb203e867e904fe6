#include "kalender/TKalender.h"

namespace kalvora {

TFarbwerte EingebauteStandardfarben() {
    return {0,        0x00FFFF, 0x0000FF, 0xFF0000, 0x00FF00, 0xFF00FF, 0xFFFF00,
            0x008000, 0xC1CF8B, 0x009D9D, 0xB700B7, 0x79A5FF, 0xFCB68B, 0xA56E3B,
            0xA8C0A5, 0x000080, 0xE1FFFE, 0x000001, 0x000100, 0x010000, 0x000101};
}

TKalender::TKalender(const TFarbwerte& standardfarben)
    : Farbraster(kSlots), Terminraster(kSlots), Standardfarben(standardfarben) {
    Farbnamen.fill(FreiName);
    Farbnamen[0].clear();
    Farbwerte = Standardfarben;
}

int TKalender::FarbSlot(uint32_t farbe) const {
    for (int k = 1; k <= AnzahlFarben; ++k)
        if (Farbwerte[k] == farbe) return k;
    return 0;
}

namespace {
int IndexIn(const TTerminKategorie& liste, const std::string& text) {
    for (std::size_t i = 0; i < liste.size(); ++i)
        if (liste[i] == text) return static_cast<int>(i);
    return -1;
}
}  // namespace

int TKalender::KategorieIndex(const std::string& text) const {
    return IndexIn(Terminkategorie, text);
}
int TKalender::LinkIndex(const std::string& text) const { return IndexIn(Linkliste, text); }

void TKalender::FarbenLeeren() {
    for (auto& f : Farbraster) f.clear();
    for (int k = 1; k <= AnzahlFarben; ++k) Farbnamen[k] = FreiName;
    Farbwerte = Standardfarben;
}

void TKalender::TermineLeeren() {
    for (auto& t : Terminraster) t.clear();
}

void TKalender::FarbtabelleAbgleichen(TFarbwerte& legendenfarben) {
    for (int k = 1; k <= AnzahlFarben; ++k) {
        if (Farbnamen[k].empty()) Farbnamen[k] = FreiName;
        if (Farbwerte[k] == 0)
            Farbwerte[k] = legendenfarben[k];
        else
            legendenfarben[k] = Farbwerte[k];
    }
}

void TKalender::FarbwertErsetzen(uint32_t alt, uint32_t neu) {
    for (auto& farben : Farbraster)
        for (auto& f : farben)
            if (f == alt) f = neu;
    for (auto& liste : Terminraster)
        for (auto& t : liste)
            if (t.Farbe == alt) t.Farbe = neu;
    for (auto& [handle, nutzer] : farbwertNutzer_) nutzer(alt, neu);
}

int TKalender::FarbwertNutzerAnmelden(FarbwertNutzer nutzer) {
    farbwertNutzer_.emplace_back(naechsterNutzer_, std::move(nutzer));
    return naechsterNutzer_++;
}

void TKalender::FarbwertNutzerEntfernen(int handle) {
    std::erase_if(farbwertNutzer_, [handle](const auto& p) { return p.first == handle; });
}

void TKalender::Leeren() {
    FarbenLeeren();
    TermineLeeren();
    Terminkategorie.clear();
    Linkliste.clear();
    Geburtstagsliste.clear();
    geaendert = false;
}

int TKalender::TageMitFarben() const {
    int n = 0;
    for (const auto& f : Farbraster) n += !f.empty();
    return n;
}

int TKalender::TageMitEintraegen() const {
    int n = 0;
    for (const auto& t : Terminraster) n += !t.empty();
    return n;
}

int TKalender::AnzahlTermine() const {
    int n = 0;
    for (const auto& t : Terminraster)
        if (t.size() > 1) n += static_cast<int>(t.size()) - 1;
    return n;
}

}  // namespace kalvora
