#include "statistik/Statistikchartmodell.h"

#include <algorithm>

namespace kalvora {

Statistikchartmodell::Statistikchartmodell(const TKalender& kal, int jahr, Statistikart art)
    : kal_(kal), jahr_(std::clamp(jahr, ErstesJahr, LetztesJahr)), art_(art) {
    FarbenZaehlen();
}

bool Statistikchartmodell::Blaettern(int richtung) {
    if (richtung < 0 ? !ZurueckMoeglich() : !VorMoeglich()) return false;
    JahrSetzen(jahr_ + (richtung < 0 ? -1 : 1));
    return true;
}

void Statistikchartmodell::JahrSetzen(int jahr) {
    jahr_ = std::clamp(jahr, ErstesJahr, LetztesJahr);
    FarbenZaehlen();
}

std::vector<std::string> Statistikchartmodell::Kategorieauswahl() const {
    std::vector<std::string> e = {statistiktexte::AlleKategorien, statistiktexte::OhneKategorie};
    e.insert(e.end(), kal_.Terminkategorie.begin(), kal_.Terminkategorie.end());
    return e;
}

void Statistikchartmodell::KategorieSetzen(int index) {
    const int n = 2 + static_cast<int>(kal_.Terminkategorie.size());
    kategorie_ = index >= 0 && index < n ? index : 0;
}

Kategoriefilter Statistikchartmodell::Filter() const {
    if (kategorie_ == 1) return Kategoriefilter::Ohne();
    const auto i = static_cast<std::size_t>(kategorie_ - 2);
    // The list may have shrunk since the entry was chosen.
    if (kategorie_ < 2 || i >= kal_.Terminkategorie.size()) return Kategoriefilter::Alle();
    return Kategoriefilter::Genau(kal_.Terminkategorie[i]);
}

void Statistikchartmodell::FarbenZaehlen() { farbwerte_ = Farbhaeufigkeiten(kal_, jahr_); }

std::vector<Statistikbalken> Statistikchartmodell::Balken() const {
    const Statistikwerte w = art_ == Statistikart::Farbhaeufigkeit
                                 ? farbwerte_
                                 : Terminwerte(kal_, jahr_, art_, Filter());
    return StatistikBalken(kal_, w, art_, optionen_.anzeige);
}

}  // namespace kalvora
