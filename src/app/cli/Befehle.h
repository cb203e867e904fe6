#pragma once
// The subcommands of kalvora-cli. Each file Befehle*.cpp registers its commands with a
// static BefehlRegistrieren object.
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "methoden/Methoden.h"
#include "platform/Uhr.h"

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

// A wrong argument. main prints "Aufruf: kalvora-cli <aufruf>" and this German reason, which
// names the argument, to stderr and exits with kAufruffehler.
class Aufruffehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A name on one output line of its own, so that lines and their TAB columns stay apart and
// every name can be read back: a TAB, a line break or another control character as \t, \n,
// \r or \xHH, a backslash as \\.
std::string Zeilentext(const std::string& text);

// An argument as the messages show it: an empty one as "".
std::string Gezeigt(const std::string& argument);

// The arguments must be exactly those named (their placeholders, "DATEI"); otherwise the
// first missing or the first surplus one is named.
void AnzahlPruefen(const std::vector<std::string>& a, const std::vector<std::string>& namen);
[[noreturn]] void ArgumentFehlt(const std::string& platzhalter);
[[noreturn]] void ArgumentZuviel(const std::string& argument);

// Readers of single arguments; each throws Aufruffehler naming the text.
Datum DatumArgument(const std::string& text);       // TT.MM.JJJJ
int JahrArgument(const std::string& text);          // 1..9999
const std::string& DateiArgument(const std::string& text);  // any path but the empty one
int UhrzeitArgument(const std::string& text);  // HH:MM, 00:00..23:59, as minutes
// A date of a period: TT.MM.JJJJ within 1901..2099.
Datum ZeitraumDatum(const std::string& text);
// The folder of kalvora-cli itself; empty when the system does not tell.
std::string Programmordner();
// A file shipped beside the program (style sheets, DTDs): beside kalvora-cli, in its "daten"
// folder, in the installed data folders, in the source tree it was built from; empty when
// none has it.
std::string Begleitdatei(const std::string& name);
// The local time now, for the "created" lines of exports.
Zeitpunkt JetztOrtszeit();

// A command whose output is of another kind than its input never replaces an input: throws
// Aufruffehler when one of ausgaben is the same file as one of eingaben (also through a link,
// a hard link or another path). Files that do not exist are no conflict.
void AusgabeNichtEingabe(const std::vector<std::string>& ausgaben,
                         const std::vector<std::string>& eingaben);
// The files a calendar file is read from: the file and the companion texts of the binary form.
std::vector<std::string> Kalendereingaben(const std::string& pfad);

// A whole decimal number that fits an int; nullopt otherwise.
std::optional<int> Ganzzahl(const std::string& text);

}  // namespace kalvora::cli

namespace kalvora {
class Namenstagskatalog;
}

namespace kalvora::cli {

// The name-day catalogue beside kalvora-cli, else in the installed data folders; false
// after the warning of a faulty file (on stderr).
// pfad, when given, gets the file read.
bool NamenstagskatalogLaden(Namenstagskatalog& katalog, std::string* pfad = nullptr);

}  // namespace kalvora::cli
