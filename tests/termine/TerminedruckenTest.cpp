#include "termine/Terminedrucken.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "doubles/AufzeichnendeLeinwand.h"
#include "doubles/TestDrucker.h"
#include "methoden/Fehler.h"
#include "platform/Druckrahmen.h"

namespace kalvora {
namespace {

using test::AufzeichnendeLeinwand;
using test::Zeichenart;

// The test printer with the texts of the job and the counts of its calls.
struct Papier : test::TestDrucker {
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& z : leinwand.Alle(Zeichenart::Text)) t.push_back(z.text);
        return t;
    }
    int Aufrufe(const std::string& was) const {
        return static_cast<int>(std::count(ablauf.begin(), ablauf.end(), was));
    }
};

using Status = test::TestDruckstatus;

class TerminedruckenTest : public ::testing::Test {
protected:
    TKalender kal;
    Einstellungen einst = Einstellungen();
    Papier papier;
    Status status;
    int Drucken(const Datum& a, const Datum& b) {
        TTerminlistendruck job(kal, einst);
        return job.drucken(papier, status, a, b);
    }
    int Anzahl(const std::string& text) const {
        const auto t = papier.Texte();
        return static_cast<int>(std::count(t.begin(), t.end(), text));
    }
};

TEST(Listenseite, RaenderAusDerSeitengroesse) {
    const Listenseite s = Listenseite::Aus(4960, 7016);
    EXPECT_EQ(s.links, 84);
    EXPECT_EQ(s.rechts, 84);
    EXPECT_EQ(s.oben, 275);
    EXPECT_EQ(s.unten, 275);
    EXPECT_EQ(s.breite, 4960 - 168);
}

TEST(Terminedrucken, ZeilenEinesEintrags) {
    Einstellungen e = Einstellungen();
    e.TerminlaengeAnzeigen = true;
    e.Ortsangabe = true;
    const TTermin arzt{"09:00", "Zahnarzt", "Praxis", "", "", 90};
    Eintragstext x = EintragDrucktext(arzt, false, e);
    EXPECT_EQ(x.zeile1, "09:00-10:30  Zahnarzt (01:30h)     Ort: Praxis");
    EXPECT_EQ(x.zeile2, "");
    e.BeschreibungUndOrtInZweiZeilen = true;
    x = EintragDrucktext(arzt, false, e);
    EXPECT_EQ(x.zeile1, "09:00-10:30  Zahnarzt (01:30h)");
    EXPECT_EQ(x.zeile2, "Ort: Praxis");
    EXPECT_EQ(x.einzug, "09:00-10:30  ");
    e.keineUhrzeitAnzeigen = false;  // despite its name: no times
    e.TerminendeAnzeigen = false;
    e.BeschreibungUndOrtInZweiZeilen = false;
    e.Ortsangabe = false;
    EXPECT_EQ(EintragDrucktext(arzt, false, e).zeile1, "Zahnarzt (01:30h)     Praxis");

    TTermin info;
    info.Beschreibung = "Arzt#Einkauf";
    EXPECT_EQ(EintragDrucktext(info, true, e).zeile1, "Arzt, Einkauf");
    info.Beschreibung.clear();
    e.LeerzeileWennKeineTagesinfo = true;
    EXPECT_EQ(EintragDrucktext(info, true, e).zeile1, " ");
    e.LeerzeileWennKeineTagesinfo = false;
    EXPECT_EQ(EintragDrucktext(info, true, e).zeile1, "");
}

TEST(Terminedrucken, UmbruchAnLeerzeichen) {
    const auto breite = [](const std::string& t) { return static_cast<int>(t.size()); };
    using V = std::vector<std::string>;
    EXPECT_EQ(ZeileUmbrechen("kurz", 10, breite), V{"kurz"});
    EXPECT_EQ(ZeileUmbrechen("aaa bbb ccc ddd", 10, breite), (V{"aaa bbb", "ccc ddd"}));
    // Runs of blanks are kept: they are empty words.
    EXPECT_EQ(ZeileUmbrechen("aa  bb   cc", 8, breite), (V{"aa  bb ", " cc"}));
    // A word wider than the line stands alone.
    EXPECT_EQ(ZeileUmbrechen("a Donaudampfschiff b", 6, breite),
              (V{"a", "Donaudampfschiff", "b"}));
    const std::string lang =
        "Besprechung der Jahresplanung mit allen Abteilungen und ausserordentlich "
        "langen Wortungetuemen am Ende";
    for (int w : {5, 12, 20, 33}) {
        for (const std::string& z : ZeileUmbrechen(lang, w, breite))
            EXPECT_TRUE(breite(z) < w || z.find(' ') == std::string::npos) << w << ": " << z;
    }
}

// Breaking a line as if every candidate line were measured whole, for comparison.
std::vector<std::string> JedeZeileGemessen(const std::string& zeile, int verfuegbar,
                                           const std::function<int(const std::string&)>& b) {
    if (b(zeile) < verfuegbar) return {zeile};
    std::vector<std::string> woerter;
    for (std::size_t start = 0;;) {
        const std::size_t leer = zeile.find(' ', start);
        woerter.push_back(zeile.substr(start, leer == std::string::npos ? leer : leer - start));
        if (leer == std::string::npos) break;
        start = leer + 1;
    }
    std::vector<std::string> zeilen{woerter[0]};
    for (std::size_t i = 1; i < woerter.size(); ++i) {
        if (b(zeilen.back() + " " + woerter[i]) < verfuegbar)
            zeilen.back() += " " + woerter[i];
        else
            zeilen.push_back(woerter[i]);
    }
    return zeilen;
}

// A width that is not the sum of its words' widths (as with kerning): a blank before a
// capital takes less room. The lines are the same as if each candidate were measured.
TEST(Terminedrucken, UmbruchWieGemessenAuchMitUnterschneidung) {
    const auto breite = [](const std::string& t) {
        int b = 0;
        for (std::size_t i = 0; i < t.size(); ++i)
            b += (t[i] == ' ' && i + 1 < t.size() && t[i + 1] >= 'A' && t[i + 1] <= 'Z') ? 2 : 6;
        return b;
    };
    std::string text;
    unsigned zufall = 7;
    for (int i = 0; i < 3000; ++i) {
        zufall = zufall * 1103515245u + 12345u;
        const int n = static_cast<int>(zufall >> 16) % 9;
        text += (zufall >> 8) % 3 == 0 ? "Ab" : "ab";
        text += std::string(static_cast<std::size_t>(n), 'c') + " ";
    }
    for (int w : {40, 61, 97, 200, 333})
        EXPECT_EQ(ZeileUmbrechen(text, w, breite), JedeZeileGemessen(text, w, breite)) << w;
}

// A description of megabytes, in words or as one word, is never measured whole: each
// measurement is about one line long.
TEST(Terminedrucken, LangeZeilenWerdenNichtGanzGemessen) {
    std::size_t laengste = 0;
    const auto breite = [&laengste](const std::string& t) {
        laengste = std::max(laengste, t.size());
        return static_cast<int>(t.size()) * 6;
    };
    std::string woerter;
    while (woerter.size() < 2'000'000)
        woerter += "Wort" + std::to_string(woerter.size() % 97) + " ";
    const auto zeilen = ZeileUmbrechen(woerter, 600, breite);
    EXPECT_LE(laengste, 700u);
    EXPECT_GT(zeilen.size(), 15'000u);
    for (const std::string& z : zeilen) EXPECT_LT(breite(z), 600);

    laengste = 0;
    const std::string einWort = "a " + std::string(3'000'000, 'x') + " b";
    const auto drei = ZeileUmbrechen(einWort, 600, breite);
    EXPECT_LE(laengste, 700u);
    ASSERT_EQ(drei.size(), 3u);  // the long word alone on its line
    EXPECT_EQ(drei[1].size(), 3'000'000u);
}

// Without any day that has a list, each copy is one page with its furniture; the second
// copy starts on a new page numbered 1.
TEST_F(TerminedruckenTest, OhneTermineNurDerSeitenrahmen) {
    papier.kopien = 2;
    EXPECT_EQ(Drucken({1, 1, 2004}, {31, 1, 2004}), 2);
    EXPECT_EQ(papier.Aufrufe("NeueSeite"), 1);
    EXPECT_EQ(papier.Aufrufe("Beenden"), 1);
    EXPECT_EQ(papier.Ausrichtung(), Seitenausrichtung::Hochformat);
    EXPECT_EQ(papier.ablauf.at(0), "Beginnen:Termine vom 01.01.2004 bis 31.01.2004");
    EXPECT_EQ(Anzahl("Seite 1"), 2);
    EXPECT_EQ(Anzahl("Termine vom 01.01.2004 bis 31.01.2004"), 2);
    EXPECT_EQ(Anzahl(drucktexte::Herstellerzeile), 2);
    EXPECT_EQ(status.seiten, (std::vector<std::string>{"Seite 1 von 2", "Seite 2 von 2"}));
    EXPECT_EQ(status.fortschritte.back(), 100);
    // Page number and heading are centred, the notice ends at the right margin.
    const int i = papier.leinwand.Erste(Zeichenart::Text, drucktexte::Herstellerzeile);
    const auto& hinweis = papier.leinwand.zeichnungen[i];
    EXPECT_EQ(hinweis.punkte[0].x + papier.leinwand.Textbreite(hinweis.text), 4960 - 84);
    EXPECT_EQ(hinweis.punkte[0].y, 7016 - (275 * 4) / 10);
    EXPECT_EQ(hinweis.schrift.groesse, 8);
}

TEST_F(TerminedruckenTest, TageMitKopfzeileUndSeitenumbruch) {
    kal.Terminliste(2004, 3, 15) = {TTermin{"", "Arzt#Einkauf"},
                                    TTermin{"09:00", "Zahnarzt", "Praxis", "", "", 30}};
    TTerminliste& viele = kal.Terminliste(2004, 3, 16);
    viele.emplace_back();
    for (int i = 0; i < 40; ++i) viele.push_back(TTermin{"10:00", "T" + std::to_string(i)});
    papier.hochHoehe = 400;  // room for a few lines only
    einst.Farbname = einst.Farbnamen = false;
    const int seiten = Drucken({15, 3, 2004}, {16, 3, 2004});
    const auto t = papier.Texte();
    EXPECT_EQ(seiten, 2);
    const auto pos = [&](const std::string& s) {
        return std::find(t.begin(), t.end(), s) - t.begin();
    };
    ASSERT_LT(pos("Montag, 15.03.2004"), static_cast<long>(t.size()));
    EXPECT_LT(pos("Arzt, Einkauf"), pos("09:00-09:30  Zahnarzt     Praxis"));
    EXPECT_EQ(Anzahl("Seite 2"), 1);
    // The appointment after a page break starts two pixels below the top margin.
    const int umbruch = papier.leinwand.Erste(Zeichenart::Text, "Seite 2");
    const auto& zeichnungen = papier.leinwand.zeichnungen;
    for (std::size_t i = umbruch + 1; i < zeichnungen.size(); ++i) {
        if (zeichnungen[i].art != Zeichenart::Text || zeichnungen[i].text.rfind("10:00", 0))
            continue;
        const Listenseite s = Listenseite::Aus(4960, 400);
        EXPECT_EQ(zeichnungen[i].punkte[0].y, s.oben + 2);
        EXPECT_FALSE(zeichnungen[i].schrift.fett);
        break;
    }
    // The heading is bold and two points larger.
    const auto& kopf = zeichnungen[papier.leinwand.Erste(Zeichenart::Text, "Montag, 15.03.2004")];
    EXPECT_TRUE(kopf.schrift.fett);
    EXPECT_EQ(kopf.schrift.groesse, einst.Druckschriftgroesse + 2);
}

// Appointment colours as text colour (KeineFarbe stays black) or as background.
TEST_F(TerminedruckenTest, Farben) {
    einst.Wochentag = einst.DatumDesTages = einst.Farbname = einst.Farbnamen = false;
    einst.TerminendeAnzeigen = false;
    kal.Terminliste(2004, 3, 15) = {TTermin{}, TTermin{"09:00", "Rot"}, TTermin{"10:00", "Ohne"}};
    kal.Terminliste(2004, 3, 15)[1].Farbe = 0x0000FF;
    kal.Terminliste(2004, 3, 15)[2].Farbe = KeineFarbe;
    Drucken({15, 3, 2004}, {15, 3, 2004});
    const auto& z = papier.leinwand.zeichnungen;
    EXPECT_EQ(z[papier.leinwand.Erste(Zeichenart::Text, "09:00  Rot")].schrift.farbe, 0x0000FFu);
    EXPECT_EQ(z[papier.leinwand.Erste(Zeichenart::Text, "10:00  Ohne")].schrift.farbe, 0u);

    einst.SchriftfarbeAendern = false;
    papier.leinwand.Leeren();
    Drucken({15, 3, 2004}, {15, 3, 2004});
    const auto& rot = z[papier.leinwand.Erste(Zeichenart::Text, "09:00  Rot")];
    EXPECT_EQ(rot.schrift.farbe, 0u);
    EXPECT_EQ(rot.pinsel.farbe, 0x0000FFu);
    EXPECT_EQ(rot.hintergrund, Hintergrundmodus::Deckend);
    EXPECT_EQ(z[papier.leinwand.Erste(Zeichenart::Text, "10:00  Ohne")].pinsel.farbe,
              0xFFFFFFu);
    // No heading: the first text after the furniture is the empty info line.
    EXPECT_EQ(Anzahl(" "), 1);
}

// A text beyond the limit is refused before the job begins, naming the day and the limit;
// one at the limit prints, a word wider than the page cut where the page ends.
TEST_F(TerminedruckenTest, ZuLangeTexteVorDemDruckAbgelehnt) {
    kal.Terminliste(2004, 3, 15) = {TTermin{}, TTermin{"09:00", std::string(65'536, 'x')}};
    Drucken({1, 3, 2004}, {31, 3, 2004});
    bool gekuerzt = false;
    for (const std::string& t : papier.Texte())
        gekuerzt = gekuerzt || (t.find("xxx") != std::string::npos && t.size() <= 4961);
    EXPECT_TRUE(gekuerzt);

    papier.ablauf.clear();
    kal.Terminliste(2004, 3, 16) = {TTermin{"", std::string(65'537, 'i')}};
    try {
        Drucken({1, 3, 2004}, {31, 3, 2004});
        ADD_FAILURE() << "printed";
    } catch (const KalvoraFehler& f) {
        EXPECT_STREQ(f.what(), "Die Tagesinfo am 16.03.2004 hat einen Text von 65537 Bytes; die "
                               "Terminliste druckt Texte bis 64 KB (65536 Bytes).");
    }
    EXPECT_TRUE(papier.ablauf.empty());
    // Outside the period it does not matter.
    EXPECT_EQ(TerminlisteNichtDruckbar(kal, {17, 3, 2004}, {31, 3, 2004}), "");
}

TEST_F(TerminedruckenTest, DokumentWirdAuchNachFehlernBeendet) {
    papier.beginnenGelingt = false;
    EXPECT_THROW(Drucken({1, 1, 2004}, {1, 1, 2004}), KalvoraFehler);
    EXPECT_EQ(papier.Aufrufe("Beenden"), 1);
    papier.beginnenGelingt = true;
    papier.kopien = 0;
    EXPECT_EQ(Drucken({1, 1, 2004}, {1, 1, 2004}), 0);
}

}  // namespace
}  // namespace kalvora
