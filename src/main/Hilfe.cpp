#include "main/Hilfe.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace kalvora {

const std::vector<Hilfethema>& Hilfethemen() {
    static const std::vector<Hilfethema> themen = {
        {100, "hauptfenster.html", "Das Hauptfenster mit der Jahresansicht"},
        {105, "serienmail.html", "Eine Serien-E-Mail schreiben"},
        {108, "geburtstagsliste.html", "Die Geburtstagsliste"},
        {110, "namenstage.html", "Namenstage nachschlagen und suchen"},
        {114, "monat-wochen.html", "Die Monatsansicht mit Wocheneinteilung"},
        {115, "monatsansicht.html", "Die Monatsansicht"},
        {117, "optionen.html", "Die Optionen"},
        {119, "statistik.html", "Die Statistik"},
        {120, "stundenplan.html", "Der Stundenplan"},
        {121, "suchen.html", "Einen Text im Kalender suchen"},
        {122, "tagestermine.html", "Die Termine eines Tages"},
        {123, "termin-aendern.html", "Einen Termin ändern"},
        {124, "termin-loeschen.html", "Einen Termin löschen"},
        {127, "zwei-wochen.html", "Die Wochenansicht über zwei Wochen"},
        {128, "wochenansicht.html", "Die Wochenansicht"},
        {129, "adressbuch.html", "Das Adressbuch"},
        {130, "termin-neu.html", "Einen neuen Termin anlegen"},
        {132, "schreibschutz.html", "Einstellungen bei Schreibschutz"},
        {133, "farben-definieren.html", "Farben definieren"},
        {134, "wochenfortschreibung.html", "Die wochenbasierte Fortschreibung"},
        {135, "toolbar.html", "Die Toolbar anpassen"},
        {136, "kategorien-links.html", "Terminkategorien und Links definieren"},
        {137, "statistik-optionen.html", "Die Statistik-Optionen"},
        {138, "update.html", "Nach einer neuen Version suchen"},
        {139, "info.html", "Info über Kalvora"},
        {140, "online.html", "Kalvora Online"},
        {141, "icalendar-export.html", "Der iCalendar-Export"},
        {142, "icalendar-import.html", "Der iCalendar-Import"},
        {143, "xml-export.html", "Der XML-Export"},
        {144, "gehe-zu-jahr.html", "Gehe zu Jahr"},
        {145, "termin-verschieben.html", "Termine verschieben und kopieren"},
        {147, "drucken.html", "Drucken"},
        {148, "geburtstag-eintragen.html", "Einen Geburtstag eintragen"},
        {149, "geburtstagserinnerung.html", "Die Erinnerung an Geburtstage und Namenstage"},
        {150, "namenstagsliste-drucken.html", "Die Namenstagsliste drucken"},
        {151, "adressbuch-eintrag.html", "Einen Adressbucheintrag bearbeiten"},
        {152, "adressbuch-optionen.html", "Die Adressbuch-Optionen"},
        {153, "erinnerung.html", "An Termine erinnern lassen"},
        {160, "optionen-jahresansicht.html", "Optionen: Jahresansicht"},
        {161, "optionen-tagesfarben.html", "Optionen: Tagesfarben"},
        {162, "optionen-ansichten.html", "Optionen: Monats- und Wochenansicht"},
        {163, "optionen-sonne.html", "Optionen: Sonne"},
        {164, "optionen-termine.html", "Optionen: Termine"},
        {165, "optionen-terminalarm.html", "Optionen: Terminalarm"},
        {166, "optionen-fortschreibung.html", "Optionen: Fortschreibung"},
        {167, "optionen-termindarstellung.html", "Optionen: Termindarstellung"},
        {168, "optionen-start.html", "Optionen: Start"},
        {169, "optionen-allgemein.html", "Optionen: Allgemein"},
        {170, "optionen-stundenplan.html", "Optionen: Stundenplan"},
        {171, "optionen-besondere-tage.html", "Optionen: Besondere Tage"},
    };
    return themen;
}

const std::vector<Fensterhilfe>& Fensterhilfen() {
    static const std::vector<Fensterhilfe> fenster = {
        {"TForm1", 100},
        {"TForm3", 122},
        {"TForm4", 130},
        {"TForm6", 139},
        {"TForm15", 108},
        {"TForm16", 148},
        {"TForm17", 149},
        {"TForm18", 110},
        {"TForm20", 150},
        {"TForm21", 110},
        {"TForm22", 129},
        {"TForm23", 151},
        {"TForm24", 120},
        {"TForm25", 152},
        {"TForm26", 105},
        {"TForm28", 138},
        {"TForm34", 134},
        {"TOptionen", 117},
        {"TToolbaranpassen", 135},
        {"TKategorienDefinieren", 136},
        {"TFarbenDefinieren", 133},
        {"TStatistikchart", 119},
        {"TStatistikoptionen", 137},
        {"TSuchen", 121},
        {"TDruckauswahl", 147},
        {"TDruckerstatus", 147},
        {"TKalenderansicht", 115},
        {"TTermininformation", 153},
        {"TSchreibschutzdialog", 132},
        {"TGeheZuJahr", 144},
        {"TIcsExportdialog", 141},
        {"TIcsImportdialog", 142},
        {"TXmlExportdialog", 143},
        {"Zieldatum", 145},
    };
    return fenster;
}

int FensterHilfethema(std::string_view fenster) {
    for (const Fensterhilfe& f : Fensterhilfen())
        if (fenster == f.fenster) return f.thema;
    return 0;
}

int OptionenseiteHilfethema(int seite) {
    constexpr int erste = 160, optionen = 117, seiten = 12;
    return seite >= 1 && seite <= seiten ? erste + seite - 1 : optionen;
}

std::string Hilfeseite(int thema) {
    for (const Hilfethema& t : Hilfethemen())
        if (t.nummer == thema) return t.datei;
    return hilfe::Inhaltsseite;
}

namespace {

std::string_view OhneZeilenende(std::string_view z) {
    while (!z.empty() && (z.back() == '\r' || z.back() == '\n')) z.remove_suffix(1);
    return z;
}

bool Leer(std::string_view z) {
    return z.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::map<int, std::string> PopuptexteLesen(std::string_view text) {
    constexpr std::string_view kopf = ".thema";
    std::map<int, std::string> texte;
    std::string* offen = nullptr;  // the text of the block being read; nullptr outside
    std::string verworfen;         // the text of a skipped block
    auto abschliessen = [&] {
        if (!offen) return;
        while (!offen->empty() && (offen->back() == '\n' || offen->back() == ' '))
            offen->pop_back();
        offen = nullptr;
    };
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t ende = text.find('\n', pos);
        if (ende == std::string_view::npos) ende = text.size();
        std::string_view zeile = OhneZeilenende(text.substr(pos, ende - pos));
        pos = ende + 1;
        if (zeile.substr(0, kopf.size()) == kopf) {
            abschliessen();
            std::string_view zahl = zeile.substr(kopf.size());
            while (!zahl.empty() && (zahl.front() == ' ' || zahl.front() == '\t'))
                zahl.remove_prefix(1);
            while (!zahl.empty() && (zahl.back() == ' ' || zahl.back() == '\t'))
                zahl.remove_suffix(1);
            int nummer = 0;
            auto [p, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), nummer);
            const bool gut = !zahl.empty() && fehler == std::errc() &&
                             p == zahl.data() + zahl.size() && nummer > 0;
            if (gut && !texte.count(nummer)) {
                offen = &texte[nummer];
            } else {
                verworfen.clear();
                offen = &verworfen;
            }
            continue;
        }
        if (!offen) continue;  // comments before the first block
        if (offen->empty() && Leer(zeile)) continue;
        offen->append(zeile);
        offen->push_back('\n');
    }
    abschliessen();
    return texte;
}

std::vector<std::string> Hilfeordner(const std::string& programmordner) {
    const std::string basis = programmordner.empty() || programmordner.back() != '/'
                                  ? programmordner + "/"
                                  : programmordner;
    return {basis + hilfe::Ordnername, basis + "daten/" + hilfe::Ordnername,
            std::string("/usr/local/share/kalvora/") + hilfe::Ordnername,
            std::string("/usr/share/kalvora/") + hilfe::Ordnername};
}

std::string HilfeordnerFinden(const std::vector<std::string>& ordner) {
    for (const std::string& o : ordner) {
        std::error_code fehler;
        if (std::filesystem::is_regular_file(std::filesystem::path(o) / hilfe::Inhaltsseite,
                                             fehler))
            return o;
    }
    return {};
}

std::string HilfeFehltMeldung(const std::string& ordner) {
    return std::string(hilfe::DateiFehlt) + ordner + "/" + hilfe::Inhaltsseite;
}

namespace {

struct Entitaet {
    std::string_view name;
    std::string_view text;
};
constexpr Entitaet kEntitaeten[] = {
    {"amp", "&"},     {"lt", "<"},      {"gt", ">"},      {"quot", "\""},   {"nbsp", " "},
    {"auml", "ä"},    {"ouml", "ö"},    {"uuml", "ü"},    {"Auml", "Ä"},    {"Ouml", "Ö"},
    {"Uuml", "Ü"},    {"szlig", "ß"},   {"rsaquo", "›"},  {"ndash", "–"},   {"hellip", "…"},
};

// Lower case for ASCII and the German umlauts in UTF-8, byte for byte otherwise.
std::string Klein(std::string_view s) {
    std::string k;
    k.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 'A' && c <= 'Z') {
            k.push_back(static_cast<char>(c + 32));
        } else if (c == 0xC3 && i + 1 < s.size()) {
            unsigned char d = static_cast<unsigned char>(s[i + 1]);
            if (d == 0x84 || d == 0x96 || d == 0x9C) d = static_cast<unsigned char>(d + 0x20);
            k.push_back(static_cast<char>(c));
            k.push_back(static_cast<char>(d));
            ++i;
        } else {
            k.push_back(static_cast<char>(c));
        }
    }
    return k;
}

int Vorkommen(std::string_view heuhaufen, std::string_view nadel) {
    int n = 0;
    for (size_t p = heuhaufen.find(nadel); p != std::string_view::npos;
         p = heuhaufen.find(nadel, p + nadel.size()))
        ++n;
    return n;
}

}  // namespace

std::string HtmlText(std::string_view html) {
    std::string roh;
    roh.reserve(html.size());
    const std::string klein = Klein(html);  // same byte positions as html
    for (size_t i = 0; i < html.size();) {
        const char c = html[i];
        if (c == '<') {
            // Script and style bodies are no text of the page.
            for (std::string_view block : {std::string_view("script"), std::string_view("style")}) {
                if (klein.compare(i + 1, block.size(), block) == 0) {
                    const size_t zu = klein.find(std::string("</") + std::string(block), i);
                    i = zu == std::string::npos ? html.size() : zu;
                    break;
                }
            }
            const size_t ende = html.find('>', i);
            i = ende == std::string_view::npos ? html.size() : ende + 1;
            roh.push_back(' ');
            continue;
        }
        if (c == '&') {
            const size_t semikolon = html.find(';', i);
            if (semikolon != std::string_view::npos && semikolon - i <= 8) {
                const std::string_view name = html.substr(i + 1, semikolon - i - 1);
                bool bekannt = false;
                for (const Entitaet& e : kEntitaeten) {
                    if (e.name == name) {
                        roh.append(e.text);
                        bekannt = true;
                        break;
                    }
                }
                if (bekannt) {
                    i = semikolon + 1;
                    continue;
                }
            }
        }
        roh.push_back(c == '\n' || c == '\r' || c == '\t' ? ' ' : c);
        ++i;
    }
    std::string text;
    for (char c : roh) {
        if (c == ' ' && (text.empty() || text.back() == ' ')) continue;
        text.push_back(c);
    }
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string HtmlTitel(std::string_view html) {
    const std::string klein = Klein(html);
    const size_t auf = klein.find("<title>");
    if (auf == std::string::npos) return {};
    const size_t zu = klein.find("</title>", auf);
    if (zu == std::string::npos) return {};
    return HtmlText(html.substr(auf + 7, zu - auf - 7));
}

std::vector<std::string> HtmlLinks(std::string_view html) {
    std::vector<std::string> links;
    constexpr std::string_view muster = "href=\"";
    for (size_t p = html.find(muster); p != std::string_view::npos;
         p = html.find(muster, p + 1)) {
        const size_t anfang = p + muster.size();
        const size_t ende = html.find('"', anfang);
        if (ende == std::string_view::npos) break;
        links.emplace_back(html.substr(anfang, ende - anfang));
    }
    return links;
}

std::vector<Hilfetreffer> HilfeSuchen(const std::vector<Hilfeseitentext>& seiten,
                                     std::string_view anfrage) {
    std::vector<std::string> woerter;
    const std::string klein = Klein(anfrage);
    for (size_t p = 0; p < klein.size();) {
        const size_t a = klein.find_first_not_of(" \t", p);
        if (a == std::string::npos) break;
        size_t e = klein.find_first_of(" \t", a);
        if (e == std::string::npos) e = klein.size();
        woerter.push_back(klein.substr(a, e - a));
        p = e;
    }
    std::vector<Hilfetreffer> treffer;
    if (woerter.empty()) return treffer;
    for (const Hilfeseitentext& s : seiten) {
        const std::string inhalt = Klein(s.titel) + " " + Klein(s.text);
        int summe = 0;
        bool alle = true;
        for (const std::string& w : woerter) {
            const int n = Vorkommen(inhalt, w);
            if (n == 0) {
                alle = false;
                break;
            }
            summe += n;
        }
        if (alle) treffer.push_back({s.datei, s.titel, summe});
    }
    std::stable_sort(treffer.begin(), treffer.end(),
                     [](const Hilfetreffer& a, const Hilfetreffer& b) {
                         return a.anzahl > b.anzahl;
                     });
    return treffer;
}

}  // namespace kalvora
