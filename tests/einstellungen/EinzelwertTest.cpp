#include "einstellungen/Einzelwert.h"

#include <gtest/gtest.h>

#include "doubles/SpeicherRegistry.h"
#include "einstellungen/Einstellungen.h"
#include "einstellungen/Schreibschutzablage.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

const Einstellungsumgebung kUmgebung{};

TEST(Einzelwert, LesenUndSchreibenNachDemTypDerTabelle) {
    SpeicherRegistry r;
    // Missing: the default, and reading writes nothing back.
    EXPECT_EQ(EinzelwertLesen(r, kUmgebung, "Druckschrift"), "Times New Roman");
    EXPECT_EQ(EinzelwertLesen(r, kUmgebung, "Schreibschutz/Art"), "0");
    EXPECT_TRUE(r.Wertnamen(HauptSchluessel).empty());

    const std::pair<const char*, const char*> faelle[] = {
        {"Druckschriftgrösse", "14"},  {"Termine farbig drucken", "0"},
        {"Druckschrift", "Liberation Serif"}, {"SA SO Farbe beim Drucken", "0x00FF00"},
        {"Schreibschutz/Intervall", "5"}, {"Schreibschutz/autosave", "1"},
    };
    for (const auto& [name, wert] : faelle) {
        EinzelwertSchreiben(r, kUmgebung, name, wert);
        EXPECT_EQ(EinzelwertLesen(r, kUmgebung, name), wert) << name;
    }
    // The program reads the same values.
    Einstellungen e;
    EinstellungenLaden(r, kUmgebung, e);
    EXPECT_EQ(e.Druckschriftgroesse, 14);
    EXPECT_FALSE(e.TermineFarbigDrucken);
    EXPECT_EQ(e.SASOFarbeBeimDrucken, 0x00FF00u);
    Schreibschutzoptionen o;
    SchreibschutzoptionenLaden(r, o);
    EXPECT_EQ(o.Intervall, 5);
    EXPECT_TRUE(o.autosave);
    // Yes/no and a decimal comma are understood.
    EinzelwertSchreiben(r, kUmgebung, "Termine farbig drucken", "ja");
    EXPECT_EQ(EinzelwertLesen(r, kUmgebung, "Termine farbig drucken"), "1");
}

TEST(Einzelwert, FalscheAngabenSchreibenNichts) {
    SpeicherRegistry r;
    const std::pair<const char*, const char*> faelle[] = {
        {"gibt es nicht", "1"},           {"Schreibschutz/gibt es nicht", "1"},
        {"Unbekannt/Druckschrift", "x"},  {"Druckschriftgrösse", "zwölf"},
        {"Termine farbig drucken", "vielleicht"}, {"Timerintervall", "0"},
        {"SA SO Farbe beim Drucken", "0x1000000"}, {"Startansicht", "9"},
    };
    for (const auto& [name, wert] : faelle) {
        EXPECT_THROW(EinzelwertSchreiben(r, kUmgebung, name, wert), KalvoraFehler) << name;
    }
    EXPECT_TRUE(r.Wertnamen(HauptSchluessel).empty());
    EXPECT_THROW(EinzelwertLesen(r, kUmgebung, "gibt es nicht"), KalvoraFehler);
}

}  // namespace
}  // namespace kalvora
