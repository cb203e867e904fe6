#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "einstellungen/Dateitypen.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

// Installed as a package, the system's folder holds the MIME types and the desktop entry:
// the start-up's registration then writes nothing into the user's folders.
TEST(Dateitypen, PaketInstalliertNichtsEigenes) {
    char muster[] = "/tmp/kalvora-paket-XXXXXX";
    ASSERT_NE(mkdtemp(muster), nullptr);
    const std::string ziel = std::string(muster) + "/nutzer";
    const std::string system = std::string(muster) + "/system";
    fs::create_directories(system + "/mime/packages");
    fs::create_directories(system + "/applications");
    std::ofstream(system + "/mime/packages/kalvora.xml")
        << "<mime-type type=\"application/x-kalvora\"><glob pattern=\"*.kvr\"/></mime-type>"
           "<mime-type type=\"application/x-kalvora-adressen\">"
           "<glob pattern=\"*.kvradr\"/></mime-type>";
    std::ofstream(system + "/applications/" + kPaketeintrag) << "[Desktop Entry]\n";
    int geschrieben = 0;
    const Dateischreiber schreiber = [&](const std::string& pfad, std::string_view inhalt) {
        ++geschrieben;
        DateiAtomarSchreiben(pfad, inhalt);
    };
    EXPECT_TRUE(SystemeintragVorhanden({ziel, system}));
    EXPECT_FALSE(DateitypenRegistrieren(ziel, {ziel, system}, "/usr/bin/kalvora", schreiber));
    EXPECT_EQ(geschrieben, 0);
    EXPECT_FALSE(fs::exists(ziel));

    // Run from its build folder without the package, it registers itself as before.
    fs::remove(system + "/applications/" + kPaketeintrag);
    EXPECT_FALSE(SystemeintragVorhanden({ziel, system}));
    EXPECT_TRUE(DateitypenRegistrieren(ziel, {ziel, system}, "/opt/kalvora", schreiber));
    EXPECT_TRUE(fs::exists(ziel + "/applications/kalvora.desktop"));
    fs::remove_all(muster);
}

TEST(Dateitypen, GlobsUndGlobs2) {
    EXPECT_TRUE(MimeglobBekannt("application/x-kalvora:*.kvr\n", "*.kvr"));           // globs
    EXPECT_TRUE(MimeglobBekannt("# c\r\n50:application/x-kalvora:*.kvr\r\n", "*.kvr"));
    EXPECT_TRUE(MimeglobBekannt("50:text/x-c:*.C:cs\n60:application/x-kalvora:*.kvr:cs", "*.kvr"));
    EXPECT_FALSE(MimeglobBekannt("50:text/x-c:*.C:*.kvr\n", "*.kvr"));  // a flag, no pattern
    EXPECT_FALSE(MimeglobBekannt("#50:application/x-kalvora:*.kvr\n", "*.kvr"));
    EXPECT_FALSE(MimeglobBekannt("50:application/x-kalvora:*.kvradr\n*.kvr\n", "*.kvr"));
    EXPECT_FALSE(MimeglobBekannt("", "*.kvr"));
}

}  // namespace
}  // namespace kalvora
