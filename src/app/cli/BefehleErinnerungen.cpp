// erinnerungen: the birthday and name-day reminders a check on a day would show, with the
// settings of the current user's store.
#include <iostream>

#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "app/cli/Kalenderladen.h"
#include "personen/Erinnerungen.h"

namespace kalvora::cli {
namespace {

Pruefanlass AnlassArgument(const std::string& text) {
    if (text == "alles") return Pruefanlass::Alles;
    if (text == "geburtstage") return Pruefanlass::Geburtstage;
    if (text == "namenstage") return Pruefanlass::Namenstage;
    if (text == "automatisch") return Pruefanlass::Automatisch;
    throw Aufruffehler(Gezeigt(text) +
                       " ist keine Art der Prüfung (alles, geburtstage, namenstage, automatisch)");
}

const BefehlRegistrieren erinnerungen{
    {"erinnerungen",
     "erinnerungen DATEI TT.MM.JJJJ [--art alles|geburtstage|namenstage|automatisch]",
     "Erinnerungen an Geburtstage und Namenstage an diesem Tag (Titel|Zeile1|…|Zeile4)",
     [](const std::vector<std::string>& a) {
         std::vector<std::string> frei;
         Pruefanlass anlass = Pruefanlass::Automatisch;
         for (std::size_t i = 0; i < a.size(); ++i) {
             if (a[i] == "--art") {
                 if (i + 1 >= a.size()) ArgumentFehlt("--art");
                 anlass = AnlassArgument(a[++i]);
             } else {
                 frei.push_back(a[i]);
             }
         }
         AnzahlPruefen(frei, {"DATEI", "TT.MM.JJJJ"});
         const std::string& datei = DateiArgument(frei[0]);
         const Datum heute = DatumArgument(frei[1]);
         if (heute.jahr < ErstesJahr || heute.jahr > LetztesJahr)
             throw Aufruffehler(Gezeigt(frei[1]) + " liegt nicht zwischen 1901 und 2099");
         TKalender kal;
         KalenderLaden(kal, datei);
         std::string fehler;
         const Einstellungen einst = GespeicherteEinstellungen(fehler);
         if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
         for (const Erinnerung& e : ErinnerungenPruefen(kal.Geburtstagsliste, heute,
                                                        ErinnerungsoptionenAus(einst), anlass)) {
             const Erinnerungstexte t = ErinnerungsfensterTexte(e);
             std::cout << t.titel << "|" << t.zeile1 << "|" << t.zeile2 << "|" << t.zeile3 << "|"
                       << t.zeile4 << "\n";
         }
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
