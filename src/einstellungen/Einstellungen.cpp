#include "einstellungen/Einstellungen.h"

#include <algorithm>

namespace kalvora {

namespace {

using E = Einstellungen;
using namespace tabelle;

constexpr const char* ToolbarPfad = "Software\\Kalvora\\Toolbar";

std::string ZweiStellen(int k) { return (k < 10 ? "0" : "") + std::to_string(k); }

int32_t Fensteroben(const Einstellungsumgebung& u) { return u.bildschirmHoehe / 2 - 200; }
int32_t Fensterlinks(const Einstellungsumgebung& u) { return u.bildschirmBreite / 2 - 300; }
int32_t DiesesJahr(const Einstellungsumgebung& u) { return u.aktuellesJahr; }

Werttabelle<E> HaupttabelleBauen() {
    Werttabelle<E> t = {
        // Start and general values.
        Wahrheitswert("aktjahr", &E::aktjahr, true),
        Ganzzahl("startjahr", &E::startjahr, &DiesesJahr).Bereich(ErstesJahr, LetztesJahr),
        Ganzzahl("Startansicht", &E::Startansicht, 0).Auswahl(0, 7, 0),
        Ganzzahl("Autostartansicht", &E::Autostartansicht, 7).Auswahl(0, 7, 0),
        Text("Startdatei", &E::Startdatei, ""),
        Wahrheitswert("Jahresansicht bearbeiten", &E::JahresansichtBearbeiten, false),
        Wahrheitswert("bei Close in Tray", &E::beiCloseInTray, false),
        Ganzzahl("Anzahl Farben", &E::AnzahlFarben, 0).Bereich(0, 1),
        Wahrheitswert("aktuelleFarbe", &E::aktuelleFarbe, false),
        Wahrheitswert("Standard", &E::Standard, false),
    };
    const TFarbwerte farben = EingebauteStandardfarben();
    for (int k = 1; k <= AnzahlFarben; ++k)
        t.push_back(Zeile<E>("Farbe" + ZweiStellen(k), Werttyp::Farbe, farben[k],
                             [k](E& e) -> Feldzeiger { return &e.Standardfarben[k]; })
                        .Zurueckschreiben());
    Werttabelle<E> rest = {
        Farbe("SA SO Farbe in der Jahresansicht", &E::SASOFarbeInDerJahresansicht, 0xE0E0E0),
        Farbe("SA SO Farbe beim Drucken", &E::SASOFarbeBeimDrucken, 0xF8F8F8),
        Ganzzahl("Windowstatus der Ansichten", &E::WindowstatusDerAnsichten, 0)
            .Bereich(0, 1)
            .BeimBeenden(),
        Ganzzahl("Windowtop", &E::Windowtop, &Fensteroben).BeimBeenden(),
        Ganzzahl("Windowleft", &E::Windowleft, &Fensterlinks).BeimBeenden(),
        Ganzzahl("WindowWidth", &E::WindowWidth, 600).BeimBeenden(),
        Ganzzahl("WindowHeight", &E::WindowHeight, 400).BeimBeenden(),
        Ganzzahl("TerminStunden", &E::TerminStunden).Bereich(0, 23).BeimBeenden(),
        Ganzzahl("TerminMinuten", &E::TerminMinuten).Bereich(0, 59).BeimBeenden(),

        // Year view and main window.
        Ganzzahl("Darstellung", &E::Darstellung, 1).Bereich(0, 5),
        Farbe("Farbe kommender Termine", &E::FarbeKommenderTermine, 0).OhneFarbe(0xFFFFFF),
        Farbe("Farbe vergangener Termine", &E::FarbeVergangenerTermine, 0x959595),
        Wahrheitswert("Anzeige der Monatstage in der Jahresansicht",
                      &E::AnzeigeDerMonatstageInDerJahresansicht, true),
        Ganzzahl("Schriftgröße Monatstage", &E::SchriftgroesseMonatstage, 5).Bereich(4, 10),
        Wahrheitswert("Termine auch bei Tagesinfo anzeigen",
                      &E::TermineAuchBeiTagesinfoAnzeigen, true),
        Wahrheitswert("Terminfeld anzeigen", &E::TerminfeldAnzeigen, false),
        Wahrheitswert("Anzeige der Geburtstage in der Jahresansicht",
                      &E::AnzeigeDerGeburtstageInDerJahresansicht, false),
        Wahrheitswert("Anzeige der Namestage in der Jahresansicht",
                      &E::AnzeigeDerNamestageInDerJahresansicht, false),
        Ganzzahl("Rote Linie", &E::RoteLinie, 1).Bereich(1, 3),
        Wahrheitswert("Kalenderwoche", &E::Kalenderwoche, false),
        Ganzzahl("Anzeige der Kalenderwoche", &E::AnzeigeDerKalenderwoche, 0).Bereich(0, 6),
        Wahrheitswert("Vollbild ohne Menü", &E::VollbildOhneMenue, true),
        Wahrheitswert("Vollbild ohne Toolbar", &E::VollbildOhneToolbar, true),
        Wahrheitswert("Vollbild ohne Legende", &E::VollbildOhneLegende, true),
        Wahrheitswert("Name von Feiertagen", &E::NameVonFeiertagen, true),
        Wahrheitswert("Sonne anzeigen", &E::SonneAnzeigen, false),
        Gleitkomma("geographische Länge", &E::geographischeLaenge, 7.6333)
            .Kommabereich(-GroessteLaenge, GroessteLaenge),
        Gleitkomma("geographische Breite", &E::geographischeBreite, 51.9667)
            .Kommabereich(-GroessteBreite, GroessteBreite),
        Gleitkomma("Abweichung von Greenich", &E::AbweichungVonGreenich, 1.0)
            .Kommabereich(-GroessteAbweichung, GroessteAbweichung),
        Wahrheitswert("Sommerzeit", &E::Sommerzeit, true),

        // Appointments, continuation and alarm.
        Wahrheitswert("festeZeit", &E::festeZeit, false),
        Ganzzahl("Stunden", &E::Stunden, 8).Bereich(0, 23),
        Ganzzahl("Minuten", &E::Minuten, 0).Bereich(0, 59),
        Wahrheitswert("feste Dauer", &E::festeDauer, false),
        Ganzzahl("Termindauer Stunden", &E::TermindauerStunden, 1).Bereich(0, 23),
        Ganzzahl("Termindauer Minuten", &E::TermindauerMinuten, 30).Bereich(0, 59),
        Wahrheitswert("Terminalarm standardmäßig aktivieren",
                      &E::TerminalarmStandardmaessigAktivieren, true),
        Ganzzahl("Dauer oder Ende", &E::DauerOderEnde, 0).Bereich(0, 1),
        Ganzzahl("sichtbare Termineinträge", &E::sichtbareTermineintraege, 5).Bereich(5, 12),
        Wahrheitswert("Farbe in Jahresansicht übernehmen",
                      &E::FarbeInJahresansichtUebernehmen, false),
        Ganzzahl("Tage", &E::Tage, 10).Bereich(1, 32767),
        Ganzzahl("Wochen", &E::Wochen, 6).Bereich(1, 9999),
        Ganzzahl("Monate", &E::Monate, 3).Bereich(1, 9999),
        Ganzzahl("Jahre", &E::Jahre, 3).Bereich(1, 200),
        Ganzzahl("Fortschreibungsrate in Tagen", &E::FortschreibungsrateInTagen, 5)
            .Bereich(1, 32767),
        Ganzzahl("Anzahl der Wiederholungen", &E::AnzahlDerWiederholungen, 3)
            .Bereich(1, 32767),
        Wahrheitswert("Farbfortschreibung", &E::Farbfortschreibung, false),
        Ganzzahl("Alarmstunden", &E::Alarmstunden, 2).Bereich(0, 23),
        Ganzzahl("Alarmminuten", &E::Alarmminuten, 0).Bereich(0, 59),
        Text("Alarmdatei", &E::Alarmdatei, ""),
        Ganzzahl("Alarmwiederholungsminuten", &E::Alarmwiederholungsminuten, 15)
            .Bereich(1, 59),

        // Calendar views.
        Ganzzahl("Monatsansicht", &E::Monatsansicht, 1).Bereich(0, 1),
        Ganzzahl("Wochenansicht", &E::Wochenansicht, 0).Bereich(0, 1),
        Wahrheitswert("Schriftfarbenübernahme", &E::Schriftfarbenuebernahme, true),
        Wahrheitswert("Schriftfarbe ändern", &E::SchriftfarbeAendern, true),
        Wahrheitswert("Fett", &E::Fett, true),
        Wahrheitswert("Fett bei Tagesinfotext", &E::FettBeiTagesinfotext, false),
        Text("Schriftname", &E::Schriftname, "MS Sans Serif"),
        Ganzzahl("Schriftgröße", &E::Schriftgroesse, 8),
        Wahrheitswert("Ansichten mit Scollleisten", &E::AnsichtenMitScollleisten, false),
        Wahrheitswert("Hintergrundfarbe", &E::Hintergrundfarbe, true),
        Wahrheitswert("keine Uhrzeit anzeigen", &E::keineUhrzeitAnzeigen, true),
        Wahrheitswert("Leerzeile wenn keine Tagesinfo", &E::LeerzeileWennKeineTagesinfo, true),
        Wahrheitswert("Leerzeilen zwischen Termineinträgen",
                      &E::LeerzeilenZwischenTermineintraegen, false),
        Wahrheitswert("Beschreibung und Ort in zwei Zeilen",
                      &E::BeschreibungUndOrtInZweiZeilen, false),
        Wahrheitswert("Ortsangabe", &E::Ortsangabe, false),
        Wahrheitswert("Wochentag", &E::Wochentag, true),
        Wahrheitswert("Datum des Tages", &E::DatumDesTages, true),
        Wahrheitswert("Farbname", &E::Farbname, true),
        Wahrheitswert("Farbnamen", &E::Farbnamen, false),
        Wahrheitswert("erste Zeile fett", &E::ersteZeileFett, true),
        Wahrheitswert("erste Zeile groesser", &E::ersteZeileGroesser, true),
        Wahrheitswert("Terminlänge anzeigen", &E::TerminlaengeAnzeigen, false),
        Wahrheitswert("Terminende anzeigen", &E::TerminendeAnzeigen, true),
        Wahrheitswert("scharzer Rahmen blinkend", &E::scharzerRahmenBlinkend, false),
        Ganzzahl("Geschwindigkeit", &E::Geschwindigkeit, 20).Bereich(1, 258),
        Ganzzahl("Timerintervall", &E::Timerintervall, 70).Bereich(1, 1000),

        // Printing, birthdays and timetable.
        Text("Druckschrift", &E::Druckschrift, "Times New Roman"),
        Ganzzahl("Druckschriftgrösse", &E::Druckschriftgroesse, 12),
        Wahrheitswert("Termine farbig drucken", &E::TermineFarbigDrucken, true),
        Wahrheitswert("Geburtstagstext", &E::Geburtstagstext, false),
        Wahrheitswert("Namenstagstext", &E::Namenstagstext, false),
        Wahrheitswert("Geburtstag", &E::Geburtstag, true),
        Wahrheitswert("runder Geburtstag", &E::runderGeburtstag, false),
        Wahrheitswert("Namenstag", &E::Namenstag, false),
        Ganzzahl("Geburtstagszahl", &E::Geburtstagszahl, 7).Bereich(0, 100),
        Ganzzahl("runder Geburtstagszahl", &E::runderGeburtstagszahl, 20).Bereich(0, 360),
        Ganzzahl("Namestagzahl", &E::Namestagzahl, 2).Bereich(0, 100),
        Ganzzahl("Stdplantage", &E::Stdplantage, 4).Bereich(1, 8),
        Ganzzahl("Stdplanzeilen", &E::Stdplanzeilen, 2).Bereich(1, 2),
        Ganzzahl("Stdplanstartzeit", &E::Stdplanstartzeit, 7).Bereich(0, 23),
        Ganzzahl("Stdplanendezeit", &E::Stdplanendezeit, 20).Bereich(1, 24),
        Ganzzahl("Stdplantagesbreite", &E::Stdplantagesbreite, 220).Bereich(200, 400),
        Ganzzahl("Stdplantageshöhe", &E::Stdplantageshoehe, 220).Bereich(150, 400),
        Ganzzahl("Stdplanort", &E::Stdplanort, 0).Bereich(0, 3),
        Ganzzahl("Stdplanabstx", &E::Stdplanabstx, 0).Bereich(0, 200),
        Ganzzahl("Stdplanabsty", &E::Stdplanabsty, 0).Bereich(0, 200),
        Farbe("Hintergrundfarbe der Stundenplanansicht",
              &E::HintergrundfarbeDerStundenplanansicht, 0xFFFFFE),
        Wahrheitswert("Destopansicht transparent", &E::DestopansichtTransparent, false),
        Wahrheitswert("DesktopToolbar aus", &E::DesktopToolbarAus, false),
    };
    t.insert(t.end(), rest.begin(), rest.end());
    return t;
}

Werttabelle<E> FeiertagstabelleBauen() {
    const TFeiertagsEinstellungen standard = FeiertagsStandard();
    Werttabelle<E> t;
    for (int k = 1; k <= AnzahlFeiertagsEintraege; ++k) {
        t.push_back(Zeile<E>("Farbe der Feiertage" + ZweiStellen(k), Werttyp::Farbe,
                             standard[k].farbe,
                             [k](E& e) -> Feldzeiger { return &e.Feiertage[k].farbe; })
                        .Zurueckschreiben());
        t.push_back(Zeile<E>("Malen der Feiertage" + ZweiStellen(k), Werttyp::Wahrheitswert,
                             standard[k].malen,
                             [k](E& e) -> Feldzeiger { return &e.Feiertage[k].malen; })
                        .Zurueckschreiben());
    }
    return t;
}

Werttabelle<E> ToolbartabelleBauen() {
    // Buttons hidden on a fresh installation.
    constexpr std::array<int, 13> verborgen = {4, 6, 10, 11, 12, 13, 20, 23, 31, 33, 36, 37, 38};
    Werttabelle<E> t;
    for (int k = 1; k <= AnzahlToolbarwerte; ++k) {
        const bool sichtbar = std::find(verborgen.begin(), verborgen.end(), k) == verborgen.end();
        t.push_back(Zeile<E>("Toolbutton" + ZweiStellen(k), Werttyp::Wahrheitswert, sichtbar,
                             [k](E& e) -> Feldzeiger { return &e.Toolbutton[k]; }));
    }
    return t;
}

Werttabelle<E> LetzteDateientabelleBauen() {
    Werttabelle<E> t;
    for (int k = 1; k <= AnzahlLetzteDateien; ++k)
        t.push_back(Zeile<E>("Datei " + ZweiStellen(k), Werttyp::Text, std::string(),
                             [k](E& e) -> Feldzeiger { return &e.LetzteDateien[k]; })
                        .Zurueckschreiben());
    return t;
}

}  // namespace

const Werttabelle<Einstellungen>& HauptschluesselWerte() {
    static const Werttabelle<E> t = HaupttabelleBauen();
    return t;
}

const Werttabelle<Einstellungen>& FeiertagsWerte() {
    static const Werttabelle<E> t = FeiertagstabelleBauen();
    return t;
}

const Werttabelle<Einstellungen>& ToolbarWerte() {
    static const Werttabelle<E> t = ToolbartabelleBauen();
    return t;
}

const Werttabelle<Einstellungen>& LetzteDateienWerte() {
    static const Werttabelle<E> t = LetzteDateientabelleBauen();
    return t;
}

Einstellungen::Einstellungen() {
    const Einstellungsumgebung u;
    VorgabenSetzen(HauptschluesselWerte(), *this, u);
    VorgabenSetzen(FeiertagsWerte(), *this, u);
    VorgabenSetzen(ToolbarWerte(), *this, u);
    VorgabenSetzen(LetzteDateienWerte(), *this, u);
}

Einstellungen EinstellungenStandard(const Einstellungsumgebung& umgebung) {
    Einstellungen e;
    // Only the main key has defaults that depend on screen and year.
    VorgabenSetzen(HauptschluesselWerte(), e, umgebung);
    return e;
}

void EinstellungenLaden(Registry& registry, const Einstellungsumgebung& umgebung,
                        Einstellungen& ziel) {
    ziel = EinstellungenStandard(umgebung);
    TabelleLaden(registry, HauptSchluessel, HauptschluesselWerte(), ziel);
    TabelleLaden(registry, FeiertageSchluessel, FeiertagsWerte(), ziel);
    TabelleLaden(registry, ToolbarPfad, ToolbarWerte(), ziel);
    TabelleLaden(registry, LetzteDateienSchluessel, LetzteDateienWerte(), ziel);
}

void EinstellungenSpeichern(Registry& registry, const Einstellungen& e) {
    TabelleSpeichern(registry, HauptSchluessel, HauptschluesselWerte(), e,
                     Zeilenauswahl::OhneBeenden);
    TabelleSpeichern(registry, FeiertageSchluessel, FeiertagsWerte(), e);
}

void ToolbarSpeichern(Registry& registry, const Einstellungen& e) {
    TabelleSpeichern(registry, ToolbarPfad, ToolbarWerte(), e);
}

void EinstellungenBeimBeendenSpeichern(Registry& registry, const Einstellungen& e) {
    TabelleSpeichern(registry, HauptSchluessel, HauptschluesselWerte(), e,
                     Zeilenauswahl::NurBeenden);
}

std::vector<std::pair<std::string, std::string>> HauptwerteAlsText(const Einstellungen& e) {
    std::vector<std::pair<std::string, std::string>> liste;
    auto& r = const_cast<Einstellungen&>(e);  // read only
    for (const auto& z : HauptschluesselWerte())
        liste.emplace_back(z.name, FeldText(z, z.feld(r)));
    return liste;
}

}  // namespace kalvora
