// Two copies of the program on one calendar file: a kalvora-cli child holds the lock while
// a file session in this process opens the file; and a save killed at random moments.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "doubles/Testdateien.h"
#include "doubles/SkriptDialoge.h"
#include "doubles/TestKalenderspeicher.h"
#include "kalender/Beispielkalender.h"
#include "kalender/Dateisitzung.h"
#include "kalender/Kalenderdatei.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/posix/PosixDateisperre.h"

extern char** environ;

namespace kalvora {
namespace {

namespace fs = std::filesystem;

using testdateien::Inhalt;

// A running kalvora-cli with its stdout on a pipe.
class Kind {
public:
    explicit Kind(std::vector<std::string> argumente) {
        argumente.insert(argumente.begin(), KALVORA_CLI);
        std::vector<char*> argv;
        for (auto& a : argumente) argv.push_back(a.data());
        argv.push_back(nullptr);
        int rohr[2];
        if (pipe(rohr) != 0) return;
        posix_spawn_file_actions_t aktionen;
        posix_spawn_file_actions_init(&aktionen);
        posix_spawn_file_actions_adddup2(&aktionen, rohr[1], 1);
        posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
        if (posix_spawn(&pid_, KALVORA_CLI, &aktionen, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&aktionen);
        close(rohr[1]);
        lesen_ = rohr[0];
    }
    ~Kind() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            Warten();
        }
        if (lesen_ >= 0) close(lesen_);
    }
    std::string Zeile() {
        std::string z;
        char c;
        while (read(lesen_, &c, 1) == 1 && c != '\n') z.push_back(c);
        return z;
    }
    void Beenden(int signal) { kill(pid_, signal); }
    int Warten() {
        int status = 0;
        if (pid_ > 0) waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    bool Laeuft() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
    int lesen_ = -1;
};

class SperreProzessTest : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-prozess-XXXXXX";
        ordner = mkdtemp(muster);
        datei = ordner + "/plan.kvr";
        test::TestdateiSchreiben(datei);
    }
    void TearDown() override { fs::remove_all(ordner); }

    std::string ordner, datei;
    TKalender kal;
    test::SkriptDialoge dialoge;
    PosixDateisperre sperren;
    test::TestKalenderspeicher speicher;
    struct : Speicherplatz {
        std::optional<uint64_t> FreieBytes(const std::string&) override { return {}; }
    } platz;
    test::SpeicherLetzteDateien letzte;
    Dateisitzung sitzung{kal, dialoge, sperren, speicher, platz, letzte};
};

TEST_F(SperreProzessTest, AndererProzessHaeltDieDatei) {
    Kind halter({"sperre-halten", datei, "60"});
    ASSERT_TRUE(halter.Laeuft());
    ASSERT_EQ(halter.Zeile(), "gesperrt");

    dialoge.antworten = {Antwort::Ja};
    ASSERT_TRUE(sitzung.DirektOeffnen(datei));
    EXPECT_EQ(dialoge.Texte(), std::vector<std::string>{sitzungstexte::SchonGeoeffnet(datei)});
    EXPECT_TRUE(sitzung.schreibgeschuetzt());
    EXPECT_FALSE(sitzung.SchreibschutzUmschaltbar());
    EXPECT_FALSE(sitzung.Schreibschutz1Click());
    EXPECT_EQ(dialoge.meldungen.back().text, sitzungstexte::NichtBearbeitbar(datei));
    EXPECT_TRUE(sitzung.schreibgeschuetzt());

    // Killed without cleaning up: its lock file stays behind but blocks no one.
    halter.Beenden(SIGKILL);
    halter.Warten();
    EXPECT_TRUE(fs::exists(datei + ".tmp"));
    EXPECT_TRUE(sitzung.SchreibschutzUmschaltbar());
    EXPECT_TRUE(sitzung.Schreibschutz1Click());
    EXPECT_FALSE(sitzung.schreibgeschuetzt());

    // Now this process holds the file and the command line tool is refused.
    Kind zweiter({"sperre-halten", datei, "0"});
    EXPECT_EQ(zweiter.Warten(), 1);
}

TEST_F(SperreProzessTest, HalterEndetNormalUndRaeumtAuf) {
    {
        Kind halter({"sperre-halten", datei, "1"});
        ASSERT_EQ(halter.Zeile(), "gesperrt");
        EXPECT_EQ(halter.Warten(), 0);
    }
    EXPECT_FALSE(fs::exists(datei + ".tmp"));
    ASSERT_TRUE(sitzung.DirektOeffnen(datei));
    EXPECT_TRUE(dialoge.meldungen.empty());
    EXPECT_FALSE(sitzung.schreibgeschuetzt());
}

// A calendar not saved yet, held by one copy under its name and reached by the other through
// a link to it (or the other way round): the second copy finds it held.
TEST_F(SperreProzessTest, LinkAufNochFehlendeDateiFindetSieGehalten) {
    const std::string neu = ordner + "/neu.kvr", link = ordner + "/link.kvr";
    fs::create_symlink("neu.kvr", link);
    {
        Kind halter({"sperre-halten", neu, "60"});
        ASSERT_EQ(halter.Zeile(), "gesperrt");
        dialoge.antworten = {Antwort::Ja};
        sitzung.DirektOeffnen(link);  // nothing to read yet
        EXPECT_EQ(dialoge.Texte(), std::vector<std::string>{sitzungstexte::SchonGeoeffnet(link)});
        EXPECT_TRUE(sitzung.schreibgeschuetzt());
    }
    dialoge.meldungen.clear();
    sitzung.DirektOeffnen(neu);
    EXPECT_FALSE(sitzung.schreibgeschuetzt());
    EXPECT_FALSE(fs::exists(neu));
    EXPECT_TRUE(fs::exists(neu + ".tmp"));
    Kind zweiter({"sperre-halten", link, "0"});
    EXPECT_EQ(zweiter.Warten(), 1);
    EXPECT_FALSE(fs::exists(link + ".tmp"));
}

// A save killed at any moment leaves either the old file or the complete new one.
TEST(AbgebrochenesSpeichern, DateiIstImmerAltOderNeu) {
    char muster[] = "/tmp/kalvora-abbruch-XXXXXX";
    const std::string ordner = mkdtemp(muster);
    const std::string quelle = ordner + "/gross.kvr";
    const std::string ziel = ordner + "/ziel.kvr";
    const std::string referenz = ordner + "/referenz.kvr";
    {
        TKalender kal;
        GrossenKalenderFuellen(kal);
        DateiAtomarSchreiben(quelle, KalenderAlsVer33(kal));
    }
    const auto start = std::chrono::steady_clock::now();
    {
        Kind k({"konvertieren", quelle, referenz});
        ASSERT_EQ(k.Warten(), 0);
    }
    const auto dauer = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    const std::string neu = Inhalt(referenz);
    const std::string alt = "Ver 3.3\r\nalter Inhalt\r\n";
    ASSERT_GT(neu.size(), 1000000u);

    std::mt19937 zufall(12345);
    int alteGesehen = 0, neueGesehen = 0;
    for (int runde = 0; runde < 12; ++runde) {
        std::ofstream(ziel, std::ios::binary | std::ios::trunc) << alt;
        Kind k({"konvertieren", quelle, ziel});
        // Mostly late in the run, where the writing happens.
        std::uniform_int_distribution<long> wann(dauer.count() / 3, dauer.count() * 11 / 10);
        std::this_thread::sleep_for(std::chrono::microseconds(wann(zufall)));
        k.Beenden(SIGKILL);
        k.Warten();
        const std::string jetzt = Inhalt(ziel);
        ASSERT_TRUE(jetzt == alt || jetzt == neu)
            << "Runde " << runde << ": " << jetzt.size() << " Bytes";
        (jetzt == alt ? alteGesehen : neueGesehen)++;
    }
    // Nothing of the killed saves is left once the next save has run: the source, the
    // reference and the target only.
    DateiAtomarSchreiben(ziel, alt);
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()), 3);
    RecordProperty("alt", alteGesehen);
    RecordProperty("neu", neueGesehen);
    fs::remove_all(ordner);
}

}  // namespace
}  // namespace kalvora
