// kalvora-cli: the program's logic from the command line.
#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <new>
#include <system_error>

#include "app/cli/Befehle.h"
#include "app/cli/Handbuch.h"
#include "methoden/Systemfehler.h"
#include "methoden/Fehler.h"
#include "methoden/Methoden.h"

namespace kalvora::cli {

std::vector<Befehl>& Befehlsliste() {
    static std::vector<Befehl> liste;
    return liste;
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

void AufrufZeigen(const Befehl& b, const std::string& grund) {
    std::cerr << "Aufruf: kalvora-cli " << b.aufruf << "\n" << grund << "\n";
}

int Ausfuehren(const Befehl& b, const std::vector<std::string>& argumente) {
    try {
        return b.ausfuehren(argumente);
    } catch (const Aufruffehler& f) {
        AufrufZeigen(b, f.what());
        return kAufruffehler;
    } catch (const std::exception& e) {
        std::cerr << Fehlertext(e) << "\n";
        return kDateifehler;
    } catch (...) {
        std::cerr << "Interner Fehler.\n";
        return kDateifehler;
    }
}

// Output that did not arrive (a full disk behind a redirection) is no success.
int AusgabePruefen(int code) {
    if (std::cout.flush()) return code;
    std::cerr << "Die Ausgabe kann nicht geschrieben werden.\n";
    return code == kErfolg ? kDateifehler : code;
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
        return AusgabePruefen(kErfolg);
    }
    // For the build: the manual page and the shell completion, from the same table.
    if (args[0] == "--handbuchseite") {
        HandbuchseiteSchreiben(std::cout, args.size() > 1 ? args[1] : "");
        return AusgabePruefen(kErfolg);
    }
    if (args[0] == "--bash-vervollstaendigung") {
        VervollstaendigungSchreiben(std::cout);
        return AusgabePruefen(kErfolg);
    }
    for (const auto& b : Befehlsliste())
        if (b.name == args[0])
            return AusgabePruefen(
                Ausfuehren(b, std::vector<std::string>(args.begin() + 1, args.end())));
    std::cerr << "Unbekannter Befehl \"" << args[0] << "\". Siehe kalvora-cli --help.\n";
    return kAufruffehler;
}
