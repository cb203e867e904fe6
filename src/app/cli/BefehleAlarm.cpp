// alarm: what the alarm check of the program announces at a given moment, with the settings
// of the current user's store.
#include <iostream>

#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "app/cli/Kalenderladen.h"
#include "main/Alarm.h"

namespace kalvora::cli {
namespace {

const char* Symboltext(const Alarmbefund& b) {
    if (!b.symbolAendern) return "unverändert";
    switch (TrayzustandAus(b)) {
        case Trayzustand::Laufend: return "laufend";
        case Trayzustand::Anstehend: return "anstehend";
        case Trayzustand::Ruhig: break;
    }
    return "ruhig";
}

const BefehlRegistrieren alarm{
    {"alarm", "alarm DATEI TT.MM.JJJJ HH:MM",
     "Terminalarme der Prüfung zu diesem Zeitpunkt (Alarm: HH:MM Beschreibung, dann Symbol:)",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"DATEI", "TT.MM.JJJJ", "HH:MM"});
         const std::string& datei = DateiArgument(a[0]);
         const Datum tag = DatumArgument(a[1]);
         if (tag.jahr < ErstesJahr || tag.jahr > LetztesJahr)
             throw Aufruffehler(Gezeigt(a[1]) + " liegt nicht zwischen 1901 und 2099");
         const int minuten = UhrzeitArgument(a[2]);
         TKalender kal;
         KalenderLaden(kal, datei);
         std::string fehler;
         const Einstellungen einst = GespeicherteEinstellungen(fehler);
         if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
         const Schreibschutzoptionen schutz = GespeicherteSchreibschutzoptionen(fehler);
         if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
         Zeitpunkt jetzt;
         jetzt.tag = tag.tag;
         jetzt.monat = tag.monat;
         jetzt.jahr = tag.jahr;
         jetzt.stunde = minuten / 60;
         jetzt.minute = minuten % 60;
         const Alarmbefund b =
             AlarmPruefen(kal, AlarmvorgabenAus(einst, schutz), jetzt, Alarmherkunft::Sonstwo);
         for (const Alarmtermin& t : b.melden)
             std::cout << "Alarm: " << t.termin.Uhrzeit.sicht().substr(0, 5) << " "
                       << t.termin.Beschreibung.sicht() << "\n";
         std::cout << "Symbol: " << Symboltext(b) << "\n";
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
