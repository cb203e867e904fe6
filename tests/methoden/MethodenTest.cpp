#include "methoden/Methoden.h"

#include <gtest/gtest.h>

#include <chrono>

#include "methoden/Fehler.h"

namespace kalvora {
namespace {

TEST(Kalenderarithmetik, SchaltjahreUndMonatslaengen) {
    EXPECT_FALSE(IstSchaltjahr(1900));
    EXPECT_TRUE(IstSchaltjahr(2000));
    EXPECT_TRUE(IstSchaltjahr(2004));
    EXPECT_FALSE(IstSchaltjahr(2100));
    EXPECT_EQ(TageImMonat(2, 2000), 29);
    EXPECT_EQ(TageImMonat(2, 1900), 28);
    EXPECT_EQ(TageImMonat(0, 2000), 0);
    EXPECT_EQ(TageImMonat(13, 2000), 0);
    EXPECT_EQ(TageImMonat(4, 2001), 30);
}

TEST(Kalenderarithmetik, TagDesJahresZaehltArithmetisch) {
    EXPECT_EQ(TagDesJahres(-3, 12, 2004), 332);
    EXPECT_EQ(TagDesJahres(0, 3, 2004), 60);
    EXPECT_EQ(TagDesJahres(1, 3, 2004), 61);
    EXPECT_EQ(TagDesJahres(1, 3, 2005), 60);
    EXPECT_EQ(TagDesJahres(5, 1, 2005), 5);
}

TEST(Kalenderarithmetik, DatumAusTagDesJahres) {
    auto tm = DatumAusTagDesJahres(60, 2004);
    EXPECT_EQ(tm.tag, 29);
    EXPECT_EQ(tm.monat, 2);
    tm = DatumAusTagDesJahres(60, 2005);
    EXPECT_EQ(tm.tag, 1);
    EXPECT_EQ(tm.monat, 3);
    tm = DatumAusTagDesJahres(366, 2004);
    EXPECT_EQ(tm.tag, 31);
    EXPECT_EQ(tm.monat, 12);
    tm = DatumAusTagDesJahres(-2, 2004);
    EXPECT_EQ(tm.tag, -2);
    EXPECT_EQ(tm.monat, 1);
    EXPECT_THROW(DatumAusTagDesJahres(366, 2005), Bereichsfehler);
}

TEST(Kalenderarithmetik, WochentagFesteFaelle) {
    EXPECT_EQ(Wochentag(1, 1, 2000), 6);
    EXPECT_EQ(Wochentag(25, 12, 2004), 6);
    EXPECT_EQ(Wochentag(31, 3, 2002), 0);
    EXPECT_THROW(Wochentag(1, 2, 0), Bereichsfehler);
}

// Weekday, serial numbers and Easter over the whole range against std::chrono.
TEST(Kalenderarithmetik, GanzerBereichGegenChrono) {
    using namespace std::chrono;
    const sys_days epoche = year{1899} / December / 30;
    for (sys_days d = year{1901} / January / 1; d <= year{2099} / December / 31; d += days{1}) {
        const year_month_day ymd{d};
        const int t = static_cast<int>(unsigned(ymd.day()));
        const int m = static_cast<int>(unsigned(ymd.month()));
        const int j = static_cast<int>(ymd.year());
        ASSERT_EQ(Wochentag(t, m, j), static_cast<int>(weekday{d}.c_encoding())) << t << m << j;
        const int nummer = static_cast<int>((d - epoche).count());
        ASSERT_EQ(Tagesnummer(t, m, j), nummer);
        ASSERT_EQ(DatumAusTagesnummer(nummer), (Datum{t, m, j}));
        ASSERT_EQ(TagDesJahresVonDatum(nummer),
                  static_cast<int>((d - sys_days{ymd.year() / January / 0}).count()));
        // ISO week: the Thursday of the date's week decides the week-year.
        const sys_days donnerstag = d + days{4 - static_cast<int>(weekday{d}.iso_encoding())};
        const auto dyear = year_month_day{donnerstag}.year();
        const int kw = static_cast<int>((donnerstag - sys_days{dyear / January / 1}).count()) / 7 + 1;
        ASSERT_EQ(Kalenderwoche(nummer), kw) << t << "." << m << "." << j;
    }
    EXPECT_EQ(Tagesnummer(1, 1, 1901), 367);
    EXPECT_EQ(Tagesnummer(31, 12, 2099), 73050);
    EXPECT_EQ(Tagesnummer(15, 3, 2004), 0x94AD);
    EXPECT_EQ(Tagesnummer(31, 12, 9999), static_cast<int>(KeinDatum));
}

TEST(Kalenderarithmetik, Ostersonntag) {
    struct Fall { int jahr, tag, monat; };
    for (const Fall f : {Fall{2004, 11, 4}, {2008, 23, 3}, {2011, 24, 4}, {2038, 25, 4},
                         {1913, 23, 3}, {2024, 31, 3}, {1943, 25, 4}}) {
        const TagMonat o = Ostersonntag(f.jahr);
        EXPECT_EQ(o.tag, f.tag) << f.jahr;
        EXPECT_EQ(o.monat, f.monat) << f.jahr;
        EXPECT_EQ(Wochentag(o.tag, o.monat, f.jahr), 0);
    }
}

TEST(Kalenderarithmetik, KalenderwocheRandfaelle) {
    struct Fall { int t, m, j, kw; };
    for (const Fall f : {Fall{1, 1, 2005, 53}, {3, 1, 2005, 1}, {31, 12, 2007, 1},
                         {31, 12, 2004, 53}, {1, 1, 2010, 53}, {28, 12, 2009, 53},
                         {29, 12, 2014, 1}})
        EXPECT_EQ(Kalenderwoche(DatumWert(f.t, f.m, f.j)), f.kw) << f.t << "." << f.m << "." << f.j;
}

TEST(Texte, NamenUndUnveraenderteTexte) {
    EXPECT_EQ(Monatsname(3), "März");
    EXPECT_EQ(Monatsname(12), "Dezember");
    std::string s = "alt";
    Monatsname(13, s);
    EXPECT_EQ(s, "alt");
    EXPECT_EQ(Wochentagsname(0), "Sonntag");
    EXPECT_EQ(Wochentagsname(7), "Sonntag");
    EXPECT_EQ(Wochentagskurzname(4), "Do");
    Wochentagsname(8, s);
    EXPECT_EQ(s, "alt");
    EXPECT_EQ(OhneJahr("01.05.1970"), "01.05.");
    EXPECT_EQ(OhneJahr("24.12.2004"), "24.12.");
    EXPECT_EQ(OhneJahr("1.5."), "1.5.");
}

TEST(Uhrzeiten, ZeitPlusMinuten) {
    struct Fall { const char* start; int n; const char* ende; };
    for (const Fall f : {Fall{"02:53", 7, "03:00"}, {"10:20", 40, "11:00"}, {"22:30", 90, "24:00"},
                         {"23:59", 2, "00:01"}, {"23:00", 120, "01:00"}, {"23:00", 1500, "00:00"},
                         {"00:00", 0, "00:00"},
                         // A duration read from a file can be any 32-bit number.
                         {"12:00", 2147483647, "14:07"}})
        EXPECT_EQ(ZeitPlusMinuten(f.start, f.n), f.ende) << f.start << "+" << f.n;
    EXPECT_THROW(ZeitPlusMinuten("1x:00", 5), Konvertierungsfehler);
    EXPECT_THROW(ZeitPlusMinuten("10:0", 5), Konvertierungsfehler);
}

TEST(Uhrzeiten, DauerTexteUndZeitwerte) {
    EXPECT_EQ(MinutenAlsDauer(0), "00:00h");
    EXPECT_EQ(MinutenAlsDauer(59), "00:59h");
    EXPECT_EQ(MinutenAlsDauer(90), "01:30h");
    EXPECT_EQ(MinutenAlsDauer(600), "10:00h");
    EXPECT_EQ(MinutenAlsDauer(6000), "100:00h");
    EXPECT_EQ(DauerZwischen(60, 150), "01:30h");
    EXPECT_DOUBLE_EQ(TextAlsZeit("12:00"), 0.5);
    EXPECT_DOUBLE_EQ(TextAlsZeit("36:00"), 1.5);
    EXPECT_THROW(TextAlsZeit("10:60"), Konvertierungsfehler);
}

TEST(Sonstiges, SortiereTexteNachBytes) {
    std::vector<std::string> l = {"b", "Ä", "a", "B", "a"};
    SortiereTexte(true, l);
    EXPECT_EQ(l, (std::vector<std::string>{"B", "a", "a", "b", "Ä"}));
    SortiereTexte(false, l);
    EXPECT_EQ(l, (std::vector<std::string>{"Ä", "b", "a", "a", "B"}));
}

TEST(Sonstiges, FarbenXmlUndDatumstexte) {
    EXPECT_EQ(FarbeAlsHex("0000FF"), "FF0000");
    EXPECT_EQ(FarbeAlsHex("123456"), "563412");
    EXPECT_EQ(Komplementaerfarbe(0x00FF00), 0xFF00FFu);
    EXPECT_EQ(Komplementaerfarbe(0xFFFFFF), 0u);
    EXPECT_EQ(XmlText("a<b>&c \"ä\" €©"), "a&lt;b&gt;&amp;c \"ä\" &#x20AC;&#169;");
    EXPECT_EQ(XmlText(std::string("a\0b\x01\x1F\t\n\rc\x7F", 10)), "ab\t\n\rc\x7F");
    EXPECT_EQ(DatumText(5, 3, 2004), "05.03.2004");
    EXPECT_EQ(DatumText(KeinDatum), "31.12.9999");
    EXPECT_EQ(TextAlsDatum("1.5.2004"), DatumWert(1, 5, 2004));
    for (const char* falsch : {"", "1.5", "31.2.2004", "1.5.2004.", "a.b.c", "1..2004"})
        EXPECT_THROW(TextAlsDatum(falsch), Konvertierungsfehler) << falsch;
    EXPECT_EQ(Dateiversion(), "3.3.0.1");
}

}  // namespace
}  // namespace kalvora
