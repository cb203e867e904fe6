#pragma once
// Small file helpers shared by the tests.
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

#include "methoden/Zeichensatz.h"

namespace kalvora::testdateien {

// The bytes of a file; empty when it cannot be read.
inline std::string Inhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), {});
}

// Lines in UTF-8 to file bytes: Windows-1252 with CR LF.
inline std::string Datei(std::initializer_list<std::string_view> zeilen) {
    std::string s;
    for (auto z : zeilen) {
        s += *Utf8NachCp1252(z);
        s += "\r\n";
    }
    return s;
}

}  // namespace kalvora::testdateien
