#include "personen/Geburtstagsabfragen.h"

#include <cmath>

namespace kalvora {

namespace {

// Dates the list can hold: year 1 up to (not including) KeinDatum.
bool Gueltig(TDatum wert) { return std::isfinite(wert) && wert > -693594.0 && wert < KeinDatum; }

// The date of a list entry counts on (tag, monat) of jahr: same day and month, earlier year.
// KeinDatum lies in 9999 and never counts.
bool Faellt(TDatum wert, int tag, int monat, int jahr, int* geburtsjahr = nullptr) {
    if (!Gueltig(wert)) return false;
    const Datum d = DatumAusWert(wert);
    if (d.tag != tag || d.monat != monat || d.jahr >= jahr) return false;
    if (geburtsjahr) *geburtsjahr = d.jahr;
    return true;
}

}  // namespace

bool HatGeburtstag(const TKalender& kal, int tag, int monat, int jahr) {
    for (const TGeburtstag& g : kal.Geburtstagsliste)
        if (Faellt(g.Geburtsdatum, tag, monat, jahr)) return true;
    return false;
}

bool HatNamenstag(const TKalender& kal, int tag, int monat, int jahr) {
    for (const TGeburtstag& g : kal.Geburtstagsliste)
        if (Faellt(g.Namenstag, tag, monat, jahr)) return true;
    return false;
}

std::string Geburtstagstext(const TKalender& kal, int tag, int monat, int jahr,
                            const Ereignistexte& e, bool mitVorsatz) {
    std::string s;
    if (!e.geburtstagstext) return s;
    bool erster = true;
    for (const TGeburtstag& g : kal.Geburtstagsliste) {
        int geburtsjahr = 0;
        if (!Faellt(g.Geburtsdatum, tag, monat, jahr, &geburtsjahr)) continue;
        if (erster) {
            if (mitVorsatz) s += "Geburtstag: ";
        } else {
            s += ", ";
        }
        erster = false;
        s += g.Vorname + " " + g.Name + " (" + std::to_string(jahr - geburtsjahr) + ")";
    }
    return s;
}

std::string Namenstagstext(const TKalender& kal, int tag, int monat, int jahr,
                           const Ereignistexte& e, bool mitVorsatz) {
    std::string s;
    if (!e.namenstagstext) return s;
    bool erster = true;
    for (const TGeburtstag& g : kal.Geburtstagsliste) {
        if (!Faellt(g.Namenstag, tag, monat, jahr)) continue;
        if (erster) {
            if (mitVorsatz) s += "Namenstag: ";
        } else {
            s += ", ";
        }
        erster = false;
        s += g.Vorname + " " + g.Name;
    }
    return s;
}

std::string Tageszeile(const TKalender& kal, int tag, int monat, int jahr, const Ereignistexte& e,
                       Zeilenumbruch umbruch) {
    std::string s = Geburtstagstext(kal, tag, monat, jahr, e);
    const std::string n = Namenstagstext(kal, tag, monat, jahr, e);
    if (!s.empty() && !n.empty())
        s += "  " + n;
    else if (s.empty())
        s = n;
    if (s.empty()) return s;
    if (umbruch == Zeilenumbruch::Danach) s += "\r\n";
    if (umbruch == Zeilenumbruch::Davor) s.insert(0, "\r\n");
    return s;
}

Ereignistage::Ereignistage(const TKalender& kal, int jahr) {
    auto markieren = [jahr](TDatum wert, std::bitset<372>& ziel) {
        if (!Gueltig(wert)) return;
        const Datum d = DatumAusWert(wert);
        if (d.jahr < jahr && d.monat >= 1 && d.monat <= 12 && d.tag >= 1 && d.tag <= 31)
            ziel.set(Index(d.tag, d.monat));
    };
    for (const TGeburtstag& g : kal.Geburtstagsliste) {
        markieren(g.Geburtsdatum, geburtstage_);
        markieren(g.Namenstag, namenstage_);
    }
}

}  // namespace kalvora
