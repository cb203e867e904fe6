#include "Toolbartabelle.h"

#include <cstdio>

#include "einstellungen/Einstellungen.h"

namespace kalvora {

const std::array<Toolbutton, AnzahlToolbuttons>& Toolbuttons() {
    static const std::array<Toolbutton, AnzahlToolbuttons> tabelle{{
        {1, "Neu", "Neu"},
        {2, "Öffnen", "Öffnen"},
        {3, "Speichern", "Speichern"},
        {4, "Speichern unter", "Speichern unter"},
        {5, "Drucken", "Drucken"},
        {6, "Druckereinstellung", "Druckereinstellung"},
        {7, "Rückgängig", "Rückgängig"},
        {8, "Wiederherstellen", "Wiederherstellen"},
        {9, "Suchen", "Suchen"},
        {10, "Weitersuchen", "Weitersuchen"},
        {11, "Schreibschutz", "Schreibschutz"},
        {12, "Aktualisieren", "Aktualisieren"},
        {13, "Einstellungen bei Schreibschutz", "Einstellungen bei Schreibschutz"},
        {14, "Farbänderungen nicht direkt ermöglichen", "Bearbeiten gesperrt"},
        {15, "Farben hinzufügen", "Farben hinzufügen"},
        {16, "Farben löschen", "Farben löschen"},
        {17, "neue Farbe", "neue Farbe"},
        {18, "alle Farben löschen", "alle Farben löschen"},
        {19, "Tagestermine", "Tagestermine"},
        // The hint's misspelling is the program's own text; the dialog spells it right.
        {20, "Terminliste durcken", "Terminliste drucken"},
        {21, "Terminüberwachung", "Terminüberwachung"},
        {22, "Geburtstagsliste", "Geburtstagsliste"},
        {23, "Namenstagsjahresliste", "Jahresübersicht Namenstage"},
        {24, "Wochenansicht", "Wochenansicht"},
        {25, "Wochenansicht (2 Wochen)", "Wochenansicht (2 Wochen)"},
        {26, "Monatsansicht", "Monatsansicht"},
        {27, "Monatsansicht mit Wocheneinteilung", "Monatsansicht mit Wocheneinteilung"},
        {28, "Stundenplanansicht", "Stundenplan"},
        {29, "Desktopstundenplanansicht", "Desktop Stundenplan"},
        {30, "Statistik", "Statistik"},
        {31, "Gehe zu Jahr", "Gehe zu Jahr"},
        {32, "Adressbuch", "Adressbuch"},
        {33, "Toolbaranpassen", "Toolbar anpassen"},
        {34, "Optionen", "Optionen"},
        {35, "Hilfe", "Hilfe"},
        {36, "Direkthilfe", "Direkthilfe"},
        {37, "Kalvora Online", "Kalvora Online"},
        {38, "Update prüfen", "Update prüfen"},
        {39, "Info", "Info"},
    }};
    return tabelle;
}

ToolbarSichtbarkeit ToolbarStandard() {
    // The defaults live once, in the settings' load table of the tool-bar key.
    const Einstellungen e;
    ToolbarSichtbarkeit s{};
    for (int i = 1; i <= AnzahlToolbuttons; ++i) s[i - 1] = e.Toolbutton[i];
    return s;
}

ToolbarSichtbarkeit ToolbarAus(const Einstellungen& e) {
    ToolbarSichtbarkeit s{};
    for (int i = 1; i <= AnzahlToolbuttons; ++i) s[i - 1] = e.Toolbutton[i];
    return s;
}

void ToolbarSetzen(Einstellungen& e, const ToolbarSichtbarkeit& s) {
    for (int i = 1; i <= AnzahlToolbuttons; ++i) e.Toolbutton[i] = s[i - 1];
}

const std::array<int, AnzahlToolbarTrenner>& ToolbarGruppenenden() {
    static const std::array<int, AnzahlToolbarTrenner> enden{
        4, 6, 8, 10, 13, 18, 20, 21, 23, 29, 30, 31, 32, 34, 36, 38, 39};
    return enden;
}

std::array<bool, AnzahlToolbarTrenner> ToolbarTrennerSichtbar(const ToolbarSichtbarkeit& s) {
    std::array<bool, AnzahlToolbarTrenner> trenner{};
    int anfang = 1;
    for (int g = 0; g < AnzahlToolbarTrenner; ++g) {
        const int ende = ToolbarGruppenenden()[g];
        for (int i = anfang; i <= ende; ++i) trenner[g] = trenner[g] || s[i - 1];
        anfang = ende + 1;
    }
    return trenner;
}

std::string ToolbuttonWertname(int index) {
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "Toolbutton%02d", index);
    return puffer;
}

ToolbarSichtbarkeit ToolbarLesen(
    const std::function<std::optional<bool>(const std::string& wertname)>& lesen) {
    ToolbarSichtbarkeit s = ToolbarStandard();
    for (int i = 1; i <= AnzahlToolbuttons; ++i) {
        if (auto wert = lesen(ToolbuttonWertname(i))) s[i - 1] = *wert;
    }
    return s;
}

}  // namespace kalvora
