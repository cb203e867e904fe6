#include "main/Jahrdrucken.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "doubles/TestDrucker.h"
#include "methoden/Fehler.h"
#include "methoden/Feiertage.h"

namespace kalvora {
namespace {

using test::TestDrucker;
using test::TestDruckstatus;
using test::Zeichenart;
using test::Zeichnung;

constexpr uint32_t Rot = 0x0000FF;
constexpr uint32_t Blau = 0xFF0000;
constexpr uint32_t Orange = 0x0080FF;
constexpr uint32_t Gruen = 0x00FF00;
constexpr uint32_t Weiss = 0xFFFFFF;
constexpr uint32_t Schwarz = 0x000000;

TEST(JahresdruckmasseTest, AusAufloesungUndSeitengroesse) {
    struct Fall {
        const char* name;
        int dpi, breite, hoehe, textbreite;
        int Xm, Ym, MW, PCW, PRH;
    };
    const Fall faelle[] = {
        {"A4 hoch 600 dpi", 600, 4960, 7016, 200, 354, 591, 300, 106, 381},
        {"A4 quer 600 dpi", 600, 7016, 4960, 200, 354, 591, 300, 162, 247},
        {"A4 hoch 300 dpi", 300, 2480, 3508, 100, 177, 295, 150, 53, 190},
        {"halbe Spaltenbreite gerundet", 600, 4960, 7016, 201, 354, 591, 302, 106, 381},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Jahresdruckmasse m =
            JahresdruckmasseBerechnen(f.dpi, f.dpi, f.breite, f.hoehe, 40, f.textbreite);
        EXPECT_EQ(m.Xm, f.Xm);
        EXPECT_EQ(m.Ym, f.Ym);
        EXPECT_EQ(m.MW, f.MW);
        EXPECT_EQ(m.PCW, f.PCW);
        EXPECT_EQ(m.PRH, f.PRH);
        EXPECT_EQ(m.G0, f.Xm + f.MW);
        // Month rows follow each other without a gap.
        EXPECT_EQ(m.MonatOben(1), f.PRH + f.Ym - f.PRH / 2 + 40);
        EXPECT_EQ(m.MonatOben(13) - m.MonatOben(1), 12 * f.PRH);
    }
}

TEST(JahresdruckmasseTest, ZelleNachWochentag) {
    const Jahresdruckmasse m = JahresdruckmasseBerechnen(600, 600, 4960, 7016, 40, 200);
    // March 2009 starts on a Sunday: the 31st stands in the last column.
    const Rechteck z = DruckZelle(m, 31, 3, 2009);
    EXPECT_EQ(z.links, m.G0 + 36 * m.PCW);
    EXPECT_EQ(z.rechts, m.G0 + 37 * m.PCW);
    EXPECT_EQ(z.oben, m.MonatOben(3));
    EXPECT_EQ(z.unten, m.MonatOben(4));
}

class JahrdruckenTest : public testing::Test {
protected:
    TKalender kal;
    Einstellungen einst;
    TestDrucker drucker;
    TestDruckstatus status;

    int Drucken(int jahr, bool quer = true) {
        return JahrDrucken(kal, einst, jahr, "Kopf", quer, drucker, status);
    }
    // The metrics the job computed with the double's text measures.
    Jahresdruckmasse Masse() {
        auto& l = drucker.leinwand;
        return JahresdruckmasseBerechnen(drucker.dpiX, drucker.dpiY, drucker.SeitenBreite(),
                                         drucker.SeitenHoehe(), l.zeilenhoehe,
                                         9 * l.zeichenbreite);
    }
    // Index of the first rectangle drawn exactly there with that pen and brush colour, -1.
    int RechteckIndex(const Rechteck& r, const Stift& stift, uint32_t pinsel) const {
        const auto& z = drucker.leinwand.zeichnungen;
        for (std::size_t i = 0; i < z.size(); ++i)
            if (z[i].art == Zeichenart::Rechteck && z[i].rechteck == r && z[i].stift == stift &&
                z[i].pinsel.farbe == pinsel && z[i].pinsel.stil == Pinselstil::Voll)
                return static_cast<int>(i);
        return -1;
    }
    std::vector<Zeichnung> RechteckeIn(const Rechteck& bereich) const {
        std::vector<Zeichnung> v;
        for (const Zeichnung& d : drucker.leinwand.Alle(Zeichenart::Rechteck))
            if (d.rechteck.links >= bereich.links && d.rechteck.rechts <= bereich.rechts &&
                d.rechteck.oben >= bereich.oben && d.rechteck.unten <= bereich.unten)
                v.push_back(d);
        return v;
    }
};

TEST_F(JahrdruckenTest, FarbstreifenImFeiertagsrahmen) {
    einst.Feiertage[14] = {true, Orange};  // Allerheiligen, a Monday in 2004
    kal.Tagesfarben(2004, 11, 1) = {Rot, Blau};
    Drucken(2004);
    const Jahresdruckmasse m = Masse();
    const Rechteck z = DruckZelle(m, 1, 11, 2004);
    const Rechteck innen{z.links + m.PCW / 5, z.oben + m.PRH / 5, z.rechts - m.PCW / 5,
                         z.unten - m.PRH / 5};
    const Stift orange5{Orange, 5}, schwarz1{Schwarz, 1};

    const int rahmen = RechteckIndex({z.links + 6, z.oben + 5, z.rechts - 2, z.unten - 4},
                                     orange5, Orange);
    const int ring = RechteckIndex(innen, orange5, Weiss);
    const int erste = RechteckIndex(innen, schwarz1, Rot);
    const int A = m.PRH - (2 * m.PRH) / 5;
    const int mitte = innen.oben + A / 2 + std::min(1, A % 2);
    const int rot = RechteckIndex({innen.links, innen.oben, innen.rechts, mitte}, schwarz1, Rot);
    const int blau = RechteckIndex({innen.links, mitte, innen.rechts, innen.oben + A}, schwarz1,
                                   Blau);
    ASSERT_GE(rahmen, 0);
    EXPECT_GT(ring, rahmen);
    EXPECT_GT(erste, ring);
    EXPECT_GT(rot, erste);
    EXPECT_GT(blau, rot);
}

TEST_F(JahrdruckenTest, VerbundenerSondertagInFarbeDesLetztenEintrags) {
    struct Fall {
        const char* name;
        bool maiMalen, himmelfahrtMalen;
        std::optional<uint32_t> rahmen;
    };
    const Fall faelle[] = {
        {"Maifeiertag gemalt", true, true, Gruen},
        {"nur Maifeiertag gemalt", true, false, Gruen},
        {"Maifeiertag nicht gemalt", false, true, std::nullopt},
    };
    TFeiertagstabelle t;
    t.FeiertageBerechnen(2008);
    ASSERT_EQ(t.FeiertagsText(1, 5), "Christi Himmelfahrt+Maifeiertag");
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TestDrucker d;
        TestDruckstatus s;
        einst.Feiertage[9] = {f.maiMalen, Gruen};
        einst.Feiertage[11] = {f.himmelfahrtMalen, Blau};
        JahrDrucken(kal, einst, 2008, "Kopf", true, d, s);
        const Jahresdruckmasse m = JahresdruckmasseBerechnen(
            600, 600, d.SeitenBreite(), d.SeitenHoehe(), d.leinwand.zeilenhoehe,
            9 * d.leinwand.zeichenbreite);
        const Rechteck z = DruckZelle(m, 1, 5, 2008);
        std::vector<uint32_t> farben;
        for (const Zeichnung& r : d.leinwand.Alle(Zeichenart::Rechteck))
            if (r.stift.breite == 5 && r.rechteck.links == z.links + 6 &&
                r.rechteck.oben == z.oben + 5)
                farben.push_back(r.pinsel.farbe);
        if (f.rahmen)
            EXPECT_EQ(farben, std::vector<uint32_t>{*f.rahmen});
        else
            EXPECT_TRUE(farben.empty());
    }
}

TEST_F(JahrdruckenTest, KopienAlsSeitenMitBeschriftung) {
    drucker.kopien = 3;
    EXPECT_EQ(Drucken(2004), 3);
    EXPECT_EQ(drucker.ablauf, (std::vector<std::string>{"Beginnen:Kopf", "NeueSeite",
                                                        "NeueSeite", "Beenden"}));
    EXPECT_EQ(status.seiten, (std::vector<std::string>{"Seite 1 von 3", "Seite 2 von 3",
                                                       "Seite 3 von 3"}));
    ASSERT_EQ(drucker.seitenanfaenge.size(), 3u);
    const auto erste = drucker.Seite(0);
    ASSERT_FALSE(erste.empty());
    for (std::size_t i = 1; i < 3; ++i) {
        const auto seite = drucker.Seite(i);
        ASSERT_EQ(seite.size(), erste.size());
        for (std::size_t k = 0; k < seite.size(); ++k) {
            EXPECT_EQ(seite[k].text, erste[k].text);
            EXPECT_EQ(seite[k].rechteck, erste[k].rechteck);
        }
    }
    // Every page runs its bar up to 100, passing 99 before the legend.
    int hundert = 0;
    for (std::size_t i = 0; i < status.fortschritte.size(); ++i) {
        if (status.fortschritte[i] != 100) continue;
        ++hundert;
        ASSERT_GE(i, 1u);
        EXPECT_EQ(status.fortschritte[i - 1], 99);
    }
    EXPECT_EQ(hundert, 3);
}

TEST_F(JahrdruckenTest, KeineKopieDrucktNichtsUndBeendet) {
    drucker.kopien = 0;
    EXPECT_EQ(Drucken(2004), 0);
    EXPECT_EQ(drucker.ablauf, (std::vector<std::string>{"Beginnen:Kopf", "Beenden"}));
    EXPECT_TRUE(drucker.leinwand.zeichnungen.empty());
    EXPECT_TRUE(status.seiten.empty());
}

TEST_F(JahrdruckenTest, AbbruchBeendetDasDokument) {
    struct Werfend : TestDruckstatus {
        void Fortschritt(int prozent) override {
            if (prozent == 99) throw std::runtime_error("Druckerfehler");
        }
    } werfend;
    EXPECT_THROW(JahrDrucken(kal, einst, 2004, "Kopf", true, drucker, werfend),
                 std::runtime_error);
    ASSERT_FALSE(drucker.ablauf.empty());
    EXPECT_EQ(drucker.ablauf.back(), "Beenden");
    EXPECT_FALSE(drucker.begonnen);

    TestDrucker verweigert;
    verweigert.beginnenGelingt = false;
    EXPECT_THROW(JahrDrucken(kal, einst, 2004, "Kopf", true, verweigert, status),
                 KalvoraFehler);
    EXPECT_TRUE(verweigert.leinwand.zeichnungen.empty());

    for (int jahr : {1900, 2100}) {
        TestDrucker d;
        EXPECT_THROW(JahrDrucken(kal, einst, jahr, "Kopf", true, d, status), KalvoraFehler);
        EXPECT_TRUE(d.ablauf.empty()) << jahr;
    }
}

TEST_F(JahrdruckenTest, QuerformatNurMitMerker) {
    Drucken(2004, true);
    EXPECT_EQ(drucker.ausrichtungBeimBeginnen, Seitenausrichtung::Querformat);
    TestDrucker eigener;
    JahrDrucken(kal, einst, 2004, "Kopf", false, eigener, status);
    EXPECT_EQ(eigener.ausrichtungBeimBeginnen, Seitenausrichtung::Hochformat);
}

TEST_F(JahrdruckenTest, KopfzeilenUndUeberschrift) {
    einst.SASOFarbeBeimDrucken = 0xE8E8E8;
    JahrDrucken(kal, einst, 2004, jahrdrucktexte::StandardUeberschrift(2004), true, drucker,
                status);
    const Jahresdruckmasse m = Masse();
    auto& l = drucker.leinwand;
    const int k = l.Erste(Zeichenart::Text, "Kalvora  -  2004");
    ASSERT_GE(k, 0);
    const Zeichnung& kopf = l.zeichnungen[k];
    EXPECT_EQ(kopf.schrift.name, "Times New Roman");
    EXPECT_TRUE(kopf.schrift.fett && kopf.schrift.unterstrichen);
    EXPECT_EQ(kopf.schrift.groesse, 12);
    EXPECT_EQ(kopf.punkte[0].y, m.Ym / 2 - 8);
    EXPECT_EQ(kopf.pinsel.farbe, Weiss);

    // Ten shaded weekend columns in the print colour, and 37 headers on their backgrounds.
    int schatten = 0;
    for (const Zeichnung& r : l.Alle(Zeichenart::Rechteck))
        if (r.stift.stil == Stiftstil::Keiner && r.pinsel.farbe == 0xE8E8E8 &&
            r.rechteck.oben == m.Ym - m.TH && r.rechteck.unten == m.MonatOben(13))
            ++schatten;
    EXPECT_EQ(schatten, 10);
    int koepfe = 0;
    for (const Zeichnung& t : l.Alle(Zeichenart::Text)) {
        if (t.punkte[0].y != m.Ym || t.text.size() != 2) continue;
        ++koepfe;
        const bool wochenende = t.text == "Sa" || t.text == "So";
        EXPECT_EQ(t.pinsel.farbe, wochenende ? 0xE8E8E8 : Weiss) << t.text;
    }
    EXPECT_EQ(koepfe, 37);
}

TEST_F(JahrdruckenTest, BildschirmWochenendfarbeOhneStreifen) {
    kal.Tagesfarben(2004, 6, 7) = {einst.SASOFarbeInDerJahresansicht, Rot};
    Drucken(2004);
    const Jahresdruckmasse m = Masse();
    const Rechteck z = DruckZelle(m, 7, 6, 2004);
    const auto r = RechteckeIn(z);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].pinsel.farbe, einst.SASOFarbeInDerJahresansicht);
}

TEST_F(JahrdruckenTest, LegendeOhneFreieUngenutzteFarben) {
    kal.Farbnamen[1] = "Urlaub";
    kal.Farbnamen[13] = "Arzt";
    kal.Farbnamen[4] = "Schule";
    kal.Farbnamen[5] = "Sport";
    kal.Tagesfarben(2004, 3, 1) = {kal.Farbwerte[1]};
    kal.Tagesfarben(2004, 3, 2) = {kal.Farbwerte[1], kal.Farbwerte[3]};
    kal.Tagesfarben(2004, 3, 3) = {kal.Farbwerte[4]};
    kal.Tagesfarben(2003, 3, 3) = {kal.Farbwerte[2]};  // another year: slot 2 stays out
    Drucken(2004);
    const Jahresdruckmasse m = Masse();
    const int oben = 14 * m.PRH + m.Ym;
    std::vector<std::string> texte;
    std::vector<Punkt> orte;
    for (const Zeichnung& t : drucker.leinwand.Alle(Zeichenart::Text))
        if (t.punkte[0].y >= oben - m.TH && t.punkte[0].y < m.seitenHoehe - (4 * m.Ym) / 10) {
            texte.push_back(t.text);
            orte.push_back(t.punkte[0]);
        }
    EXPECT_EQ(texte, (std::vector<std::string>{"Urlaub  [2]", "[1]", "Arzt  [0]", "Schule  [1]",
                                               "Sport  [0]"}));
    ASSERT_EQ(orte.size(), 5u);
    const int seite = m.seitenBreite / 60;
    const int textY = seite / 2 - drucker.leinwand.zeilenhoehe / 2;
    EXPECT_EQ(orte[3], (Punkt{m.Xm + 2 * seite, oben + 3 * (m.seitenHoehe / 30) + textY}));
    EXPECT_EQ(orte[4], (Punkt{m.Xm + m.seitenBreite / 5 + 2 * seite, oben + textY}));
    // The swatch of the fifth entry in its slot colour.
    const Rechteck feld{m.Xm + m.seitenBreite / 5, oben, m.Xm + m.seitenBreite / 5 + seite,
                        oben + seite};
    const auto r = RechteckeIn(feld);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].pinsel.farbe, kal.Farbwerte[5]);
}

}  // namespace
}  // namespace kalvora
