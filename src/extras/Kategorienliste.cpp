#include "extras/Kategorienliste.h"

#include <algorithm>
#include <unordered_map>

namespace kalvora {

namespace {
constexpr Listentexte kategorien{"Terminkategorien definieren",
                                 "Listen Sie hier Ihre Kategorien auf:",
                                 "Liste der definierten Kategorien"};
constexpr Listentexte links{"Links definieren", "Geben Sie hier Dateien, Ordner oder Urls ein:",
                            "Liste der definierten Links"};
}  // namespace

const Listentexte& TexteDerListe(Listenart art) {
    return art == Listenart::Kategorien ? kategorien : links;
}

TTerminKategorie& ListeDerArt(TKalender& kal, Listenart art) {
    return art == Listenart::Kategorien ? kal.Terminkategorie : kal.Linkliste;
}

std::size_t TermineUmbenennen(TKalender& kal, Listenart art, const std::vector<std::string>& alt,
                              const std::vector<std::string>& neu) {
    // Old text -> new text; of equal old entries the first decides, as it renames first.
    static const std::string leer;
    std::unordered_map<std::string_view, const std::string*> umbenennung;
    for (std::size_t i = 0; i < alt.size(); ++i) {
        // An appointment without a category is not renamed by an empty entry.
        if (alt[i].empty()) continue;
        const std::string& ziel = i < neu.size() ? neu[i] : leer;
        if (!umbenennung.contains(alt[i])) umbenennung.emplace(alt[i], &ziel);
    }
    std::erase_if(umbenennung, [](const auto& e) { return e.first == *e.second; });
    if (umbenennung.empty()) return 0;
    // The new texts held once, so that every renamed appointment shares its text.
    std::unordered_map<const std::string*, TText> texte;
    for (const auto& [von, nach] : umbenennung) texte.emplace(nach, TText(*nach));

    std::size_t n = 0;
    for (int i = kal.NaechsterTermintag(0); i < TKalender::kSlots;
         i = kal.NaechsterTermintag(i + 1)) {
        TTerminliste& liste = kal.TerminlisteAn(i);
        for (std::size_t e = 1; e < liste.size(); ++e) {
            TText& feld = art == Listenart::Kategorien ? liste[e].Kategorie : liste[e].Link;
            if (feld.empty()) continue;
            const auto treffer = umbenennung.find(feld.sicht());
            if (treffer == umbenennung.end()) continue;
            feld = texte.at(treffer->second);
            ++n;
        }
    }
    if (n > 0) kal.GeaendertSetzen(true);
    return n;
}

TListenbearbeitung::TListenbearbeitung(TKalender& kal, Listenart art, bool schreibgeschuetzt)
    : kal_(kal), art_(art), schreibgeschuetzt_(schreibgeschuetzt), alt_(ListeDerArt(kal, art)) {
    zeilen_ = alt_;
    zeilen_.emplace_back();
}

void TListenbearbeitung::Eingabe(int zeile, const std::string& text) {
    if (schreibgeschuetzt_ || zeile < 1 || zeile > static_cast<int>(zeilen_.size())) return;
    std::string rein = text;
    std::erase(rein, '#');
    zeilen_[static_cast<std::size_t>(zeile - 1)] = rein;
    if (!zeilen_.back().empty()) zeilen_.emplace_back();
    kal_.GeaendertSetzen(true);
}

void TListenbearbeitung::Ok() {
    if (schreibgeschuetzt_) return;
    TermineUmbenennen(kal_, art_, alt_, zeilen_);
    TTerminKategorie liste;
    for (const std::string& z : zeilen_)
        if (!z.empty()) liste.push_back(z);
    ListeDerArt(kal_, art_) = std::move(liste);
    alt_ = ListeDerArt(kal_, art_);
}

}  // namespace kalvora
