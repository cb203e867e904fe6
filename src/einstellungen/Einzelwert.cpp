#include "einstellungen/Einzelwert.h"

#include "methoden/Ueberladen.h"

#include <charconv>
#include <cmath>
#include <functional>

#include "einstellungen/Einstellungen.h"
#include "einstellungen/Adressbuchablage.h"
#include "einstellungen/Schreibschutzablage.h"
#include "einstellungen/Statistikablage.h"
#include "methoden/Fehler.h"

namespace kalvora {

namespace {


[[noreturn]] void Unbekannt(const std::string& angabe) {
    throw KalvoraFehler("\"" + angabe + "\" ist keine bekannte Einstellung.");
}

[[noreturn]] void FalscherWert(const std::string& text, const char* erwartet) {
    throw KalvoraFehler("\"" + text + "\" ist " + erwartet + ".");
}

bool GanzzahlAusText(const std::string& text, long long& wert, int basis = 10) {
    const char* anfang = text.data();
    const char* ende = text.data() + text.size();
    if (basis == 16 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        anfang += 2;
    auto [p, ec] = std::from_chars(anfang, ende, wert, basis);
    return ec == std::errc() && p == ende && anfang != ende;
}

// Parses text into the field of the row; the record holds the value afterwards.
void FeldAusText(const Wertzeile& z, Feldzeiger feld, const std::string& text) {
    std::visit(
        Ueberladen{
            [&](bool* f) {
                if (text == "1" || text == "ja" || text == "true") *f = true;
                else if (text == "0" || text == "nein" || text == "false") *f = false;
                else FalscherWert(text, "kein Wahrheitswert (1 oder 0, ja oder nein)");
            },
            [&](int32_t* f) {
                long long w = 0;
                if (!GanzzahlAusText(text, w)) FalscherWert(text, "keine ganze Zahl");
                if (w < z.min || w > z.max)
                    throw KalvoraFehler("\"" + z.name + "\" muss zwischen " +
                                        std::to_string(z.min) + " und " +
                                        std::to_string(z.max) + " liegen.");
                *f = static_cast<int32_t>(w);
            },
            [&](std::optional<int32_t>* f) {
                int32_t w = 0;
                FeldAusText(z, &w, text);
                *f = w;
            },
            [&](uint32_t* f) {
                long long w = 0;
                const bool hex = text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0;
                if (!GanzzahlAusText(text, w, hex ? 16 : 10) || w < 0 || w > 0xFFFFFF)
                    FalscherWert(text, "kein Farbwert (0x000000 bis 0xFFFFFF, blau-grün-rot)");
                *f = static_cast<uint32_t>(w);
            },
            [&](std::string* f) { *f = text; },
            [&](double* f) {
                std::string punkt = text;
                for (char& c : punkt)
                    if (c == ',') c = '.';
                double w = 0;
                auto [p, ec] = std::from_chars(punkt.data(), punkt.data() + punkt.size(), w);
                if (ec != std::errc() || p != punkt.data() + punkt.size() || punkt.empty() ||
                    !std::isfinite(w))
                    FalscherWert(text, "keine Zahl");
                *f = w;
            },
        },
        feld);
}

// Finds the row and hands it with its key and a record holding the defaults to tun.
template <class R>
bool MitZeile(const Werttabelle<R>& tabelle, const std::string& name, R& satz,
              const std::function<void(const Wertzeile&, Feldzeiger)>& tun) {
    for (const auto& z : tabelle) {
        if (z.name != name) continue;
        tun(z, z.feld(satz));
        return true;
    }
    return false;
}

void Suchen(const Einstellungsumgebung& u, const std::string& angabe,
            const std::function<void(const std::string& schluessel, const Wertzeile&,
                                     Feldzeiger)>& tun) {
    const std::size_t schraeg = angabe.find('/');
    const std::string unter = schraeg == std::string::npos ? "" : angabe.substr(0, schraeg);
    const std::string name = schraeg == std::string::npos ? angabe : angabe.substr(schraeg + 1);
    if (unter == "Adressbuch") {
        Adressoptionen satz;
        if (MitZeile(AdressbuchWerte(), name, satz,
                     [&](const Wertzeile& z, Feldzeiger f) { tun(AdressbuchSchluessel, z, f); }))
            return;
        Unbekannt(angabe);
    }
    if (unter == "Schreibschutz") {
        Schreibschutzoptionen satz;
        if (MitZeile(SchreibschutzWerte(), name, satz,
                     [&](const Wertzeile& z, Feldzeiger f) {
                         tun(SchreibschutzSchluessel, z, f);
                     }))
            return;
        Unbekannt(angabe);
    }
    if (unter == "Statistikoptionen") {
        Statistikoptionen satz;
        if (MitZeile(StatistikWerte(), name, satz,
                     [&](const Wertzeile& z, Feldzeiger f) { tun(StatistikSchluessel, z, f); }))
            return;
        Unbekannt(angabe);
    }
    const std::pair<const char*, const Werttabelle<Einstellungen>* (*)()> tabellen[] = {
        {"", [] { return &HauptschluesselWerte(); }},
        {"feiertage", [] { return &FeiertagsWerte(); }},
        {"Toolbar", [] { return &ToolbarWerte(); }},
        {"letzte_Dateien", [] { return &LetzteDateienWerte(); }},
    };
    for (const auto& [schluesselname, tabelle] : tabellen) {
        if (unter != schluesselname) continue;
        Einstellungen satz = EinstellungenStandard(u);
        std::string schluessel = HauptSchluessel;
        if (!unter.empty()) schluessel += "\\" + unter;
        if (MitZeile(*tabelle(), name, satz,
                     [&](const Wertzeile& z, Feldzeiger f) { tun(schluessel, z, f); }))
            return;
    }
    Unbekannt(angabe);
}

}  // namespace

std::string EinzelwertLesen(const Registry& registry, const Einstellungsumgebung& umgebung,
                            const std::string& angabe) {
    NurLesendeRegistry nurLesen(registry);
    std::string text;
    Suchen(umgebung, angabe, [&](const std::string& schluessel, const Wertzeile& z,
                                 Feldzeiger f) {
        RegistrySchluessel s(nurLesen, schluessel);
        if (s.Existiert(z.name)) FeldLesen(s, z, f);
        text = FeldText(z, f);
    });
    return text;
}

void EinzelwertSchreiben(Registry& registry, const Einstellungsumgebung& umgebung,
                         const std::string& angabe, const std::string& text) {
    Suchen(umgebung, angabe, [&](const std::string& schluessel, const Wertzeile& z,
                                 Feldzeiger f) {
        FeldAusText(z, f, text);
        // The same limits as the options dialogs.
        if (const auto fehler = WertUnzulaessig(z, f)) throw KalvoraFehler(*fehler);
        RegistrySchluessel s(registry, schluessel);
        FeldSchreiben(s, z, f);
    });
}

}  // namespace kalvora
