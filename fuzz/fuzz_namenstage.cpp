// The name-day catalogue reader on any bytes, and the search over what it read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "kalender/Zeilenleser.h"
#include "personen/Namenstagskatalog.h"
#include "personen/Namenstagsuche.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const kalvora::Namenstagskatalog k = kalvora::NamenstageAusText(bytes);
    std::size_t namen = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= kalvora::Namenstagskatalog::Tage(m); ++d)
            for (const auto& n : k.Namen(d, m)) {
                // A line end never belongs to a name.
                if (n.find_first_of("\r\n") != std::string::npos) std::abort();
                ++namen;
            }
    if (namen != k.Namensanzahl() || namen > groesse) std::abort();
    // The first bytes as search text (converted like the catalogue, so umlauts take part).
    const auto treffer = kalvora::NamenstageSuchen(
        k, kalvora::Text(bytes.substr(0, bytes.size() > 3 ? 3 : bytes.size())));
    if (treffer.size() > namen) std::abort();
    return 0;
}
