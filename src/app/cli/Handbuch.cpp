#include "app/cli/Handbuch.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "app/cli/Befehle.h"
#include "methoden/Methoden.h"

namespace kalvora::cli {

const std::map<std::string, std::string>& Befehlsausgaben() {
    static const std::map<std::string, std::string> ausgaben{
        {"adressen",
         "Je Gruppe des Adressordners eine Zeile Name<TAB>Anzahl in der Reihenfolge des "
         "Fensters, die Pseudogruppe \"Adressbuch (gesamt)\" zuerst, wenn \"Gesamtliste aller "
         "Gruppen\" eingeschaltet ist. Eine Datei mit fremder erster Zeile zählt als leere "
         "Gruppe und erhält <TAB>fremde Datei, eine Datei, die nicht gelesen werden kann, "
         "<TAB>nicht lesbar. Steuerzeichen im Namen stehen als \\t, \\n, \\r oder \\xHH, ein "
         "Backslash als \\\\, so bleibt jede Gruppe eine Zeile."},
        {"adressen-xml",
         "Schreibt den XML-Export der genannten Gruppen nach AUS.xml, mit "
         "kalvora-adressen.xsl und kalvora-adressen.dtd daneben. Keine Ausgabe auf stdout."},
        {"alarm",
         "Je Termin, den das Alarmfenster in diesem Moment ankündigen würde, eine Zeile "
         "\"Alarm: HH:MM Beschreibung\" (heute, dann morgen, wenn der Vorlauf über Mitternacht "
         "reicht), danach \"Symbol: ruhig|anstehend|laufend\" oder \"Symbol: unverändert\"."},
        {"caldav-kalender",
         "Je Kalender des Benutzers auf dem Server eine Zeile Name<TAB>URL (der Anzeigename, "
         "sonst der letzte Teil des Pfads; Steuerzeichen als \\t, \\n, \\r oder \\xHH). "
         "Gefunden über /.well-known/caldav, current-user-principal und calendar-home-set. "
         "Fehler des Servers oder Netzes: eine deutsche Meldung mit dem Status des Servers, "
         "Rückgabewert 1."},
        {"csv-export",
         "Schreibt die Termine als CSV (Windows-1252, CR LF, acht Spalten in Anführungszeichen) "
         "nach AUS."},
        {"einstellung",
         "Ohne WERT der gespeicherte Wert, wie \"einstellungen\" ihn zeigt (fehlt er, sein "
         "Vorgabewert); mit WERT wird er geprüft und geschrieben. Unbekannter Name, falscher Typ "
         "oder ein Wert außerhalb des Bereichs: Rückgabewert 1, nichts wird geschrieben."},
        {"einstellungen",
         "\"Ablage: …\" (wo die Einstellungen liegen), dann jeder Wert des Hauptschlüssels als "
         "\"Name = Wert\"."},
        {"erinnerungen",
         "Je Erinnerungsfenster, das eine Prüfung an diesem Tag zeigen würde, eine Zeile "
         "Titel|Zeile1|Zeile2|Zeile3|Zeile4; nichts fällig: keine Ausgabe."},
        {"erzeugen",
         "Schreibt den großen Beispielkalender (jeder Tag von 1901 bis 2099 belegt, etwa "
         "15 MB) nach AUS."},
        {"feiertage",
         "Je Feiertag oder besonderem Tag des Jahres eine Zeile TT.MM.JJJJ<TAB>Text, nach "
         "Datum geordnet."},
        {"ics-export",
         "Schreibt die Termine des Zeitraums als iCalendar (UTF-8, CR LF) nach AUS.ics; "
         "--tagesinfo, --tagesfarben und --geburtstage fügen ganztägige Ereignisse hinzu."},
        {"ics-import",
         "\"Importiert: n\", \"Übersprungen: m\" und je Grund eine eingerückte Zeile; das "
         "Ergebnis steht als \"Ver 3.3\" in AUS.kvr."},
        {"konvertieren",
         "Schreibt die Kalenderdatei als \"Ver 3.3\" nach AUS (atomar); bei einem Lesefehler "
         "wird nichts geschrieben."},
        {"kw", "Die Kalenderwoche nach ISO 8601."},
        {"mailto",
         "Die mailto:-Adressen, die das Adressbuch öffnen würde, eine je Zeile (--eintrag zählt "
         "ab 1 in der Namensordnung der Liste; --serie eine Adresse je Eintrag mit ersetzten "
         "Platzhaltern; Betreff und Text höchstens 1 MB, auch nach dem Einsetzen)."},
        {"namenstag-suchen",
         "Je gefundenem Namen eine Zeile TT.MM.<TAB>Name, dann die Statuszeile (\"Suche "
         "beendet, es wurden N Namen gefunden!\" oder \"Suche beendet, aber leider keinen "
         "gefunden!\")."},
        {"namenstage",
         "Die Namen dieses Tages aus dem Namenstagskatalog, einer je Zeile. Unlesbarer "
         "Katalog: \"fehlerhafte Datei!\", Rückgabewert 1."},
        {"ostern", "Das Datum des Ostersonntags als TT.MM.JJJJ."},
        {"pdf-adressen",
         "\"Seiten: N\"; die Adressliste steht in AUS.pdf. Höchstens 10000 Einträge."},
        {"pdf-geburtstage",
         "\"Seiten: N\"; die Geburtstagsliste steht in AUS.pdf."},
        {"pdf-jahr",
         "\"Seiten: N\"; die Jahresansicht steht in AUS.pdf (eine Seite je Kopie). Bei einem "
         "Fehler bleibt keine PDF-Datei zurück."},
        {"pdf-namenstage",
         "\"Seiten: N\"; die Namenstagsliste steht in AUS.pdf."},
        {"pdf-terminliste",
         "\"Seiten: N\"; die Terminliste steht in AUS.pdf. Bei einem Fehler bleibt keine "
         "PDF-Datei zurück. Texte bis 64 KB je Tagesinfo, Beschreibung und Ort."},
        {"pruefen",
         "\"Form: …\", \"Tage mit Farben: N\", \"Tage mit Einträgen: N\", \"Termine: N\", "
         "\"Geburtstage: N\", \"Kategorien: N\", \"Links: N\"."},
        {"sonne", "\"SA: hh:mm:ss  SU: hh:mm:ss\"."},
        {"sperre-halten",
         "\"gesperrt\", solange die Sperrdatei gehalten wird; hält eine andere Kopie sie: "
         "Rückgabewert 1."},
        {"statistik",
         "Je Balken eine Zeile Name<TAB>Wert in der Reihenfolge des Diagramms; Anzahlen ganz, "
         "Stunden mit zwei Nachkommastellen."},
        {"tageszelle",
         "\"Hintergrund: RRGGBB  Fett: ja|nein\", dann je Textzeile der Zelle eine Zeile; eine "
         "farbige Zeile endet mit <TAB>Schrift RRGGBB oder <TAB>Hintergrund RRGGBB."},
        {"wochentag", "Der deutsche Name des Wochentags."},
        {"xml-export",
         "Schreibt den XML-Export des Zeitraums nach AUS.xml, mit Stylesheet und kalvora.dtd "
         "daneben (außer --ohne-xsl, --ohne-dtd)."},
        {"xml-html",
         "Schreibt die HTML-Seite der Browserausgabe nach AUS.html; eine fehlerhafte Datei: "
         "die Meldung des Parsers, Rückgabewert 1."},
        {"zeit-plus", "Die Endzeit hh:mm (genau ein Tag endet um 24:00)."},
    };
    return ausgaben;
}

namespace {

std::vector<Befehl> Geordnet() {
    auto liste = Befehlsliste();
    std::sort(liste.begin(), liste.end(),
              [](const Befehl& a, const Befehl& b) { return a.name < b.name; });
    return liste;
}

// roff text: a backslash and a leading dot or apostrophe would be read as requests.
std::string Roff(const std::string& text) {
    std::string r;
    for (char c : text) {
        if (c == '\\') r += "\\e";
        else if (c == '-') r += "\\-";
        else r += c;
    }
    if (!r.empty() && (r[0] == '.' || r[0] == '\'')) r.insert(0, "\\&");
    return r;
}

// The options of a call line ("--kopien", "--art"), in the order they stand.
std::vector<std::string> Optionen(const std::string& aufruf) {
    std::vector<std::string> o;
    for (std::size_t p = aufruf.find("--"); p != std::string::npos;
         p = aufruf.find("--", p + 2)) {
        std::size_t e = p + 2;
        while (e < aufruf.size() && (std::isalnum(static_cast<unsigned char>(aufruf[e])) ||
                                     aufruf[e] == '-'))
            ++e;
        const std::string name = aufruf.substr(p, e - p);
        if (name.size() > 2 && std::find(o.begin(), o.end(), name) == o.end())
            o.push_back(name);
    }
    return o;
}

}  // namespace

void HandbuchseiteSchreiben(std::ostream& aus, const std::string& datum) {
    aus << ".\\\" Made by kalvora-cli --handbuchseite from its command table.\n"
        << ".TH KALVORA\\-CLI 1 \"" << datum << "\" \"Kalvora " << Dateiversion()
        << "\" \"Kalvora\"\n"
        << ".ad l\n.nh\n"
        << ".SH NAME\n"
        << "kalvora\\-cli \\- die Logik des Kalenders Kalvora auf der Kommandozeile\n"
        << ".SH ÜBERSICHT\n"
        << ".B kalvora\\-cli\n.I BEFEHL\n.RI [ ARGUMENTE ]\n.br\n"
        << ".B kalvora\\-cli \\-\\-help\n"
        << ".SH BESCHREIBUNG\n"
        << ".B kalvora\\-cli\n"
        << "prüft, wandelt und exportiert Kalenderdateien (.kvr) und Adressgruppen (.kvradr) "
           "mit demselben Code wie das Programm\n.BR kalvora (1).\n"
        << "Meldungen stehen auf Deutsch in der Standardfehlerausgabe.\n"
        << ".SH BEFEHLE\n";
    const auto& ausgaben = Befehlsausgaben();
    for (const Befehl& b : Geordnet()) {
        aus << ".TP\n.B " << Roff(b.aufruf) << "\n" << Roff(b.hilfe) << ".\n";
        const auto a = ausgaben.find(b.name);
        if (a != ausgaben.end()) aus << ".br\nAusgabe: " << Roff(a->second) << "\n";
    }
    aus << ".SH RÜCKGABEWERT\n"
        << ".TP\n.B 0\nErfolg.\n"
        << ".TP\n.B 1\nDatei- oder Formatfehler, Fehler des Systems (kein Speicher, Ausgabe "
           "nicht schreibbar); eine deutsche Meldung steht in der Standardfehlerausgabe.\n"
        << ".TP\n.B 2\nFalscher Aufruf: die Aufrufzeile des Befehls und darunter eine Zeile, "
           "die das falsche, fehlende oder überzählige Argument nennt.\n"
        << ".SH UMGEBUNG\n"
        << ".TP\n.B TZ\nDie Zeitzone des Benutzers für den iCalendar-Austausch (sonst "
           "/etc/timezone oder /etc/localtime).\n"
        << ".TP\n.B KALVORA_CALDAV_PASSWORT\nDas Passwort für die CalDAV-Befehle, wenn "
           "\\-\\-passwort\\-datei fehlt; es wird nie ausgegeben.\n"
        << ".TP\n.B XDG_CONFIG_HOME\nDer Ordner der Einstellungen (Vorgabe ~/.config).\n"
        << ".SH DATEIEN\n"
        << ".TP\n.I /usr/share/kalvora/\nNamenstagskatalog, Stylesheets, DTDs, Hilfe, Klänge "
           "und Symbole.\n"
        << ".TP\n.I ~/.config/Kalvora/Kalvora.conf\nDie Einstellungen.\n"
        << ".SH SIEHE AUCH\n.BR kalvora (1)\n";
}

void VervollstaendigungSchreiben(std::ostream& aus) {
    const auto liste = Geordnet();
    aus << "# bash completion for kalvora-cli, made by kalvora-cli --bash-vervollstaendigung\n"
        << "_kalvora_cli()\n{\n"
        << "    local cur=${COMP_WORDS[COMP_CWORD]}\n"
        << "    if [ \"$COMP_CWORD\" -eq 1 ]; then\n"
        << "        COMPREPLY=( $(compgen -W \"--help";
    for (const Befehl& b : liste) aus << ' ' << b.name;
    aus << "\" -- \"$cur\") )\n        return\n    fi\n"
        << "    local optionen=\n"
        << "    case ${COMP_WORDS[1]} in\n";
    for (const Befehl& b : liste) {
        const auto o = Optionen(b.aufruf);
        if (o.empty()) continue;
        aus << "        " << b.name << ") optionen=\"";
        for (std::size_t i = 0; i < o.size(); ++i) aus << (i ? " " : "") << o[i];
        aus << "\" ;;\n";
    }
    aus << "    esac\n"
        << "    if [[ $cur == -* && -n $optionen ]]; then\n"
        << "        COMPREPLY=( $(compgen -W \"$optionen\" -- \"$cur\") )\n"
        << "    else\n"
        << "        COMPREPLY=( $(compgen -f -- \"$cur\") )\n"
        << "    fi\n}\n"
        << "complete -o filenames -F _kalvora_cli kalvora-cli\n";
}

}  // namespace kalvora::cli
