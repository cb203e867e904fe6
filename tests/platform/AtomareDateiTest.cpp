#include "platform/posix/AtomareDatei.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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

// A pipe or a device is never replaced by a regular file, nor is a file without write
// permission overwritten behind the user's back (root included).
TEST_F(AtomareDateiTest, GeraeteUndSchreibgeschuetztesWerdenNichtErsetzt) {
    const fs::path pipe = ordner / "pipe.kvr";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // A device node of our own (root only): a broken save must not be able to damage the
    // system's /dev/null.
    const fs::path geraet = ordner / "geraet";
    const bool mitGeraet = mknod(geraet.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    fs::create_symlink(mitGeraet ? geraet : pipe, ordner / "null.kvr");
    const fs::path fest = ordner / "fest.kvr";
    std::ofstream(fest) << "alt";
    chmod(fest.c_str(), 0444);
    for (const fs::path& p : {pipe, ordner / "null.kvr", fest}) {
        SCOPED_TRACE(p);
        try {
            DateiAtomarSchreiben(p.string(), "neu");
            ADD_FAILURE();
        } catch (const KalvoraFehler& f) {
            EXPECT_NE(std::string(f.what()).find("nicht überschrieben"), std::string::npos)
                << f.what();
        }
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    if (mitGeraet) EXPECT_TRUE(fs::is_character_file(geraet));
    EXPECT_EQ(Inhalt(fest), "alt");
}

TEST_F(AtomareDateiTest, BesitzerUndGruppeBleiben) {
    if (geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    const fs::path p = ordner / "a.kvr";
    std::ofstream(p) << "alt";
    ASSERT_EQ(chown(p.c_str(), 65534, 65534), 0);
    DateiAtomarSchreiben(p.string(), "neu");
    struct stat st {};
    stat(p.c_str(), &st);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
}

// What a killed save left behind (a temporary file of ours that nobody holds) goes with the
// next save; a file of that pattern that a running save holds stays.
TEST_F(AtomareDateiTest, ResteAbgebrochenerSpeicherungenVerschwinden) {
    const fs::path p = ordner / "a.kvr";
    std::ofstream(ordner / ".a.kvr.kvtmp.abc123") << "Rest";
    std::ofstream(ordner / ".a.kvr.kvtmp.zzz999") << "laeuft";
    std::ofstream(ordner / ".b.kvr.kvtmp.abc123") << "fremd";
    std::ofstream(ordner / "a.kvr.backup") << "fremd";
    const int gehalten = open((ordner / ".a.kvr.kvtmp.zzz999").c_str(), O_RDONLY);
    ASSERT_EQ(flock(gehalten, LOCK_EX), 0);
    DateiAtomarSchreiben(p.string(), "neu");
    close(gehalten);
    EXPECT_FALSE(fs::exists(ordner / ".a.kvr.kvtmp.abc123"));
    EXPECT_TRUE(fs::exists(ordner / ".a.kvr.kvtmp.zzz999"));
    EXPECT_TRUE(fs::exists(ordner / ".b.kvr.kvtmp.abc123"));
    EXPECT_TRUE(fs::exists(ordner / "a.kvr.backup"));
    EXPECT_EQ(Inhalt(p), "neu");
}

// Written piece by piece: the old file stays whole until the end, a writer given up half
// way leaves neither a changed target nor a temporary file, and the rules of the whole-file
// writer (permissions, refusals) hold alike.
TEST_F(AtomareDateiTest, StueckweiseGeschriebenErsetztErstAmEnde) {
    const fs::path p = ordner / "a.xml";
    std::ofstream(p) << "alt";
    chmod(p.c_str(), 0640);
    {
        AtomarerSchreiber datei(p.string());
        datei.Schreiben("neu ");
        EXPECT_EQ(Inhalt(p), "alt");
        datei.Schreiben(std::string(3 << 20, 'x'));
        EXPECT_EQ(Inhalt(p), "alt");
        datei.Abschliessen();
        EXPECT_THROW(datei.Schreiben("mehr"), KalvoraFehler);
    }
    EXPECT_EQ(Inhalt(p), "neu " + std::string(3 << 20, 'x'));
    EXPECT_EQ(Rechte(p), 0640u);
    EXPECT_EQ(Dateien(), 1u);

    {
        AtomarerSchreiber abgebrochen(p.string());
        abgebrochen.Schreiben("halb");
    }
    EXPECT_EQ(Inhalt(p), "neu " + std::string(3 << 20, 'x'));
    EXPECT_EQ(Dateien(), 1u);

    chmod(p.c_str(), 0444);
    EXPECT_THROW(AtomarerSchreiber{p.string()}, KalvoraFehler);
    fs::create_directories(ordner / "ordner.xml");
    EXPECT_THROW(AtomarerSchreiber{(ordner / "ordner.xml").string()}, KalvoraFehler);
    // The rename fails at the end: the error is reported, nothing is left behind.
    fs::create_directories(ordner / "spaet.xml");
    AtomarerSchreiber spaet((ordner / "neu.xml").string());
    spaet.Schreiben("x");
    fs::rename(ordner / "spaet.xml", ordner / "neu.xml");
    fs::create_directories(ordner / "neu.xml" / "drin");
    EXPECT_THROW(spaet.Abschliessen(), KalvoraFehler);
    EXPECT_TRUE(fs::is_directory(ordner / "neu.xml" / "drin"));
    EXPECT_EQ(Dateien(), 3u);  // a.xml, ordner.xml, neu.xml
}

}  // namespace
}  // namespace kalvora
