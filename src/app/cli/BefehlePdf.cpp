// Printing commands: pdf-jahr.
#include <charconv>
#include <iostream>

#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "app/cli/Kalenderladen.h"
#include "app/cli/Pdfausgabe.h"
#include "main/Jahrdrucken.h"

namespace kalvora::cli {
namespace {

bool ZahlLesen(const std::string& text, int& zahl) {
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), ende, zahl);
    return ec == std::errc() && p == ende && !text.empty();
}

// Nobody watches the status window here.
struct OhneStatus : Druckstatus {
    void SeiteZeigen(const std::string&) override {}
    void Fortschritt(int) override {}
};

constexpr int HoechsteKopienzahl = 999;

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
                 if (!ZahlLesen(a[i + 1], vorgaben.kopien) || vorgaben.kopien < 1 ||
                     vorgaben.kopien > HoechsteKopienzahl) {
                     std::cerr << "Die Zahl der Kopien muss zwischen 1 und "
                               << HoechsteKopienzahl << " liegen.\n";
                     return kAufruffehler;
                 }
             } else {
                 return FalscherAufruf("pdf-jahr");
             }
         }
         if (jahr < ErstesJahr || jahr > LetztesJahr) {
             std::cerr << "Das Jahr muss zwischen " << ErstesJahr << " und " << LetztesJahr
                       << " liegen.\n";
             return kAufruffehler;
         }
         TKalender kal;
         KalenderLaden(kal, a[0]);
         std::string fehler;
         const Einstellungen einst = GespeicherteEinstellungen(fehler);
         if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
         OhneStatus status;
         const int seiten = PdfDrucken(a[2], vorgaben, [&](Drucker& d) {
             return JahrDrucken(kal, einst, jahr, ueberschrift, true, d, status);
         });
         std::cout << "Seiten: " << seiten << "\n";
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
