#pragma once
// The subcommands of kalvora-cli. Each file Befehle*.cpp registers its commands with a
// static BefehlRegistrieren object.
#include <functional>
#include <string>
#include <vector>

namespace kalvora::cli {

// Exit codes of every command.
constexpr int kErfolg = 0;
constexpr int kDateifehler = 1;
constexpr int kAufruffehler = 2;

struct Befehl {
    std::string name;
    std::string aufruf;  // "kw TT.MM.JJJJ"
    std::string hilfe;   // one line
    std::function<int(const std::vector<std::string>& argumente)> ausfuehren;
};

std::vector<Befehl>& Befehlsliste();

struct BefehlRegistrieren {
    explicit BefehlRegistrieren(Befehl b) { Befehlsliste().push_back(std::move(b)); }
};

// Prints "Aufruf: kalvora-cli <aufruf>" to stderr and returns kAufruffehler.
int FalscherAufruf(const std::string& name);
// Reads TT.MM.JJJJ; false when the text is no valid date.
bool DatumLesen(const std::string& text, int& tag, int& monat, int& jahr);

}  // namespace kalvora::cli
