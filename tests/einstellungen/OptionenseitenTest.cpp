// The options dialog's table of controls: every setting reachable, filling, taking over,
// refusing bad input, and the rules of the coupled controls.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "doubles/SpeicherRegistry.h"
#include "einstellungen/Einstellungen.h"
#include "einstellungen/Optionenseiten.h"
#include "extras/Toolbartabelle.h"

namespace kalvora {
namespace {

const Einstellungsumgebung kUmgebung{1024, 768, 2024};

TEST(Optionenseiten, JedeEinstellungDesHauptschluesselsHatGenauEinFeld) {
    std::map<std::string, int> gebunden;
    std::map<int, int> jeSeite;
    for (const Optionsfeld& f : Optionsfelder()) {
        ASSERT_GE(f.seite, 1);
        ASSERT_LE(f.seite, AnzahlOptionsseiten);
        ++jeSeite[f.seite];
        for (const std::string& n : f.einstellungen) ++gebunden[n];
        EXPECT_EQ(Optionsfeldindex(f.name), &f - Optionsfelder().data()) << f.name;
    }
    // The values the options do not edit: window geometry and the editor's last time, kept
    // on closing, and the standard colours, which the two colour boxes set as a whole.
    const std::regex farbe("Farbe[0-9][0-9]");
    std::size_t erwartet = 0;
    for (const auto& z : HauptschluesselWerte()) {
        if (z.beimBeenden || std::regex_match(z.name, farbe)) {
            EXPECT_EQ(gebunden.count(z.name), 0u) << z.name;
            continue;
        }
        ++erwartet;
        EXPECT_EQ(gebunden[z.name], 1) << z.name;
    }
    for (const auto& z : FeiertagsWerte()) EXPECT_EQ(gebunden[z.name], 1) << z.name;
    EXPECT_EQ(gebunden.size(), erwartet + FeiertagsWerte().size());
    EXPECT_EQ(erwartet, 103u);
    // Controls per page as the tables list them (page 12: the 32 special days).
    const std::map<int, int> seiten = {{1, 18}, {2, 5}, {3, 10}, {4, 5},  {5, 10}, {6, 4},
                                       {7, 7},  {8, 18}, {9, 3}, {10, 10}, {11, 12}, {12, 32}};
    EXPECT_EQ(jeSeite, seiten);
}

// A value of each control that differs from what it holds and is valid.
void Aendern(const Optionsfeld& f, Optionswert& w) {
    switch (f.art) {
        case Optionsart::Haken: case Optionsart::Paar: case Optionsart::Radio:
            w.haken = !w.haken;
            break;
        case Optionsart::Zahl: {
            const int z = std::stoi(w.text);
            w.text = std::to_string(z < f.max ? z + 1 : z - 1);
            break;
        }
        case Optionsart::Auswahl:
            w.zahl = (w.zahl + 1) % static_cast<int>(f.auswahl.size());
            break;
        case Optionsart::Schieber: w.zahl = w.zahl < f.max ? w.zahl + 1 : w.zahl - 1; break;
        case Optionsart::Farbe: w.farbe ^= 0x010203; break;
        case Optionsart::Dezimal: w.text = "12,25"; break;
        case Optionsart::Datei: w.text += "/neu.wav"; break;
        case Optionsart::Schrift:
            w.text = "DejaVu Serif";
            w.zahl += 3;
            break;
        case Optionsart::Feiertag:
            w.haken = !w.haken;
            w.farbe ^= 0x000101;
            break;
    }
}

TEST(Optionenseiten, JedesFeldGehtInDieAblageUndZurueck) {
    SpeicherRegistry ablage;
    Einstellungen e;
    EinstellungenLaden(ablage, kUmgebung, e);
    Optionsmodell m;
    m.Fuellen(e, ',');

    // Unchanged controls change nothing ("Abbruch" fills them again the same way).
    Einstellungen unveraendert = e;
    Optionsmodell kopie = m;
    ASSERT_FALSE(kopie.Uebernehmen(unveraendert, e.Standardfarben, ','));
    EXPECT_EQ(unveraendert, e);

    std::vector<Optionswert> vorher = m.Werte();
    const auto& felder = Optionsfelder();
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (felder[i].einstellungen.empty() || felder[i].name == "aktuelleFarbe" ||
            felder[i].name == "Standard")
            continue;  // the boxes that act instead of holding a value
        Aendern(felder[i], m.Wert(felder[i].name));
    }
    const std::vector<Optionswert> geaendert = m.Werte();
    ASSERT_FALSE(m.Uebernehmen(e, e.Standardfarben, ','));
    EinstellungenSpeichern(ablage, e);

    Einstellungen neu;
    EinstellungenLaden(ablage, kUmgebung, neu);
    EXPECT_EQ(neu, e);
    Optionsmodell wieder;
    wieder.Fuellen(neu, ',');
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (felder[i].einstellungen.empty()) continue;
        EXPECT_EQ(wieder.Werte()[i], geaendert[i]) << felder[i].name;
        if (felder[i].name != "aktuelleFarbe" && felder[i].name != "Standard")
            EXPECT_NE(wieder.Werte()[i], vorher[i]) << felder[i].name;
    }
    EXPECT_DOUBLE_EQ(neu.geographischeLaenge, 12.25);
    EXPECT_EQ(neu.Schriftname, "DejaVu Serif");
}

TEST(Optionenseiten, FalscheEingabenWerdenAbgewiesenUndNichtsUebernommen) {
    Einstellungen e;
    const Einstellungen vorher = e;
    Optionsmodell m;
    m.Fuellen(e, ',');
    EXPECT_EQ(m.Wert("geographische Länge").text, "7,6333");

    m.Wert("Termindauer Stunden").text = "25";
    m.Wert("Darstellung").zahl = 3;
    auto fehler = m.Uebernehmen(e, e.Standardfarben, ',');
    ASSERT_TRUE(fehler);
    EXPECT_EQ(*fehler, "Der Wert 25 für \"Stunden\" (Seite \"Termine\") liegt nicht zwischen 0 "
                       "und 23.");
    EXPECT_EQ(e, vorher);

    m.Wert("Termindauer Stunden").text = "zwei";
    fehler = m.Uebernehmen(e, e.Standardfarben, ',');
    ASSERT_TRUE(fehler);
    EXPECT_NE(fehler->find("'zwei' ist keine gültige ganze Zahl"), std::string::npos);

    m.Wert("Termindauer Stunden").text = " 2 ";
    m.Wert("geographische Breite").text = "51°";
    fehler = m.Uebernehmen(e, e.Standardfarben, ',');
    ASSERT_TRUE(fehler);
    EXPECT_EQ(*fehler, "'51°' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(e, vorher);

    // With a decimal comma a point is taken too, as long as no comma is there.
    m.Wert("geographische Breite").text = "-33.5";
    ASSERT_FALSE(m.Uebernehmen(e, e.Standardfarben, ','));
    EXPECT_DOUBLE_EQ(e.geographischeBreite, -33.5);
    EXPECT_EQ(e.TermindauerStunden, 2);
    EXPECT_EQ(e.Darstellung, 3);
    EXPECT_FALSE(DezimalLesen("1.000,5", ','));
    EXPECT_EQ(DezimalText(-0.0000001, ','), "0");
    EXPECT_EQ(DezimalText(1.5, '.'), "1.5");
}

// The ranges of the settings tables, which `einstellung` checks too.
TEST(Optionenseiten, OrtUndFarbeAusserhalbDerGrenzenWerdenAbgewiesen) {
    struct Fall {
        const char* feld;
        const char* text;
        const char* meldung;  // empty: taken
    };
    const Fall faelle[] = {
        {"geographische Länge", "181", "\"geographische Länge\" muss zwischen -180 und 180 "
                                       "liegen, nicht bei 181. (Seite \"Sonne\")"},
        {"geographische Länge", "1e308", "\"geographische Länge\" muss zwischen -180 und 180 "
                                         "liegen, nicht bei 1e+308. (Seite \"Sonne\")"},
        {"geographische Breite", "-91", "\"geographische Breite\" muss zwischen -90 und 90 "
                                        "liegen, nicht bei -91. (Seite \"Sonne\")"},
        {"Abweichung von Greenich", "24,5", "\"Abweichung von Greenich\" muss zwischen -24 "
                                            "und 24 liegen, nicht bei 24.5. (Seite \"Sonne\")"},
        {"geographische Länge", "-180", ""},
        {"geographische Breite", "90", ""},
    };
    for (const Fall& f : faelle) {
        Einstellungen e;
        const Einstellungen vorher = e;
        Optionsmodell m;
        m.Fuellen(e, ',');
        m.Wert(f.feld).text = f.text;
        const auto fehler = m.Uebernehmen(e, e.Standardfarben, ',');
        if (*f.meldung == 0) {
            EXPECT_FALSE(fehler) << *fehler;
            continue;
        }
        ASSERT_TRUE(fehler) << f.feld << " " << f.text;
        EXPECT_EQ(*fehler, f.meldung);
        EXPECT_EQ(e, vorher);
    }
    // A white stored for upcoming appointments is not taken over either.
    Einstellungen e;
    e.FarbeKommenderTermine = 0xFFFFFF;
    Optionsmodell m;
    m.Fuellen(e, ',');
    const auto fehler = m.Uebernehmen(e, e.Standardfarben, ',');
    ASSERT_TRUE(fehler);
    EXPECT_EQ(*fehler, "\"Farbe kommender Termine\" kann nicht die Farbe 0xFFFFFF (weiß) sein.");
    EXPECT_FALSE(optionsregeln::KommendeFarbeErlaubt(0xFFFFFF));
    EXPECT_TRUE(optionsregeln::KommendeFarbeErlaubt(0xFFFFFE));
}

TEST(Optionenseiten, StandardfarbenUndStandardschrift) {
    Einstellungen e;
    Optionsmodell m;
    m.Fuellen(e, ',');
    TFarbwerte legende = e.Standardfarben;
    legende[3] = 0x123456;
    EXPECT_TRUE(optionsregeln::AktuelleFarbenMoeglich(legende, e.Standardfarben));
    EXPECT_FALSE(optionsregeln::AktuelleFarbenMoeglich(e.Standardfarben, e.Standardfarben));
    EXPECT_FALSE(optionsregeln::OriginalfarbenMoeglich(e.Standardfarben, e.Standardfarben));
    EXPECT_TRUE(optionsregeln::OriginalfarbenMoeglich(legende, e.Standardfarben));

    m.Wert("aktuelleFarbe").haken = true;
    m.Wert("Standardschrift").haken = true;
    m.Wert("Ansichtsschrift").text = "Arial";
    ASSERT_FALSE(m.Uebernehmen(e, legende, ','));
    EXPECT_EQ(e.Standardfarben[3], 0x123456u);
    EXPECT_FALSE(e.aktuelleFarbe);
    EXPECT_FALSE(m.Wert("aktuelleFarbe").haken);
    EXPECT_EQ(e.Schriftname, "MS Sans Serif");
    EXPECT_EQ(e.Schriftgroesse, 8);
    EXPECT_FALSE(m.Wert("Standardschrift").haken);
    EXPECT_FALSE(optionsregeln::StandardschriftMoeglich(e.Schriftname, e.Schriftgroesse));

    m.Wert("Standard").haken = true;
    ASSERT_FALSE(m.Uebernehmen(e, legende, ','));
    EXPECT_EQ(e.Standardfarben, EingebauteStandardfarben());
    EXPECT_FALSE(e.Standard);
}

TEST(Optionenseiten, GekoppelteFelder) {
    using namespace optionsregeln;
    // Exactly one of a pair stays checked.
    EXPECT_TRUE(PaarKlick(true, 0, false));
    EXPECT_FALSE(PaarKlick(true, 1, true));
    EXPECT_FALSE(PaarKlick(false, 1, false));
    EXPECT_TRUE(PaarKlick(false, 0, true));
    // The timetable's first hour stays below the last.
    EXPECT_EQ(StundenKoppeln(20, 20, true), std::make_pair(19, 20));
    EXPECT_EQ(StundenKoppeln(7, 7, false), std::make_pair(7, 8));
    EXPECT_EQ(StundenKoppeln(23, 24, true), std::make_pair(23, 24));
    EXPECT_EQ(StundenKoppeln(0, 0, false), std::make_pair(0, 1));
    EXPECT_STREQ(Randbeschriftung(0).first, "Rand rechts:");
    EXPECT_STREQ(Randbeschriftung(1).second, "Rand oben:");
    EXPECT_STREQ(Randbeschriftung(2).first, "Rand links:");
    EXPECT_STREQ(Randbeschriftung(3).second, "Rand unten:");
    EXPECT_FALSE(KommendeFarbeErlaubt(0xFFFFFF));
    EXPECT_TRUE(KommendeFarbeErlaubt(0xFFFFFE));
    EXPECT_FALSE(FeiertagsfarbeErlaubt(0xE0E0E0, 0xE0E0E0, 0x0080FF));
    EXPECT_FALSE(FeiertagsfarbeErlaubt(0x0080FF, 0xE0E0E0, 0x0080FF));
    EXPECT_FALSE(FeiertagsfarbeErlaubt(0xFFFFFF, 0xE0E0E0, 0x0080FF));
    EXPECT_TRUE(FeiertagsfarbeErlaubt(0x00FF00, 0xE0E0E0, 0x0080FF));
    EXPECT_TRUE(StandardschriftMoeglich("MS Sans Serif", 9));
}

TEST(Optionenseiten, ToolbarStandardUndTrenner) {
    const ToolbarSichtbarkeit s = ToolbarStandard();
    int sichtbar = 0;
    for (bool b : s) sichtbar += b;
    EXPECT_EQ(sichtbar, 26);
    Einstellungen e;
    EXPECT_EQ(ToolbarAus(e), s);
    ToolbarSichtbarkeit ohneHilfe = s;
    ohneHilfe[34] = ohneHilfe[35] = false;
    ToolbarSetzen(e, ohneHilfe);
    EXPECT_FALSE(ToolbarTrennerSichtbar(ToolbarAus(e))[14]);
    EXPECT_TRUE(ToolbarTrennerSichtbar(ToolbarAus(e))[13]);

    SpeicherRegistry ablage;
    ToolbarSpeichern(ablage, e);
    Einstellungen neu;
    EinstellungenLaden(ablage, kUmgebung, neu);
    EXPECT_EQ(ToolbarAus(neu), ohneHilfe);
}

}  // namespace
}  // namespace kalvora
