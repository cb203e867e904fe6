// Settings command: einstellungen.
#include <ctime>
#include <iostream>

#include "app/cli/Befehle.h"
#include "einstellungen/Einstellungen.h"
#include "methoden/Fehler.h"
#include "platform/qt/kern/QtRegistry.h"

namespace kalvora::cli {
namespace {

// Showing the settings must not change them: loading would write back missing values.
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

int AktuellesJahr() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    return t.tm_year + 1900;
}

const BefehlRegistrieren einstellungen{
    {"einstellungen", "einstellungen",
     "Ablage der Einstellungen und alle Werte des Hauptschlüssels (Name = Wert)",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {});
         QtRegistry registry;
         NurLesen nurLesen(registry);
         Einstellungsumgebung umgebung;  // no screen here: the defaults of 1024 x 768
         umgebung.aktuellesJahr = AktuellesJahr();
         Einstellungen e;
         std::string fehler;
         try {
             EinstellungenLaden(nurLesen, umgebung, e);
         } catch (const KalvoraFehler& f) {
             fehler = f.what();
         }
         std::cout << "Ablage: " << registry.Ablage() << "\n";
         for (const auto& [name, wert] : HauptwerteAlsText(e))
             std::cout << name << " = " << wert << "\n";
         if (fehler.empty()) return kErfolg;
         std::cerr << fehler << "\n";
         return kDateifehler;
     }}};

}  // namespace
}  // namespace kalvora::cli
