// The iCalendar import on any bytes: whatever it imports must be an appointment the calendar
// file can hold (a time hh:mm, a description, no '#' or line break, Windows-1252 texts, a
// duration of 0..1439), and the document must survive the writer and its reader unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzKalender.h"
#include "kalender/Icalendar.h"
#include "kalender/Speicherhindernisse.h"
#include "methoden/Zeichensatz.h"

namespace {

using namespace kalvora;

bool Haltbar(std::string_view s) {
    return s.find_first_of("#\r\n") == std::string_view::npos && IstCp1252Darstellbar(s);
}

void Pruefen(const TKalender& kal, const std::vector<int>& belegt) {
    for (int i : belegt) {
        const TTerminliste& l = kal.TerminlisteAn(i);
        if (!l.empty() && (!l[0].Uhrzeit.empty() || !IstCp1252Darstellbar(l[0].Beschreibung) ||
                           l[0].Beschreibung.sicht().find_first_of("\r\n") !=
                               std::string_view::npos))
            std::abort();
        for (std::size_t n = 1; n < l.size(); ++n) {
            const TTermin& t = l[n];
            const std::string_view u = t.Uhrzeit;
            if (u.size() != 5 || u[2] != ':' || u < "00:00" || u > "23:59") std::abort();
            if (t.Beschreibung.empty() || t.Dauer < 0 || t.Dauer > 1439) std::abort();
            for (std::string_view s : {t.Beschreibung.sicht(), t.Ort.sicht(),
                                       t.Kategorie.sicht(), t.Link.sicht()})
                if (!Haltbar(s)) std::abort();
            if (!t.Kategorie.empty() && kal.KategorieIndex(t.Kategorie) < 0) std::abort();
            if (!t.Link.empty() && kal.LinkIndex(t.Link) < 0) std::abort();
            if (t.Farbe != KeineFarbe && kal.FarbSlot(t.Farbe) == 0) std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static TKalender kal;
    static std::vector<int> belegt;
    static bool benannt = [] {
        kal.Farbnamen[1] = "Urlaub";
        return true;
    }();
    (void)benannt;
    belegt.clear();
    IcsImportoptionen o;
    o.zeitzone = "Europe/Berlin";
    o.ganztaegigAlsTagesfarbe = true;
    o.hoechstensVorkommen = 2'000;  // a rule over 199 years costs time, not a finding
    o.libicalStumm = false;         // a sanitizer's report must reach stderr
    try {
        IcsImportieren(kal, std::string_view(reinterpret_cast<const char*>(daten), groesse), o);
    } catch (const KalvoraFehler&) {
        fuzz::BelegteTage(kal, belegt);
        if (!belegt.empty() || kal.geaendert) std::abort();  // a refused file changes nothing
        return 0;
    }
    fuzz::BelegteTage(kal, belegt);
    Pruefen(kal, belegt);
    // The imported document as the file keeps it (after the repairs a save offers for a
    // category "[Linkliste]" and the like), read back the same way.
    SpeicherhindernisseBeheben(kal, true);
    const std::string datei = KalenderAlsVer33(kal);
    fuzz::Leeren(kal, belegt);
    kal.Farbnamen[1] = "Urlaub";
    kal.GeaendertSetzen(false);
    fuzz::LesenUndSchreiben(datei);
    return 0;
}
