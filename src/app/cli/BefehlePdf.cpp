// Printing commands: pdf-jahr and pdf-terminliste.
#include <charconv>
#include <functional>
#include <iostream>

#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "app/cli/Kalenderladen.h"
#include "app/cli/Pdfausgabe.h"
#include "main/Jahrdrucken.h"
#include "methoden/Methoden.h"
#include "termine/Terminedrucken.h"

namespace kalvora::cli {
namespace {

bool ZahlLesen(const std::string& text, int& zahl) {
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), ende, zahl);
    return ec == std::errc() && p == ende && !text.empty();
}

constexpr int HoechsteKopienzahl = 999;

// A printout of the calendar file with the settings of the store into the PDF file; prints
// the number of pages.
int Ausdrucken(const std::string& datei, const std::string& ziel, const Pdfvorgaben& vorgaben,
               const std::function<int(const TKalender&, const Einstellungen&, Drucker&)>& job) {
    TKalender kal;
    KalenderLaden(kal, datei);
    std::string fehler;
    const Einstellungen einst = GespeicherteEinstellungen(fehler);
    if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
    const int seiten = PdfDrucken(ziel, vorgaben, [&](Drucker& d) { return job(kal, einst, d); });
    std::cout << "Seiten: " << seiten << "\n";
    return kErfolg;
}

// The value of "--kopien"; says why and returns false when it is no number from 1 to 999.
bool KopienLesen(const std::string& text, int& kopien) {
    if (ZahlLesen(text, kopien) && kopien >= 1 && kopien <= HoechsteKopienzahl) return true;
    std::cerr << "Die Zahl der Kopien muss zwischen 1 und " << HoechsteKopienzahl
              << " liegen.\n";
    return false;
}

const BefehlRegistrieren pdfJahr{
    {"pdf-jahr", "pdf-jahr DATEI JJJJ AUS.pdf [--ueberschrift TEXT] [--kopien N]",
     "druckt die Jahresansicht als A4-Querformat (600 dpi) in eine PDF-Datei",
     [](const std::vector<std::string>& a) {
         if (a.size() < 3) return FalscherAufruf("pdf-jahr");
         int jahr = 0;
         if (!ZahlLesen(a[1], jahr)) return FalscherAufruf("pdf-jahr");
         std::string ueberschrift = jahrdrucktexte::StandardUeberschrift(jahr);
         Pdfvorgaben vorgaben;
         vorgaben.ausrichtung = Seitenausrichtung::Querformat;
         for (std::size_t i = 3; i < a.size(); i += 2) {
             if (i + 1 >= a.size()) return FalscherAufruf("pdf-jahr");
             if (a[i] == "--ueberschrift") {
                 ueberschrift = a[i + 1];
             } else if (a[i] == "--kopien") {
                 if (!KopienLesen(a[i + 1], vorgaben.kopien)) return kAufruffehler;
             } else {
                 return FalscherAufruf("pdf-jahr");
             }
         }
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
         if (a.size() != 4 && a.size() != 6) return FalscherAufruf("pdf-terminliste");
         Datum start{}, ende{};
         for (int i : {1, 2}) {
             Datum& d = i == 1 ? start : ende;
             if (!DatumLesen(a[i], d.tag, d.monat, d.jahr)) {
                 std::cerr << a[i] << " ist kein gültiges Datum\n";
                 return kAufruffehler;
             }
             if (d.jahr < ErstesJahr || d.jahr > LetztesJahr) {
                 std::cerr << a[i] << " liegt nicht zwischen 1901 und 2099\n";
                 return kAufruffehler;
             }
         }
         if (Tagesnummer(ende.tag, ende.monat, ende.jahr) <
             Tagesnummer(start.tag, start.monat, start.jahr)) {
             std::cerr << "Das Ende " << a[2] << " liegt vor dem Start " << a[1] << "\n";
             return kAufruffehler;
         }
         Pdfvorgaben vorgaben;
         vorgaben.ausrichtung = Seitenausrichtung::Hochformat;
         if (a.size() == 6) {
             if (a[4] != "--kopien") return FalscherAufruf("pdf-terminliste");
             if (!KopienLesen(a[5], vorgaben.kopien)) return kAufruffehler;
         }
         return Ausdrucken(a[0], a[3], vorgaben,
                           [&](const TKalender& kal, const Einstellungen& e, Drucker& d) {
                               OhneDruckstatus status;
                               TTerminlistendruck liste(kal, e);
                               return liste.drucken(d, status, start, ende);
                           });
     }}};

}  // namespace
}  // namespace kalvora::cli
