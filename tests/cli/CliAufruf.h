#pragma once
// Runs kalvora-cli as a separate process for the end-to-end tests.
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace kalvora::testcli {

struct Ergebnis {
    int code;
    std::string ausgabe;
};

// Runs kalvora-cli (or a copy of it elsewhere) with the arguments (already quoted for the
// shell); ausgabe is stdout, or stderr when fehlerausgabe is set. vorspann is shell text run
// before it ("ulimit -v 1000;").
inline Ergebnis Ausfuehren(const std::string& argumente, bool fehlerausgabe = false,
                           const std::string& vorspann = "",
                           const std::string& programm = KALVORA_CLI) {
    const std::string befehl = vorspann + " '" + programm + "' " + argumente +
                               (fehlerausgabe ? " 2>&1 >/dev/null" : " 2>/dev/null");
    FILE* rohr = popen(befehl.c_str(), "r");
    if (!rohr) return {-1, {}};
    std::string text;
    char puffer[4096];
    for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) text.append(puffer, n);
    const int status = pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

inline std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::istringstream ein(text);
    for (std::string z; std::getline(ein, z);) zeilen.push_back(z);
    return zeilen;
}

}  // namespace kalvora::testcli
