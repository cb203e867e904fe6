// End-to-end tests of the date commands of kalvora-cli.
#include <gtest/gtest.h>

#include "cli/CliAufruf.h"

namespace {

using kalvora::testcli::Ausfuehren;

TEST(DatumBefehle, AusgabenUndRueckgabewerte) {
    struct Fall {
        const char* argumente;
        int code;
        const char* ausgabe;
    };
    for (const Fall f : {Fall{"kw 01.01.2021", 0, "53\n"}, {"kw 31.12.2007", 0, "1\n"},
                         {"wochentag 15.03.2004", 0, "Montag\n"},
                         {"wochentag 1.1.2000", 0, "Samstag\n"},
                         {"ostern 2008", 0, "23.03.2008\n"}, {"ostern 1913", 0, "23.03.1913\n"},
                         {"zeit-plus 22:30 90", 0, "24:00\n"}, {"zeit-plus 23:30 45", 0, "00:15\n"},
                         // Only exactly one day shows as 24:00; the sum must not overflow.
                         {"zeit-plus 22:30 1530", 0, "00:00\n"},
                         {"zeit-plus 01:00 -61", 0, "23:59\n"},
                         {"zeit-plus 12:00 2147483647", 0, "14:07\n"},
                         {"zeit-plus 00:01 -2147483648", 0, "21:53\n"},
                         {"zeit-plus 25:00 10", 2, ""}, {"zeit-plus 12:60 0", 2, ""},
                         {"zeit-plus 12:00 2147483648", 2, ""},
                         {"kw 30.02.2004", 2, ""}, {"kw", 2, ""}, {"wochentag morgen", 2, ""},
                         {"ostern zweitausend", 2, ""}, {"zeit-plus 1x:00 5", 2, ""},
                         {"zeit-plus 10:00", 2, ""}, {"gibtesnicht", 2, ""}}) {
        const auto e = Ausfuehren(f.argumente);
        EXPECT_EQ(e.code, f.code) << f.argumente;
        EXPECT_EQ(e.ausgabe, f.ausgabe) << f.argumente;
    }
}

TEST(DatumBefehle, HilfeNenntJedenBefehl) {
    const auto e = Ausfuehren("--help");
    EXPECT_EQ(e.code, 0);
    for (const char* befehl : {"pruefen DATEI", "konvertieren EIN AUS", "csv-export EIN AUS",
                               "erzeugen AUS", "kw TT.MM.JJJJ", "wochentag TT.MM.JJJJ",
                               "ostern JJJJ", "zeit-plus HH:MM MINUTEN", "feiertage JJJJ",
                               "sonne TT.MM.JJJJ", "einstellungen", "sperre-halten",
                               "namenstage TT.MM.", "namenstag-suchen TEXT"})
        EXPECT_NE(e.ausgabe.find(befehl), std::string::npos) << befehl;
    EXPECT_NE(Ausfuehren("", true).ausgabe.find("Aufruf: kalvora-cli"), std::string::npos);
}

}  // namespace
