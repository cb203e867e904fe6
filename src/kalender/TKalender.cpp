#include "kalender/TKalender.h"

namespace kalvora {

TFarbwerte EingebauteStandardfarben() {
    return {0,        0x00FFFF, 0x0000FF, 0xFF0000, 0x00FF00, 0xFF00FF, 0xFFFF00,
            0x008000, 0xC1CF8B, 0x009D9D, 0xB700B7, 0x79A5FF, 0xFCB68B, 0xA56E3B,
            0xA8C0A5, 0x000080, 0xE1FFFE, 0x000001, 0x000100, 0x010000, 0x000101};
}

TKalender::TKalender(const TFarbwerte& standardfarben)
    : Standardfarben(standardfarben), farbraster_(kSlots), terminraster_(kSlots) {
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
    for (int i = farbtage_.Naechste(0); i < kSlots; i = farbtage_.Naechste(i + 1))
        farbraster_[i].clear();
    farbtage_.Loeschen();
    for (int k = 1; k <= AnzahlFarben; ++k) Farbnamen[k] = FreiName;
    Farbwerte = Standardfarben;
}

void TKalender::TermineLeeren() {
    for (int i = termintage_.Naechste(0); i < kSlots; i = termintage_.Naechste(i + 1))
        terminraster_[i].clear();
    termintage_.Loeschen();
}

void TKalender::FarbtabelleAbgleichen(TFarbwerte& legendenfarben) {
    for (int k = 1; k <= AnzahlFarben; ++k) {
        if (Farbnamen[k].empty()) Farbnamen[k] = FreiName;
        if (Farbwerte[k] == 0) {
            // The reader gave the marks of this slot the value 0 as well: they follow the
            // new value, as when a named colour is redefined, or the next save drops them.
            Farbwerte[k] = legendenfarben[k];
            if (legendenfarben[k] != 0) FarbwertErsetzen(0, legendenfarben[k]);
        } else
            legendenfarben[k] = Farbwerte[k];
    }
}

void TKalender::FarbwertErsetzen(uint32_t alt, uint32_t neu) {
    for (int i = farbtage_.Naechste(0); i < kSlots; i = farbtage_.Naechste(i + 1))
        for (auto& f : farbraster_[i])
            if (f == alt) f = neu;
    for (int i = termintage_.Naechste(0); i < kSlots; i = termintage_.Naechste(i + 1))
        for (auto& t : terminraster_[i])
            if (t.Farbe == alt) t.Farbe = neu;
    beobachter_.Melden([&](Dokumentbeobachter& b) { b.FarbwertErsetzt(alt, neu); });
}

void TKalender::InhaltLeeren() {
    FarbenLeeren();
    TermineLeeren();
    Terminkategorie.clear();
    Linkliste.clear();
    Geburtstagsliste.clear();
}

void TKalender::Leeren() {
    InhaltLeeren();
    GeaendertSetzen(false);
}

int TKalender::TageMitFarben() const {
    int n = 0;
    for (int i = farbtage_.Naechste(0); i < kSlots; i = farbtage_.Naechste(i + 1))
        n += !farbraster_[i].empty();
    return n;
}

int TKalender::TageMitEintraegen() const {
    int n = 0;
    for (int i = termintage_.Naechste(0); i < kSlots; i = termintage_.Naechste(i + 1))
        n += !terminraster_[i].empty();
    return n;
}

int TKalender::AnzahlTermine() const {
    int n = 0;
    for (int i = termintage_.Naechste(0); i < kSlots; i = termintage_.Naechste(i + 1))
        if (terminraster_[i].size() > 1) n += static_cast<int>(terminraster_[i].size()) - 1;
    return n;
}

bool TKalender::TageGleich(const TKalender& andere) const {
    for (int i = std::min(NaechsterTag(0), andere.NaechsterTag(0)); i < kSlots;
         i = std::min(NaechsterTag(i + 1), andere.NaechsterTag(i + 1)))
        if (farbraster_[i] != andere.farbraster_[i] || terminraster_[i] != andere.terminraster_[i])
            return false;
    return true;
}

}  // namespace kalvora
