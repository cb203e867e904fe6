#pragma once
// What a shell command prints on its standard output (the poppler tools, for instance).
#include <cstdio>
#include <string>

namespace kalvora::test {

inline std::string Befehlsausgabe(const std::string& befehl) {
    std::string text;
    FILE* rohr = popen(befehl.c_str(), "r");
    if (!rohr) return text;
    char puffer[4096];
    for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) text.append(puffer, n);
    pclose(rohr);
    return text;
}

}  // namespace kalvora::test
