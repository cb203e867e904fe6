#include "einstellungen/Optionenseiten.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>

#include "methoden/Feiertage.h"

namespace kalvora {

namespace {

using A = Optionsart;

std::string ZweiStellen(int k) { return (k < 10 ? "0" : "") + std::to_string(k); }

struct Tabellenbau {
    std::vector<Optionsfeld> felder;
    int seite = 1;
    std::string gruppe;
    std::string innen;

    Optionsfeld& Neu(A art, std::string name, std::string text,
                     std::vector<std::string> einstellungen) {
        Optionsfeld f;
        f.seite = seite;
        f.gruppe = gruppe;
        f.innen = innen;
        f.art = art;
        f.name = std::move(name);
        f.text = std::move(text);
        f.einstellungen = std::move(einstellungen);
        felder.push_back(std::move(f));
        return felder.back();
    }
    // A control that edits the setting of its own name.
    Optionsfeld& Feld(A art, const std::string& einstellung, std::string text) {
        return Neu(art, einstellung, std::move(text), {einstellung});
    }
    void Haken(const std::string& einstellung, std::string text) {
        Feld(A::Haken, einstellung, std::move(text));
    }
    void Zahl(const std::string& einstellung, std::string text, int32_t von, int32_t bis,
              std::string einheit = {}) {
        Optionsfeld& f = Feld(A::Zahl, einstellung, std::move(text));
        f.min = von;
        f.max = bis;
        f.text2 = std::move(einheit);
    }
    void Auswahl(const std::string& einstellung, std::string text,
                 std::vector<std::string> eintraege) {
        Feld(A::Auswahl, einstellung, std::move(text)).auswahl = std::move(eintraege);
    }
    void Zwei(A art, const std::string& einstellung, std::string erster, std::string zweiter) {
        Feld(art, einstellung, std::move(erster)).text2 = std::move(zweiter);
    }
};

const std::vector<std::string>& Ansichtsnamen() {
    static const std::vector<std::string> n = {
        "Jahresansicht", "Monatsansicht", "Monatsansicht mit Wocheneinteilung",
        "Wochenansicht (eine Woche)", "Wochenansicht (zwei Wochen)", "Desktop Stundenplan",
        "Stundenplan", "Tray (minimieren)"};
    return n;
}

std::vector<Optionsfeld> TabelleBauen() {
    Tabellenbau t;
    // 1 "Jahresansicht"
    t.gruppe = "Startjahr";
    t.Zwei(A::Paar, "aktjahr", "mit aktuellem Jahr starten", "festes Startjahr:");
    t.Zahl("startjahr", "", ErstesJahr, LetztesJahr);
    t.gruppe = "";
    t.Auswahl("Darstellung", "Darstellung von Terminen",
              {"Kreis", "Dreieck", "Kreuz", "Eselsohr", "Ecke", "keine Darstellung"});
    t.Haken("Anzeige der Monatstage in der Jahresansicht",
            "Monatstage numerieren mit Schriftgröße");
    t.Zahl("Schriftgröße Monatstage", "", 4, 10);
    t.Haken("Termine auch bei Tagesinfo anzeigen",
            "Termindarstellung auch bei Tagesinfo anzeigen");
    t.Haken("Jahresansicht bearbeiten",
            "Jahresansicht beim Start für direkte Farbänderungen freigeben");
    t.Haken("Terminfeld anzeigen", "Terminfeld statt Farblegende anzeigen");
    t.Haken("Anzeige der Geburtstage in der Jahresansicht", "Geburtstage graphisch darstellen");
    t.Haken("Anzeige der Namestage in der Jahresansicht", "Namenstage graphisch darstellen");
    t.Zahl("Rote Linie", "Stärke der Monats- rahmen in Pixel", 1, 3);
    t.Haken("Kalenderwoche", "Kalenderwochen anzeigen am");
    t.Auswahl("Anzeige der Kalenderwoche", "",
              {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"});
    t.gruppe = "Terminfarbe";
    t.Feld(A::Farbe, "Farbe kommender Termine", "kommende Termine");
    t.Feld(A::Farbe, "Farbe vergangener Termine", "vergangene Termine");
    t.gruppe = "In Vollbildansicht ausblenden";
    t.Haken("Vollbild ohne Menü", "Menü");
    t.Haken("Vollbild ohne Toolbar", "Toolbar");
    t.Haken("Vollbild ohne Legende", "Farblegende / Terminfeld");

    // 2 "Tagesfarben"
    t.seite = 2;
    t.gruppe = "Standardfarben";
    t.Haken("aktuelleFarbe", "aktuelle Farben als Standard definieren");
    t.Haken("Standard", "Originalfarben wiederherstellen");
    t.gruppe = "";
    t.Auswahl("Anzahl Farben", "Anzahl zur Verfügung stehender Farben",
              {"16 Farben", "20 Farben"});
    t.gruppe = "Wochenendfarbe";
    t.Feld(A::Farbe, "SA SO Farbe in der Jahresansicht", "in der Jahresansicht dargestellte Farbe");
    t.Feld(A::Farbe, "SA SO Farbe beim Drucken", "auszudruckende Farbe");

    // 3 "Monats- und Wochenansicht"
    t.seite = 3;
    t.gruppe = "Schriftart der Textfelder";
    t.Neu(A::Schrift, "Ansichtsschrift", "Schrift der Textfelder ändern",
          {"Schriftname", "Schriftgröße"});
    t.Neu(A::Haken, "Standardschrift", "Standardschrift wiederherstellen", {});
    t.gruppe = "Farben";
    t.Haken("Hintergrundfarbe", "erste Tagesfarbe als Hintergrundfarbe");
    t.Haken("Schriftfarbenübernahme", "Übernahme der Farben bei Terminen");
    t.Zwei(A::Radio, "Schriftfarbe ändern", "als Schriftfarbe", "als Hintergrundfarbe");
    t.Haken("Fett", "Tage mit Terminen fett darstellen");
    t.Haken("Fett bei Tagesinfotext",
            "Tage auch dann fett darstellen, wenn nur eine Tagesinfo existiert");
    t.gruppe = "";
    t.Auswahl("Monatsansicht", "Monatsansicht", {"mit Wocheneinteilung", "ohne Wocheneinteilung"});
    t.Auswahl("Wochenansicht", "Wochenansicht", {"eine Woche", "zwei Wochen"});
    t.gruppe = "Darstellung";
    t.Haken("Ansichten mit Scollleisten", "Terminfelder mit Scrollleiste");

    // 4 "Sonne"
    t.seite = 4;
    t.gruppe = "Angaben zur Berechnung von Sonnenauf- und untergang";
    t.Feld(A::Dezimal, "geographische Länge", "geogr. Länge:");
    t.Feld(A::Dezimal, "geographische Breite", "geogr. Breite:");
    t.Feld(A::Dezimal, "Abweichung von Greenich", "Abweichung von Greenwich in h (Zeitzone):");
    t.Haken("Sommerzeit", "Sommerzeit berücksichtigen");
    t.Haken("Sonne anzeigen", "berechnete Daten in Toolbar anzeigen");

    // 5 "Termine"
    t.seite = 5;
    t.gruppe = "Anzahl sichtbarer Termineinträge";
    t.Zahl("sichtbare Termineinträge", "", 5, 12, "Werte von 5 bis 12 zulässig");
    t.gruppe = "Standarduhrzeit für neue Termine";
    t.Zwei(A::Paar, "festeZeit", "feste Uhrzeit vorgeben", "zuletzt eingegebene Uhrzeit vorgeben");
    t.Zahl("Stunden", "Stunden", 0, 23);
    t.Zahl("Minuten", "Minuten", 0, 59);
    t.gruppe = "Erstellen eines neuen Termins";
    t.Haken("Terminalarm standardmäßig aktivieren", "Terminalarm standardmäßig aktivieren");
    t.Haken("Farbe in Jahresansicht übernehmen", "Terminfarbe in die Jahresansicht übernehmen");
    t.Auswahl("Dauer oder Ende", "Standardanzeige", {"Termindauer", "Terminende"});
    t.gruppe = "Termindauer";
    t.Haken("feste Dauer", "feste Termindauer vorgeben:");
    t.Zahl("Termindauer Stunden", "Stunden", 0, 23);
    t.Zahl("Termindauer Minuten", "Minuten", 0, 59);

    // 6 "Terminalarm"
    t.seite = 6;
    t.gruppe = "Ausführung des Alarms vor einem Termin";
    t.Zahl("Alarmstunden", "Stunden", 0, 23);
    t.Zahl("Alarmminuten", "Minuten", 0, 59);
    t.gruppe = "ausgewählter Alarm-Sound";
    t.Feld(A::Datei, "Alarmdatei", "");
    t.gruppe = "Alarmwiederholung";
    t.Zahl("Alarmwiederholungsminuten", "Minuten", 1, 59);

    // 7 "Fortschreibung"
    t.seite = 7;
    t.gruppe = "Standardwerte für die Fortschreibung";
    t.Zahl("Tage", "täglich :", 1, 32767, "Tage");
    t.Zahl("Wochen", "wöchentlich :", 1, 9999, "Wochen");
    t.Zahl("Monate", "monatlich :", 1, 9999, "Monate");
    t.Zahl("Jahre", "jährlich :", 1, 200, "Jahre");
    t.Zahl("Fortschreibungsrate in Tagen", "benutzerdefiniert :", 1, 32767,
           "Fortschreibungsrate in Tagen");
    t.Zahl("Anzahl der Wiederholungen", "benutzerdefiniert :", 1, 32767,
           "Anzahl der Wiederholungen");
    t.gruppe = "Farben";
    t.Haken("Farbfortschreibung",
            "standardmäßig abhängig von Farben in der Jahresansicht fortschreiben");

    // 8 "Termindarstellung"
    t.seite = 8;
    t.gruppe = "Eigenschaften der Termineinträge für alle Ansichten und für das Ausdrucken";
    t.Haken("Leerzeile wenn keine Tagesinfo", "Leerzeile, wenn keine Tagesinfo existiert");
    t.Haken("Leerzeilen zwischen Termineinträgen", "Leerzeilen zwischen Terminen");
    t.Haken("Beschreibung und Ort in zwei Zeilen", "Beschreibung und Ort in zwei Zeilen");
    t.Haken("Ortsangabe", "vor Ortsangaben \"Ort :\"");
    t.Haken("Wochentag", "Wochentag");
    t.Haken("Datum des Tages", "Datum des Tages");
    t.Haken("Farbname", "erster Farbname");
    t.Haken("Farbnamen", "alle Farbnamen");
    t.Haken("Name von Feiertagen", "Name evtl. Feiertage (gilt nur für Jahresansicht)");
    t.Haken("keine Uhrzeit anzeigen", "Uhrzeiten der einzelnen Termine");
    t.Haken("Terminlänge anzeigen", "Terminlänge anzeigen");
    t.Haken("Terminende anzeigen", "Terminende anzeigen");
    t.Haken("Geburtstagstext", "Geburtstage anzeigen");
    t.Haken("Namenstagstext", "Namenstage anzeigen");
    t.gruppe = "Zusätzliche Eigenschaften nur für das Ausdrucken der Terminliste";
    t.Haken("erste Zeile fett", "erste Zeile (Datum, Wochentag, Farbname) fett");
    t.Haken("erste Zeile groesser", "erste Zeile um 2 Schriftpunkte größer");
    t.Neu(A::Schrift, "Druckschrift", "Schriftart fürs Drucken",
          {"Druckschrift", "Druckschriftgrösse"});
    t.Haken("Termine farbig drucken", "Termine mit Text- bzw. Hintegrundfarbe drucken");

    // 9 "Start"
    t.seite = 9;
    t.innen = "Programmstart";
    t.gruppe = "";
    t.Auswahl("Startansicht", "Startansicht", Ansichtsnamen());
    t.gruppe = "Startdatei für Programmstart";
    t.Feld(A::Datei, "Startdatei", "");
    t.innen = "Autostart";
    t.gruppe = "";
    t.Auswahl("Autostartansicht", "Startansicht", Ansichtsnamen());
    t.innen = "";

    // 10 "Allgemein"
    t.seite = 10;
    t.gruppe = "Anzahl Tage für die Anzeige eines Ereignisses der Geburtstagsliste";
    t.Haken("Geburtstag", "Geburtstag");
    t.Zahl("Geburtstagszahl", "", 0, 100);
    t.Haken("runder Geburtstag", "runder Geburtstag");
    t.Zahl("runder Geburtstagszahl", "", 0, 360);
    t.Haken("Namenstag", "Namenstag");
    t.Zahl("Namestagzahl", "", 0, 100);
    t.gruppe = "aktueller Tag";
    t.Haken("scharzer Rahmen blinkend", "schwarzer Rahmen blinkend");
    {
        Optionsfeld& f = t.Feld(A::Schieber, "Geschwindigkeit", "langsam");
        f.text2 = "schnell";
        f.min = 1;
        f.max = 258;
    }
    t.Zahl("Timerintervall", "Timerintervall", 1, 1000, "ms");
    t.gruppe = "Kalvora schließen über Titelleiste";
    t.Haken("bei Close in Tray", "statt schließen minimieren");

    // 11 "Stundenplan"
    t.seite = 11;
    t.gruppe = "Darstellung";
    t.Zahl("Stdplantage", "Anzahl Tage:", 1, 8);
    t.Zahl("Stdplanzeilen", "Anzahl Zeilen:", 1, 2);
    t.Zahl("Stdplantagesbreite", "Breite in Pixeln:", 200, 400);
    t.Zahl("Stdplantageshöhe", "Höhe in Pixeln:", 150, 400);
    t.gruppe = "standardmäßig angezeigte Tageslänge";
    t.Zahl("Stdplanstartzeit", "Uhrzeit von", 0, 23);
    t.Zahl("Stdplanendezeit", "bis", 1, 24, "Uhr");
    t.gruppe = "Desktopstundenplan";
    t.Auswahl("Stdplanort", "Fensterposition",
              {"unten rechts", "oben rechts", "oben links", "unten links"});
    t.Zahl("Stdplanabstx", "Rand rechts:", 0, 200, "Pixel");
    t.Zahl("Stdplanabsty", "Rand unten:", 0, 200, "Pixel");
    t.Haken("DesktopToolbar aus", "Toolbar ausblenden");
    t.gruppe = "Hintergrundfarbe";
    t.Haken("Destopansicht transparent", "transparent");
    t.Feld(A::Farbe, "Hintergrundfarbe der Stundenplanansicht", "");

    // 12 "Besondere Tage"
    t.seite = 12;
    for (int k = 1; k <= AnzahlFeiertagsEintraege; ++k) {
        t.gruppe = k >= 22 && k <= 27 ? "Anzeige sonstiger Tage" : "Anzeige folgender Feiertage";
        t.Neu(A::Feiertag, "Feiertag" + ZweiStellen(k), FeiertagsBeschriftung(k),
              {"Malen der Feiertage" + ZweiStellen(k), "Farbe der Feiertage" + ZweiStellen(k)})
            .feiertag = k;
    }
    return t.felder;
}

// The row of a setting in the load/save tables, by its value name.
const Feldzeile<Einstellungen>& Zeilevon(const std::string& name) {
    static const std::map<std::string, const Feldzeile<Einstellungen>*> zeilen = [] {
        std::map<std::string, const Feldzeile<Einstellungen>*> m;
        for (const auto* t : {&HauptschluesselWerte(), &FeiertagsWerte()})
            for (const auto& z : *t) m.emplace(z.name, &z);
        return m;
    }();
    const auto it = zeilen.find(name);
    if (it == zeilen.end()) throw std::logic_error("unbekannte Einstellung " + name);
    return *it->second;
}

// The field of a setting.
Feldzeiger Feldvon(Einstellungen& e, const std::string& name) { return Zeilevon(name).feld(e); }

template <class T>
T& Als(Feldzeiger f) {
    return *std::get<T*>(f);
}

std::optional<int32_t> GanzzahlLesen(const std::string& text) {
    std::string s = text;
    s.erase(0, s.find_first_not_of(' '));
    s.erase(s.find_last_not_of(' ') + 1);
    if (s.empty()) return std::nullopt;
    int32_t w = 0;
    const char* ende = s.data() + s.size();
    const auto [p, ec] = std::from_chars(s.data() + (s[0] == '+' ? 1 : 0), ende, w);
    if (ec != std::errc() || p != ende) return std::nullopt;
    return w;
}

// The name a message gives a control: its caption, else its group, else its setting.
std::string Feldbezeichnung(const Optionsfeld& f) {
    std::string t = !f.text.empty() ? f.text : !f.gruppe.empty() ? f.gruppe : f.name;
    while (!t.empty() && (t.back() == ':' || t.back() == ' ')) t.pop_back();
    return t;
}

// The controls the dialog takes last, in this order (after the coordinates).
const std::vector<std::string>& Spaetfolge() {
    static const std::vector<std::string> s = [] {
        std::vector<std::string> v = {"Sommerzeit",         "Sonne anzeigen",
                                      "Terminfeld anzeigen", "Vollbild ohne Menü",
                                      "Vollbild ohne Toolbar", "Vollbild ohne Legende"};
        for (int k = 1; k <= AnzahlFeiertagsEintraege; ++k)
            v.push_back("Feiertag" + ZweiStellen(k));
        return v;
    }();
    return s;
}

}  // namespace

const std::array<const char*, AnzahlOptionsseiten>& Optionsseitentitel() {
    static const std::array<const char*, AnzahlOptionsseiten> t = {
        "Jahresansicht", "Tagesfarben",  "Monats- und Wochenansicht", "Sonne",
        "Termine",       "Terminalarm",  "Fortschreibung",            "Termindarstellung",
        "Start",         "Allgemein",    "Stundenplan",               "Besondere Tage"};
    return t;
}

const std::vector<Optionsfeld>& Optionsfelder() {
    static const std::vector<Optionsfeld> t = TabelleBauen();
    return t;
}

int Optionsfeldindex(const std::string& name) {
    static const std::map<std::string, int> index = [] {
        std::map<std::string, int> m;
        const auto& f = Optionsfelder();
        for (std::size_t i = 0; i < f.size(); ++i) m.emplace(f[i].name, static_cast<int>(i));
        return m;
    }();
    const auto it = index.find(name);
    return it == index.end() ? -1 : it->second;
}

std::optional<double> DezimalLesen(const std::string& text, char dezimaltrenner) {
    std::string s = text;
    s.erase(0, s.find_first_not_of(' '));
    s.erase(s.find_last_not_of(' ') + 1);
    if (s.empty()) return std::nullopt;
    // The other separator is taken only when the text does not hold the user's one.
    const char anderer = dezimaltrenner == ',' ? '.' : ',';
    if (s.find(dezimaltrenner) == std::string::npos) std::replace(s.begin(), s.end(), anderer, '.');
    else std::replace(s.begin(), s.end(), dezimaltrenner, '.');
    double w = 0;
    const char* ende = s.data() + s.size();
    const auto [p, ec] = std::from_chars(s.data() + (s[0] == '+' ? 1 : 0), ende, w);
    if (ec != std::errc() || p != ende || !std::isfinite(w)) return std::nullopt;
    return w;
}

std::string DezimalText(double wert, char dezimaltrenner) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.6f", wert);
    std::string s = puffer;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    std::replace(s.begin(), s.end(), '.', dezimaltrenner);
    return s;
}

void Optionsmodell::Fuellen(const Einstellungen& quelle, char dezimaltrenner) {
    Einstellungen e = quelle;
    const auto& felder = Optionsfelder();
    werte_.assign(felder.size(), {});
    for (std::size_t i = 0; i < felder.size(); ++i) {
        const Optionsfeld& f = felder[i];
        Optionswert& w = werte_[i];
        if (f.einstellungen.empty()) continue;  // acts on "Übernehmen" only
        const Feldzeiger p = Feldvon(e, f.einstellungen[0]);
        switch (f.art) {
            case A::Haken: case A::Paar: case A::Radio: w.haken = Als<bool>(p); break;
            case A::Zahl: w.text = std::to_string(Als<int32_t>(p)); break;
            case A::Auswahl: case A::Schieber: w.zahl = Als<int32_t>(p); break;
            case A::Farbe: w.farbe = Als<uint32_t>(p); break;
            case A::Dezimal: w.text = DezimalText(Als<double>(p), dezimaltrenner); break;
            case A::Datei: w.text = Als<std::string>(p); break;
            case A::Schrift:
                w.text = Als<std::string>(p);
                w.zahl = Als<int32_t>(Feldvon(e, f.einstellungen[1]));
                break;
            case A::Feiertag:
                w.haken = Als<bool>(p);
                w.farbe = Als<uint32_t>(Feldvon(e, f.einstellungen[1]));
                break;
        }
    }
    // The two colour switches never stay on in the store.
    Wert("aktuelleFarbe").haken = false;
    Wert("Standard").haken = false;
}

Optionswert& Optionsmodell::Wert(const std::string& name) {
    const int i = Optionsfeldindex(name);
    if (i < 0 || static_cast<std::size_t>(i) >= werte_.size())
        throw std::logic_error("unbekanntes Optionsfeld " + name);
    return werte_[static_cast<std::size_t>(i)];
}

const Optionswert& Optionsmodell::Wert(const std::string& name) const {
    return const_cast<Optionsmodell*>(this)->Wert(name);
}

std::optional<std::string> Optionsmodell::Pruefen(char dezimaltrenner) const {
    const auto& felder = Optionsfelder();
    for (std::size_t i = 0; i < felder.size() && i < werte_.size(); ++i) {
        const Optionsfeld& f = felder[i];
        const Optionswert& w = werte_[i];
        if (f.art == A::Zahl) {
            const auto z = GanzzahlLesen(w.text);
            if (!z)
                return "'" + w.text + "' ist keine gültige ganze Zahl (\"" +
                       Feldbezeichnung(f) + "\", Seite \"" +
                       Optionsseitentitel()[static_cast<std::size_t>(f.seite - 1)] + "\").";
            if (*z < f.min || *z > f.max)
                return "Der Wert " + std::to_string(*z) + " für \"" + Feldbezeichnung(f) +
                       "\" (Seite \"" +
                       Optionsseitentitel()[static_cast<std::size_t>(f.seite - 1)] +
                       "\") liegt nicht zwischen " + std::to_string(f.min) + " und " +
                       std::to_string(f.max) + ".";
        } else if (f.art == A::Dezimal) {
            auto zahl = DezimalLesen(w.text, dezimaltrenner);
            if (!zahl) return "'" + w.text + "' ist kein gültiger Gleitkommawert";
            // The range of the settings table, which `einstellung` checks as well.
            if (auto fehler = WertUnzulaessig(Zeilevon(f.einstellungen[0]), &*zahl))
                return *fehler + " (Seite \"" +
                       Optionsseitentitel()[static_cast<std::size_t>(f.seite - 1)] + "\")";
        } else if (f.art == A::Farbe) {
            uint32_t farbe = w.farbe;
            if (auto fehler = WertUnzulaessig(Zeilevon(f.einstellungen[0]), &farbe))
                return *fehler;
        }
    }
    return std::nullopt;
}

std::optional<std::string> Optionsmodell::Uebernehmen(Einstellungen& e,
                                                      const TFarbwerte& legendenfarben,
                                                      char dezimaltrenner) {
    if (auto fehler = Pruefen(dezimaltrenner)) return fehler;
    if (Wert("Standardschrift").haken) {
        Wert("Standardschrift").haken = false;
        Wert("Ansichtsschrift").text = optionsregeln::StandardschriftName;
        Wert("Ansichtsschrift").zahl = optionsregeln::StandardschriftGroesse;
    }
    if (Wert("aktuelleFarbe").haken) {
        for (int k = 1; k <= AnzahlFarben; ++k) e.Standardfarben[k] = legendenfarben[k];
    } else if (Wert("Standard").haken) {
        e.Standardfarben = EingebauteStandardfarben();
    }
    Wert("aktuelleFarbe").haken = false;
    Wert("Standard").haken = false;

    const auto& felder = Optionsfelder();
    const auto& spaet = Spaetfolge();
    const auto nehmen = [&](std::size_t i) {
        const Optionsfeld& f = felder[i];
        const Optionswert& w = werte_[i];
        if (f.einstellungen.empty()) return;
        const Feldzeiger p = Feldvon(e, f.einstellungen[0]);
        switch (f.art) {
            case A::Haken: case A::Paar: case A::Radio: Als<bool>(p) = w.haken; break;
            case A::Zahl: Als<int32_t>(p) = *GanzzahlLesen(w.text); break;
            case A::Auswahl: case A::Schieber: Als<int32_t>(p) = w.zahl; break;
            case A::Farbe: Als<uint32_t>(p) = w.farbe; break;
            case A::Dezimal: Als<double>(p) = *DezimalLesen(w.text, dezimaltrenner); break;
            case A::Datei: Als<std::string>(p) = w.text; break;
            case A::Schrift:
                Als<std::string>(p) = w.text;
                Als<int32_t>(Feldvon(e, f.einstellungen[1])) = w.zahl;
                break;
            case A::Feiertag:
                Als<bool>(p) = w.haken;
                Als<uint32_t>(Feldvon(e, f.einstellungen[1])) = w.farbe;
                break;
        }
    };
    for (std::size_t i = 0; i < felder.size(); ++i)
        if (felder[i].art != A::Dezimal &&
            std::find(spaet.begin(), spaet.end(), felder[i].name) == spaet.end())
            nehmen(i);
    for (std::size_t i = 0; i < felder.size(); ++i)
        if (felder[i].art == A::Dezimal) nehmen(i);
    for (const std::string& name : spaet) nehmen(static_cast<std::size_t>(Optionsfeldindex(name)));
    return std::nullopt;
}

namespace optionsregeln {

bool StandardschriftMoeglich(const std::string& name, int groesse) {
    return name != StandardschriftName || groesse != StandardschriftGroesse;
}

bool AktuelleFarbenMoeglich(const TFarbwerte& legende, const TFarbwerte& standard) {
    for (int k = 1; k <= AnzahlFarben; ++k)
        if (legende[k] != standard[k]) return true;
    return false;
}

bool OriginalfarbenMoeglich(const TFarbwerte& legende, const TFarbwerte& standard) {
    const TFarbwerte eingebaut = EingebauteStandardfarben();
    for (int k = 1; k <= AnzahlFarben; ++k)
        if (standard[k] != eingebaut[k]) return true;
    return AktuelleFarbenMoeglich(legende, standard);
}

bool PaarKlick(bool ersterVorher, int box, bool jetztGehakt) {
    // Clearing the checked box checks it again; checking one clears the other.
    if (box == 0) return jetztGehakt ? true : ersterVorher;
    return jetztGehakt ? false : ersterVorher;
}

std::pair<int, int> StundenKoppeln(int von, int bis, bool vonGeaendert) {
    von = std::clamp(von, 0, 23);
    bis = std::clamp(bis, 1, 24);
    if (von >= bis) {
        if (vonGeaendert) {
            von = bis - 1;
        } else {
            bis = von + 1;
        }
    }
    return {von, bis};
}

std::pair<const char*, const char*> Randbeschriftung(int ort) {
    switch (ort) {
        case 1: return {"Rand rechts:", "Rand oben:"};
        case 2: return {"Rand links:", "Rand oben:"};
        case 3: return {"Rand links:", "Rand unten:"};
        default: return {"Rand rechts:", "Rand unten:"};
    }
}

bool KommendeFarbeErlaubt(uint32_t farbe) {
    return !WertUnzulaessig(Zeilevon("Farbe kommender Termine"), &farbe);
}

bool FeiertagsfarbeErlaubt(uint32_t farbe, uint32_t wochenende, uint32_t bisher) {
    return (farbe & 0xFFFFFF) != 0xFFFFFF && farbe != wochenende && farbe != bisher;
}

const std::array<uint32_t, 11>& Eigenfarben() {
    static const std::array<uint32_t, 11> f = {0x0080FF, 0x868686, 0x00FF00, 0x00FFFF,
                                               0x008000, 0xD0B162, 0xFBE7A2, 0xA06030,
                                               0xE0E0E0, 0xF8F8F8, 0xFFFFFE};
    return f;
}

const std::vector<std::string>& Klangfilter() {
    static const std::vector<std::string> f = {
        "Alle Typen (*.wav *.snd *.au *.aif *.cda *.avi *.wmv *.mpeg *.mpg *.m1v *.mp2 *.mp3 "
        "*.mpa *.mpe *.asx *.wax *.m3u *.wpl *.wvx *.wmx *.ogg *.flac)",
        "Audio-Datei (*.wav *.snd *.au *.aif)",
        "CD-Audiospur (*.cda)",
        "Video-Datei (*.avi *.wmv)",
        "Video-Datei (MPEG) (*.mpeg *.mpg *.m1v *.mp2 *.mpa *.mpe)",
        "Mp3-Dateien (*.mp3)",
        "Medien-Wiedergabelisten (*.asx *.wax *.m3u *.wpl *.wvx *.wmx)",
        "Alle Dateien (*)"};
    return f;
}

}  // namespace optionsregeln
}  // namespace kalvora
