// What a CalDAV server sends and what the synchronisation reads back: the first byte picks
// the reader (a multistatus answer, a state file, a URL or href resolved against a base, the
// UID of an iCalendar body), the rest is its input. Each gives a result or a German
// KalvoraFehler, never a crash, a hang or a fetched entity.
#include <cstddef>
#include <cstdint>
#include <string>

#include "methoden/Fehler.h"
#include "sync/Kalenderabruf.h"
#include "sync/Multistatus.h"
#include "sync/Syncstand.h"
#include "sync/Webadresse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
    try {
        switch (daten[0] % 4) {
        case 0: {
            const kalvora::Multistatus m = kalvora::MultistatusLesen(text);
            for (const auto& a : m.antworten) (void)a.Text(kalvora::kDavNs, "getetag");
            break;
        }
        case 1: {
            const kalvora::Syncstand s = kalvora::SyncstandAusText(text, "fuzz.stand");
            // What was read is written back the same.
            if (kalvora::SyncstandAusText(kalvora::SyncstandText(s), "x") != s) __builtin_trap();
            break;
        }
        case 2: {
            const auto trenner = text.find('\n');
            const auto basis = kalvora::AdresseLesen(text.substr(0, trenner));
            if (basis && trenner != std::string::npos) {
                const std::string ziel = kalvora::Aufloesen(*basis, text.substr(trenner + 1));
                (void)kalvora::GleicheAdresse(ziel, text);
                (void)kalvora::LetzterPfadteil(ziel);
            }
            break;
        }
        default: (void)kalvora::IcsUid(text);
        }
    } catch (const kalvora::KalvoraFehler&) {
    }
    return 0;
}
