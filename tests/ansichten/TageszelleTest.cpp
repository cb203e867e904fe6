#include "ansichten/Tageszelle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvora {
namespace {

using Art = Zellenzeile::Art;

class TageszelleTest : public ::testing::Test {
protected:
    TageszelleTest() {
        kal.Farbnamen[1] = "Urlaub";
        kal.Farbwerte[1] = 0x00FFFF;  // yellow
    }
    // An info text and appointments on 15.06.2009 (a Monday).
    void Tag(const std::string& info, std::vector<TTermin> termine, bool farbe = false) {
        TTerminliste& l = kal.Terminliste(2009, 6, 15);
        l.assign(1, TTermin{});
        l[0].Beschreibung = info;
        for (TTermin& t : termine) l.push_back(std::move(t));
        if (farbe) kal.Tagesfarben(2009, 6, 15) = {0x00FFFF};
    }
    static TTermin Termin(const char* zeit, const char* text, int dauer = 0,
                          uint32_t farbe = KeineFarbe, const char* ort = "") {
        TTermin t;
        t.Uhrzeit = zeit;
        t.Beschreibung = text;
        t.Dauer = dauer;
        t.Farbe = farbe;
        t.Ort = ort;
        return t;
    }
    std::vector<std::string> Texte(const Tageszelleninhalt& z) const {
        std::vector<std::string> t;
        for (const Zellenzeile& l : z.zeilen) t.push_back(l.text);
        return t;
    }
    Tageszelleninhalt Zelle(bool mitWochentag = true) const {
        return TageszelleFuellen(kal, o, {15, 6, 2009}, mitWochentag);
    }

    TKalender kal;
    Zellenoptionen o;
};

TEST_F(TageszelleTest, KopfzeileNachDenSchaltern) {
    Tag("", {}, true);
    EXPECT_EQ(Zelle().zeilen[0].text, "Montag, 15.06.2009   Urlaub");
    EXPECT_EQ(Zelle(false).zeilen[0].text, "15.06.2009   Urlaub");
    o.datum = false;
    EXPECT_EQ(Zelle().zeilen[0].text, "Montag Urlaub");
    o.wochentag = false;
    o.farbname = false;
    EXPECT_EQ(Zelle().zeilen[0].text, "");
    EXPECT_EQ(Kopfvorsatz(o, {15, 6, 2009}), "");
}

TEST_F(TageszelleTest, InfotextGeteiltUndLeerzeile) {
    Tag("eins##drei#", {});
    EXPECT_EQ(Texte(Zelle()),
              (std::vector<std::string>{"Montag, 15.06.2009   ", "eins", "", "drei", ""}));
    Tag("ohne Trenner", {});
    EXPECT_EQ(Texte(Zelle()).size(), 3u);
    // An empty info text: one empty line, or none.
    Tag("", {});
    EXPECT_EQ(Texte(Zelle()), (std::vector<std::string>{"Montag, 15.06.2009   ", "", ""}));
    o.leerzeileOhneInfo = false;
    EXPECT_EQ(Texte(Zelle()), (std::vector<std::string>{"Montag, 15.06.2009   ", ""}));
    // A day without any list adds nothing but the closing line.
    kal.Terminliste(2009, 6, 15).clear();
    o.leerzeileOhneInfo = true;
    EXPECT_EQ(Texte(Zelle()), (std::vector<std::string>{"Montag, 15.06.2009   ", ""}));
    EXPECT_FALSE(Zelle().fett);
}

TEST_F(TageszelleTest, TerminzeilenMitZeitEndeDauerUndOrt) {
    Tag("", {Termin("09:00", "Arzt", 90, KeineFarbe, "Praxis")});
    EXPECT_EQ(Texte(Zelle())[2], "09:00-10:30   Arzt    Praxis");
    o.terminlaenge = true;
    o.ortsangabe = true;
    EXPECT_EQ(Texte(Zelle())[2], "09:00-10:30   Arzt (01:30h)    Ort: Praxis");
    o.ortZweiteZeile = true;
    o.terminende = false;
    EXPECT_EQ(Texte(Zelle())[2], "09:00   Arzt (01:30h)");
    EXPECT_EQ(Texte(Zelle())[3], "  Ort: Praxis");
    o.uhrzeit = false;
    o.leerzeilenZwischenTerminen = true;
    EXPECT_EQ(Texte(Zelle()),
              (std::vector<std::string>{"Montag, 15.06.2009   ", "", "Arzt (01:30h)",
                                        "  Ort: Praxis", "", ""}));
}

TEST_F(TageszelleTest, FarbenHintergrundUndFett) {
    Tag("", {Termin("09:00", "gelb", 0, 0x00FFFF), Termin("10:00", "rot", 0, 0x0000FF),
             Termin("11:00", "ohne")},
        true);
    Tageszelleninhalt z = Zelle();
    EXPECT_EQ(z.hintergrund, 0x00FFFFu);
    EXPECT_TRUE(z.fett);
    // The colour of the background turns into its complement, others stay.
    EXPECT_EQ(z.zeilen[2], (Zellenzeile{"09:00-09:00   gelb", Art::Schriftfarbe, 0xFF0000}));
    EXPECT_EQ(z.zeilen[3], (Zellenzeile{"10:00-10:00   rot", Art::Schriftfarbe, 0x0000FF}));
    EXPECT_EQ(z.zeilen[4].art, Art::Normal);
    EXPECT_EQ(z.zeilen.back(), Zellenzeile{});
    // As line background the colour stays as it is.
    o.schriftfarbeAendern = false;
    z = Zelle();
    EXPECT_EQ(z.zeilen[2], (Zellenzeile{"09:00-09:00   gelb", Art::Hintergrund, 0x00FFFF}));
    o.schriftfarbenuebernahme = false;
    EXPECT_EQ(Zelle().zeilen[2].art, Art::Normal);
    o.hintergrundfarbe = false;
    EXPECT_EQ(Zelle().hintergrund, ZellenWeiss);
    o.fett = false;
    EXPECT_FALSE(Zelle().fett);

    // Only an info entry: bold only with "Fett bei Tagesinfotext".
    Tag("Notiz", {});
    o.fett = true;
    EXPECT_FALSE(Zelle().fett);
    o.fettBeiTagesinfo = true;
    EXPECT_TRUE(Zelle().fett);
}

TEST_F(TageszelleTest, GeburtstagszeileUndTageAusserhalbDesKalenders) {
    kal.Geburtstagsliste = {{"Muster", "Anna", DatumWert(15, 6, 1980), KeinDatum}};
    Tag("", {});
    o.geburtstagstext = true;
    const Tageszelleninhalt z = Zelle();
    ASSERT_GE(z.zeilen.size(), 2u);
    EXPECT_EQ(z.zeilen[1].text.rfind("Geburtstag: ", 0), 0u) << z.zeilen[1].text;

    const Tageszelleninhalt rand = TageszelleFuellen(kal, o, {31, 12, 1900}, true);
    EXPECT_FALSE(rand.frei);
    EXPECT_EQ(Texte(rand), std::vector<std::string>{"Montag, 31.12.1900   "});

    EXPECT_EQ(ZelleAlsText(Zelle()).substr(0, 32), "Hintergrund: FFFFFF  Fett: nein\n");
    EXPECT_EQ(RgbText(0x0000FF), "FF0000");
    EXPECT_EQ(NormaleSchriftfarbe(0x000000), 0xFFFFFFu);
    EXPECT_EQ(NormaleSchriftfarbe(0xFF0000), 0xFFFFFFu);  // dark blue
    EXPECT_EQ(NormaleSchriftfarbe(0x00FFFF), 0u);
}

}  // namespace
}  // namespace kalvora
