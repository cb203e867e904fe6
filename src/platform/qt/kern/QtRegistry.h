#pragma once
// The settings store on QSettings in the platform's native format: the registry under
// HKEY_CURRENT_USER\Software\Kalvora on Windows, ~/.config/Kalvora/Kalvora.conf elsewhere.
// Key "Software\Kalvora" is the top level, "Software\Kalvora\X" the group "X".
#include <memory>

#include "platform/Registry.h"

class QSettings;

namespace kalvora {

class QtRegistry : public Registry {
public:
    // The current user's store.
    QtRegistry();
    // A settings file at the given path, in the same layout (tests, portable setups).
    explicit QtRegistry(const std::string& dateipfad);
    ~QtRegistry() override;

    void SchluesselOeffnen(const std::string& schluessel) override;
    std::optional<Registrywert> Lesen(const std::string& schluessel,
                                      const std::string& name) const override;
    void Schreiben(const std::string& schluessel, const std::string& name,
                   const Registrywert& wert) override;
    void Loeschen(const std::string& schluessel, const std::string& name) override;
    std::vector<std::string> Wertnamen(const std::string& schluessel) const override;
    std::string Ablage() const override;

    // Writes pending changes out; throws KalvoraFehler when the store cannot be written.
    void Sichern();

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace kalvora
