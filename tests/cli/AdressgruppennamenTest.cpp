// "adressen" keeps one line per group whatever the group's file name holds: TAB, line breaks
// and other control characters are written as escapes. A group file that cannot be read is
// marked like a foreign one. "erinnerungen" does not read the name-day catalogue at all, so
// a faulty catalogue leaves its reminders as they are.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "CliAufruf.h"
#include "kalender/Kalenderdatei.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;

class Adressgruppennamen : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-gruppennamen-XXXXXX";
        ordner = mkdtemp(muster);
        setenv("HOME", ordner.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (ordner + "/konfig").c_str(), 1);
    }
    void TearDown() override { fs::remove_all(ordner); }
    void Gruppe(const std::string& name, int eintraege) {
        std::string s = "Kalvora-Adressbuch Ver 1.0\r\n";
        for (int i = 0; i < eintraege; ++i) s += "Herr#N" + std::to_string(i) + "#V\r\n";
        std::ofstream(ordner + "/" + name + ".kvradr", std::ios::binary) << s;
    }
    std::string ordner;
};

TEST_F(Adressgruppennamen, JedeGruppeEineZeile) {
    Gruppe("Mit\tTab", 1);
    Gruppe("Zwei\nZeilen", 2);
    Gruppe("Wagen\rR\xC3\xBC" "cklauf", 3);
    Gruppe("Back\\slash\x01", 1);
    Gruppe("Normal", 4);
    ASSERT_EQ(mkfifo((ordner + "/Rohr.kvradr").c_str(), 0600), 0);
    const auto r = Ausfuehren("adressen '" + ordner + "'");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.ausgabe,
              "Adressbuch (gesamt)\t11\n"
              "Back\\\\slash\\x01\t1\n"
              "Mit\\tTab\t1\n"
              "Normal\t4\n"
              "Rohr\t0\tnicht lesbar\n"
              "Wagen\\rR\xC3\xBC" "cklauf\t3\n"
              "Zwei\\nZeilen\t2\n");
}

TEST_F(Adressgruppennamen, ErinnerungenOhneNamenstagskatalog) {
    // A link of the program in a folder of its own, whose catalogue is a folder: the name-day
    // commands fail, the reminders (from the dates stored with each person) do not change.
    const fs::path bei = ordner + "/programm";
    fs::create_directories(bei / "Namenstage.txt");
    const fs::path programm = bei / "kalvora-cli";
    std::error_code ec;
    fs::create_hard_link(KALVORA_CLI, programm, ec);
    if (ec) fs::copy_file(KALVORA_CLI, programm);
    TKalender kal;
    kal.Geburtstagsliste = {{"Beispiel", "Anna", DatumWert(10, 3, 1995), DatumWert(9, 3, 2000)}};
    const std::string datei = ordner + "/leute.kvr";
    DateiAtomarSchreiben(datei, KalenderAlsVer33(kal));
    const std::string argumente = "erinnerungen '" + datei + "' 08.03.2026 --art alles";
    const auto normal = Ausfuehren(argumente);
    ASSERT_EQ(normal.code, 0);
    EXPECT_EQ(normal.ausgabe,
              "Geburtstag|Nur noch 2 Tage bis zum:|Geburtstag von|Anna Beispiel|"
              "am 10.03.    31 Jahre\n"
              "Namenstag|Morgen ist der:|Namenstag von|Anna Beispiel|am 09.03.    \n");
    const auto ohne = Ausfuehren(argumente, false, "", programm.string());
    EXPECT_EQ(ohne.code, 0);
    EXPECT_EQ(ohne.ausgabe, normal.ausgabe);
    EXPECT_EQ(Ausfuehren(argumente, true, "", programm.string()).ausgabe, "");
    EXPECT_EQ(Ausfuehren("namenstage 09.03.", false, "", programm.string()).code, 1);
}

}  // namespace
}  // namespace kalvora
