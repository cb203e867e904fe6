#include "doubles/SpeicherRegistry.h"

namespace kalvora {

void SpeicherRegistry::SchluesselOeffnen(const std::string& schluessel) {
    werte_[schluessel];
}

std::optional<Registrywert> SpeicherRegistry::Lesen(const std::string& schluessel,
                                                    const std::string& name) const {
    const auto k = werte_.find(schluessel);
    if (k == werte_.end()) return std::nullopt;
    const auto w = k->second.find(name);
    if (w == k->second.end()) return std::nullopt;
    return w->second;
}

void SpeicherRegistry::Schreiben(const std::string& schluessel, const std::string& name,
                                 const Registrywert& wert) {
    werte_[schluessel][name] = wert;
    ++schreibvorgaenge_;
}

void SpeicherRegistry::Loeschen(const std::string& schluessel, const std::string& name) {
    const auto k = werte_.find(schluessel);
    if (k != werte_.end()) k->second.erase(name);
}

std::vector<std::string> SpeicherRegistry::Wertnamen(const std::string& schluessel) const {
    std::vector<std::string> namen;
    const auto k = werte_.find(schluessel);
    if (k != werte_.end())
        for (const auto& [name, wert] : k->second) namen.push_back(name);
    return namen;
}

std::set<std::string> SpeicherRegistry::Schluessel() const {
    std::set<std::string> s;
    for (const auto& [name, werte] : werte_) s.insert(name);
    return s;
}

}  // namespace kalvora
