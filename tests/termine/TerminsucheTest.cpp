#include "termine/Terminsuche.h"

#include <gtest/gtest.h>

namespace kalvora::test {
namespace {

TEST(Terminsuche, EinenTextDurchsuchen) {
    struct Fall { std::string text, such; std::size_t k; bool gross, ganz; std::size_t erwartet; };
    const std::vector<Fall> faelle = {
        {"Arzt und Arzt", "Arzt", 0, false, false, 1},
        {"Arzt und Arzt", "Arzt", 1, false, false, 10},
        {"Arzt und Arzt", "Arzt", 10, false, false, 0},
        {"beim arzt", "ARZT", 0, false, false, 6},
        {"beim arzt", "ARZT", 0, true, false, 0},
        {"Ärger", "ärger", 0, false, false, 0},  // only a-z are folded
        {"ärger", "ärger", 0, false, false, 1},
        {"Arzttermin Arzt", "Arzt", 0, false, true, 0},  // only the first occurrence counts
        {"Termin: Arzt.", "arzt", 0, false, true, 9},
        {"Arzt2", "Arzt", 0, false, true, 1},  // digits separate words
        {"Über Arzt", "Arzt", 0, false, true, 7},
        {"aaaa", "aa", 1, false, false, 3},     // no overlap with the previous hit
        {"", "x", 0, false, false, 0},
        {"abc", "", 0, false, false, 0},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(TextSuchen(f.text, f.such, f.k, f.gross, f.ganz), f.erwartet)
            << f.text << " / " << f.such << " ab " << f.k;
}

class Suche : public ::testing::Test {
protected:
    void SetUp() override {
        kal.Terminliste(2004, 3, 1) = {{"", "Zum Arzt#morgen"},
                                       {"10:00", "Arzt und Arzt", "Praxis"}};
        TTermin ort{"12:00", "Essen", "Arztpraxis Arzt"};
        kal.Terminliste(2004, 3, 2) = {{"", ""}, ort};
        kal.Terminliste(2005, 1, 1) = {{"", ""}, {"09:00", "Arzt", ""}};
        suche.Anzeigen(2004);
        suche.felder.text = "Arzt";
    }
    TKalender kal;
    Terminsuche suche;
};

TEST_F(Suche, TrefferFolgeUeberTexteUndTage) {
    struct Erwartet { int tag, eintrag; bool imOrt; int position; };
    std::vector<Erwartet> gefunden;
    auto t = suche.Ok(kal);
    while (t) {
        gefunden.push_back({t->tag, t->eintrag, t->imOrt, t->position});
        EXPECT_EQ(t->laenge, 4);
        t = suche.weitersuchen(kal);
    }
    const std::vector<Erwartet> erwartet = {{1, 0, false, 4}, {1, 1, false, 0},
                                            {1, 1, false, 9}, {2, 1, true, 0},
                                            {2, 1, true, 11}};
    ASSERT_EQ(gefunden.size(), erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        EXPECT_EQ(gefunden[i].tag, erwartet[i].tag) << i;
        EXPECT_EQ(gefunden[i].eintrag, erwartet[i].eintrag) << i;
        EXPECT_EQ(gefunden[i].imOrt, erwartet[i].imOrt) << i;
        EXPECT_EQ(gefunden[i].position, erwartet[i].position) << i;
    }
    // The 2005 hit lies outside the confirmed range.
    EXPECT_FALSE(suche.gefunden);
    EXPECT_FALSE(suche.weitersuchenAktiv);
    EXPECT_EQ(suche.NichtGefundenText(), "Suchtext \"Arzt\" nicht gefunden!");
}

TEST_F(Suche, BereicheUndJahre) {
    suche.felder.bereich = Suchbereich::Orte;
    auto t = suche.Ok(kal);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->tag, 2);
    EXPECT_TRUE(t->imOrt);
    suche.felder.bereich = Suchbereich::Beschreibungen;
    suche.felder.text = "Praxis";
    EXPECT_FALSE(suche.Ok(kal));
    suche.felder.text = "Arzt";
    suche.felder.von = 2005;
    suche.felder.bis = 1990;  // corrected to "von"
    t = suche.Ok(kal);
    EXPECT_EQ(suche.bestaetigt.bis, 2005);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->jahr, 2005);
    suche.felder.text = "anders";
    suche.Abbrechen();
    EXPECT_EQ(suche.felder, suche.bestaetigt);
    EXPECT_FALSE(suche.gefunden);
}

TEST_F(Suche, LeererSuchtextFindetNichts) {
    suche.felder.text = "";
    EXPECT_FALSE(suche.Ok(kal));
    EXPECT_FALSE(suche.weitersuchen(kal));
}

TEST_F(Suche, PositionenInZeichen) {
    kal.Terminliste(2010, 6, 1) = {{"", "Übermorgen#Arzt"}};
    suche.felder.von = suche.felder.bis = 2010;
    const auto t = suche.Ok(kal);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->position, 11);  // "Ü" is one character, '#' another
}

}  // namespace
}  // namespace kalvora::test
