// kalvora-cli: the program's logic from the command line.
#include <algorithm>
#include <exception>
#include <iostream>

#include "app/cli/Befehle.h"
#include "methoden/Fehler.h"
#include "methoden/Methoden.h"

namespace kalvora::cli {

std::vector<Befehl>& Befehlsliste() {
    static std::vector<Befehl> liste;
    return liste;
}

int FalscherAufruf(const std::string& name) {
    for (const auto& b : Befehlsliste())
        if (b.name == name) std::cerr << "Aufruf: kalvora-cli " << b.aufruf << "\n";
    return kAufruffehler;
}

bool DatumLesen(const std::string& text, int& tag, int& monat, int& jahr) {
    try {
        const Datum d = DatumAusWert(TextAlsDatum(text));
        tag = d.tag;
        monat = d.monat;
        jahr = d.jahr;
        return true;
    } catch (const KalvoraFehler&) {
        return false;
    }
}

namespace {

void HilfeZeigen(std::ostream& aus) {
    aus << "Kalvora " << Dateiversion() << " - Kommandozeilenwerkzeug\n\n"
        << "Aufruf: kalvora-cli BEFEHL [ARGUMENTE]\n\nBefehle:\n";
    auto liste = Befehlsliste();
    std::sort(liste.begin(), liste.end(),
              [](const Befehl& a, const Befehl& b) { return a.name < b.name; });
    for (const auto& b : liste) {
        std::string links = "  " + b.aufruf;
        if (links.size() < 44) links.resize(44, ' ');
        else links += "  ";
        aus << links << b.hilfe << "\n";
    }
    aus << "\nRückgabewert: 0 Erfolg, 1 Datei- oder Formatfehler, 2 falscher Aufruf.\n";
}

}  // namespace
}  // namespace kalvora::cli

int main(int argc, char** argv) {
    using namespace kalvora::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        HilfeZeigen(std::cerr);
        return kAufruffehler;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "hilfe") {
        HilfeZeigen(std::cout);
        return kErfolg;
    }
    for (const auto& b : Befehlsliste()) {
        if (b.name != args[0]) continue;
        try {
            return b.ausfuehren(std::vector<std::string>(args.begin() + 1, args.end()));
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            return kDateifehler;
        }
    }
    std::cerr << "Unbekannter Befehl \"" << args[0] << "\". Siehe kalvora-cli --help.\n";
    return kAufruffehler;
}
