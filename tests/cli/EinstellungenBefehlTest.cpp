// End-to-end test of "kalvora-cli einstellungen" against a settings folder of its own.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Ergebnis {
    int code;
    std::vector<std::string> zeilen;  // stdout
    std::string fehler;               // stderr
};

class EinstellungenBefehl : public ::testing::Test {
protected:
    void SetUp() override {
        std::string muster = (fs::temp_directory_path() / "kalvora-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        heim_ = muster;
        datei_ = heim_ / "konfig" / "Kalvora" / "Kalvora.conf";
    }
    void TearDown() override { fs::remove_all(heim_); }

    // Runs without a display, with HOME and the XDG folder inside the temporary folder.
    Ergebnis Ausfuehren() const {
        const fs::path fehlerdatei = heim_ / "stderr.txt";
        const std::string befehl = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME='" +
                                   heim_.string() + "' XDG_CONFIG_HOME='" +
                                   (heim_ / "konfig").string() + "' '" + KALVORA_CLI +
                                   "' einstellungen 2>'" + fehlerdatei.string() + "'";
        Ergebnis e{-1, {}, {}};
        FILE* rohr = popen(befehl.c_str(), "r");
        if (!rohr) return e;
        std::string text;
        char puffer[4096];
        for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;)
            text.append(puffer, n);
        const int status = pclose(rohr);
        e.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::istringstream ein(text);
        for (std::string z; std::getline(ein, z);) e.zeilen.push_back(z);
        std::ifstream f(fehlerdatei);
        std::getline(f, e.fehler);
        return e;
    }

    void Schreiben(const std::string& inhalt) const {
        fs::create_directories(datei_.parent_path());
        std::ofstream(datei_) << inhalt;
    }

    bool Enthaelt(const Ergebnis& e, const std::string& zeile) const {
        for (const auto& z : e.zeilen)
            if (z == zeile) return true;
        return false;
    }

    fs::path heim_;
    fs::path datei_;
};

TEST_F(EinstellungenBefehl, OhneDateiStandardwerteUndNichtsGeschrieben) {
    const Ergebnis e = Ausfuehren();
    ASSERT_EQ(e.code, 0) << e.fehler;
    ASSERT_EQ(e.zeilen.size(), 131u);
    EXPECT_EQ(e.zeilen[0], "Ablage: " + datei_.string());
    EXPECT_EQ(e.zeilen[1], "aktjahr = 1");
    EXPECT_TRUE(Enthaelt(e, "Schriftgröße Monatstage = 5"));
    EXPECT_TRUE(Enthaelt(e, "Schriftname = MS Sans Serif"));
    EXPECT_TRUE(Enthaelt(e, "Farbe01 = 0x00FFFF"));
    EXPECT_TRUE(Enthaelt(e, "geographische Breite = 51.9667"));
    EXPECT_TRUE(Enthaelt(e, "Windowtop = 184"));
    EXPECT_EQ(e.zeilen.back(), "DesktopToolbar aus = 0");
    // Looking must not create or change the settings.
    EXPECT_FALSE(fs::exists(datei_));
}

TEST_F(EinstellungenBefehl, GespeicherteWerteUndFalscherTyp) {
    Schreiben("[General]\nStunden=11\nStartdatei=/daten/privat.kvr\nFarbe03=255\n");
    Ergebnis e = Ausfuehren();
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_TRUE(Enthaelt(e, "Stunden = 11"));
    EXPECT_TRUE(Enthaelt(e, "Startdatei = /daten/privat.kvr"));
    EXPECT_TRUE(Enthaelt(e, "Farbe03 = 0x0000FF"));

    // The list still shows what was read; the message names the value.
    Schreiben("[General]\nStunden=11\nMinuten=halb\nAlarmstunden=5\n");
    e = Ausfuehren();
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.zeilen.size(), 131u);
    EXPECT_TRUE(Enthaelt(e, "Stunden = 11"));
    EXPECT_TRUE(Enthaelt(e, "Alarmstunden = 2"));
    EXPECT_NE(e.fehler.find("\"Minuten\""), std::string::npos) << e.fehler;
}

}  // namespace
