// Every wrong call of kalvora-cli names the wrong argument in German, and no fault of the
// system reaches the user as the standard library's English text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "cli/CliAufruf.h"

namespace {

using kalvora::testcli::Ausfuehren;
namespace fs = std::filesystem;

TEST(Aufruffehler, NennenDasFalscheArgument) {
    const std::string sonne =
        "Aufruf: kalvora-cli sonne TT.MM.JJJJ [--laenge GRAD] [--breite GRAD] "
        "[--zeitzone STUNDEN] [--sommerzeit ja|nein]\n";
    struct Fall {
        std::string argumente, fehlerausgabe;
    } faelle[] = {
        {"kw 31.02.2004", "Aufruf: kalvora-cli kw TT.MM.JJJJ\n"
                          "31.02.2004 ist kein gültiges Datum (TT.MM.JJJJ)\n"},
        {"kw", "Aufruf: kalvora-cli kw TT.MM.JJJJ\nEs fehlt das Argument TT.MM.JJJJ\n"},
        {"wochentag 1.1.2004 morgen",
         "Aufruf: kalvora-cli wochentag TT.MM.JJJJ\nÜberzähliges Argument: morgen\n"},
        {"wochentag ''", "Aufruf: kalvora-cli wochentag TT.MM.JJJJ\n"
                         "\"\" ist kein gültiges Datum (TT.MM.JJJJ)\n"},
        {"ostern 10000",
         "Aufruf: kalvora-cli ostern JJJJ\n10000 ist keine Jahreszahl von 1 bis 9999\n"},
        {"feiertage 20x8",
         "Aufruf: kalvora-cli feiertage JJJJ\n20x8 ist keine Jahreszahl von 1 bis 9999\n"},
        {"zeit-plus 25:00 10", "Aufruf: kalvora-cli zeit-plus HH:MM MINUTEN\n"
                               "25:00 ist keine gültige Uhrzeit (HH:MM, 00:00 bis 23:59)\n"},
        {"zeit-plus 12:60 0", "Aufruf: kalvora-cli zeit-plus HH:MM MINUTEN\n"
                              "12:60 ist keine gültige Uhrzeit (HH:MM, 00:00 bis 23:59)\n"},
        {"zeit-plus 12:00 zehn",
         "Aufruf: kalvora-cli zeit-plus HH:MM MINUTEN\n"
         "zehn ist keine ganze Zahl von Minuten (-2147483648 bis 2147483647)\n"},
        {"zeit-plus 12:00",
         "Aufruf: kalvora-cli zeit-plus HH:MM MINUTEN\nEs fehlt das Argument MINUTEN\n"},
        {"sonne 21.06.2004 --breite 91",
         sonne + "91 ist keine geographische Breite in Grad von -90 bis 90\n"},
        {"sonne 21.06.2004 --laenge ost",
         sonne + "ost ist keine geographische Länge in Grad von -180 bis 180\n"},
        {"sonne 21.06.2004 --zeitzone 25",
         sonne + "25 ist keine Zeitzone in Stunden von -24 bis 24\n"},
        {"sonne 21.06.2004 --sommerzeit vielleicht",
         sonne + "vielleicht nach --sommerzeit ist weder ja noch nein\n"},
        {"sonne 21.06.2004 --hoehe 100", sonne + "--hoehe ist keine Option von sonne\n"},
        {"sonne 21.06.2004 --breite", sonne + "Es fehlt das Argument GRAD nach --breite\n"},
        {"sonne", sonne + "Es fehlt das Argument TT.MM.JJJJ\n"},
        {"pruefen a b", "Aufruf: kalvora-cli pruefen DATEI\nÜberzähliges Argument: b\n"},
        {"pruefen ''", "Aufruf: kalvora-cli pruefen DATEI\n\"\" ist kein Dateiname\n"},
        {"konvertieren a", "Aufruf: kalvora-cli konvertieren EIN AUS\n"
                           "Es fehlt das Argument AUS\n"},
        {"csv-export a ''", "Aufruf: kalvora-cli csv-export EIN AUS\n\"\" ist kein Dateiname\n"},
        {"erzeugen", "Aufruf: kalvora-cli erzeugen AUS\nEs fehlt das Argument AUS\n"},
        {"einstellungen alle",
         "Aufruf: kalvora-cli einstellungen\nÜberzähliges Argument: alle\n"},
        {"sperre-halten '' 5",
         "Aufruf: kalvora-cli sperre-halten DATEI SEKUNDEN\n\"\" ist kein Dateiname\n"},
        {"sperre-halten a -1", "Aufruf: kalvora-cli sperre-halten DATEI SEKUNDEN\n"
                               "-1 ist keine Anzahl Sekunden (ganze Zahl ab 0)\n"},
    };
    for (const auto& f : faelle) {
        const auto e = Ausfuehren(f.argumente, true);
        EXPECT_EQ(e.code, 2) << f.argumente;
        EXPECT_EQ(e.ausgabe, f.fehlerausgabe) << f.argumente;
        EXPECT_EQ(Ausfuehren(f.argumente).ausgabe, "") << f.argumente;
    }
}

class Systemfehler : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = fs::temp_directory_path() / ("kalvora-systemfehler-" + std::to_string(getpid()));
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    fs::path ordner;
};

TEST_F(Systemfehler, OhneArbeitsverzeichnisDeutscheMeldung) {
    const std::string weg = "'" + (ordner / "weg").string() + "'";
    const auto e = Ausfuehren("sperre-halten plan.kvr 0", true,
                              "mkdir " + weg + " && cd " + weg + " && rmdir " + weg + " &&");
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.ausgabe, "Der vollständige Pfad zu \"plan.kvr\" ist nicht bestimmbar: Die "
                         "Datei oder der Ordner existiert nicht.\n");
}

TEST_F(Systemfehler, SperreInFehlendemOrdnerIstKeinAndererHalter) {
    const std::string datei = (ordner / "fehlt" / "plan.kvr").string();
    const auto e = Ausfuehren("sperre-halten '" + datei + "' 0", true);
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.ausgabe, "Die Datei \"" + datei +
                             "\" kann hier nicht gesperrt werden (Die Datei oder der Ordner "
                             "existiert nicht).\n");
}

TEST_F(Systemfehler, ZuWenigSpeicher) {
    const auto e = Ausfuehren("erzeugen '" + (ordner / "gross.kvr").string() + "'", true,
                              "ulimit -v 80000;");
    if (e.ausgabe.find("Sanitizer") != std::string::npos || e.code > 2)
        GTEST_SKIP() << "a sanitizer build does not start with little address space";
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.ausgabe, "Nicht genügend Arbeitsspeicher.\n");
    EXPECT_FALSE(fs::exists(ordner / "gross.kvr"));
}

TEST_F(Systemfehler, VolleAusgabeIstKeinErfolg) {
    for (const char* argumente : {"feiertage 2008", "--help"}) {
        const auto e = Ausfuehren(std::string(argumente) + " >/dev/full 2>&1 </dev/null", false);
        EXPECT_EQ(e.code, 1) << argumente;
    }
}

}  // namespace
