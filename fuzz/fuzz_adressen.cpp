// The group file reader on any bytes: every entry read is written, and what is written reads
// back as the same entries, but for the line breaks a field read from outside may hold; the
// address export of what was read is a well-formed XML file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "adressbuch/AdressXml.h"
#include "adressbuch/Adressbuch.h"
#include "kalender/XmlPruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const kalvora::Gruppeninhalt erst = kalvora::GruppendateiLesen(bytes);
    if (erst.fremd && !erst.eintraege.empty()) std::abort();
    const std::string text = kalvora::GruppendateiText(erst.eintraege);
    const kalvora::Gruppeninhalt zweit = kalvora::GruppendateiLesen(text);
    if (zweit.fremd || zweit.eintraege.size() != erst.eintraege.size()) std::abort();
    for (std::size_t i = 0; i < erst.eintraege.size(); ++i)
        for (std::size_t f = 0; f < erst.eintraege[i].size(); ++f) {
            std::string erwartet = erst.eintraege[i][f];
            for (char& c : erwartet)
                if (c == '\r' || c == '\n') c = ' ';
            if (zweit.eintraege[i][f] != erwartet) std::abort();
        }
    if (!kalvora::XmlWohlgeformt(
            kalvora::AdressenXml({{"Gruppe", erst.eintraege}}, kalvora::Zeitpunkt{})))
        std::abort();
    // Written once more, the bytes stay the same.
    if (kalvora::GruppendateiText(zweit.eintraege) != text) std::abort();
    return 0;
}
