// The "kalvora-csv version 1.0" reader on any text after its first line.
#include <cstddef>
#include <cstdint>

#include "FuzzKalender.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    std::string text = "kalvora-csv version 1.0\r\n";
    text.append(reinterpret_cast<const char*>(daten), groesse);
    kalvora::fuzz::LesenUndSchreiben(text);
    return 0;
}
