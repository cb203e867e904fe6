#pragma once
// The settings of the current user's store, read as the program reads them but without
// writing anything back.
#include <optional>
#include <string>
#include <vector>

#include "einstellungen/Einstellungen.h"
#include "platform/Registry.h"

namespace kalvora::cli {

// Loading would write back missing values; a command that only reads must not.
class NurLesen : public Registry {
public:
    explicit NurLesen(const Registry& quelle) : quelle_(quelle) {}
    void SchluesselOeffnen(const std::string&) override {}
    std::optional<Registrywert> Lesen(const std::string& schluessel,
                                      const std::string& name) const override {
        return quelle_.Lesen(schluessel, name);
    }
    void Schreiben(const std::string&, const std::string&, const Registrywert&) override {}
    void Loeschen(const std::string&, const std::string&) override {}
    std::vector<std::string> Wertnamen(const std::string& schluessel) const override {
        return quelle_.Wertnamen(schluessel);
    }
    std::string Ablage() const override { return quelle_.Ablage(); }

private:
    const Registry& quelle_;
};

int AktuellesJahr();

// The settings of the store (no screen here: the defaults of 1024 x 768). A value the store
// holds in a wrong form is reported in fehler, the rest is loaded.
Einstellungen GespeicherteEinstellungen(std::string& fehler);

}  // namespace kalvora::cli
