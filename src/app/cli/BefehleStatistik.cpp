// statistik: the bars of a chart of the statistics window, with the options of the store.
#include <iostream>

#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "app/cli/Kalenderladen.h"
#include "methoden/Fehler.h"
#include "platform/qt/kern/QtRegistry.h"
#include "statistik/Statistik.h"
#include "einstellungen/Statistikablage.h"

namespace kalvora::cli {
namespace {

Statistikart ArtArgument(const std::string& text) {
    if (text == "farben") return Statistikart::Farbhaeufigkeit;
    if (text == "dauer") return Statistikart::Termindauer;
    if (text == "termine") return Statistikart::Terminhaeufigkeit;
    throw Aufruffehler(Gezeigt(text) + " ist keine Statistik (farben, dauer, termine)");
}

const BefehlRegistrieren statistik{
    {"statistik", "statistik DATEI JJJJ farben|dauer|termine [--kategorie TEXT]",
     "die Balken der Statistik des Jahres (Name<TAB>Wert), mit den Optionen der Ablage",
     [](const std::vector<std::string>& a) {
         std::vector<std::string> frei;
         std::optional<std::string> kategorie;
         for (std::size_t i = 0; i < a.size(); ++i) {
             if (a[i] == "--kategorie") {
                 if (i + 1 >= a.size()) ArgumentFehlt("--kategorie");
                 kategorie = a[++i];
             } else {
                 frei.push_back(a[i]);
             }
         }
         AnzahlPruefen(frei, {"DATEI", "JJJJ", "farben|dauer|termine"});
         const std::string& datei = DateiArgument(frei[0]);
         const int jahr = JahrArgument(frei[1]);
         if (jahr < ErstesJahr || jahr > LetztesJahr)
             throw Aufruffehler(Gezeigt(frei[1]) + " liegt nicht zwischen 1901 und 2099");
         const Statistikart art = ArtArgument(frei[2]);
         TKalender kal;
         KalenderLaden(kal, datei);
         Statistikoptionen optionen;
         try {
             QtRegistry registry;
             StatistikoptionenLaden(registry, optionen);
         } catch (const KalvoraFehler& f) {
             std::cerr << "Warnung: " << f.what() << "\n";
         }
         // The chooser's two fixed entries or a category name, counted exactly.
         const Kategoriefilter filter =
             kategorie ? Kategoriefilter::AusText(*kategorie) : Kategoriefilter::Alle();
         const auto balken = StatistikBalken(kal, StatistikBerechnen(kal, jahr, art, filter),
                                             art, optionen.anzeige);
         std::cout << BalkenAlsText(balken, art);
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
