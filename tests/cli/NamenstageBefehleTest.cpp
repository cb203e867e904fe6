// End-to-end tests of the name-day commands of kalvora-cli on the catalogue the build puts
// beside it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "cli/CliAufruf.h"

namespace {

using kalvora::testcli::Ausfuehren;
using kalvora::testcli::Zeilen;

TEST(NamenstageBefehle, NamenEinesTages) {
    struct Fall {
        const char* argumente;
        std::vector<std::string> enthalten;
    };
    for (const Fall& f : {Fall{"namenstage 06.01.", {"Kaspar", "Melchior", "Balthasar"}},
                          {"namenstage 6.12.", {"Nikolaus"}},
                          {"namenstage 29.02.", {"Oswald von Worcester"}},
                          {"namenstage 22.06.", {"Thomas More (Morus)"}},
                          {"namenstage 22.11", {"Cäcilia"}}}) {
        const auto e = Ausfuehren(f.argumente);
        EXPECT_EQ(e.code, 0) << f.argumente;
        const auto zeilen = Zeilen(e.ausgabe);
        for (const auto& n : f.enthalten)
            EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), n), zeilen.end())
                << f.argumente << ": " << n;
    }
    // File order: the three kings as the catalogue lists them.
    const auto zeilen = Zeilen(Ausfuehren("namenstage 06.01.").ausgabe);
    ASSERT_GE(zeilen.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(zeilen.begin(), zeilen.begin() + 3),
              (std::vector<std::string>{"Kaspar", "Melchior", "Balthasar"}));
}

TEST(NamenstageBefehle, FalscheTage) {
    for (const char* arg : {"30.02.", "31.04.", "00.01.", "01.13.", "1.1.2000", "morgen", "''"}) {
        const auto e = Ausfuehren(std::string("namenstage ") + arg, true);
        EXPECT_EQ(e.code, 2) << arg;
        EXPECT_NE(e.ausgabe.find("kein Tag des Jahres"), std::string::npos) << arg;
        if (arg[0] != '\'') {
            EXPECT_NE(e.ausgabe.find(arg), std::string::npos) << e.ausgabe;
        }
    }
    EXPECT_EQ(Ausfuehren("namenstage").code, 2);
    EXPECT_EQ(Ausfuehren("namenstag-suchen").code, 2);
}

TEST(NamenstageBefehle, Suchen) {
    auto zeilen = Zeilen(Ausfuehren("namenstag-suchen nikolaus").ausgabe);
    ASSERT_GE(zeilen.size(), 2u);
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), "06.12.\tNikolaus"), zeilen.end());
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), "22.03.\tNikolaus von Flüe"),
              zeilen.end());
    EXPECT_EQ(zeilen.back(), "Suche beendet, es wurden " + std::to_string(zeilen.size() - 1) +
                                 " Namen gefunden!");
    // Results in calendar order.
    EXPECT_TRUE(std::is_sorted(zeilen.begin(), zeilen.end() - 1, [](const auto& a, const auto& b) {
        return a.substr(3, 2) + a.substr(0, 2) < b.substr(3, 2) + b.substr(0, 2);
    }));

    for (const char* text : {"Qxzy", "''", "äGIDIUS"}) {
        const auto e = Ausfuehren(std::string("namenstag-suchen ") + text);
        EXPECT_EQ(e.code, 0);
        EXPECT_EQ(e.ausgabe, "Suche beendet, aber leider keinen gefunden!\n") << text;
    }
    EXPECT_EQ(Zeilen(Ausfuehren("namenstag-suchen ÄGIDIUS").ausgabe),
              (std::vector<std::string>{"23.04.\tÄgidius", "01.09.\tÄgidius",
                                        "Suche beendet, es wurden 2 Namen gefunden!"}));
}

TEST(NamenstageBefehle, FehlerhafterKatalogBeimProgramm) {
    // A link of the program in its own folder, where the catalogue is a folder: the command
    // warns and fails instead of answering from an empty or a distant catalogue.
    namespace fs = std::filesystem;
    const fs::path ordner = fs::path(KALVORA_CLI).parent_path().parent_path() /
                            ("namenstage-test-" + std::to_string(::getpid()));
    fs::create_directories(ordner / "Namenstage.txt");
    const fs::path programm = ordner / "kalvora-cli";
    std::error_code ec;
    fs::create_hard_link(KALVORA_CLI, programm, ec);
    if (ec) fs::copy_file(KALVORA_CLI, programm);
    for (const char* argumente : {"namenstage 06.12.", "namenstag-suchen Nikolaus"}) {
        const auto e = Ausfuehren(argumente, true, "", programm.string());
        EXPECT_EQ(e.code, 1) << argumente;
        EXPECT_NE(e.ausgabe.find("fehlerhafte Datei!"), std::string::npos) << e.ausgabe;
        EXPECT_EQ(Ausfuehren(argumente, false, "", programm.string()).ausgabe, "") << argumente;
    }
    fs::remove_all(ordner);
}

}  // namespace
