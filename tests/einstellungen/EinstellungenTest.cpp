// Loading and saving the settings record through the in-memory store.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "doubles/EinstellungenMuster.h"
#include "doubles/SpeicherRegistry.h"
#include "einstellungen/Einstellungen.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

const Einstellungsumgebung kUmgebung{1024, 768, 2024};

std::string ZweiStellen(int k) { return (k < 10 ? "0" : "") + std::to_string(k); }

std::vector<const Werttabelle<Einstellungen>*> AlleTabellen() {
    return {&HauptschluesselWerte(), &FeiertagsWerte(), &ToolbarWerte(), &LetzteDateienWerte()};
}

const void* Adresse(Feldzeiger f) {
    return std::visit([](auto* p) -> const void* { return p; }, f);
}

TEST(Einstellungen, TabellenDeckenJedenWertGenauEinmalAb) {
    EXPECT_EQ(HauptschluesselWerte().size(), 130u);
    EXPECT_EQ(FeiertagsWerte().size(), 64u);
    EXPECT_EQ(ToolbarWerte().size(), 39u);
    EXPECT_EQ(LetzteDateienWerte().size(), 10u);
    Einstellungen e;
    std::set<const void*> felder;
    std::set<std::string> namen;
    for (const auto* t : AlleTabellen()) {
        for (const auto& z : *t) {
            EXPECT_TRUE(felder.insert(Adresse(z.feld(e))).second) << z.name;
            EXPECT_TRUE(namen.insert(z.name).second) << z.name;
        }
    }
    // Spot checks of names that are easy to get wrong.
    for (const char* n : {"Farbe01", "Farbe20", "Schriftgröße Monatstage", "Stdplantageshöhe",
                          "Druckschriftgrösse", "Vollbild ohne Menü", "Abweichung von Greenich",
                          "Ansichten mit Scollleisten", "scharzer Rahmen blinkend",
                          "Destopansicht transparent", "Farbe der Feiertage32",
                          "Malen der Feiertage01", "Toolbutton39", "Datei 10"})
        EXPECT_EQ(namen.count(n), 1u) << n;
}

TEST(Einstellungen, LeereRegistryGibtStandardUndSchreibtNurDieVorgesehenenWerte) {
    SpeicherRegistry r;
    Einstellungen e = EinstellungenVerstellt(kUmgebung);
    EinstellungenLaden(r, kUmgebung, e);
    EXPECT_EQ(e, EinstellungenStandard(kUmgebung));

    std::vector<std::string> farben;
    for (int k = 1; k <= 20; ++k) farben.push_back("Farbe" + ZweiStellen(k));
    EXPECT_EQ(r.Wertnamen(HauptSchluessel), farben);
    const TFarbwerte standardfarben = EingebauteStandardfarben();
    for (int k = 1; k <= 20; ++k)
        EXPECT_EQ(r.Lesen(HauptSchluessel, farben[k - 1]),
                  Registrywert(static_cast<int32_t>(standardfarben[k])));

    EXPECT_EQ(r.Wertnamen(FeiertageSchluessel).size(), 64u);
    const TFeiertagsEinstellungen feiertage = FeiertagsStandard();
    for (int k = 1; k <= 32; ++k) {
        const std::string n = ZweiStellen(k);
        EXPECT_EQ(r.Lesen(FeiertageSchluessel, "Farbe der Feiertage" + n),
                  Registrywert(static_cast<int32_t>(feiertage[k].farbe)));
        EXPECT_EQ(r.Lesen(FeiertageSchluessel, "Malen der Feiertage" + n),
                  Registrywert(int32_t{feiertage[k].malen ? 1 : 0}));
    }

    EXPECT_EQ(r.Wertnamen(LetzteDateienSchluessel).size(), 10u);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(r.Lesen(LetzteDateienSchluessel, "Datei " + ZweiStellen(k)),
                  Registrywert(std::string()));
    EXPECT_TRUE(r.Wertnamen("Software\\Kalvora\\Toolbar").empty());
    EXPECT_EQ(r.Schreibvorgaenge(), 20 + 64 + 10);

    // Loading again changes nothing.
    EinstellungenLaden(r, kUmgebung, e);
    EXPECT_EQ(r.Schreibvorgaenge(), 20 + 64 + 10);
}

TEST(Einstellungen, StandardwerteDerTabellen) {
    const Einstellungen e = EinstellungenStandard(kUmgebung);
    EXPECT_TRUE(e.aktjahr);
    EXPECT_EQ(e.startjahr, 2024);
    EXPECT_EQ(e.Autostartansicht, 7);
    EXPECT_EQ(e.SASOFarbeInDerJahresansicht, 0xE0E0E0u);
    EXPECT_EQ(e.SASOFarbeBeimDrucken, 0xF8F8F8u);
    EXPECT_EQ(e.FarbeVergangenerTermine, 0x959595u);
    EXPECT_EQ(e.Darstellung, 1);
    EXPECT_EQ(e.geographischeLaenge, 7.6333);
    EXPECT_EQ(e.geographischeBreite, 51.9667);
    EXPECT_EQ(e.AbweichungVonGreenich, 1.0);
    EXPECT_EQ(e.TermindauerMinuten, 30);
    EXPECT_EQ(e.Schriftname, "MS Sans Serif");
    EXPECT_EQ(e.Druckschrift, "Times New Roman");
    EXPECT_EQ(e.Timerintervall, 70);
    EXPECT_EQ(e.runderGeburtstagszahl, 20);
    EXPECT_EQ(e.HintergrundfarbeDerStundenplanansicht, 0xFFFFFEu);
    EXPECT_FALSE(e.TerminStunden.has_value());
    EXPECT_FALSE(e.TerminMinuten.has_value());
    EXPECT_EQ(e.Standardfarben, EingebauteStandardfarben());
    EXPECT_EQ(e.Feiertage, FeiertagsStandard());
    // A fresh installation shows 26 tool buttons, "Speichern unter" (4) not among them.
    EXPECT_EQ(std::count(e.Toolbutton.begin() + 1, e.Toolbutton.end(), true), 26);
    EXPECT_TRUE(e.Toolbutton[3]);
    EXPECT_FALSE(e.Toolbutton[4]);
    EXPECT_TRUE(e.Toolbutton[39]);
}

TEST(Einstellungen, FensterStandardHaengtVomBildschirmAb) {
    struct Fall {
        int breite, hoehe, oben, links;
    };
    for (const Fall f : {Fall{1024, 768, 184, 212}, Fall{1920, 1080, 340, 660},
                         Fall{800, 600, 100, 100}}) {
        SpeicherRegistry r;
        Einstellungen e;
        EinstellungenLaden(r, {f.breite, f.hoehe, 2024}, e);
        EXPECT_EQ(e.Windowtop, f.oben) << f.breite;
        EXPECT_EQ(e.Windowleft, f.links) << f.breite;
        EXPECT_EQ(e.WindowWidth, 600);
        EXPECT_EQ(e.WindowHeight, 400);
    }
}

TEST(Einstellungen, JederWertUeberlebtSpeichernUndLaden) {
    const Einstellungen verstellt = EinstellungenVerstellt(kUmgebung);
    ASSERT_NE(verstellt, EinstellungenStandard(kUmgebung));
    SpeicherRegistry r;
    EinstellungenSpeichern(r, verstellt);
    EinstellungenBeimBeendenSpeichern(r, verstellt);
    TabelleSpeichern(r, "Software\\Kalvora\\Toolbar", ToolbarWerte(), verstellt);
    TabelleSpeichern(r, LetzteDateienSchluessel, LetzteDateienWerte(), verstellt);

    Einstellungen geladen;
    EinstellungenLaden(r, {1920, 1200, 1999}, geladen);
    EXPECT_EQ(geladen, verstellt);
}

TEST(Einstellungen, OptionenUndBeendenSchreibenGetrennteWerte) {
    const std::set<std::string> beimBeenden = {
        "Windowstatus der Ansichten", "Windowtop", "Windowleft", "WindowWidth",
        "WindowHeight",  "TerminStunden", "TerminMinuten"};
    Einstellungen e = EinstellungenStandard(kUmgebung);
    e.TerminStunden = 9;
    e.TerminMinuten = 45;

    SpeicherRegistry optionen;
    EinstellungenSpeichern(optionen, e);
    const auto namen = optionen.Wertnamen(HauptSchluessel);
    EXPECT_EQ(namen.size(), 130u - beimBeenden.size());
    for (const auto& n : namen) EXPECT_EQ(beimBeenden.count(n), 0u) << n;
    EXPECT_EQ(optionen.Wertnamen(FeiertageSchluessel).size(), 64u);
    EXPECT_TRUE(optionen.Wertnamen(LetzteDateienSchluessel).empty());
    EXPECT_TRUE(optionen.Wertnamen("Software\\Kalvora\\Toolbar").empty());

    SpeicherRegistry beenden;
    EinstellungenBeimBeendenSpeichern(beenden, e);
    const auto b = beenden.Wertnamen(HauptSchluessel);
    EXPECT_EQ(std::set<std::string>(b.begin(), b.end()), beimBeenden);
    EXPECT_EQ(beenden.Lesen(HauptSchluessel, "TerminMinuten"), Registrywert(int32_t{45}));

    // Without a remembered editor time nothing is written for it.
    SpeicherRegistry ohne;
    EinstellungenBeimBeendenSpeichern(ohne, EinstellungenStandard(kUmgebung));
    EXPECT_FALSE(ohne.Existiert(HauptSchluessel, "TerminStunden"));
}

// A value of the wrong type stops the loading: what was read before stays, the rest keeps
// its default, and the message names key and value.
TEST(Einstellungen, FalscherTypBrichtLadenAb) {
    struct Fall {
        std::string schluessel, name;
        Registrywert wert;
    };
    const Fall faelle[] = {
        {HauptSchluessel, "Stunden", std::string("acht")},
        {HauptSchluessel, "Startdatei", int32_t{1}},
        {HauptSchluessel, "geographische Länge", int32_t{7}},
        {HauptSchluessel, "geographische Breite", Binaerwert{1, 2, 3, 4}},
        {HauptSchluessel, "Farbe07", Binaerwert{0, 0, 0, 0, 0, 0, 0, 0}},
        {HauptSchluessel, "Fett", Fremdwert{}},
        {FeiertageSchluessel, "Malen der Feiertage05", std::string("ja")},
        {LetzteDateienSchluessel, "Datei 03", int32_t{3}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        SpeicherRegistry r;
        // Stored before every faulty value, and after it.
        r.Schreiben(HauptSchluessel, "aktjahr", int32_t{0});
        r.Schreiben(LetzteDateienSchluessel, "Datei 10", std::string("spaet.kvr"));
        r.Schreiben(f.schluessel, f.name, f.wert);

        Einstellungen e;
        try {
            EinstellungenLaden(r, kUmgebung, e);
            ADD_FAILURE() << "kein Fehler";
        } catch (const KalvoraFehler& fehler) {
            const std::string text = fehler.what();
            EXPECT_NE(text.find("\"" + f.name + "\""), std::string::npos) << text;
            EXPECT_NE(text.find("\"" + f.schluessel + "\""), std::string::npos) << text;
        }
        EXPECT_FALSE(e.aktjahr);
        EXPECT_EQ(e.LetzteDateien[10], "");
        Einstellungen standard = EinstellungenStandard(kUmgebung);
        EXPECT_EQ(e.Stunden, standard.Stunden);
        EXPECT_EQ(e.Startdatei, standard.Startdatei);
        EXPECT_EQ(e.Standardfarben[7], standard.Standardfarben[7]);
        EXPECT_EQ(e.Feiertage[5], standard.Feiertage[5]);
    }

    // Values written back before the fault are in the store, later ones are not.
    SpeicherRegistry r;
    r.Schreiben(FeiertageSchluessel, "Farbe der Feiertage05", std::string("rot"));
    Einstellungen e;
    EXPECT_THROW(EinstellungenLaden(r, kUmgebung, e), KalvoraFehler);
    EXPECT_EQ(r.Wertnamen(HauptSchluessel).size(), 20u);
    EXPECT_TRUE(r.Existiert(FeiertageSchluessel, "Malen der Feiertage04"));
    EXPECT_FALSE(r.Existiert(FeiertageSchluessel, "Malen der Feiertage05"));
    EXPECT_TRUE(r.Wertnamen(LetzteDateienSchluessel).empty());
}

// Hand-edited numbers outside what the options allow are pulled into range, so no window
// gets a zero timer interval or an impossible row count.
TEST(Einstellungen, ZahlenAusserhalbDesBereichsWerdenBegrenzt) {
    struct Fall {
        const char* name;
        int32_t gespeichert;
        int32_t Einstellungen::*feld;
        int32_t erwartet;
    };
    const Fall faelle[] = {
        {"Timerintervall", 0, &Einstellungen::Timerintervall, 1},
        {"Timerintervall", 99999, &Einstellungen::Timerintervall, 1000},
        {"sichtbare Termineinträge", 100, &Einstellungen::sichtbareTermineintraege, 12},
        {"startjahr", 3000, &Einstellungen::startjahr, 2099},
        {"startjahr", -5, &Einstellungen::startjahr, 1901},
        {"Darstellung", 6, &Einstellungen::Darstellung, 5},
        {"Stdplantagesbreite", 50, &Einstellungen::Stdplantagesbreite, 200},
        {"Alarmwiederholungsminuten", 0, &Einstellungen::Alarmwiederholungsminuten, 1},
        {"Stunden", 23, &Einstellungen::Stunden, 23},
        {"Windowtop", -3000, &Einstellungen::Windowtop, -3000},  // no range: off-screen is allowed
        // A damaged view number means the year view, never the tray (7) that hides the
        // program at start.
        {"Startansicht", 9, &Einstellungen::Startansicht, 0},
        {"Startansicht", -1, &Einstellungen::Startansicht, 0},
        {"Autostartansicht", 9, &Einstellungen::Autostartansicht, 0},
        {"Autostartansicht", 7, &Einstellungen::Autostartansicht, 7},
    };
    for (const auto& f : faelle) {
        SpeicherRegistry r;
        r.Schreiben(HauptSchluessel, f.name, f.gespeichert);
        Einstellungen e;
        EinstellungenLaden(r, kUmgebung, e);
        EXPECT_EQ(e.*f.feld, f.erwartet) << f.name << " " << f.gespeichert;
    }
    SpeicherRegistry r;
    r.Schreiben(HauptSchluessel, "TerminMinuten", int32_t{75});
    Einstellungen e;
    EinstellungenLaden(r, kUmgebung, e);
    EXPECT_EQ(e.TerminMinuten, 59);
}

// Whatever a settings file holds, loading either succeeds or reports a KalvoraFehler.
TEST(Einstellungen, ZufaelligerInhaltFuehrtNieZuAbsturz) {
    std::mt19937 zufall(20240229);
    int fehler = 0;
    for (int runde = 0; runde < 300; ++runde) {
        SpeicherRegistry r;
        const std::pair<const char*, const Werttabelle<Einstellungen>*> schluessel[] = {
            {HauptSchluessel, &HauptschluesselWerte()},
            {FeiertageSchluessel, &FeiertagsWerte()},
            {"Software\\Kalvora\\Toolbar", &ToolbarWerte()},
            {LetzteDateienSchluessel, &LetzteDateienWerte()}};
        for (const auto& [pfad, tabelle] : schluessel) {
            for (const auto& z : *tabelle) {
                // Most values fitting, a few of any kind.
                switch (zufall() % 40) {
                case 0: r.Schreiben(pfad, z.name, std::string("Unsinn\x01")); break;
                case 1: r.Schreiben(pfad, z.name, Binaerwert(zufall() % 12, 0xFF)); break;
                case 2: r.Schreiben(pfad, z.name, Fremdwert{}); break;
                case 3: r.Schreiben(pfad, z.name, static_cast<int32_t>(zufall())); break;
                case 4: r.Schreiben(pfad, z.name, std::to_string(int32_t(zufall()))); break;
                default: break;
                }
            }
        }
        Einstellungen e;
        try {
            EinstellungenLaden(r, kUmgebung, e);
        } catch (const KalvoraFehler&) {
            ++fehler;
        }
        for (const auto& z : HauptschluesselWerte()) {
            if (const Feldzeiger f = z.feld(e); std::holds_alternative<int32_t*>(f)) {
                EXPECT_TRUE(*std::get<int32_t*>(f) >= z.min && *std::get<int32_t*>(f) <= z.max)
                    << z.name;
            }
        }
    }
    EXPECT_GT(fehler, 0);
}

TEST(Einstellungen, HauptwerteAlsText) {
    Einstellungen e = EinstellungenStandard(kUmgebung);
    e.Startdatei = "C:\\Kalender\\privat.kvr";
    const auto liste = HauptwerteAlsText(e);
    ASSERT_EQ(liste.size(), 130u);
    EXPECT_EQ(liste.front(), (std::pair<std::string, std::string>{"aktjahr", "1"}));
    auto wert = [&](const std::string& name) {
        for (const auto& [n, w] : liste)
            if (n == name) return w;
        return std::string("?");
    };
    EXPECT_EQ(wert("startjahr"), "2024");
    EXPECT_EQ(wert("Startdatei"), "C:\\Kalender\\privat.kvr");
    EXPECT_EQ(wert("SA SO Farbe in der Jahresansicht"), "0xE0E0E0");
    EXPECT_EQ(wert("Farbe02"), "0x0000FF");
    EXPECT_EQ(wert("geographische Länge"), "7.6333");
    EXPECT_EQ(wert("TerminStunden"), "(fehlt)");
}

}  // namespace
}  // namespace kalvora
