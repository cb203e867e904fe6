#include "doubles/Testdateien.h"
#include "kalender/DateiKalenderspeicher.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "kalender/Dateisitzung.h"
#include "methoden/Fehler.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/posix/PosixDateisperre.h"
#include "platform/posix/PosixSpeicherplatz.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

using testdateien::Inhalt;

class DateiKalenderspeicherTest : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-speicher-XXXXXX";
        ordner = mkdtemp(muster);
        datei = ordner + "/beispiel.kvr";
        fs::copy_file(KALVORA_TESTDATEN "/beispiel_ver33.kvr", datei);
    }
    void TearDown() override { fs::remove_all(ordner); }

    std::string ordner, datei;
    SpeicherRegistry registry;
    RegistryLetzteDateien letzte{registry};
    DateiKalenderspeicher speicher{DateiAtomarSchreiben, [](const std::string&) {}};
    PosixDateisperre sperren;
    PosixSpeicherplatz platz;
    test::SkriptDialoge dialoge;
    TKalender kal;
    Dateisitzung sitzung{kal, dialoge, sperren, speicher, platz, letzte};
};

TEST_F(DateiKalenderspeicherTest, GespeichertWirdWasGeladenWurde) {
    ASSERT_TRUE(sitzung.DirektOeffnen(datei));
    ASSERT_GT(kal.AnzahlTermine(), 0);
    kal.Tagesfarben(2030, 4, 4).push_back(kal.Farbwerte[1]);
    kal.geaendert = true;
    ASSERT_TRUE(sitzung.speichern1Click());
    EXPECT_TRUE(dialoge.meldungen.empty());

    TKalender wieder;
    ASSERT_EQ(speicher.Laden(wieder, datei, {}), Ladeergebnis::Text);
    EXPECT_EQ(wieder.Farbraster, kal.Farbraster);
    EXPECT_EQ(wieder.Terminraster, kal.Terminraster);
    EXPECT_EQ(wieder.Geburtstagsliste, kal.Geburtstagsliste);
    // Only the calendar file and its lock are in the folder: no temporary file is left.
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()), 2);

    TKalender leer;
    EXPECT_EQ(speicher.Laden(leer, ordner + "/fehlt.kvr", {}), Ladeergebnis::NichtLesbar);
}

// A text the file cannot hold and a folder that does not exist: the user is told, the
// document stays modified and the file on disk is untouched.
TEST_F(DateiKalenderspeicherTest, GescheitertesSpeichernLaesstDieDateiUnberuehrt) {
    ASSERT_TRUE(sitzung.DirektOeffnen(datei));
    const std::string vorher = Inhalt(datei);
    kal.Terminliste(2030, 1, 1) = {TTermin{}, TTermin{"10:00", "a#b"}};
    kal.geaendert = true;
    EXPECT_FALSE(sitzung.speichern1Click());
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    EXPECT_EQ(dialoge.meldungen[0].art, Meldungsart::Fehler);
    EXPECT_FALSE(dialoge.meldungen[0].text.empty());
    EXPECT_TRUE(kal.geaendert);
    EXPECT_EQ(Inhalt(datei), vorher);

    kal.Terminliste(2030, 1, 1).clear();
    EXPECT_THROW(speicher.Speichern(kal, ordner + "/fehlt/x.kvr", {}), KalvoraFehler);
}

TEST_F(DateiKalenderspeicherTest, LetzteDateienInDerRegistry) {
    const char* schluessel = "Software\\Kalvora\\letzte_Dateien";
    registry.Schreiben(schluessel, "Datei 02", int32_t{5});
    registry.Schreiben(schluessel, "Datei 01", std::string("/a.kvr"));
    const Dateiliste l = letzte.Lesen();
    EXPECT_EQ(l[0], "/a.kvr");
    EXPECT_EQ(l[1], "");
    // Missing values are created empty.
    EXPECT_EQ(registry.Lesen(schluessel, "Datei 10"), Registrywert(std::string()));
    Dateiliste neu{};
    neu[0] = "/b.kvr";
    neu[9] = "/z.kvr";
    letzte.Schreiben(neu);
    EXPECT_EQ(letzte.Lesen(), neu);
    EXPECT_EQ(registry.Lesen(schluessel, "Datei 02"), Registrywert(std::string()));
}

}  // namespace
}  // namespace kalvora
