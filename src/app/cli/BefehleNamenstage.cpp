// Name-day commands: namenstage, namenstag-suchen. Both read the catalogue beside kalvora-cli,
// else in the installed data folders.
#include <iostream>

#include "app/cli/Befehle.h"
#include "personen/Namenstagskatalog.h"
#include "personen/Namenstagsuche.h"

namespace kalvora::cli {

bool NamenstagskatalogLaden(Namenstagskatalog& katalog, std::string* pfad) {
    Katalogladung l = NamenstageLaden(Katalogordner(Programmordner()));
    if (pfad) *pfad = l.pfad;
    if (l.fehlerhaft) {
        std::cerr << l.pfad << ": " << kFehlerhafteDatei << " " << l.ursache << "\n";
        return false;
    }
    katalog = std::move(l.katalog);
    return true;
}

namespace {

// "TT.MM." (also "T.M." and without the last point).
bool TagLesen(const std::string& text, int& tag, int& monat) {
    std::size_t i = 0;
    const auto zahl = [&](int& wert) {
        const std::size_t start = i;
        wert = 0;
        while (i < text.size() && i - start < 2 && text[i] >= '0' && text[i] <= '9')
            wert = wert * 10 + (text[i++] - '0');
        return i > start;
    };
    if (!zahl(tag) || i >= text.size() || text[i++] != '.' || !zahl(monat)) return false;
    if (i < text.size() && text[i] == '.') ++i;
    return i == text.size() && Namenstagskatalog::TagGibtEs(tag, monat);
}

const BefehlRegistrieren namenstage{
    {"namenstage", "namenstage TT.MM.", "Namen mit Namenstag an diesem Tag (je Zeile einer)",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"TT.MM."});
         int tag, monat;
         if (!TagLesen(a[0], tag, monat)) {
             std::cerr << "\"" << a[0] << "\" ist kein Tag des Jahres (TT.MM.).\n";
             return kAufruffehler;
         }
         Namenstagskatalog katalog;
         if (!NamenstagskatalogLaden(katalog)) return kDateifehler;
         for (const auto& name : katalog.Namen(tag, monat)) std::cout << name << "\n";
         return kErfolg;
     }}};

const BefehlRegistrieren namenstagSuchen{
    {"namenstag-suchen", "namenstag-suchen TEXT",
     "Namenstage aller Namen, die TEXT enthalten (TT.MM. und Name), dann die Statuszeile",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"TEXT"});
         Namenstagskatalog katalog;
         if (!NamenstagskatalogLaden(katalog)) return kDateifehler;
         const auto treffer = NamenstageSuchen(katalog, a[0]);
         for (const auto& t : treffer)
             std::cout << Trefferdatum(t.tag, t.monat) << "\t" << t.name << "\n";
         std::cout << Suchstatus(treffer.size()) << "\n";
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
