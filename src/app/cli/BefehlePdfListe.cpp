// Printing command: pdf-terminliste, the appointment list of a period as a PDF file.
#include <charconv>
#include <iostream>

#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "app/cli/Kalenderladen.h"
#include "app/cli/Pdfausgabe.h"
#include "methoden/Methoden.h"
#include "termine/Terminedrucken.h"

namespace kalvora::cli {
namespace {

struct OhneStatus : Druckstatus {
    void SeiteZeigen(const std::string&) override {}
    void Fortschritt(int) override {}
};

constexpr int HoechsteKopienzahl = 999;

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
             const char* ende6 = a[5].data() + a[5].size();
             const auto [p, ec] = std::from_chars(a[5].data(), ende6, vorgaben.kopien);
             if (a[4] != "--kopien" || ec != std::errc() || p != ende6 || a[5].empty())
                 return FalscherAufruf("pdf-terminliste");
             if (vorgaben.kopien < 1 || vorgaben.kopien > HoechsteKopienzahl) {
                 std::cerr << "Die Zahl der Kopien muss zwischen 1 und " << HoechsteKopienzahl
                           << " liegen.\n";
                 return kAufruffehler;
             }
         }
         TKalender kal;
         KalenderLaden(kal, a[0]);
         std::string fehler;
         const Einstellungen einst = GespeicherteEinstellungen(fehler);
         if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
         OhneStatus status;
         const int seiten = PdfDrucken(a[3], vorgaben, [&](Drucker& d) {
             TTerminlistendruck liste(kal, einst);
             return liste.drucken(d, status, start, ende);
         });
         std::cout << "Seiten: " << seiten << "\n";
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
