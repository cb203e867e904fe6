#include "personen/Geburtstagsliste.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kalvora {
namespace {

std::string Zweistellig(int n) {
    char t[8];
    std::snprintf(t, sizeof t, "%02d", n);
    return t;
}

std::string Vierstellig(int n) {
    char t[8];
    std::snprintf(t, sizeof t, "%04d", n);
    return t;
}

std::vector<std::string> Felder(const std::string& s) {
    std::vector<std::string> f(1);
    for (char c : s) {
        if (c == '#')
            f.emplace_back();
        else
            f.back() += c;
    }
    return f;
}

Datum Teile(TDatum wert) { return DatumAusWert(wert); }

TDatum AusDatumText(const std::string& t) {
    try {
        return TextAlsDatum(t);
    } catch (const std::exception&) {
        return KeinDatum;
    }
}

}  // namespace

std::string Sortierschluessel(const TGeburtstag& g, Sortierkriterium k) {
    const Datum geb = Teile(g.Geburtsdatum);
    const Datum nam = Teile(g.Namenstag);
    const std::string gebText = DatumText(g.Geburtsdatum), namText = DatumText(g.Namenstag);
    switch (k) {
        case Sortierkriterium::Name:
            return g.Name + "#" + g.Vorname + "#" + gebText + "#" + namText;
        case Sortierkriterium::Vorname:
            return g.Vorname + "#" + g.Name + "#" + gebText + "#" + namText;
        case Sortierkriterium::Geburtsdatum:
            return Vierstellig(geb.jahr) + "." + Zweistellig(geb.monat) + "." +
                   Zweistellig(geb.tag) + "#" + g.Name + "#" + g.Vorname + "#" + namText;
        case Sortierkriterium::Geburtstag:
            return Zweistellig(geb.monat) + "." + Zweistellig(geb.tag) + "#" + g.Name + "#" +
                   g.Vorname + "#" + namText + "#" + Vierstellig(geb.jahr);
        case Sortierkriterium::Namenstag:
            return Zweistellig(nam.monat) + "." + Zweistellig(nam.tag) + "#" + g.Name + "#" +
                   g.Vorname + "#" + gebText + "#" + Vierstellig(nam.jahr);
    }
    return {};
}

void GeburtstagslisteSortieren(std::vector<TGeburtstag>& liste, Sortierkriterium k,
                               bool aufsteigend) {
    std::vector<std::string> schluessel;
    schluessel.reserve(liste.size());
    for (const TGeburtstag& g : liste) schluessel.push_back(Sortierschluessel(g, k));
    SortiereTexte(aufsteigend, schluessel);
    // The entries come back from their keys, as the window rebuilds them.
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const std::vector<std::string> f = Felder(schluessel[i]);
        if (f.size() < 4) continue;
        TGeburtstag& g = liste[i];
        switch (k) {
            case Sortierkriterium::Name:
                g = {f[0], f[1], AusDatumText(f[2]), AusDatumText(f[3])};
                break;
            case Sortierkriterium::Vorname:
                g = {f[1], f[0], AusDatumText(f[2]), AusDatumText(f[3])};
                break;
            case Sortierkriterium::Geburtsdatum: {
                const std::string& d = f[0];  // yyyy.mm.dd
                const std::string text = d.size() == 10
                                             ? d.substr(8, 2) + "." + d.substr(5, 2) + "." +
                                                   d.substr(0, 4)
                                             : std::string();
                g = {f[1], f[2], AusDatumText(text), AusDatumText(f[3])};
                break;
            }
            case Sortierkriterium::Geburtstag:
                if (f.size() < 5) continue;
                g = {f[1], f[2],
                     AusDatumText(f[0].substr(3, 2) + "." + f[0].substr(0, 2) + "." + f[4]),
                     AusDatumText(f[3])};
                break;
            case Sortierkriterium::Namenstag:
                if (f.size() < 5) continue;
                g = {f[1], f[2], AusDatumText(f[3]),
                     AusDatumText(f[0].substr(3, 2) + "." + f[0].substr(0, 2) + "." + f[4])};
                break;
        }
    }
}

std::vector<Listenzeile> Listenzeilen(const std::vector<TGeburtstag>& liste) {
    std::vector<Listenzeile> zeilen;
    for (const TGeburtstag& g : liste) {
        Listenzeile z{g.Name, g.Vorname, {}, {}};
        if (g.Geburtsdatum != KeinDatum) z.geburtsdatum = DatumText(g.Geburtsdatum);
        // The date text with its year cut off.
        if (g.Namenstag != KeinDatum) z.namenstag = DatumText(g.Namenstag).substr(0, 6);
        zeilen.push_back(std::move(z));
    }
    if (zeilen.empty()) zeilen.emplace_back();
    return zeilen;
}

Listenknoepfe KnoepfeNachFuellen(const std::vector<TGeburtstag>& liste, bool schreibgeschuetzt) {
    Listenknoepfe k;
    k.neu = !schreibgeschuetzt;
    const bool erste = !liste.empty() && !liste.front().Name.empty() && !schreibgeschuetzt;
    k.aendern = k.loeschen = k.drucken = erste;
    return k;
}

Listenknoepfe KnoepfeNachAuswahl(const std::vector<TGeburtstag>& liste, int zeile,
                                 bool schreibgeschuetzt) {
    Listenknoepfe k = KnoepfeNachFuellen(liste, schreibgeschuetzt);
    const bool mitName = zeile >= 0 && zeile < static_cast<int>(liste.size()) &&
                         !liste[static_cast<std::size_t>(zeile)].Name.empty();
    k.aendern = k.loeschen = mitName && !schreibgeschuetzt;
    return k;
}

int Listenfensterhoehe(int eintraege, int zeilenhoehe, int bildschirmhoehe) {
    constexpr int kGrund = 279;
    if (eintraege <= 8 || zeilenhoehe <= 0) return kGrund;
    const int grenze = static_cast<int>(std::lround(0.8 * bildschirmhoehe));
    const int gewuenscht = kGrund + (eintraege - 8) * zeilenhoehe;
    if (gewuenscht < grenze) return gewuenscht;
    const int zeilen =
        std::max(0, static_cast<int>((0.8 * bildschirmhoehe - kGrund) / zeilenhoehe));
    return kGrund + zeilen * zeilenhoehe;
}

std::string NamenseingabeFiltern(const std::string& text) {
    std::string s;
    for (char c : text)
        if (c != '#' && c != ':' && c != ';' && (c < '0' || c > '9')) s += c;
    return s;
}

std::optional<TGeburtstag> EintragAusDialog(const std::string& name, const std::string& vorname,
                                            bool mitGeburtstag, const Datum& geburtstag,
                                            bool mitNamenstag, const Datum& namenstag) {
    if (name.empty() || vorname.empty()) return std::nullopt;
    TGeburtstag g{name, vorname, KeinDatum, KeinDatum};
    if (mitGeburtstag)
        g.Geburtsdatum = DatumWert(geburtstag.tag, geburtstag.monat, geburtstag.jahr);
    if (mitNamenstag) g.Namenstag = DatumWert(namenstag.tag, namenstag.monat, namenstag.jahr);
    return g;
}

}  // namespace kalvora
