// Settings command: einstellungen.
#include <iostream>

#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "einstellungen/Einstellungen.h"
#include "methoden/Fehler.h"
#include "platform/qt/kern/QtRegistry.h"

namespace kalvora::cli {
namespace {

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
