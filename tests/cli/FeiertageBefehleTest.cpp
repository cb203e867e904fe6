// End-to-end tests of "kalvora-cli feiertage" and "kalvora-cli sonne".
#include <gtest/gtest.h>

#include "cli/CliAufruf.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using kalvora::testcli::Ausfuehren;
using kalvora::testcli::Ergebnis;
using kalvora::testcli::Zeilen;

TEST(FeiertageBefehl, JahrInDatumsfolgeMitVerbundenenTexten) {
    const Ergebnis e = Ausfuehren("feiertage 2008");
    ASSERT_EQ(e.code, 0);
    const auto zeilen = Zeilen(e.ausgabe);
    // 38 kinds, three of them share a day with another one.
    ASSERT_EQ(zeilen.size(), 34u);
    EXPECT_EQ(zeilen.front(), "01.01.2008\tNeujahr");
    EXPECT_EQ(zeilen.back(), "31.12.2008\tSylvester");
    const std::string erwartet[] = {
        "21.03.2008\tKarfreitag+Frühlingsanfang",
        "30.03.2008\tBeginn der Sommerzeit",
        "01.05.2008\tChristi Himmelfahrt+Maifeiertag",
        "11.05.2008\tPfingstsonntag+Muttertag",
        "19.11.2008\tBuß- und Bettag",
        "21.12.2008\t4.Advent+Winteranfang",
    };
    for (const auto& z : erwartet)
        EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), z), zeilen.end()) << z;
    // Date order: month and day of every line ascend.
    const auto schluessel = [](const std::string& z) { return z.substr(3, 2) + z.substr(0, 2); };
    for (std::size_t i = 1; i < zeilen.size(); ++i)
        EXPECT_LT(schluessel(zeilen[i - 1]), schluessel(zeilen[i])) << zeilen[i];
}

TEST(FeiertageBefehl, FalscherAufruf) {
    for (const char* argumente : {"", "abc", "2008 2009", "0", "10000", "20x8"}) {
        const Ergebnis e = Ausfuehren(std::string("feiertage ") + argumente, true);
        EXPECT_EQ(e.code, 2) << argumente;
        EXPECT_EQ(e.ausgabe.rfind("Aufruf: kalvora-cli feiertage JJJJ", 0), 0u) << argumente;
    }
}

TEST(SonneBefehl, ZeitenUndOptionen) {
    struct Fall {
        const char* argumente;
        const char* ausgabe;
    } faelle[] = {
        {"21.06.2004", "SA: 05:09:29  SU: 21:53:11\n"},
        {"21.12.2004", "SA: 08:35:27  SU: 16:20:25\n"},
        // Summer time applies by the calendar rule unless switched off.
        {"21.06.2004 --sommerzeit nein", "SA: 04:09:29  SU: 20:53:11\n"},
        {"21.06.2004 --sommerzeit ja", "SA: 05:09:29  SU: 21:53:11\n"},
        {"21.12.2004 --sommerzeit ja", "SA: 08:35:27  SU: 16:20:25\n"},
        {"21.06.2004 --zeitzone 0 --sommerzeit nein", "SA: 03:09:29  SU: 19:53:11\n"},
        {"21.06.2004 --zeitzone 0,5 --sommerzeit nein", "SA: 03:39:29  SU: 20:23:11\n"},
        {"21.06.2004 --breite 80", "SA: -  SU: -\n"},
        {"21.12.2004 --breite 80", "SA: -  SU: -\n"},
        {"21.06.2004 --zeitzone 5", "SA: 09:09:29  SU: -\n"},
        {"21.06.2004 --laenge 7.6333 --breite 51.9667", "SA: 05:09:29  SU: 21:53:11\n"},
    };
    for (const auto& f : faelle) {
        const Ergebnis e = Ausfuehren(std::string("sonne ") + f.argumente);
        EXPECT_EQ(e.code, 0) << f.argumente;
        EXPECT_EQ(e.ausgabe, f.ausgabe) << f.argumente;
    }
    // Half a degree further east, the sun rises two minutes earlier.
    const Ergebnis osten = Ausfuehren("sonne 21.06.2004 --laenge 8.1333");
    EXPECT_EQ(osten.ausgabe.substr(0, 9), "SA: 05:07");
}

TEST(SonneBefehl, FalscherAufruf) {
    for (const char* argumente :
         {"", "32.01.2004", "21.06.2004 --breite", "21.06.2004 --breite 91",
          "21.06.2004 --laenge -181", "21.06.2004 --laenge ost", "21.06.2004 --zeitzone 25",
          "21.06.2004 --sommerzeit vielleicht", "21.06.2004 --hoehe 100",
          "21.06.2004 21.06.2004", "21.06.2004 --breite nan"}) {
        const Ergebnis e = Ausfuehren(std::string("sonne ") + argumente, true);
        EXPECT_EQ(e.code, 2) << argumente;
        EXPECT_EQ(e.ausgabe.rfind("Aufruf: kalvora-cli sonne TT.MM.JJJJ", 0), 0u) << argumente;
    }
}

}  // namespace
