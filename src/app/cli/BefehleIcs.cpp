// iCalendar commands: ics-export writes a period of a calendar file as .ics, ics-import reads
// the events of an .ics file into a copy of a calendar file.
#include <ctime>
#include <iostream>

#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "app/cli/Kalenderladen.h"
#include "kalender/Icalendar.h"
#include "kalender/Kalenderdatei.h"
#include "methoden/Dateilesen.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/posix/Systemzeitzone.h"

namespace kalvora::cli {
namespace {

const BefehlRegistrieren icsExport{
    {"ics-export",
     "ics-export DATEI TT.MM.JJJJ TT.MM.JJJJ AUS.ics [--tagesinfo] [--tagesfarben] "
     "[--geburtstage]",
     "exportiert einen Zeitraum als iCalendar-Datei (Alarmvorlauf aus den Einstellungen)",
     [](const std::vector<std::string>& a) {
         std::vector<std::string> frei;
         IcsExportoptionen o;
         for (const std::string& arg : a) {
             if (arg == "--tagesinfo")
                 o.tagesinfo = true;
             else if (arg == "--tagesfarben")
                 o.tagesfarben = true;
             else if (arg == "--geburtstage")
                 o.geburtstage = true;
             else
                 frei.push_back(arg);
         }
         AnzahlPruefen(frei, {"DATEI", "TT.MM.JJJJ", "TT.MM.JJJJ", "AUS.ics"});
         const std::string& datei = DateiArgument(frei[0]);
         o.von = ZeitraumDatum(frei[1]);
         o.bis = ZeitraumDatum(frei[2]);
         if (Tagesnummer(o.bis.tag, o.bis.monat, o.bis.jahr) <
             Tagesnummer(o.von.tag, o.von.monat, o.von.jahr))
             throw Aufruffehler(frei[2] + " liegt vor " + frei[1]);
         const std::string& aus = DateiArgument(frei[3]);
         AusgabeNichtEingabe({aus}, Kalendereingaben(datei));
         TKalender kal;
         KalenderLaden(kal, datei);
         std::string fehler;
         const Einstellungen einst = GespeicherteEinstellungen(fehler);
         if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
         o.alarmVorlaufMinuten = einst.Alarmstunden * 60 + einst.Alarmminuten;
         o.zeitzone = SystemZeitzone();
         o.jetzt = JetztOrtszeit();
         DateiAtomarSchreiben(aus, KalenderAlsIcs(kal, o));
         return kErfolg;
     }}};

const BefehlRegistrieren icsImport{
    {"ics-import", "ics-import DATEI EIN.ics AUS.kvr",
     "liest die Termine einer iCalendar-Datei in eine Kopie der Kalenderdatei (\"Ver 3.3\")",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"DATEI", "EIN.ics", "AUS.kvr"});
         const std::string& datei = DateiArgument(a[0]);
         const std::string& ein = DateiArgument(a[1]);
         const std::string& aus = DateiArgument(a[2]);
         // Writing back over the calendar is fine, over the .ics it reads is not.
         AusgabeNichtEingabe({aus}, {ein});
         TKalender kal;
         KalenderLaden(kal, datei);
         IcsImportoptionen o;
         o.zeitzone = SystemZeitzone();
         std::string fehler;
         const Einstellungen einst = GespeicherteEinstellungen(fehler);
         if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
         o.alarmVorlaufMinuten = einst.Alarmstunden * 60 + einst.Alarmminuten;
         const IcsImportergebnis e = IcsImportieren(kal, DateiEinlesen(ein), o);
         DateiAtomarSchreiben(aus, KalenderAlsVer33Repariert(kal));
         std::cout << "Importiert: " << e.importiert << "\n"
                   << "Übersprungen: " << e.uebersprungen << "\n";
         if (e.vorhanden > 0) std::cout << "Schon vorhanden: " << e.vorhanden << "\n";
         for (const auto& [grund, anzahl] : e.gruende)
             std::cout << "  " << anzahl << " " << grund << "\n";
         for (const auto& [hinweis, anzahl] : e.hinweise)
             std::cout << "  " << anzahl << " " << hinweis << "\n";
         if (e.ersetzt > 0) std::cout << "  " << e.ersetzt << " Zeichen ersetzt\n";
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
