// The old binary record and its companion text. The input is
//   flags byte, record bytes, then optionally "|TXT|" and the companion text.
// Flag bit 0 pads the record bytes to the full record size with "no colour" words, so short
// inputs reach the companion reader; bit 1 places them at the end of the record, where the
// colour names and values lie.
#include <cstddef>
#include <cstdint>

#include "FuzzKalender.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    if (groesse == 0) return 0;
    const uint8_t flags = daten[0];
    std::string_view rest(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
    std::optional<std::string_view> begleittext;
    const std::size_t marke = rest.find("|TXT|");
    if (marke != std::string_view::npos) {
        begleittext = rest.substr(marke + 5);
        rest = rest.substr(0, marke);
    }
    // Kept across inputs: a fresh record of 300 KB for every input costs more than the read.
    constexpr std::size_t n = kalvora::kBinaersatzGroesse;
    static const std::string leer = [] {
        std::string s(n, '\xFF');
        for (std::size_t i = 3; i < n; i += 4) s[i] = '\0';
        return s;
    }();
    // A padded record keeps its padding from the last input: only the bytes that input
    // placed are set back to "no colour".
    static std::string satz;
    static bool gepolstert = false;
    static std::size_t platz = 0, belegt = 0;
    if ((flags & 1) && rest.size() < n) {
        if (gepolstert)
            satz.replace(platz, belegt, leer, platz, belegt);
        else
            satz = leer;
        platz = (flags & 2) ? n - rest.size() : 0;
        belegt = rest.size();
        satz.replace(platz, belegt, rest);
        gepolstert = true;
    } else {
        satz.assign(rest);
        gepolstert = false;
    }
    kalvora::fuzz::LesenUndSchreiben(satz, begleittext);
    return 0;
}
