// The large sample calendar written by "erzeugen" reads back with every day filled.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliAufruf.h"

namespace {

using kalvora::testcli::Ausfuehren;
using kalvora::testcli::Zeilen;

TEST(ErzeugenBefehl, GrosserKalenderIstVollstaendig) {
    const auto pfad = std::filesystem::temp_directory_path() /
                      ("kalvora-erzeugen-" + std::to_string(::getpid()) + ".kvr");
    ASSERT_EQ(Ausfuehren("erzeugen '" + pfad.string() + "'").code, 0);
    const auto groesse = std::filesystem::file_size(pfad);
    EXPECT_GT(groesse, 14'000'000u);
    EXPECT_LT(groesse, 20'000'000u);
    const auto e = Ausfuehren("pruefen '" + pfad.string() + "'");
    EXPECT_EQ(e.code, 0);
    // 1.1.1901 .. 31.12.2099 are 72,684 days with three appointments each.
    EXPECT_EQ(Zeilen(e.ausgabe),
              (std::vector<std::string>{"Form: Ver 3.3", "Tage mit Farben: 72684",
                                        "Tage mit Einträgen: 72684", "Termine: 218052",
                                        "Geburtstage: 200", "Kategorien: 10", "Links: 5"}));
    std::filesystem::remove(pfad);
}

TEST(ErzeugenBefehl, FalscherAufruf) {
    EXPECT_EQ(Ausfuehren("erzeugen").code, 2);
    EXPECT_EQ(Ausfuehren("erzeugen /gibt/es/nicht/x.kvr").code, 1);
}

}  // namespace
