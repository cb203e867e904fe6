#include "kalender/Farbhistorie.h"

#include <algorithm>

namespace kalvora {

std::string Historienhinweis(const char* befehl, std::size_t anzahl) {
    return std::string(befehl) + " (" + std::to_string(anzahl) + ")";
}

TFarbhistorie::TFarbhistorie(TKalender& kal) : kal_(kal) { kal_.Anmelden(*this); }

TFarbhistorie::~TFarbhistorie() { kal_.Abmelden(*this); }

TZurueckEintrag TFarbhistorie::Aufnahme(int tag, int monat, int jahr) const {
    TZurueckEintrag e{tag, monat, jahr, {}};
    if (TKalender::ImBereich(jahr, monat, tag)) e.farben = kal_.Tagesfarben(jahr, monat, tag);
    return e;
}

void TFarbhistorie::FarbaenderungMerken(int tag, int monat, int jahr) {
    redo_.clear();
    undo_.push_back(Aufnahme(tag, monat, jahr));
}

std::optional<Datum> TFarbhistorie::Umkehren(Tzurueck& von, Tzurueck& nach) {
    if (von.empty() || (gesperrt_ && gesperrt_())) return std::nullopt;
    TZurueckEintrag e = std::move(von.back());
    von.pop_back();
    nach.push_back(Aufnahme(e.tag, e.monat, e.jahr));
    if (TKalender::ImBereich(e.jahr, e.monat, e.tag))
        kal_.Tagesfarben(e.jahr, e.monat, e.tag) = std::move(e.farben);
    return Datum{e.tag, e.monat, e.jahr};
}

std::optional<Datum> TFarbhistorie::Rueckgaengig() { return Umkehren(undo_, redo_); }

std::optional<Datum> TFarbhistorie::Wiederherstellen() { return Umkehren(redo_, undo_); }

void TFarbhistorie::Leeren() {
    undo_.clear();
    redo_.clear();
}

void TFarbhistorie::FarbwertErsetzen(uint32_t alt, uint32_t neu) {
    for (Tzurueck* liste : {&undo_, &redo_})
        for (TZurueckEintrag& e : *liste) std::replace(e.farben.begin(), e.farben.end(), alt, neu);
}

}  // namespace kalvora
