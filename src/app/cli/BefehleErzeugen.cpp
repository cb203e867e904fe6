// erzeugen: writes the large calendar the benchmarks measure, so anyone can reproduce them.
#include <iostream>
#include <memory>

#include "app/cli/Befehle.h"
#include "kalender/Beispielkalender.h"
#include "kalender/Kalenderdatei.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora::cli {
namespace {

const BefehlRegistrieren erzeugen{
    {"erzeugen", "erzeugen AUS",
     "schreibt den großen Beispielkalender (1901-2099, jeder Tag belegt) nach AUS",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"AUS"});
         const std::string& aus = DateiArgument(a[0]);
         auto kal = std::make_unique<TKalender>();
         GrossenKalenderFuellen(*kal);
         DateiAtomarSchreiben(aus, KalenderAlsVer33(*kal));
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
