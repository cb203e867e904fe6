// The update check's version file on any bytes: a version is four numbers that read back the
// same from their own text, and the evaluation always gives the dialog a text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "extras/Versionspruefung.h"

using namespace kalvora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    if (const auto v = VersionLesen(text)) {
        for (int n : *v)
            if (n < 0) std::abort();
        const std::string wieder = std::to_string((*v)[0]) + "." + std::to_string((*v)[1]) +
                                   "." + std::to_string((*v)[2]) + "." +
                                   std::to_string((*v)[3]);
        if (VersionLesen(wieder) != v) std::abort();
    }
    const Updateergebnis e = UpdateAuswerten(text, "3.3.0.1");
    if (e.text.empty() || (e.neuer && !e.verbunden)) std::abort();
    return 0;
}
