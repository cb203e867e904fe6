// Settings command: einstellung, one value of the settings store read or written.
#include <iostream>

#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "einstellungen/Einzelwert.h"
#include "methoden/Fehler.h"
#include "platform/qt/kern/QtRegistry.h"

namespace kalvora::cli {
namespace {

const BefehlRegistrieren einstellung{
    {"einstellung", "einstellung NAME [WERT]",
     "liest einen Wert der Einstellungen oder schreibt ihn (Unterschlüssel als "
     "Schlüssel/Name, z. B. Schreibschutz/Art)",
     [](const std::vector<std::string>& a) {
         if (a.empty()) ArgumentFehlt("NAME");
         if (a.size() > 2) ArgumentZuviel(a[2]);
         QtRegistry registry;
         Einstellungsumgebung umgebung;
         umgebung.aktuellesJahr = AktuellesJahr();
         try {
             if (a.size() == 2) {
                 EinzelwertSchreiben(registry, umgebung, a[0], a[1]);
                 registry.Sichern();
             } else {
                 std::cout << EinzelwertLesen(registry, umgebung, a[0]) << "\n";
             }
         } catch (const KalvoraFehler& f) {
             std::cerr << f.what() << "\n";
             return kDateifehler;
         }
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
