// Printing commands: pdf-jahr, pdf-terminliste, pdf-geburtstage, pdf-adressen and
// pdf-namenstage.
#include <charconv>
#include <filesystem>
#include <functional>
#include <iostream>

#include "adressbuch/Adressdruck.h"
#include "app/cli/Adressladen.h"
#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "app/cli/Kalenderladen.h"
#include "app/cli/Pdfausgabe.h"
#include "main/Jahrdrucken.h"
#include "methoden/Methoden.h"
#include "personen/Geburtstagslistendruck.h"
#include "personen/Namenstagskatalog.h"
#include "personen/Namenstagslistendruck.h"
#include "termine/Terminedrucken.h"

namespace kalvora::cli {
namespace {


constexpr int HoechsteKopienzahl = 999;

// A printout of the calendar file with the settings of the store into the PDF file; prints
// the number of pages.
int Ausdrucken(const std::string& datei, const std::string& ziel, const Pdfvorgaben& vorgaben,
               const std::function<int(const TKalender&, const Einstellungen&, Drucker&)>& job) {
    AusgabeNichtEingabe({ziel}, Kalendereingaben(datei));
    TKalender kal;
    KalenderLaden(kal, datei);
    std::string fehler;
    const Einstellungen einst = GespeicherteEinstellungen(fehler);
    if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
    const int seiten = PdfDrucken(ziel, vorgaben, [&](Drucker& d) { return job(kal, einst, d); });
    std::cout << "Seiten: " << seiten << "\n";
    return kErfolg;
}

// The value of "--kopien": a number from 1 to 999.
int KopienArgument(const std::string& text) {
    const auto kopien = Ganzzahl(text);
    if (!kopien || *kopien < 1 || *kopien > HoechsteKopienzahl)
        throw Aufruffehler(Gezeigt(text) + " ist keine Zahl der Kopien (1 bis " +
                           std::to_string(HoechsteKopienzahl) + ")");
    return *kopien;
}

// Options after the fixed arguments, as pairs "--name WERT"; each is handed to setzen, which
// returns false for a name it does not know.
void OptionenLesen(const std::vector<std::string>& a, std::size_t ab,
                   const std::function<bool(const std::string&, const std::string&)>& setzen) {
    for (std::size_t i = ab; i < a.size(); i += 2) {
        const bool option = a[i].rfind("--", 0) == 0;
        if (option && i + 1 >= a.size()) throw Aufruffehler("Zu " + a[i] + " fehlt der Wert");
        if (!option || !setzen(a[i], a[i + 1]))
            throw Aufruffehler("Unbekannte Angabe: " + Gezeigt(a[i]));
    }
}

const BefehlRegistrieren pdfJahr{
    {"pdf-jahr", "pdf-jahr DATEI JJJJ AUS.pdf [--ueberschrift TEXT] [--kopien N]",
     "druckt die Jahresansicht als A4-Querformat (600 dpi) in eine PDF-Datei",
     [](const std::vector<std::string>& a) {
         if (a.size() < 3) AnzahlPruefen(a, {"DATEI", "JJJJ", "AUS.pdf"});
         DateiArgument(a[0]);
         DateiArgument(a[2]);
         const int jahr = JahrArgument(a[1]);
         std::string ueberschrift = jahrdrucktexte::StandardUeberschrift(jahr);
         Pdfvorgaben vorgaben;
         vorgaben.ausrichtung = Seitenausrichtung::Querformat;
         OptionenLesen(a, 3, [&](const std::string& name, const std::string& wert) {
             if (name == "--ueberschrift") ueberschrift = wert;
             else if (name == "--kopien") vorgaben.kopien = KopienArgument(wert);
             else return false;
             return true;
         });
         if (jahr < ErstesJahr || jahr > LetztesJahr) {
             std::cerr << "Das Jahr muss zwischen " << ErstesJahr << " und " << LetztesJahr
                       << " liegen.\n";
             return kAufruffehler;
         }
         return Ausdrucken(a[0], a[2], vorgaben,
                           [&](const TKalender& kal, const Einstellungen& e, Drucker& d) {
                               OhneDruckstatus status;
                               return JahrDrucken(kal, e, jahr, ueberschrift, true, d, status);
                           });
     }}};

const BefehlRegistrieren pdfTerminliste{
    {"pdf-terminliste", "pdf-terminliste DATEI TT.MM.JJJJ TT.MM.JJJJ AUS.pdf [--kopien N]",
     "druckt die Terminliste eines Zeitraums als A4-Hochformat (600 dpi) in eine PDF-Datei",
     [](const std::vector<std::string>& a) {
         if (a.size() < 4) AnzahlPruefen(a, {"DATEI", "TT.MM.JJJJ", "TT.MM.JJJJ", "AUS.pdf"});
         DateiArgument(a[0]);
         DateiArgument(a[3]);
         const Datum start = DatumArgument(a[1]);
         const Datum ende = DatumArgument(a[2]);
         for (int i : {1, 2}) {
             const Datum& d = i == 1 ? start : ende;
             if (d.jahr < ErstesJahr || d.jahr > LetztesJahr)
                 throw Aufruffehler(a[i] + " liegt nicht zwischen 1901 und 2099");
         }
         if (Tagesnummer(ende.tag, ende.monat, ende.jahr) <
             Tagesnummer(start.tag, start.monat, start.jahr))
             throw Aufruffehler("Das Ende " + a[2] + " liegt vor dem Start " + a[1]);
         Pdfvorgaben vorgaben;
         vorgaben.ausrichtung = Seitenausrichtung::Hochformat;
         OptionenLesen(a, 4, [&](const std::string& name, const std::string& wert) {
             if (name != "--kopien") return false;
             vorgaben.kopien = KopienArgument(wert);
             return true;
         });
         return Ausdrucken(a[0], a[3], vorgaben,
                           [&](const TKalender& kal, const Einstellungen& e, Drucker& d) {
                               OhneDruckstatus status;
                               TTerminlistendruck liste(kal, e);
                               return liste.drucken(d, status, start, ende);
                           });
     }}};

const BefehlRegistrieren pdfGeburtstage{
    {"pdf-geburtstage", "pdf-geburtstage DATEI AUS.pdf [--kopien N]",
     "druckt die Geburtstagsliste als A4-Hochformat (600 dpi) in eine PDF-Datei",
     [](const std::vector<std::string>& a) {
         if (a.size() < 2) AnzahlPruefen(a, {"DATEI", "AUS.pdf"});
         DateiArgument(a[0]);
         DateiArgument(a[1]);
         Pdfvorgaben vorgaben;
         vorgaben.ausrichtung = Seitenausrichtung::Hochformat;
         OptionenLesen(a, 2, [&](const std::string& name, const std::string& wert) {
             if (name != "--kopien") return false;
             vorgaben.kopien = KopienArgument(wert);
             return true;
         });
         return Ausdrucken(a[0], a[1], vorgaben,
                           [](const TKalender& kal, const Einstellungen&, Drucker& d) {
                               OhneDruckstatus status;
                               return GeburtstagslisteDrucken(kal.Geburtstagsliste, d, status);
                           });
     }}};

const BefehlRegistrieren pdfAdressen{
    {"pdf-adressen", "pdf-adressen GRUPPENDATEI AUS.pdf [--kopien N]",
     "druckt die Adressliste einer Gruppe mit den Druckoptionen des Adressbuchs in eine PDF-Datei",
     [](const std::vector<std::string>& a) {
         if (a.size() < 2) AnzahlPruefen(a, {"GRUPPENDATEI", "AUS.pdf"});
         const std::string& datei = DateiArgument(a[0]);
         DateiArgument(a[1]);
         int kopien = 1;
         OptionenLesen(a, 2, [&](const std::string& name, const std::string& wert) {
             if (name != "--kopien") return false;
             kopien = KopienArgument(wert);
             return true;
         });
         AusgabeNichtEingabe({a[1]}, {datei});
         const TAdressbuch b = GruppeLaden(datei);
         const Adressoptionen o = AdressoptionenDesSpeichers();
         std::string titel = std::filesystem::path(datei).filename().string();
         if (titel.size() > 7 && titel.substr(titel.size() - 7) == adresstexte::Endung)
             titel.resize(titel.size() - 7);
         Pdfvorgaben vorgaben;
         vorgaben.ausrichtung =
             o.querformat ? Seitenausrichtung::Querformat : Seitenausrichtung::Hochformat;
         vorgaben.kopien = kopien;
         const int seiten = PdfDrucken(a[1], vorgaben, [&](Drucker& d) {
             return AdresslisteDruckauftrag(d, AdresslisteAus(b.Eintraege, o, 96), o, titel);
         });
         std::cout << "Seiten: " << seiten << "\n";
         return kErfolg;
     }}};

// A number argument within a range, for the option named.
int Zahlargument(const std::string& option, const std::string& text, int von, int bis) {
    const auto n = Ganzzahl(text);
    if (!n || *n < von || *n > bis)
        throw Aufruffehler(Gezeigt(text) + " ist für " + option + " keine Zahl von " +
                           std::to_string(von) + " bis " + std::to_string(bis));
    return *n;
}

const BefehlRegistrieren pdfNamenstage{
    {"pdf-namenstage",
     "pdf-namenstage JJJJ AUS.pdf [--spalten N] [--max-namen N] [--ohne-von] [--ohne-klammern] "
     "[--kopien N]",
     "druckt die Namenstagsliste eines Jahres als A4-Querformat (600 dpi) in eine PDF-Datei",
     [](const std::vector<std::string>& a) {
         if (a.size() < 2) AnzahlPruefen(a, {"JJJJ", "AUS.pdf"});
         const int jahr = JahrArgument(a[0]);
         if (jahr < ErstesJahr || jahr > LetztesJahr)
             throw Aufruffehler(a[0] + " liegt nicht zwischen 1901 und 2099");
         DateiArgument(a[1]);
         Namenstagsdruckoptionen o;
         int kopien = 1;
         for (std::size_t i = 2; i < a.size(); ++i) {
             if (a[i] == "--kopien") {
                 if (i + 1 >= a.size()) throw Aufruffehler("Zu " + a[i] + " fehlt der Wert");
                 kopien = KopienArgument(a[++i]);
             } else if (a[i] == "--ohne-von") {
                 o.ohneVon = true;
             } else if (a[i] == "--ohne-klammern") {
                 o.ohneKlammern = true;
             } else if (a[i] == "--spalten" || a[i] == "--max-namen") {
                 if (i + 1 >= a.size()) throw Aufruffehler("Zu " + a[i] + " fehlt der Wert");
                 if (a[i] == "--spalten") {
                     o.spalten = Zahlargument(a[i], a[i + 1], 1, 6);
                 } else {
                     o.namenBegrenzen = true;
                     o.hoechstens = Zahlargument(a[i], a[i + 1], 1, 50);
                 }
                 ++i;
             } else {
                 throw Aufruffehler("Unbekannte Angabe: " + Gezeigt(a[i]));
             }
         }
         Namenstagskatalog katalog;
         std::string katalogdatei;
         if (!NamenstagskatalogLaden(katalog, &katalogdatei)) return kDateifehler;
         AusgabeNichtEingabe({a[1]}, {katalogdatei});
         std::string fehler;
         const Einstellungen einst = GespeicherteEinstellungen(fehler);
         if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
         Pdfvorgaben vorgaben;
         vorgaben.ausrichtung = Seitenausrichtung::Querformat;
         vorgaben.kopien = kopien;
         const int seiten = PdfDrucken(a[1], vorgaben, [&](Drucker& d) {
             OhneDruckstatus status;
             return NamenstagslisteDrucken(katalog, jahr, einst.SASOFarbeInDerJahresansicht, o,
                                           d, status);
         });
         std::cout << "Seiten: " << seiten << "\n";
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
