// Date commands: kw, wochentag, ostern, zeit-plus.
#include <charconv>
#include <iostream>

#include "app/cli/Befehle.h"
#include "methoden/Fehler.h"
#include "methoden/Methoden.h"

namespace kalvora::cli {
namespace {

bool ZahlLesen(const std::string& text, int& zahl) {
    const char* ende = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), ende, zahl);
    return ec == std::errc() && p == ende;
}

const BefehlRegistrieren kw{{"kw", "kw TT.MM.JJJJ", "Kalenderwoche (ISO 8601) eines Datums",
                             [](const std::vector<std::string>& a) {
                                 int t, m, j;
                                 if (a.size() != 1 || !DatumLesen(a[0], t, m, j))
                                     return FalscherAufruf("kw");
                                 std::cout << Kalenderwoche(DatumWert(t, m, j)) << "\n";
                                 return kErfolg;
                             }}};

const BefehlRegistrieren wochentag{
    {"wochentag", "wochentag TT.MM.JJJJ", "deutscher Name des Wochentags",
     [](const std::vector<std::string>& a) {
         int t, m, j;
         if (a.size() != 1 || !DatumLesen(a[0], t, m, j)) return FalscherAufruf("wochentag");
         std::cout << Wochentagsname(Wochentag(t, m, j)) << "\n";
         return kErfolg;
     }}};

const BefehlRegistrieren ostern{{"ostern", "ostern JJJJ", "Datum des Ostersonntags",
                                 [](const std::vector<std::string>& a) {
                                     int j;
                                     if (a.size() != 1 || !ZahlLesen(a[0], j) || j < 1 ||
                                         j > 9999)
                                         return FalscherAufruf("ostern");
                                     const TagMonat o = Ostersonntag(j);
                                     std::cout << DatumText(o.tag, o.monat, j) << "\n";
                                     return kErfolg;
                                 }}};

const BefehlRegistrieren zeitPlus{
    {"zeit-plus", "zeit-plus HH:MM MINUTEN", "Endzeit eines Termins (hh:mm plus Minuten)",
     [](const std::vector<std::string>& a) {
         int n;
         if (a.size() != 2 || a[0].size() != 5 || a[0][2] != ':' || !ZahlLesen(a[1], n))
             return FalscherAufruf("zeit-plus");
         try {
             std::cout << ZeitPlusMinuten(a[0], n) << "\n";
         } catch (const KalvoraFehler&) {
             return FalscherAufruf("zeit-plus");
         }
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
