#include "einstellungen/Schreibschutzregeln.h"

#include <charconv>

namespace kalvora {

Minuteneingabe MinutenLesen(const std::string& text, const char* feld) {
    std::size_t a = text.find_first_not_of(' ');
    std::size_t e = text.find_last_not_of(' ');
    Minuteneingabe m;
    int wert = 0;
    if (a != std::string::npos) {
        const char* anfang = text.data() + a;
        const char* ende = text.data() + e + 1;
        const auto [p, ec] = std::from_chars(anfang, ende, wert);
        if (ec == std::errc() && p == ende && wert >= SchreibschutzMinutenMin &&
            wert <= SchreibschutzMinutenMax) {
            m.wert = wert;
            return m;
        }
    }
    m.fehler = std::string("\"") + feld + "\": Bitte geben Sie eine ganze Zahl von " +
               std::to_string(SchreibschutzMinutenMin) + " bis " +
               std::to_string(SchreibschutzMinutenMax) + " Minuten ein.";
    return m;
}

Schreibschutzeingabe EingabeAus(const Schreibschutzoptionen& o) {
    Schreibschutzeingabe e;
    e.art = o.Art;
    e.intervall = std::to_string(o.Intervall);
    e.autosave = o.autosave;
    e.sIntervall = std::to_string(o.sIntervall);
    e.alarmAus = o.AlarmAus;
    e.alleSchreibgeschuetzt = o.alleSchreibgeschuetzt;
    e.keineSchutzmeldung = o.keineSchutzmeldung;
    return e;
}

Schreibschutzuebernahme OptionenAus(const Schreibschutzeingabe& e,
                                    const Schreibschutzoptionen& bisher) {
    Schreibschutzuebernahme u;
    Schreibschutzoptionen o = bisher;
    o.Art = e.art == 0 ? 0 : 1;
    o.autosave = e.autosave;
    o.AlarmAus = e.alarmAus;
    o.alleSchreibgeschuetzt = e.alleSchreibgeschuetzt;
    o.keineSchutzmeldung = e.keineSchutzmeldung;
    const auto zahl = [&u](const std::string& text, const char* feld, bool frei, int32_t& ziel) {
        const Minuteneingabe m = MinutenLesen(text, feld);
        if (m.wert) {
            ziel = *m.wert;
        } else if (frei && u.fehler.empty()) {
            u.fehler = m.fehler;
        }
    };
    zahl(e.intervall, schreibschutztexte::Intervall, IntervallFreigegeben(e.art), o.Intervall);
    zahl(e.sIntervall, schreibschutztexte::Speicherintervall,
         SpeicherintervallFreigegeben(e.autosave), o.sIntervall);
    if (u.fehler.empty()) u.optionen = o;
    return u;
}

}  // namespace kalvora
