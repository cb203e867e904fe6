#pragma once
// The settings store in memory, for tests: keys and values live in maps and vanish with the
// object. Value names of a key are listed in alphabetical order.
#include <map>
#include <set>

#include "platform/Registry.h"

namespace kalvora {

class SpeicherRegistry : public Registry {
public:
    void SchluesselOeffnen(const std::string& schluessel) override;
    std::optional<Registrywert> Lesen(const std::string& schluessel,
                                      const std::string& name) const override;
    void Schreiben(const std::string& schluessel, const std::string& name,
                   const Registrywert& wert) override;
    void Loeschen(const std::string& schluessel, const std::string& name) override;
    std::vector<std::string> Wertnamen(const std::string& schluessel) const override;
    std::string Ablage() const override { return "Arbeitsspeicher"; }

    // For tests: every key ever opened or written, and the number of writes so far.
    std::set<std::string> Schluessel() const;
    int Schreibvorgaenge() const { return schreibvorgaenge_; }

private:
    std::map<std::string, std::map<std::string, Registrywert>> werte_;
    int schreibvorgaenge_ = 0;
};

}  // namespace kalvora
