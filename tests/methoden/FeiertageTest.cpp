#include "methoden/Feiertage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace kalvora {
namespace {

using std::chrono::Sunday;
using std::chrono::Wednesday;
using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;
using Ymd = std::chrono::year_month_day;

struct TagesText {
    int jahr, tag, monat;
    const char* text;
};

TEST(Feiertagstabelle, TexteUndVerbindungen) {
    const TagesText faelle[] = {
        {2008, 23, 3, "Ostersonntag"},
        {2008, 21, 3, "Karfreitag+Frühlingsanfang"},
        {2008, 1, 5, "Christi Himmelfahrt+Maifeiertag"},
        {2008, 11, 5, "Pfingstsonntag+Muttertag"},
        {2008, 30, 3, "Beginn der Sommerzeit"},
        {2008, 16, 3, "Palmsonntag"},
        {2016, 27, 3, "Ostersonntag+Beginn der Sommerzeit"},
        {2004, 19, 12, "4.Advent"},
        {2004, 28, 11, "1.Advent"},
        {2004, 21, 11, "Totensonntag"},
        {2004, 17, 11, "Buß- und Bettag"},
        {2005, 18, 12, "4.Advent"},
        {2005, 20, 11, "Totensonntag"},
        {2005, 16, 11, "Buß- und Bettag"},
        {2006, 24, 12, "4.Advent+Heilig Abend"},
        {2003, 21, 12, "4.Advent+Winteranfang"},
        {2010, 31, 10, "Reformationstag+Beginn der Winterzeit"},
        {2005, 8, 5, "Muttertag"},
        {2006, 14, 5, "Muttertag"},
        // Palmsonntag on the last Sunday of March (Easter 4 April 2010).
        {2010, 28, 3, "Palmsonntag+Beginn der Sommerzeit"},
        // Gründonnerstag and Fronleichnam on the season starts.
        {1940, 21, 3, "Gründonnerstag+Frühlingsanfang"},
        {1962, 21, 6, "Fronleichnam+Sommeranfang"},
        {2038, 25, 4, "Ostersonntag"},
        // Weiberfastnacht on Valentinstag (Easter 7 April 1901 → E−52 = 14 February).
        {1901, 14, 2, "Weiberfastnacht+Valentinstag"},
        {2008, 2, 1, ""},
        {2008, 31, 2, ""},
        {2008, 0, 1, ""},
        {2008, 1, 13, ""},
    };
    TFeiertagstabelle tabelle;
    for (const auto& f : faelle) {
        tabelle.FeiertageBerechnen(f.jahr);
        EXPECT_EQ(tabelle.FeiertagsText(f.tag, f.monat), f.text)
            << f.tag << "." << f.monat << "." << f.jahr;
    }
}

TEST(Feiertagstabelle, NeuberechnungLaesstNichtsVomAnderenJahrStehen) {
    TFeiertagstabelle tabelle;
    tabelle.FeiertageBerechnen(2008);
    tabelle.FeiertageBerechnen(2009);
    EXPECT_EQ(tabelle.FeiertagsText(21, 3), "Frühlingsanfang");
    EXPECT_EQ(tabelle.FeiertagsText(23, 3), "");
    EXPECT_EQ(tabelle.FeiertagsText(1, 5), "Maifeiertag");
    tabelle.FeiertageBerechnen(2008);
    EXPECT_EQ(tabelle.FeiertagsText(21, 3), "Karfreitag+Frühlingsanfang");
    EXPECT_EQ(tabelle.FeiertagsText(12, 4), "");  // Easter 2009
    EXPECT_EQ(tabelle.Jahr(), 2008);
}

// Easter after Gauss with Lichtenberg's corrections, independent of the computus in use.
Ymd OsternNachGauss(int y) {
    const int k = y / 100;
    const int m = 15 + (3 * k + 3) / 4 - (8 * k + 13) / 25;
    const int s = 2 - (3 * k + 3) / 4;
    const int a = y % 19;
    const int d = (19 * a + m) % 30;
    const int r = (d + a / 11) / 29;
    const int og = 21 + d - r;
    const int sz = 7 - (y + y / 4 + s) % 7;
    const int oe = 7 - (og - sz) % 7;
    return Ymd{sys_days{std::chrono::year{y} / 3 / 1} + days{og + oe - 1}};
}

Ymd Letzter(int y, unsigned monat, std::chrono::weekday w) {
    return Ymd{sys_days{std::chrono::year{y} / monat / w[std::chrono::last]}};
}

// The latest weekday w strictly before the given day.
Ymd LetzterVor(Ymd tag, std::chrono::weekday w) {
    sys_days d = sys_days{tag} - days{1};
    while (std::chrono::weekday{d} != w) d -= days{1};
    return Ymd{d};
}

std::map<Feiertagsart, Ymd> UnabhaengigeDaten(int jahr) {
    using A = Feiertagsart;
    const std::chrono::year y{jahr};
    const sys_days ostern{OsternNachGauss(jahr)};
    const auto e = [&](int n) { return Ymd{ostern + days{n}}; };
    const auto fest = [&](unsigned m, unsigned d) { return Ymd{y / m / d}; };
    const Ymd advent4 = LetzterVor(fest(12, 25), Sunday);
    const auto advent = [&](int n) { return Ymd{sys_days{advent4} - days{7 * (4 - n)}}; };
    return {
        {A::Neujahr, fest(1, 1)},
        {A::HeiligeDreiKoenige, fest(1, 6)},
        {A::Valentinstag, fest(2, 14)},
        {A::Weiberfastnacht, e(-52)},
        {A::Rosenmontag, e(-48)},
        {A::Aschermittwoch, e(-46)},
        {A::Fruehlingsanfang, fest(3, 21)},
        {A::Palmsonntag, e(-7)},
        {A::Gruendonnerstag, e(-3)},
        {A::Karfreitag, e(-2)},
        {A::Ostersonntag, e(0)},
        {A::Ostermontag, e(1)},
        {A::BeginnSommerzeit, Letzter(jahr, 3, Sunday)},
        {A::Maifeiertag, fest(5, 1)},
        {A::Muttertag, Ymd{sys_days{y / 5 / Sunday[2]}}},
        {A::ChristiHimmelfahrt, e(39)},
        {A::Pfingstsonntag, e(49)},
        {A::Pfingstmontag, e(50)},
        {A::Fronleichnam, e(60)},
        {A::Sommeranfang, fest(6, 21)},
        {A::MariaeHimmelfahrt, fest(8, 15)},
        {A::Herbstanfang, fest(9, 23)},
        {A::TagDerDeutschenEinheit, fest(10, 3)},
        {A::Reformationstag, fest(10, 31)},
        {A::BeginnWinterzeit, Letzter(jahr, 10, Sunday)},
        {A::Allerheiligen, fest(11, 1)},
        {A::Allerseelen, fest(11, 2)},
        {A::BussUndBettag, LetzterVor(fest(11, 23), Wednesday)},
        {A::Totensonntag, Ymd{sys_days{advent4} - days{28}}},
        {A::Advent1, advent(1)},
        {A::Advent2, advent(2)},
        {A::Advent3, advent(3)},
        {A::Advent4, advent4},
        {A::Winteranfang, fest(12, 21)},
        {A::HeiligAbend, fest(12, 24)},
        {A::Weihnachtstag1, fest(12, 25)},
        {A::Weihnachtstag2, fest(12, 26)},
        {A::Sylvester, fest(12, 31)},
    };
}

std::vector<std::string> Teile(const std::string& text) {
    std::vector<std::string> teile;
    std::size_t anfang = 0;
    for (std::size_t plus; (plus = text.find('+', anfang)) != std::string::npos;
         anfang = plus + 1)
        teile.push_back(text.substr(anfang, plus - anfang));
    teile.push_back(text.substr(anfang));
    return teile;
}

// Every kind on its day in every year of the calendar, and no name lost by an overwrite.
TEST(Feiertagstabelle, AlleJahre1901Bis2099GegenUnabhaengigeRechnung) {
    TFeiertagstabelle tabelle;
    for (int jahr = 1901; jahr <= 2099; ++jahr) {
        const auto erwartet = UnabhaengigeDaten(jahr);
        ASSERT_EQ(erwartet.size(), static_cast<std::size_t>(AnzahlFeiertagsarten));
        tabelle.FeiertageBerechnen(jahr);
        std::multiset<std::string> namenImJahr;
        for (int m = 1; m <= 12; ++m)
            for (int t = 1; t <= 31; ++t) {
                const std::string& text = tabelle.FeiertagsText(t, m);
                if (text.empty()) continue;
                ASSERT_LE(t, TageImMonat(m, jahr)) << jahr;
                for (const auto& teil : Teile(text)) namenImJahr.insert(teil);
            }
        EXPECT_EQ(namenImJahr.size(), static_cast<std::size_t>(AnzahlFeiertagsarten)) << jahr;
        for (const auto& [art, ymd] : erwartet) {
            const TagMonat tm = FeiertagsDatum(art, jahr);
            const char* name = FeiertagsartInfo(art).name;
            ASSERT_EQ(tm.tag, static_cast<int>(unsigned(ymd.day()))) << name << " " << jahr;
            ASSERT_EQ(tm.monat, static_cast<int>(unsigned(ymd.month()))) << name << " " << jahr;
            const auto teile = Teile(tabelle.FeiertagsText(tm.tag, tm.monat));
            EXPECT_EQ(std::count(teile.begin(), teile.end(), name), 1) << name << " " << jahr;
        }
    }
}

TFeiertagsEinstellungen AllesAus() {
    TFeiertagsEinstellungen e = FeiertagsStandard();
    for (auto& eintrag : e) eintrag.malen = false;
    return e;
}

TEST(Feiertagseinstellungen, StandardwerteUndBeschriftungen) {
    const TFeiertagsEinstellungen s = FeiertagsStandard();
    EXPECT_EQ(s[1], (FeiertagsEintrag{true, 0x0080FF}));
    EXPECT_EQ(s[3], (FeiertagsEintrag{false, 0x868686}));
    EXPECT_EQ(s[22], (FeiertagsEintrag{false, 0x00FF00}));
    EXPECT_EQ(s[25], (FeiertagsEintrag{false, 0xD0B162}));
    EXPECT_EQ(s[27], (FeiertagsEintrag{true, 0xA06030}));
    EXPECT_EQ(s[31], (FeiertagsEintrag{false, 0x0080FF}));
    int gemalt = 0;
    for (int n = 1; n <= AnzahlFeiertagsEintraege; ++n) gemalt += s[n].malen;
    EXPECT_EQ(gemalt, 16);
    EXPECT_EQ(FeiertagsBeschriftung(13), "Tag der dt. Einheit");
    EXPECT_EQ(FeiertagsBeschriftung(17), "Buß- und Bettag");
    EXPECT_EQ(FeiertagsBeschriftung(20), "Adventssonntage");
    EXPECT_EQ(FeiertagsBeschriftung(26), "Beginn Sommerzeit");
    EXPECT_EQ(FeiertagsBeschriftung(0), "");
    EXPECT_EQ(FeiertagsBeschriftung(33), "");
    // Every entry switches at least one kind.
    std::set<int> benutzt;
    for (Feiertagsart a : FeiertagsMalfolge) benutzt.insert(FeiertagsartInfo(a).eintrag);
    EXPECT_EQ(benutzt.size(), static_cast<std::size_t>(AnzahlFeiertagsEintraege));
}

TEST(Feiertagsfarbe, GiltFuerDieZuletztVerbundeneArt) {
    TFeiertagstabelle tabelle;
    tabelle.FeiertageBerechnen(2008);
    TFeiertagsEinstellungen e = AllesAus();
    e[11] = {true, 0x111111};  // Christi Himmelfahrt
    e[9] = {false, 0x222222};  // Maifeiertag
    e[8] = {true, 0x333333};   // Karfreitag
    e[1] = {true, 0x444444};   // Ostern
    // 1 May: joined last by Maifeiertag, which is not painted: no frame at all.
    EXPECT_FALSE(tabelle.FeiertagsFarbe(1, 5, e).has_value());
    e[9].malen = true;
    EXPECT_EQ(tabelle.FeiertagsFarbe(1, 5, e), 0x222222u);
    // Karfreitag+Frühlingsanfang: Frühlingsanfang is off by default.
    EXPECT_FALSE(tabelle.FeiertagsFarbe(21, 3, e).has_value());
    EXPECT_EQ(tabelle.FeiertagsFarbe(23, 3, e), 0x444444u);
    EXPECT_EQ(tabelle.FeiertagsFarbe(24, 3, e), 0x444444u);
    EXPECT_FALSE(tabelle.FeiertagsFarbe(2, 1, e).has_value());
    EXPECT_FALSE(tabelle.FeiertagsFarbe(40, 1, e).has_value());
}

TEST(Feiertagsmalen, SpaetereArtUeberdecktFruehere) {
    TFeiertagstabelle tabelle;
    TFeiertagsEinstellungen e = FeiertagsStandard();
    e[1] = {true, 0x0000AA};   // Ostern
    e[26] = {true, 0x0000BB};  // Beginn Sommerzeit
    e[27] = {true, 0x0000CC};  // Beginn Winterzeit
    e[30] = {true, 0x0000DD};  // Reformationstag
    e[3] = {true, 0x0000EE};   // Heiligabend
    e[20] = {true, 0x0000FF};  // Advent
    struct Fall {
        int jahr, tag, monat;
        std::vector<uint32_t> farben;
    } faelle[] = {
        {2016, 27, 3, {0x0000BB, 0x0000AA}},  // Sommerzeit first, Easter on top
        {2010, 31, 10, {0x0000DD, 0x0000CC}},  // Winterzeit painted last of all
        {2006, 24, 12, {0x0000FF, 0x0000EE}},
        {2008, 2, 1, {}},
    };
    for (const auto& f : faelle) {
        tabelle.FeiertageBerechnen(f.jahr);
        EXPECT_EQ(tabelle.Malfarben(f.tag, f.monat, e), f.farben) << f.tag << "." << f.jahr;
    }
}

TEST(Feiertagsmalen, OhneMalflagsKeineFlaecheAberAlleTooltips) {
    TFeiertagstabelle tabelle;
    tabelle.FeiertageBerechnen(2008);
    EXPECT_TRUE(tabelle.Malflaechen(AllesAus()).empty());
    const auto tips = tabelle.Tooltips();
    ASSERT_EQ(tips.size(), static_cast<std::size_t>(AnzahlFeiertagsarten));
    EXPECT_EQ(tips.front().art, Feiertagsart::Rosenmontag);
    EXPECT_EQ(tips.back().art, Feiertagsart::Valentinstag);
    for (const auto& tip : tips) {
        EXPECT_EQ(tip.text, tabelle.FeiertagsText(tip.tag, tip.monat));
        EXPECT_FALSE(tip.text.empty());
    }
    // Both regions on 1 May show the whole joined text.
    int aufDemErstenMai = 0;
    for (const auto& tip : tips)
        if (tip.tag == 1 && tip.monat == 5) {
            ++aufDemErstenMai;
            EXPECT_EQ(tip.text, "Christi Himmelfahrt+Maifeiertag");
        }
    EXPECT_EQ(aufDemErstenMai, 2);
    // With the defaults, 16 entries covering 19 kinds are painted.
    EXPECT_EQ(tabelle.Malflaechen(FeiertagsStandard()).size(), 19u);
}

}  // namespace
}  // namespace kalvora
