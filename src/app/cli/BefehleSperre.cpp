// Lock command: sperre-halten, for trying two copies of the program on one calendar file.
#include <charconv>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

#include "app/cli/Befehle.h"
#include "kalender/Dateisitzung.h"
#include "platform/posix/PosixDateisperre.h"

namespace kalvora::cli {
namespace {

const BefehlRegistrieren sperreHalten{
    {"sperre-halten", "sperre-halten DATEI SEKUNDEN",
     "hält die Sperrdatei DATEI.tmp wie ein schreibendes Programm",
     [](const std::vector<std::string>& a) {
         int sekunden = 0;
         if (a.size() != 2) return FalscherAufruf("sperre-halten");
         const char* ende = a[1].data() + a[1].size();
         auto [p, ec] = std::from_chars(a[1].data(), ende, sekunden);
         if (ec != std::errc() || p != ende || sekunden < 0)
             return FalscherAufruf("sperre-halten");
         const std::string datei = std::filesystem::absolute(a[0]).lexically_normal().string();
         PosixDateisperre dienst;
         const Sperrversuch versuch = dienst.Versuchen(SperrdateiFuer(datei));
         if (versuch.belegt) {
             std::cerr << "Die Datei \"" << datei << "\" wird schon von einem anderen "
                       << "Programm bearbeitet.\n";
             return kDateifehler;
         }
         if (!versuch.sperre) {
             std::cerr << "Die Datei \"" << datei << "\" kann hier nicht gesperrt werden ("
                       << versuch.grund << ").\n";
             return kDateifehler;
         }
         std::cout << "gesperrt" << std::endl;
         std::this_thread::sleep_for(std::chrono::seconds(sekunden));
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
