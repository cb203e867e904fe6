#include "Toolbartabelle.h"

#include <cstdio>

namespace kalvora {

const std::array<Toolbutton, AnzahlToolbuttons>& Toolbuttons() {
    static const std::array<Toolbutton, AnzahlToolbuttons> tabelle{{
        {1, "Neu", "Neu", true},
        {2, "Öffnen", "Öffnen", true},
        {3, "Speichern", "Speichern", true},
        {4, "Speichern unter", "Speichern unter", false},
        {5, "Drucken", "Drucken", true},
        {6, "Druckereinstellung", "Druckereinstellung", false},
        {7, "Rückgängig", "Rückgängig", true},
        {8, "Wiederherstellen", "Wiederherstellen", true},
        {9, "Suchen", "Suchen", true},
        {10, "Weitersuchen", "Weitersuchen", false},
        {11, "Schreibschutz", "Schreibschutz", false},
        {12, "Aktualisieren", "Aktualisieren", false},
        {13, "Einstellungen bei Schreibschutz", "Einstellungen bei Schreibschutz", false},
        {14, "Farbänderungen nicht direkt ermöglichen", "Bearbeiten gesperrt", true},
        {15, "Farben hinzufügen", "Farben hinzufügen", true},
        {16, "Farben löschen", "Farben löschen", true},
        {17, "neue Farbe", "neue Farbe", true},
        {18, "alle Farben löschen", "alle Farben löschen", true},
        {19, "Tagestermine", "Tagestermine", true},
        // The hint's misspelling is the program's own text; the dialog spells it right.
        {20, "Terminliste durcken", "Terminliste drucken", false},
        {21, "Terminüberwachung", "Terminüberwachung", true},
        {22, "Geburtstagsliste", "Geburtstagsliste", true},
        {23, "Namenstagsjahresliste", "Jahresübersicht Namenstage", false},
        {24, "Wochenansicht", "Wochenansicht", true},
        {25, "Wochenansicht (2 Wochen)", "Wochenansicht (2 Wochen)", true},
        {26, "Monatsansicht", "Monatsansicht", true},
        {27, "Monatsansicht mit Wocheneinteilung", "Monatsansicht mit Wocheneinteilung", true},
        {28, "Stundenplanansicht", "Stundenplan", true},
        {29, "Desktopstundenplanansicht", "Desktop Stundenplan", true},
        {30, "Statistik", "Statistik", true},
        {31, "Gehe zu Jahr", "Gehe zu Jahr", false},
        {32, "Adressbuch", "Adressbuch", true},
        {33, "Toolbaranpassen", "Toolbar anpassen", false},
        {34, "Optionen", "Optionen", true},
        {35, "Hilfe", "Hilfe", true},
        {36, "Direkthilfe", "Direkthilfe", false},
        {37, "Kalvora Online", "Kalvora Online", false},
        {38, "Update prüfen", "Update prüfen", false},
        {39, "Info", "Info", true},
    }};
    return tabelle;
}

ToolbarSichtbarkeit ToolbarStandard() {
    ToolbarSichtbarkeit s{};
    for (const auto& b : Toolbuttons()) s[b.index - 1] = b.standard;
    return s;
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
