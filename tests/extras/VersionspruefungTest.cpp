// The update check's evaluation: versions compared as numbers, the first line only, and
// everything that is no version counted as no connection.
#include <gtest/gtest.h>

#include "extras/Versionspruefung.h"

namespace kalvora {
namespace {

TEST(Versionspruefung, VersionenAlsZahlen) {
    EXPECT_EQ(VersionLesen("3.3.0.10"), (Versionsnummer{3, 3, 0, 10}));
    EXPECT_EQ(VersionLesen(" 3.3.0.1\r\n"), (Versionsnummer{3, 3, 0, 1}));
    for (const char* falsch : {"", "3.3.0", "3.3.0.1.2", "3.3.x.1", "3..0.1", "-3.3.0.1",
                               "<html>", "3.3.0.1 beta", "99999999999.0.0.0"})
        EXPECT_FALSE(VersionLesen(falsch)) << falsch;
}

TEST(Versionspruefung, AuswertungDerVersionsdatei) {
    const auto neuer = UpdateAuswerten(std::string("3.4.0.0\r\n3.0.0.0\r\n"), "3.3.0.1");
    EXPECT_TRUE(neuer.neuer);
    EXPECT_TRUE(neuer.verbunden);
    EXPECT_EQ(neuer.text, "Es ist eine neue Version verfügbar\r\nVersion: 3.4.0.0\r\n"
                          "Möchten Sie zur Webseite gehen?");
    // 10 is more than 9, whatever the characters say.
    EXPECT_TRUE(UpdateAuswerten(std::string("3.3.0.10"), "3.3.0.9").neuer);
    const auto aelter = UpdateAuswerten(std::string("3.3.0.9"), "3.3.0.10");
    EXPECT_FALSE(aelter.neuer);
    EXPECT_EQ(aelter.text, "Ihre Version ist auf dem neuesten Stand");
    EXPECT_FALSE(UpdateAuswerten(std::string("3.3.0.1\n"), "3.3.0.1").neuer);
    EXPECT_EQ(UpdateAuswerten(std::string("3.3.0.1\n"), "3.3.0.1").text,
              "Ihre Version ist auf dem neuesten Stand");
    // A file saved with a byte-order mark is still a version file.
    const auto mitMarke = UpdateAuswerten(std::string("\xEF\xBB\xBF" "3.4.0.0\r\n"), "3.3.0.1");
    EXPECT_TRUE(mitMarke.neuer);
    EXPECT_EQ(mitMarke.text, "Es ist eine neue Version verfügbar\r\nVersion: 3.4.0.0\r\n"
                             "Möchten Sie zur Webseite gehen?");
    EXPECT_FALSE(UpdateAuswerten(std::string("\xEF\xBB\xBF"), "3.3.0.1").verbunden);
    for (const auto& keine : {std::optional<std::string>(), std::optional<std::string>(""),
                              std::optional<std::string>("<!DOCTYPE html>\n3.9.0.0")}) {
        const auto e = UpdateAuswerten(keine, "3.3.0.1");
        EXPECT_FALSE(e.neuer);
        EXPECT_FALSE(e.verbunden);
        EXPECT_EQ(e.text, "Es konnte keine Verbindung hergestellt werden!");
    }
}

TEST(Versionspruefung, Versionszeile) {
    EXPECT_EQ(Versionszeile(std::string("3.3.0.1"), "11.12.26"), "Version 3.3.0.1   (11.12.26)");
    EXPECT_EQ(Versionszeile(std::nullopt, "11.12.26"), "Version 3.1   (11.12.26)");
}

}  // namespace
}  // namespace kalvora
