#include "platform/posix/PosixDateisperre.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/posix/PosixSpeicherplatz.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

class PosixDateisperreTest : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-sperre-XXXXXX";
        ordner = mkdtemp(muster);
        sperrdatei = Sperrdateiname(ordner + "/plan.kvr");
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string ordner, sperrdatei;
    PosixDateisperre dienst;
};

TEST_F(PosixDateisperreTest, NurEinHalterUndFreigebenLoescht) {
    EXPECT_EQ(sperrdatei, ordner + "/plan.kvr.tmp");
    EXPECT_FALSE(dienst.Gehalten(sperrdatei));
    auto erste = dienst.Anlegen(sperrdatei);
    ASSERT_TRUE(erste);
    EXPECT_EQ(erste->Pfad(), sperrdatei);
    EXPECT_TRUE(dienst.Gehalten(sperrdatei));
    EXPECT_FALSE(dienst.Anlegen(sperrdatei));
    // Deleting a held lock file is refused, so no second holder can appear beside it.
    dienst.Loeschen(sperrdatei);
    EXPECT_TRUE(fs::exists(sperrdatei));
    EXPECT_FALSE(dienst.Anlegen(sperrdatei));

    erste.reset();
    EXPECT_FALSE(fs::exists(sperrdatei));
    EXPECT_FALSE(dienst.Gehalten(sperrdatei));
    EXPECT_TRUE(dienst.Anlegen(sperrdatei));
}

TEST_F(PosixDateisperreTest, LiegengebliebeneSperrdatei) {
    std::ofstream(sperrdatei) << "alt";
    EXPECT_FALSE(dienst.Gehalten(sperrdatei));
    {
        auto s = dienst.Anlegen(sperrdatei);
        ASSERT_TRUE(s);
        EXPECT_EQ(fs::file_size(sperrdatei), 0u);
    }
    std::ofstream(sperrdatei) << "alt";
    dienst.Loeschen(sperrdatei);
    EXPECT_FALSE(fs::exists(sperrdatei));
    dienst.Loeschen(sperrdatei);  // nothing there: no error
}

TEST_F(PosixDateisperreTest, OhneOrdnerKeineSperre) {
    EXPECT_FALSE(dienst.Anlegen(ordner + "/fehlt/x.kvr.tmp"));
    PosixSpeicherplatz platz;
    EXPECT_GT(platz.FreieBytes(ordner).value_or(0), 0u);
    EXPECT_FALSE(platz.FreieBytes(ordner + "/fehlt").has_value());
}

}  // namespace
}  // namespace kalvora
