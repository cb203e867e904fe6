// A group file saved by a process that is killed at any moment is always either the old or
// the new group, never a mix or a torn file.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "adressbuch/Adressbuch.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

std::vector<TAdresse> Gruppe(char kennung, int anzahl) {
    std::vector<TAdresse> g(static_cast<std::size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i) {
        auto& a = g[static_cast<std::size_t>(i)];
        for (int f = 0; f < AnzahlAdressfelder; ++f)
            a[static_cast<std::size_t>(f)] = std::string(20, kennung) + std::to_string(i);
    }
    return g;
}

TEST(AdressgruppeSpeichern, GetoeteSpeicherungLaesstAltOderNeu) {
    char muster[] = "/tmp/kalvora-adrkill-XXXXXX";
    const std::string ordner = mkdtemp(muster);
    const std::string pfad = ordner + "/Freunde.kvradr";
    const auto alt = Gruppe('a', 3000), neu = Gruppe('b', 6000);
    const Dateischreiber schreiben = [](const std::string& p, std::string_view inhalt) {
        DateiAtomarSchreiben(p, inhalt);
    };
    TAdressbuch b;
    b.Pfad = pfad;
    b.Eintraege = alt;
    b.Speichern(schreiben);

    int alte = 0, neue = 0;
    for (int runde = 0; runde < 24; ++runde) {
        const pid_t kind = fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            // Saves the two versions in turn until it is killed.
            TAdressbuch k;
            k.Pfad = pfad;
            for (int i = 0;; ++i) {
                k.Eintraege = i % 2 == 0 ? neu : alt;
                k.Speichern(schreiben);
            }
        }
        usleep(static_cast<useconds_t>(1000 + runde * 1700));
        kill(kind, SIGKILL);
        int status = 0;
        waitpid(kind, &status, 0);

        TAdressbuch gelesen;
        gelesen.Lesen(pfad);
        ASSERT_FALSE(gelesen.fremd) << "Runde " << runde;
        if (gelesen.Eintraege == alt) {
            ++alte;
        } else {
            ASSERT_EQ(gelesen.Eintraege, neu) << "Runde " << runde;
            ++neue;
        }
    }
    EXPECT_EQ(alte + neue, 24);
    // A further save clears what the killed ones left behind.
    b.Speichern(schreiben);
    int dateien = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(ordner)) ++dateien;
    EXPECT_EQ(dateien, 1);
    fs::remove_all(ordner);
}

}  // namespace
}  // namespace kalvora
