#include "SkriptDialoge.h"

#include <stdexcept>

namespace kalvora::test {
namespace {

template <typename T>
T Naechste(std::deque<T>& schlange, const std::string& was) {
    if (schlange.empty()) throw std::logic_error("unerwarteter Dialog: " + was);
    T t = std::move(schlange.front());
    schlange.pop_front();
    return t;
}

}  // namespace

Antwort SkriptDialoge::Meldung(const std::string& text, Meldungsart art, Knoepfe knoepfe,
                               const std::string& titel) {
    meldungen.push_back({text, art, knoepfe, titel});
    if (knoepfe == Knoepfe::Ok) return Antwort::Ok;
    return Naechste(antworten, "Meldung \"" + text + "\"");
}

std::optional<std::string> SkriptDialoge::Eingabe(const std::string&,
                                                  const std::string& aufforderung,
                                                  const std::string&) {
    eingabeAufforderungen.push_back(aufforderung);
    return Naechste(eingaben, "Eingabe \"" + aufforderung + "\"");
}

std::optional<Dateiwahl> SkriptDialoge::DateiOeffnen(const Dateidialog& d) {
    dateidialoge.push_back(d);
    return Naechste(oeffnen, "Datei öffnen");
}

std::optional<std::string> SkriptDialoge::DateiSpeichern(const Dateidialog& d) {
    dateidialoge.push_back(d);
    return Naechste(speichern, "Datei speichern");
}

std::optional<std::string> SkriptDialoge::OrdnerWaehlen(const std::string&,
                                                        const std::string&) {
    return Naechste(ordner, "Ordner wählen");
}

std::optional<uint32_t> SkriptDialoge::Farbe(uint32_t, const std::vector<uint32_t>&) {
    return Naechste(farben, "Farbe");
}

std::optional<Schrift> SkriptDialoge::Schriftart(const Schrift&) {
    return Naechste(schriften, "Schriftart");
}

std::vector<std::string> SkriptDialoge::Texte() const {
    std::vector<std::string> t;
    for (const auto& m : meldungen) t.push_back(m.text);
    return t;
}

bool SkriptDialoge::AllesVerbraucht() const {
    return antworten.empty() && eingaben.empty() && oeffnen.empty() && speichern.empty() &&
           ordner.empty() && farben.empty() && schriften.empty();
}

}  // namespace kalvora::test
