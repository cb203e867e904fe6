#include "main/Alarm.h"

#include <algorithm>
#include <cmath>

#include "einstellungen/Einstellungen.h"
#include "methoden/Uhrzeit.h"

namespace kalvora {
namespace {

constexpr int MinutenProTag = 1440;

// The alarm may be shown for a check of this origin.
bool AlarmErlaubt(Alarmherkunft h) {
    return h != Alarmherkunft::Toolbutton && h != Alarmherkunft::Desktopstundenplan;
}

// Position after n characters of a UTF-8 text (or its end).
std::size_t NachZeichen(const std::string& s, std::size_t von, std::size_t n) {
    std::size_t i = von;
    while (n > 0 && i < s.size()) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
        --n;
    }
    return i;
}

}  // namespace

Alarmvorgaben AlarmvorgabenAus(const Einstellungen& e, const Schreibschutzoptionen& s) {
    Alarmvorgaben v;
    v.vorlaufStunden = e.Alarmstunden;
    v.vorlaufMinuten = e.Alarmminuten;
    v.wiederholungsminuten = e.Alarmwiederholungsminuten;
    v.alarmdatei = e.Alarmdatei;
    v.alarmAus = s.AlarmAus;
    return v;
}

std::optional<int> Startminuten(std::string_view uhrzeit) {
    if (!UhrzeitBrauchbar(uhrzeit)) return std::nullopt;
    const int hh = (uhrzeit[0] - '0') * 10 + (uhrzeit[1] - '0');
    const int mm = (uhrzeit[3] - '0') * 10 + (uhrzeit[4] - '0');
    if (hh > 23 || mm > 59) return std::nullopt;
    return hh * 60 + mm;
}

Alarmbefund AlarmPruefen(const TKalender& kal, const Alarmvorgaben& v, const Zeitpunkt& jetzt,
                         Alarmherkunft herkunft) {
    Alarmbefund b;
    if (v.alarmAus) return b;
    if (!IstGueltigesDatum(jetzt.tag, jetzt.monat, jetzt.jahr) ||
        !TKalender::ImBereich(jetzt.jahr, jetzt.monat, jetzt.tag))
        return b;
    const int nun = jetzt.stunde * 60 + jetzt.minute;
    const int nunSekunden = nun * 60 + jetzt.sekunde;
    const int vorlauf = v.vorlaufStunden * 60 + v.vorlaufMinuten;
    b.erinnerungen = nunSekunden <= v.wiederholungsminuten * 60 &&
                     herkunft == Alarmherkunft::Sonstwo;
    const bool zeigen = AlarmErlaubt(herkunft);

    const TTerminliste& heute = kal.Terminliste(jetzt.jahr, jetzt.monat, jetzt.tag);
    for (std::size_t i = 1; i < heute.size(); ++i) {
        const TTermin& t = heute[i];
        const std::optional<int> start = Startminuten(t.Uhrzeit.sicht());
        if (!start) continue;
        if (nun <= *start && *start <= nun + vorlauf) {
            if (t.Alarm && zeigen)
                b.melden.push_back({{jetzt.tag, jetzt.monat, jetzt.jahr}, i, t});
            b.anstehend = true;
        }
        // Running from the first second of its start to the last of its end; an end past
        // midnight ends the day.
        const int ende = std::min(*start + DauerBrauchbar(t.Dauer), MinutenProTag);
        if (nunSekunden >= *start * 60 && nunSekunden <= ende * 60) b.laufend = true;
    }

    if (nun + vorlauf <= MinutenProTag - 1) return b;
    Datum morgen{jetzt.tag + 1, jetzt.monat, jetzt.jahr};
    if (morgen.tag > TageImMonat(morgen.monat, morgen.jahr)) {
        morgen.tag = 1;
        if (++morgen.monat > 12) {
            if (jetzt.jahr == LetztesJahr) {
                b.symbolAendern = false;  // the calendar ends here
                return b;
            }
            morgen.monat = 1;
            ++morgen.jahr;
        }
    }
    const int rest = MinutenProTag - nun;
    const TTerminliste& liste = kal.Terminliste(morgen.jahr, morgen.monat, morgen.tag);
    for (std::size_t i = 1; i < liste.size(); ++i) {
        const TTermin& t = liste[i];
        const std::optional<int> start = Startminuten(t.Uhrzeit.sicht());
        if (!start || *start > vorlauf - rest) continue;
        if (t.Alarm && zeigen) b.melden.push_back({morgen, i, t});
        b.anstehend = true;
    }
    return b;
}

Trayzustand TrayzustandAus(const Alarmbefund& b) {
    if (b.laufend) return Trayzustand::Laufend;
    if (b.anstehend) return Trayzustand::Anstehend;
    return Trayzustand::Ruhig;
}

Traysymbol TraysymbolWaehlen(Trayzustand z, bool desktopModus) {
    switch (z) {
        case Trayzustand::Laufend:
            return desktopModus ? Traysymbol::Z006 : Traysymbol::Z005;
        case Trayzustand::Anstehend:
            return desktopModus ? Traysymbol::Z004 : Traysymbol::Z003;
        case Trayzustand::Ruhig:
            break;
    }
    return desktopModus ? Traysymbol::Z002 : Traysymbol::Programm;
}

std::string TrayTooltip(const std::string& fenstertitel) {
    // The folder ends at the last separator; the program's own titles use either kind.
    const std::size_t trenner = fenstertitel.find_last_of("\\/");
    if (trenner == std::string::npos) return "Kalvora";
    std::string text = "Kalvora - " + fenstertitel.substr(trenner + 1);
    // The extension with its dot and the character after it (the first of a suffix).
    const std::size_t punkt = text.find('.');
    if (punkt != std::string::npos) text.erase(punkt, NachZeichen(text, punkt, 5) - punkt);
    text.resize(NachZeichen(text, 0, TrayTooltipLaenge));
    return text;
}

Traymenue TraymenueSichtbarkeit(bool desktopSichtbar) {
    Traymenue m;
    m.wiederherstellen = !desktopSichtbar;
    m.ansichtSchliessen = desktopSichtbar;
    return m;
}

Trayantwort TrayklickAuswerten(Traytaste taste, const Traylage& lage) {
    if (!lage.optionenSichtbar && !lage.alarmSichtbar && !lage.desktopSichtbar) {
        if (taste == Traytaste::Links) return {Trayreaktion::Wiederherstellen, 0, 0};
        return {Trayreaktion::MenueZeigen, 70, 3};
    }
    if (!lage.desktopVorhanden) return {};
    if (taste == Traytaste::Rechts) return {Trayreaktion::MenueZeigen, 65, 3};
    return {lage.optionenSichtbar ? Trayreaktion::OptionenNachVorne
                                  : Trayreaktion::DesktopNachVorne,
            0, 0};
}

TrayBeenden TrayBeendenSchritt(bool desktopSichtbar, bool geaendert) {
    if (desktopSichtbar) return TrayBeenden::DesktopSchliessen;
    if (geaendert) return TrayBeenden::ErstWiederherstellen;
    return TrayBeenden::SymbolEntfernen;
}

void Rahmenblende::Schritt(int geschwindigkeit) {
    const int c = 255 - static_cast<int>(grau % 256);
    const double grund = std::max(c * 0.4 - 50, std::max(c * 2.0 / 15 - 1, 0.0));
    const int64_t schritt = std::lround(grund) + geschwindigkeit;
    int64_t g = grau;
    if (steigend) {
        g += schritt * 0x010101;
        if (g > 0xFFFFFE) {
            g = 0xFFFFFF;
            steigend = false;
        }
    } else {
        g -= schritt * 0x010101;
        if (g < 1) {
            g = 0;
            steigend = true;
        }
    }
    grau = static_cast<uint32_t>(std::clamp<int64_t>(g, 0, 0xFFFFFF));
}

}  // namespace kalvora
