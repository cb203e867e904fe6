#include "platform/posix/AtomareDatei.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "methoden/Fehler.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

class AtomareDateiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = fs::temp_directory_path() / ("kalvora-atomar-" + std::to_string(getpid()));
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    static std::string Inhalt(const fs::path& p) {
        std::ifstream ein(p, std::ios::binary);
        std::ostringstream s;
        s << ein.rdbuf();
        return s.str();
    }
    static mode_t Rechte(const fs::path& p) {
        struct stat st;
        stat(p.c_str(), &st);
        return st.st_mode & 07777;
    }
    std::size_t Dateien() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(ordner), {}));
    }
    fs::path ordner;
};

TEST_F(AtomareDateiTest, NeueDateiBekommtDieUeblichenRechte) {
    const mode_t maske = umask(022);
    DateiAtomarSchreiben((ordner / "a.kvr").string(), std::string("x\0y", 3));
    umask(maske);
    EXPECT_EQ(Inhalt(ordner / "a.kvr"), std::string("x\0y", 3));
    EXPECT_EQ(Rechte(ordner / "a.kvr"), 0644u);
    EXPECT_EQ(Dateien(), 1u);
}

TEST_F(AtomareDateiTest, UeberschreibenBehaeltDieRechte) {
    const fs::path p = ordner / "a.kvr";
    std::ofstream(p) << "alt und länger";
    chmod(p.c_str(), 0600);
    DateiAtomarSchreiben(p.string(), "neu");
    EXPECT_EQ(Inhalt(p), "neu");
    EXPECT_EQ(Rechte(p), 0600u);
    EXPECT_EQ(Dateien(), 1u);
}

TEST_F(AtomareDateiTest, VerknuepfungZeigtWeiterAufDasZiel) {
    std::ofstream(ordner / "ziel.kvr") << "alt";
    fs::create_symlink(ordner / "ziel.kvr", ordner / "link.kvr");
    DateiAtomarSchreiben((ordner / "link.kvr").string(), "neu");
    EXPECT_TRUE(fs::is_symlink(ordner / "link.kvr"));
    EXPECT_EQ(Inhalt(ordner / "ziel.kvr"), "neu");
}

TEST_F(AtomareDateiTest, FehlerNenntDateiUndGrundUndLaesstDasAlteStehen) {
    try {
        DateiAtomarSchreiben((ordner / "fehlt" / "a.kvr").string(), "x");
        ADD_FAILURE();
    } catch (const KalvoraFehler& e) {
        EXPECT_NE(std::string(e.what()).find("a.kvr\" kann nicht geschrieben werden: "),
                  std::string::npos)
            << e.what();
    }
    // The rename fails (a folder is in the way) after the temporary file was written.
    fs::create_directories(ordner / "b.kvr" / "drin");
    EXPECT_THROW(DateiAtomarSchreiben((ordner / "b.kvr").string(), "neu"), KalvoraFehler);
    EXPECT_TRUE(fs::is_directory(ordner / "b.kvr" / "drin"));
    EXPECT_EQ(Dateien(), 1u);  // no temporary file left behind
}

}  // namespace
}  // namespace kalvora
