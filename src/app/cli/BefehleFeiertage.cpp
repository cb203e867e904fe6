// Special-day and sun commands: feiertage, sonne.
#include <charconv>
#include <cmath>
#include <iostream>
#include <string>

#include "app/cli/Befehle.h"
#include "methoden/Feiertage.h"
#include "methoden/Methoden.h"
#include "methoden/Sonne.h"

namespace kalvora::cli {
namespace {

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
    AnzahlPruefen(a, {"JJJJ"});
    const int jahr = JahrArgument(a[0]);
    TFeiertagstabelle tabelle;
    tabelle.FeiertageBerechnen(jahr);
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1; tag <= TageImMonat(monat, jahr); ++tag) {
            const std::string& text = tabelle.FeiertagsText(tag, monat);
            if (!text.empty()) std::cout << DatumText(tag, monat, jahr) << '\t' << text << '\n';
        }
    return kErfolg;
}

// A number option within -grenze..grenze; was names the quantity in the message.
double OptionswertLesen(const std::string& wert, double grenze, const char* was) {
    double zahl;
    if (!KommazahlLesen(wert, zahl) || std::fabs(zahl) > grenze) {
        const std::string g = std::to_string(static_cast<int>(grenze));
        throw Aufruffehler(Gezeigt(wert) + " ist keine " + was + " von -" + g + " bis " + g);
    }
    return zahl;
}

int SonneAusfuehren(const std::vector<std::string>& a) {
    if (a.empty()) ArgumentFehlt("TT.MM.JJJJ");
    const Datum d = DatumArgument(a[0]);
    double laenge = StandardLaenge, breite = StandardBreite, abweichung = StandardAbweichung;
    bool sommerzeit = StandardSommerzeit;
    for (std::size_t i = 1; i < a.size(); i += 2) {
        const std::string& option = a[i];
        const bool bekannt = option == "--laenge" || option == "--breite" ||
                             option == "--zeitzone" || option == "--sommerzeit";
        if (!bekannt) throw Aufruffehler(Gezeigt(option) + " ist keine Option von sonne");
        if (i + 1 >= a.size())
            ArgumentFehlt(option == "--sommerzeit" ? "ja|nein nach --sommerzeit"
                          : option == "--zeitzone" ? "STUNDEN nach --zeitzone"
                                                   : "GRAD nach " + option);
        const std::string& wert = a[i + 1];
        if (option == "--laenge")
            laenge = OptionswertLesen(wert, 180, "geographische Länge in Grad");
        else if (option == "--breite")
            breite = OptionswertLesen(wert, 90, "geographische Breite in Grad");
        else if (option == "--zeitzone")
            abweichung = OptionswertLesen(wert, 24, "Zeitzone in Stunden");
        else if (wert == "ja" || wert == "nein")
            sommerzeit = wert == "ja";
        else
            throw Aufruffehler(Gezeigt(wert) + " nach --sommerzeit ist weder ja noch nein");
    }
    const TDatum datum = DatumWert(d.tag, d.monat, d.jahr);
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
