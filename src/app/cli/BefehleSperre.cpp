// Lock command: sperre-halten, for trying two copies of the program on one calendar file.
#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

#include "app/cli/Befehle.h"
#include "kalender/Dateisitzung.h"
#include "methoden/Fehler.h"
#include "methoden/Systemfehler.h"
#include "platform/posix/PosixDateisperre.h"

namespace kalvora::cli {
namespace {

int SperreHalten(const std::vector<std::string>& a) {
    AnzahlPruefen(a, {"DATEI", "SEKUNDEN"});
    const std::string& pfad = DateiArgument(a[0]);
    const auto sekunden = Ganzzahl(a[1]);
    if (!sekunden || *sekunden < 0)
        throw Aufruffehler(Gezeigt(a[1]) + " ist keine Anzahl Sekunden (ganze Zahl ab 0)");
    std::error_code ec;
    const std::filesystem::path absolut = std::filesystem::absolute(pfad, ec);
    if (ec)
        throw KalvoraFehler("Der vollständige Pfad zu \"" + pfad + "\" ist nicht bestimmbar: " +
                            Systemfehlertext(ec.value()) + ".");
    const std::string datei = absolut.lexically_normal().string();
    PosixDateisperre dienst;
    // The same lock as the program's: keyed to the real file behind every link.
    const Sperrversuch versuch = dienst.Versuchen(SperrdateiFuer(datei));
    if (versuch.belegt) {
        std::cerr << "Die Datei \"" << datei << "\" wird schon von einem anderen "
                  << "Programm bearbeitet.\n";
        return kDateifehler;
    }
    if (!versuch.sperre)
        throw KalvoraFehler("Die Datei \"" + datei + "\" kann hier nicht gesperrt werden (" +
                            versuch.grund + ").");
    std::cout << "gesperrt" << std::endl;
    std::this_thread::sleep_for(std::chrono::seconds(*sekunden));
    return kErfolg;
}

const BefehlRegistrieren sperreHalten{
    {"sperre-halten", "sperre-halten DATEI SEKUNDEN",
     "hält die Sperrdatei DATEI.tmp wie ein schreibendes Programm", SperreHalten}};

}  // namespace
}  // namespace kalvora::cli
