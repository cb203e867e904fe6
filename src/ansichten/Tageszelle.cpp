#include "ansichten/Tageszelle.h"

#include <cstdio>

#include "einstellungen/Einstellungen.h"
#include "kalender/Farbnamen.h"
#include "methoden/Uhrzeit.h"
#include "personen/Geburtstagsabfragen.h"

namespace kalvora {
namespace {

bool ImKalender(const Datum& d) { return d.jahr > ErstesJahr - 1 && d.jahr < LetztesJahr + 1; }

}  // namespace

Zellenoptionen ZellenoptionenAus(const Einstellungen& e) {
    Zellenoptionen o;
    o.wochentag = e.Wochentag;
    o.datum = e.DatumDesTages;
    o.farbname = e.Farbname;
    o.farbnamen = e.Farbnamen;
    o.hintergrundfarbe = e.Hintergrundfarbe;
    o.uhrzeit = e.keineUhrzeitAnzeigen;
    o.terminende = e.TerminendeAnzeigen;
    o.terminlaenge = e.TerminlaengeAnzeigen;
    o.ortsangabe = e.Ortsangabe;
    o.ortZweiteZeile = e.BeschreibungUndOrtInZweiZeilen;
    o.leerzeileOhneInfo = e.LeerzeileWennKeineTagesinfo;
    o.leerzeilenZwischenTerminen = e.LeerzeilenZwischenTermineintraegen;
    o.schriftfarbenuebernahme = e.Schriftfarbenuebernahme;
    o.schriftfarbeAendern = e.SchriftfarbeAendern;
    o.fett = e.Fett;
    o.fettBeiTagesinfo = e.FettBeiTagesinfotext;
    o.geburtstagstext = e.Geburtstagstext;
    o.namenstagstext = e.Namenstagstext;
    o.schriftname = e.Schriftname;
    o.schriftgroesse = e.Schriftgroesse;
    o.scrollleisten = e.AnsichtenMitScollleisten;
    return o;
}

std::string Kopfvorsatz(const Zellenoptionen& o, const Datum& d) {
    if (!o.wochentag) return {};
    const int w = Wochentag(d.tag, d.monat, d.jahr);
    return Wochentagsname(w) + (o.datum ? ", " : " ");
}

std::string Zellenkopf(const TKalender& kal, const Zellenoptionen& o, const Datum& d,
                       bool mitWochentag) {
    std::string kopf = mitWochentag ? Kopfvorsatz(o, d) : std::string();
    if (o.datum) kopf += DatumText(d.tag, d.monat, d.jahr) + "   ";
    if ((o.farbname || o.farbnamen) && ImKalender(d) &&
        TKalender::ImBereich(d.jahr, d.monat, d.tag))
        kopf += tagesfarbtext(kal, d.jahr, d.monat, d.tag, o.farbnamen);
    return kopf;
}

void TagesinhaltSchreiben(const TKalender& kal, const Zellenoptionen& o, const Datum& d,
                          Tageszelleninhalt& z) {
    if (!ImKalender(d) || !TKalender::ImBereich(d.jahr, d.monat, d.tag)) return;
    const TTagesfarben& farben = kal.Tagesfarben(d.jahr, d.monat, d.tag);
    z.hintergrund = o.hintergrundfarbe && !farben.empty() ? farben.front() : ZellenWeiss;

    Ereignistexte e;
    e.geburtstagstext = o.geburtstagstext;
    e.namenstagstext = o.namenstagstext;
    const std::string geburtstage = Tageszeile(kal, d.tag, d.monat, d.jahr, e);
    if (!geburtstage.empty()) z.zeilen.push_back({geburtstage});

    const TTerminliste& liste = kal.Terminliste(d.jahr, d.monat, d.tag);
    if (!liste.empty()) {
        const std::string_view info = liste[0].Beschreibung.sicht();
        if (!info.empty()) {
            std::size_t anfang = 0;
            for (std::size_t i = 0; i < info.size(); ++i) {
                if (info[i] != '#') continue;
                z.zeilen.push_back({std::string(info.substr(anfang, i - anfang))});
                anfang = i + 1;
            }
            if (anfang < info.size()) z.zeilen.push_back({std::string(info.substr(anfang))});
        } else if (o.leerzeileOhneInfo) {
            z.zeilen.push_back({});
        }
    }

    for (std::size_t i = 1; i < liste.size(); ++i) {
        const TTermin& t = liste[i];
        std::string zeile;
        const std::string_view zeit = t.Uhrzeit.sicht();
        // A time or duration no clock can show (a hand-edited file) is shown as none.
        const int32_t dauer = DauerBrauchbar(t.Dauer);
        if (o.uhrzeit && UhrzeitBrauchbar(zeit)) {
            zeile += std::string(zeit);
            if (o.terminende) zeile += "-" + ZeitPlusMinuten(zeit, dauer);
            zeile += "   ";
        }
        zeile += std::string(t.Beschreibung.sicht());
        if (o.terminlaenge) zeile += " (" + MinutenAlsDauer(dauer) + ")";
        std::string zweite;
        bool zweiZeilen = false;
        if (!t.Ort.empty()) {
            const std::string ort =
                "  " + std::string(o.ortsangabe ? "Ort: " : "") + std::string(t.Ort.sicht());
            if (o.ortZweiteZeile) {
                zweite = ort;
                zweiZeilen = true;
            } else {
                zeile += "  " + ort;
            }
        }
        Zellenzeile::Art art = Zellenzeile::Art::Normal;
        uint32_t farbe = 0;
        if (o.schriftfarbenuebernahme && t.Farbe != KeineFarbe) {
            farbe = t.Farbe;
            if (o.schriftfarbeAendern) {
                if (farbe == z.hintergrund) farbe = Komplementaerfarbe(farbe);
                art = Zellenzeile::Art::Schriftfarbe;
            } else {
                art = Zellenzeile::Art::Hintergrund;
            }
        }
        z.zeilen.push_back({zeile, art, farbe});
        if (zweiZeilen) z.zeilen.push_back({zweite, art, farbe});
        if (o.leerzeilenZwischenTerminen) z.zeilen.push_back({});
    }
    z.zeilen.push_back({});  // in black: the insertion colour is the normal one again
    z.fett = (liste.size() > 1 && o.fett) || (!liste.empty() && o.fettBeiTagesinfo);
}

Tageszelleninhalt TageszelleFuellen(const TKalender& kal, const Zellenoptionen& o,
                                    const Datum& d, bool mitWochentag) {
    Tageszelleninhalt z;
    z.frei = ImKalender(d) && IstGueltigesDatum(d.tag, d.monat, d.jahr);
    z.zeilen.push_back({Zellenkopf(kal, o, d, mitWochentag)});
    if (z.frei) TagesinhaltSchreiben(kal, o, d, z);
    return z;
}

uint32_t NormaleSchriftfarbe(uint32_t hintergrund) {
    const int r = hintergrund & 0xFF, g = (hintergrund >> 8) & 0xFF, b = (hintergrund >> 16) & 0xFF;
    // Perceived brightness (ITU-R BT.601 weights), 0..255.
    const int hell = (r * 299 + g * 587 + b * 114) / 1000;
    return hell < 80 ? 0xFFFFFFu : 0u;
}

std::string RgbText(uint32_t bbggrr) {
    char puffer[8];
    std::snprintf(puffer, sizeof puffer, "%02X%02X%02X", bbggrr & 0xFF, (bbggrr >> 8) & 0xFF,
                  (bbggrr >> 16) & 0xFF);
    return puffer;
}

std::string ZelleAlsText(const Tageszelleninhalt& z) {
    std::string text = "Hintergrund: " + RgbText(z.hintergrund) + "  Fett: " +
                       (z.fett ? "ja" : "nein") + "\n";
    for (const Zellenzeile& l : z.zeilen) {
        text += l.text;
        if (l.art == Zellenzeile::Art::Schriftfarbe) text += "\tSchrift " + RgbText(l.farbe);
        if (l.art == Zellenzeile::Art::Hintergrund) text += "\tHintergrund " + RgbText(l.farbe);
        text += "\n";
    }
    return text;
}

}  // namespace kalvora
