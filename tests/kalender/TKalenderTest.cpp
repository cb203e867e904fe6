#include "kalender/TKalender.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvora {
namespace {

TEST(TKalender, NeuerKalenderIstLeer) {
    TKalender kal;
    EXPECT_EQ(kal.NaechsterTag(0), TKalender::kSlots);
    for (int k = 1; k <= 20; ++k) EXPECT_EQ(kal.Farbnamen[k], "[frei]");
    EXPECT_EQ(kal.Farbwerte, EingebauteStandardfarben());
    EXPECT_FALSE(kal.geaendert);
    EXPECT_EQ(kal.TageMitFarben() + kal.TageMitEintraegen() + kal.AnzahlTermine(), 0);
}

// Loops over the document visit only the days marked as touched: a day filled through any
// changing access must be found, at the edges of the bitmap words and of the range too.
TEST(TKalender, BeruehrteTageWerdenInDatumsfolgeBesucht) {
    TKalender kal;
    const std::vector<int> slots = {0, 63, 64, 4000, TKalender::kSlots - 1};
    kal.TerminlisteAn(64).push_back(TTermin{"", "Info"});
    kal.Terminliste(2099, 12, 31).push_back(TTermin{"", "Ende"});
    kal.Tagesfarben(1901, 1, 1).push_back(0xFF);
    kal.TagesfarbenAn(63).push_back(0xFF);
    kal.TerminlisteAn(4000);  // touched, left empty
    std::vector<int> besucht;
    for (int i = kal.NaechsterTag(0); i < TKalender::kSlots; i = kal.NaechsterTag(i + 1))
        besucht.push_back(i);
    EXPECT_EQ(besucht, slots);
    EXPECT_EQ(kal.NaechsterTermintag(65), 4000);
    EXPECT_EQ(kal.NaechsterFarbtag(1), 63);
    EXPECT_EQ(kal.TageMitFarben(), 2);
    EXPECT_EQ(kal.TageMitEintraegen(), 2);

    const TKalender& lesend = kal;
    (void)lesend.Terminliste(2000, 5, 5);  // reading marks nothing
    EXPECT_EQ(kal.NaechsterTermintag(4001), TKalender::kSlots - 1);

    kal.FarbenLeeren();
    EXPECT_EQ(kal.NaechsterFarbtag(0), TKalender::kSlots);
    EXPECT_EQ(kal.NaechsterTag(0), 64);
    kal.FarbwertErsetzen(0xFF, 0xEE);
    TKalender anderer;
    anderer.TerminlisteAn(64).push_back(TTermin{"", "Info"});
    EXPECT_FALSE(kal.TageGleich(anderer));
    anderer.TerminlisteAn(TKalender::kSlots - 1).push_back(TTermin{"", "Ende"});
    EXPECT_TRUE(kal.TageGleich(anderer));
    EXPECT_TRUE(anderer.TageGleich(kal));
    kal.Leeren();
    EXPECT_EQ(kal.NaechsterTag(0), TKalender::kSlots);
    EXPECT_EQ(kal.TageMitEintraegen(), 0);
}

// The writers and the repair before saving walk the days with entries through one loop:
// days with a list in date order, never an emptied list or a slot that names no date, and
// the progress once per year reached, scaled into the range the caller asks for.
TEST(TKalender, TermintageDurchlaufenBesuchtNurGueltigeTageMitListe) {
    TKalender kal;
    kal.Terminliste(2099, 12, 31).push_back(TTermin{"", "Ende"});
    kal.Terminliste(1901, 1, 1).push_back(TTermin{"", "Anfang"});
    kal.Terminliste(2000, 2, 29).push_back(TTermin{"", "Schalttag"});
    kal.Terminliste(2000, 3, 1).push_back(TTermin{"", "Maerz"});
    kal.Terminliste(2001, 2, 29).push_back(TTermin{"", "gibt es nicht"});
    kal.Terminliste(2001, 4, 31).push_back(TTermin{"", "gibt es auch nicht"});
    kal.Terminliste(2050, 6, 1);  // touched, left empty
    kal.Tagesfarben(2060, 1, 1).push_back(0xFF);  // colours only

    struct Fall {
        int von, bis;
        std::vector<int> fortschritt;
    };
    const int vor2000 = 2000 - ErstesJahr, vor2099 = 2099 - ErstesJahr;
    const std::vector<Fall> faelle = {
        // The first year has nothing before it to report.
        {0, 100, {vor2000 * 100 / TKalender::kJahre, vor2099 * 100 / TKalender::kJahre}},
        {50, 100, {50 + vor2000 * 50 / TKalender::kJahre, 50 + vor2099 * 50 / TKalender::kJahre}},
    };
    const std::vector<std::string> erwartet = {"Anfang 1.1.1901", "Schalttag 29.2.2000",
                                               "Maerz 1.3.2000", "Ende 31.12.2099"};
    for (const Fall& f : faelle) {
        std::vector<std::string> besucht;
        std::vector<int> werte;
        const TKalender& lesend = kal;
        lesend.TermintageDurchlaufen(
            [&](const TTerminliste& liste, int t, int m, int j) {
                besucht.push_back(liste[0].Beschreibung.str() + " " + std::to_string(t) + "." +
                                  std::to_string(m) + "." + std::to_string(j));
            },
            [&](int w) { werte.push_back(w); }, f.von, f.bis);
        EXPECT_EQ(besucht, erwartet);
        EXPECT_EQ(werte, f.fortschritt) << f.von;
    }

    // The changing form hands out the lists themselves.
    kal.TermintageDurchlaufen([](TTerminliste& liste, int, int, int) {
        liste[0].Beschreibung = liste[0].Beschreibung.str() + "!";
    });
    EXPECT_EQ(kal.Terminliste(2000, 2, 29)[0].Beschreibung.str(), "Schalttag!");
    EXPECT_EQ(kal.Terminliste(2001, 2, 29)[0].Beschreibung.str(), "gibt es nicht");
}

TEST(TKalender, StandardfarbenSindVerschiedenUndNichtSchwarz) {
    const TFarbwerte s = EingebauteStandardfarben();
    for (int a = 1; a <= 20; ++a) {
        EXPECT_NE(s[a], 0u);
        EXPECT_NE(s[a], KeineFarbe);
        for (int b = a + 1; b <= 20; ++b) EXPECT_NE(s[a], s[b]) << a << " " << b;
    }
    EXPECT_EQ(s[1], 0x00FFFFu);
    EXPECT_EQ(s[15], 0x000080u);
    EXPECT_EQ(s[20], 0x000101u);
}

TEST(TKalender, SlotsLiegenInDatumsfolge) {
    int j, m, t;
    TKalender::SlotDatum(TKalender::SlotIndex(2096, 2, 29), j, m, t);
    EXPECT_EQ(j, 2096);
    EXPECT_EQ(m, 2);
    EXPECT_EQ(t, 29);
    EXPECT_EQ(TKalender::SlotIndex(1901, 1, 1), 0);
    EXPECT_EQ(TKalender::SlotIndex(2099, 12, 31), TKalender::kSlots - 1);
    EXPECT_LT(TKalender::SlotIndex(1904, 2, 29), TKalender::SlotIndex(1904, 3, 1));
    EXPECT_TRUE(TKalender::ImBereich(1901, 1, 1));
    EXPECT_FALSE(TKalender::ImBereich(1900, 12, 31));
    EXPECT_FALSE(TKalender::ImBereich(2100, 1, 1));
    EXPECT_FALSE(TKalender::ImBereich(2000, 13, 1));
}

TEST(TKalender, LeerenBetrifftNurSeinenTeil) {
    TKalender kal;
    kal.Tagesfarben(2004, 3, 15) = {kal.Farbwerte[1]};
    kal.Terminliste(2004, 3, 15) = {TTermin{}, TTermin{"09:00", "Arzt"}};
    kal.Farbnamen[1] = "Urlaub";
    kal.Farbwerte[1] = 0x123456;
    kal.Terminkategorie = {"Privat"};
    kal.Geburtstagsliste.push_back({"Meyer", "Anna"});

    kal.FarbenLeeren();
    EXPECT_TRUE(kal.Tagesfarben(2004, 3, 15).empty());
    EXPECT_EQ(kal.Farbnamen[1], "[frei]");
    EXPECT_EQ(kal.Farbwerte[1], 0x00FFFFu);
    EXPECT_EQ(kal.Terminliste(2004, 3, 15).size(), 2u);
    EXPECT_EQ(kal.Terminkategorie.size(), 1u);

    kal.TermineLeeren();
    EXPECT_TRUE(kal.Terminliste(2004, 3, 15).empty());
    EXPECT_EQ(kal.Geburtstagsliste.size(), 1u);
}

TEST(TKalender, FarbtabelleAbgleichen) {
    TKalender kal;
    TFarbwerte legende{};
    for (int k = 1; k <= 20; ++k) legende[k] = 0x010101u * k;
    kal.Farbnamen[3] = "";
    kal.Farbwerte[4] = 0;  // black in the file: keeps what the legend shows
    kal.Farbwerte[5] = 0xABCDEF;
    kal.FarbtabelleAbgleichen(legende);
    EXPECT_EQ(kal.Farbnamen[3], "[frei]");
    EXPECT_EQ(kal.Farbwerte[4], 0x040404u);
    EXPECT_EQ(legende[4], 0x040404u);
    EXPECT_EQ(legende[5], 0xABCDEFu);
    EXPECT_EQ(legende[1], kal.Farbwerte[1]);
}

TEST(TKalender, FarbwertErsetzenErreichtAlleBeobachter) {
    struct Halter : Dokumentbeobachter {
        std::vector<uint32_t> farben;
        void FarbwertErsetzt(uint32_t a, uint32_t n) override {
            for (auto& f : farben)
                if (f == a) f = n;
        }
    };
    TKalender kal;
    const uint32_t alt = kal.Farbwerte[2], neu = 0x345678;
    kal.Tagesfarben(1901, 1, 1) = {alt, kal.Farbwerte[1], alt};
    TTermin t{"10:00", "Test"};
    t.Farbe = alt;
    kal.Terminliste(2099, 12, 31) = {TTermin{}, t};
    Halter rueckgaengig;
    rueckgaengig.farben = {alt, 7};
    kal.Anmelden(rueckgaengig);
    kal.Anmelden(rueckgaengig);  // once is enough
    EXPECT_EQ(kal.Beobachter().Anzahl(), 1u);
    kal.FarbwertErsetzen(alt, neu);
    EXPECT_EQ(kal.Tagesfarben(1901, 1, 1), (TTagesfarben{neu, kal.Farbwerte[1], neu}));
    EXPECT_EQ(kal.Terminliste(2099, 12, 31)[1].Farbe, neu);
    EXPECT_EQ(rueckgaengig.farben, (std::vector<uint32_t>{neu, 7}));
    // A copy of the document has no subscribers of its own.
    TKalender kopie = kal;
    EXPECT_EQ(kopie.Beobachter().Anzahl(), 0u);
    kal.Abmelden(rueckgaengig);
    kal.FarbwertErsetzen(neu, alt);
    EXPECT_EQ(rueckgaengig.farben[0], neu);
    EXPECT_EQ(kal.Terminliste(2099, 12, 31)[1].Farbe, alt);
}

TEST(TKalender, BeobachterDieWaehrendDerRundeGehenWerdenNichtMehrGefragt) {
    struct Zaehler : Dokumentbeobachter {
        TKalender* kal = nullptr;
        Dokumentbeobachter* entfernen = nullptr;
        int ersetzt = 0;
        void DokumentErsetzt() override {
            ++ersetzt;
            if (entfernen) kal->Abmelden(*entfernen);
        }
    };
    TKalender kal;
    Zaehler a, b;
    a.kal = &kal;
    a.entfernen = &b;
    kal.Anmelden(a);
    kal.Anmelden(b);
    kal.Beobachter().Melden([](Dokumentbeobachter& x) { x.DokumentErsetzt(); });
    EXPECT_EQ(a.ersetzt, 1);
    EXPECT_EQ(b.ersetzt, 0);
    kal.Abmelden(a);
}

TEST(TKalender, IndexSuchenNimmtErstenTreffer) {
    TKalender kal;
    kal.Terminkategorie = {"Privat", "", "Beruf", "Privat"};
    kal.Linkliste = {"a", "b"};
    EXPECT_EQ(kal.KategorieIndex("Privat"), 0);
    EXPECT_EQ(kal.KategorieIndex(""), 1);
    EXPECT_EQ(kal.KategorieIndex("privat"), -1);
    EXPECT_EQ(kal.LinkIndex("b"), 1);
    EXPECT_EQ(kal.FarbSlot(kal.Farbwerte[13]), 13);
    EXPECT_EQ(kal.FarbSlot(KeineFarbe), 0);
}

}  // namespace
}  // namespace kalvora
