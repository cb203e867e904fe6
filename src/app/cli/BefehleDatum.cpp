// Date commands: kw, wochentag, ostern, zeit-plus.
#include <iostream>

#include "app/cli/Befehle.h"
#include "methoden/Methoden.h"

namespace kalvora::cli {
namespace {

// The end time, by the rules of ZeitPlusMinuten (only exactly 1440 minutes show as 24:00),
// for every int count: the sum is formed in 64 bits and handed on reduced to one day.
std::string Endzeit(const std::string& hhmm, int beginn, int minuten) {
    const long long summe = static_cast<long long>(beginn) + minuten;
    const long long tag = 1440;
    const long long imTag = summe == tag ? tag : ((summe % tag) + tag) % tag;
    return ZeitPlusMinuten(hhmm, static_cast<int>(imTag - beginn));
}

const BefehlRegistrieren kw{{"kw", "kw TT.MM.JJJJ", "Kalenderwoche (ISO 8601) eines Datums",
                             [](const std::vector<std::string>& a) {
                                 AnzahlPruefen(a, {"TT.MM.JJJJ"});
                                 const Datum d = DatumArgument(a[0]);
                                 std::cout << Kalenderwoche(DatumWert(d.tag, d.monat, d.jahr))
                                           << "\n";
                                 return kErfolg;
                             }}};

const BefehlRegistrieren wochentag{
    {"wochentag", "wochentag TT.MM.JJJJ", "deutscher Name des Wochentags",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"TT.MM.JJJJ"});
         const Datum d = DatumArgument(a[0]);
         std::cout << Wochentagsname(Wochentag(d.tag, d.monat, d.jahr)) << "\n";
         return kErfolg;
     }}};

const BefehlRegistrieren ostern{{"ostern", "ostern JJJJ", "Datum des Ostersonntags",
                                 [](const std::vector<std::string>& a) {
                                     AnzahlPruefen(a, {"JJJJ"});
                                     const int j = JahrArgument(a[0]);
                                     const TagMonat o = Ostersonntag(j);
                                     std::cout << DatumText(o.tag, o.monat, j) << "\n";
                                     return kErfolg;
                                 }}};

const BefehlRegistrieren zeitPlus{
    {"zeit-plus", "zeit-plus HH:MM MINUTEN", "Endzeit eines Termins (hh:mm plus Minuten)",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"HH:MM", "MINUTEN"});
         const int beginn = UhrzeitArgument(a[0]);
         const auto minuten = Ganzzahl(a[1]);
         if (!minuten)
             throw Aufruffehler(Gezeigt(a[1]) + " ist keine ganze Zahl von Minuten (-2147483648 "
                                                "bis 2147483647)");
         std::cout << Endzeit(a[0], beginn, *minuten) << "\n";
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
