#include "einstellungen/Desktopdatei.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace kalvora {
namespace {

TEST(Desktopdatei, WertNurAusDerGruppeDesEintrags) {
    const std::string text =
        "# Kommentar\r\nExec=davor\r\n[Desktop Entry]\r\nName = Kalvora\r\nExec=  \"/a b\" %f\n"
        "[Desktop Action Neu]\nExec=aktion\nIcon=x";
    EXPECT_EQ(DesktopWertAusText(text, "Exec"), "\"/a b\" %f");
    EXPECT_EQ(DesktopWertAusText(text, "Name"), "Kalvora");
    EXPECT_EQ(DesktopWertAusText(text, "Icon"), std::nullopt);
    EXPECT_EQ(DesktopWertAusText("[Desktop Entry]\nExec", "Exec"), std::nullopt);
    EXPECT_EQ(DesktopWertAusText("", "Exec"), std::nullopt);
}

// The start-up reads these files from the user's folders: a pipe, a folder or a huge file in
// their place must neither hang it nor fill its memory.
TEST(Desktopdatei, KeineGewoehnlicheDateiGiltAlsFehlend) {
    char muster[] = "/tmp/kalvora-desktop-XXXXXX";
    ASSERT_NE(mkdtemp(muster), nullptr);
    const std::string ordner = muster;
    const std::string pipe = ordner + "/pipe.desktop";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(DesktopWert(pipe, "Exec"), std::nullopt);
    EXPECT_EQ(DesktopWert(ordner, "Exec"), std::nullopt);
    EXPECT_EQ(DesktopWert(ordner + "/fehlt.desktop", "Exec"), std::nullopt);
    const std::string gross = ordner + "/gross.desktop";
    {
        std::ofstream aus(gross);
        aus << "[Desktop Entry]\nExec=x\n" << std::string(kGroessteDesktopdatei, '#');
    }
    EXPECT_EQ(DesktopWert(gross, "Exec"), std::nullopt);
    const std::string gut = ordner + "/gut.desktop";
    std::ofstream(gut) << "[Desktop Entry]\nExec=kalvora %f\n";
    EXPECT_EQ(DesktopWert(gut, "Exec"), "kalvora %f");
    for (const std::string& f : {pipe, gross, gut}) unlink(f.c_str());
    rmdir(ordner.c_str());
}

}  // namespace
}  // namespace kalvora
