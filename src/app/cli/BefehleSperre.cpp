// Lock command: sperre-halten, for trying two copies of the program on one calendar file.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

#include "app/cli/Befehle.h"
#include "methoden/Fehler.h"
#include "platform/posix/PosixDateisperre.h"

namespace kalvora::cli {
namespace {

// Why the lock file could not be taken when no other copy holds it: the system's answer to
// creating it, which the lock service does not pass on.
std::string Anlegefehler(const std::string& sperrdatei) {
    const int fd = ::open(sperrdatei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    const int fehlernummer = errno;
    if (fd >= 0) {
        ::close(fd);
        return "Die Sperrdatei \"" + sperrdatei + "\" kann nicht gesperrt werden.";
    }
    return "Die Sperrdatei \"" + sperrdatei + "\" kann nicht angelegt werden: " +
           Systemfehlertext(fehlernummer) + ".";
}

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
    const std::string sperrdatei = Sperrdateiname(datei);
    const auto sperre = dienst.Anlegen(sperrdatei);
    if (!sperre) {
        if (!dienst.Gehalten(sperrdatei)) throw KalvoraFehler(Anlegefehler(sperrdatei));
        std::cerr << "Die Datei \"" << datei << "\" wird schon von einem anderen "
                  << "Programm bearbeitet.\n";
        return kDateifehler;
    }
    std::cout << "gesperrt" << std::endl;
    std::this_thread::sleep_for(std::chrono::seconds(*sekunden));
    return kErfolg;
}

const BefehlRegistrieren sperreHalten{
    {"sperre-halten", "sperre-halten DATEI SEKUNDEN",
     "hält die Sperrdatei DATEI.tmp wie ein schreibendes Programm", SperreHalten}};

}  // namespace
}  // namespace kalvora::cli
