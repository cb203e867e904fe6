// Special-day and sun commands: feiertage, sonne.
#include <charconv>
#include <cmath>
#include <iostream>

#include "app/cli/Befehle.h"
#include "methoden/Feiertage.h"
#include "methoden/Methoden.h"
#include "methoden/Sonne.h"

namespace kalvora::cli {
namespace {

bool GanzzahlLesen(const std::string& text, int& zahl) {
    const char* ende = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), ende, zahl);
    return ec == std::errc() && p == ende;
}

// Accepts '.' and ',' as decimal separator, as a user of either locale types it.
bool KommazahlLesen(std::string text, double& zahl) {
    for (char& c : text)
        if (c == ',') c = '.';
    const char* anfang = text.data();
    const char* ende = anfang + text.size();
    if (anfang != ende && *anfang == '+') ++anfang;
    auto [p, ec] = std::from_chars(anfang, ende, zahl);
    return ec == std::errc() && p == ende && std::isfinite(zahl);
}

int FeiertageAusfuehren(const std::vector<std::string>& a) {
    int jahr;
    if (a.size() != 1 || !GanzzahlLesen(a[0], jahr) || jahr < 1 || jahr > 9999)
        return FalscherAufruf("feiertage");
    TFeiertagstabelle tabelle;
    tabelle.FeiertageBerechnen(jahr);
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1; tag <= TageImMonat(monat, jahr); ++tag) {
            const std::string& text = tabelle.FeiertagsText(tag, monat);
            if (!text.empty()) std::cout << DatumText(tag, monat, jahr) << '\t' << text << '\n';
        }
    return kErfolg;
}

int SonneAusfuehren(const std::vector<std::string>& a) {
    int tag, monat, jahr;
    if (a.empty() || !DatumLesen(a[0], tag, monat, jahr)) return FalscherAufruf("sonne");
    double laenge = StandardLaenge, breite = StandardBreite, abweichung = StandardAbweichung;
    bool sommerzeit = StandardSommerzeit;
    for (std::size_t i = 1; i < a.size(); i += 2) {
        if (i + 1 >= a.size()) return FalscherAufruf("sonne");
        const std::string& option = a[i];
        const std::string& wert = a[i + 1];
        bool gut;
        if (option == "--laenge")
            gut = KommazahlLesen(wert, laenge) && std::fabs(laenge) <= 180;
        else if (option == "--breite")
            gut = KommazahlLesen(wert, breite) && std::fabs(breite) <= 90;
        else if (option == "--zeitzone")
            gut = KommazahlLesen(wert, abweichung) && std::fabs(abweichung) <= 24;
        else if (option == "--sommerzeit") {
            gut = wert == "ja" || wert == "nein";
            sommerzeit = wert == "ja";
        } else
            gut = false;
        if (!gut) return FalscherAufruf("sonne");
    }
    const TDatum datum = DatumWert(tag, monat, jahr);
    const Sonnenzeiten zeiten = SonnenAufUntergang(sommerzeit, datum, abweichung, breite, laenge);
    std::cout << "SA: " << SonnenText(zeiten.aufgang, datum)
              << "  SU: " << SonnenText(zeiten.untergang, datum) << '\n';
    return kErfolg;
}

const BefehlRegistrieren feiertage{{"feiertage", "feiertage JJJJ",
                                    "Feiertage und besondere Tage eines Jahres",
                                    FeiertageAusfuehren}};

const BefehlRegistrieren sonne{
    {"sonne",
     "sonne TT.MM.JJJJ [--laenge GRAD] [--breite GRAD] [--zeitzone STUNDEN] "
     "[--sommerzeit ja|nein]",
     "Sonnenauf- und -untergang eines Tages", SonneAusfuehren}};

}  // namespace
}  // namespace kalvora::cli
