#include "kalender/Beispielkalender.h"

#include <array>
#include <string>

namespace kalvora {

namespace {

const std::array<const char*, 8> kBeschreibungen = {
    "Besprechung über Planänderung", "Zahnärztliche Untersuchung",  "Mittagessen mit Jürgen",
    "Übergabe der Prüfungsbögen",    "Fußballtraining der Jugend",  "Gespräch wegen Gehaltserhöhung",
    "Flohmarkt am Schloßplatz",      "Rückruf bei der Versicherung"};
const std::array<const char*, 6> kOrte = {"Büro",          "Praxis Dr. Müller", "Rathaus",
                                          "Sporthalle Süd", "Café am Markt",     "Zuhause"};
const std::array<const char*, 10> kNachnamen = {"Müller", "Schmidt", "Schneider", "Fischer",
                                                "Weber",  "Meyer",   "Wagner",    "Becker",
                                                "Schulz", "Hoffmann"};
const std::array<const char*, 10> kVornamen = {"Anna", "Jürgen", "Sören",  "Käthe", "Lutz",
                                               "Eva",  "Björn",  "Gisela", "Uwe",   "Zoë"};

}  // namespace

void GrossenKalenderFuellen(TKalender& kal) {
    kal.Leeren();
    for (int k = 1; k <= AnzahlFarben; ++k) kal.Farbnamen[k] = "Farbe Nummer " + std::to_string(k);
    for (int i = 0; i < 10; ++i) kal.Terminkategorie.push_back("Kategorie " + std::to_string(i));
    for (int i = 0; i < 5; ++i)
        kal.Linkliste.push_back("/home/benutzer/Dokumente/Plan" + std::to_string(i) + ".odt");

    long zaehler = 0;
    for (int j = ErstesJahr; j <= LetztesJahr; ++j) {
        for (int m = 1; m <= 12; ++m) {
            const int tage = TageImMonat(m, j);
            for (int t = 1; t <= tage; ++t, ++zaehler) {
                kal.Tagesfarben(j, m, t) = {kal.Farbwerte[zaehler % 20 + 1],
                                            kal.Farbwerte[(zaehler + 7) % 20 + 1]};
                TTerminliste& liste = kal.Terminliste(j, m, t);
                liste.resize(4);
                liste[0].Beschreibung = "Tagesnotiz " + std::to_string(t) + "#Zweite Zeile für Grüße";
                for (int n = 1; n <= 3; ++n) {
                    const long i = zaehler * 3 + n;
                    TTermin& termin = liste[n];
                    const int stunde = 6 + 4 * n;
                    termin.Uhrzeit = (stunde < 10 ? "0" : "") + std::to_string(stunde) + ":" +
                                     (i % 2 ? "30" : "00");
                    termin.Beschreibung = kBeschreibungen[i % kBeschreibungen.size()];
                    termin.Ort = kOrte[i % kOrte.size()];
                    termin.Dauer = static_cast<int32_t>(15 + (i % 8) * 15);
                    termin.Farbe = kal.Farbwerte[i % 20 + 1];
                    if (i % 2 == 0) termin.Kategorie = kal.Terminkategorie[i % 10];
                    if (i % 10 == 0) termin.Link = kal.Linkliste[i % 5];
                    termin.Alarm = i % 3 == 0;
                }
            }
        }
    }
    for (int i = 0; i < 200; ++i) {
        TGeburtstag g;
        g.Name = kNachnamen[i % 10];
        g.Vorname = kVornamen[(i / 10) % 10];
        g.Geburtsdatum = DatumWert(1 + i % 28, 1 + i % 12, 1930 + i % 70);
        if (i % 4 == 0) g.Namenstag = DatumWert(1 + (i * 7) % 28, 1 + (i / 3) % 12, 2000);
        kal.Geburtstagsliste.push_back(g);
    }
    kal.GeaendertSetzen(false);
}

}  // namespace kalvora
