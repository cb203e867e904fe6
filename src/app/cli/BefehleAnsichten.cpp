// tageszelle: a day cell as the calendar views fill it, with the settings of the store.
#include <iostream>

#include "ansichten/Tageszelle.h"
#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "app/cli/Kalenderladen.h"

namespace kalvora::cli {
namespace {

// The month and week views start the header with the weekday, the other two do not.
bool MitWochentag(const std::string& ansicht) {
    if (ansicht == "monat" || ansicht == "woche") return true;
    if (ansicht == "mowo" || ansicht == "zwow") return false;
    throw Aufruffehler(Gezeigt(ansicht) + " ist keine Ansicht (monat, mowo, woche, zwow)");
}

const BefehlRegistrieren tageszelle{
    {"tageszelle", "tageszelle DATEI TT.MM.JJJJ [--ansicht monat|mowo|woche|zwow]",
     "der Tag, wie ihn eine Kalenderansicht zeigt (Hintergrund, Fett, dann jede Zeile)",
     [](const std::vector<std::string>& a) {
         std::vector<std::string> frei;
         std::string ansicht = "monat";
         for (std::size_t i = 0; i < a.size(); ++i) {
             if (a[i] == "--ansicht") {
                 if (i + 1 >= a.size()) ArgumentFehlt("--ansicht");
                 ansicht = a[++i];
             } else {
                 frei.push_back(a[i]);
             }
         }
         const bool wochentag = MitWochentag(ansicht);
         AnzahlPruefen(frei, {"DATEI", "TT.MM.JJJJ"});
         const std::string& datei = DateiArgument(frei[0]);
         const Datum tag = DatumArgument(frei[1]);
         if (tag.jahr < ErstesJahr || tag.jahr > LetztesJahr)
             throw Aufruffehler(Gezeigt(frei[1]) + " liegt nicht zwischen 1901 und 2099");
         TKalender kal;
         KalenderLaden(kal, datei);
         std::string fehler;
         const Einstellungen einst = GespeicherteEinstellungen(fehler);
         if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
         std::cout << ZelleAlsText(
             TageszelleFuellen(kal, ZellenoptionenAus(einst), tag, wochentag));
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
