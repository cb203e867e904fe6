#include "sync/Syncstand.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "methoden/Fehler.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

Syncstand Beispiel() {
    Syncstand s;
    s.kalenderdatei = "/home/anna/Kalender\tmit Tab.kvr";
    s.kalenderUrl = "http://127.0.0.1:5232/anna/familie/";
    s.benutzer = "anna";
    s.syncToken = "http://radicale.org/ns/sync/1a2b";
    s.eintraege = {
        {"uid-1@kalvora", "http://127.0.0.1:5232/anna/familie/1.ics", "\"e1\"", "00aa"},
        // Recorded before its PUT: no ETag yet.
        {"uid\\2\nzwei", "http://127.0.0.1:5232/anna/familie/2.ics", "", "11bb"},
    };
    return s;
}

TEST(Syncstand, UeberstehtSpeichernUndLadenMitAllenZeichen) {
    const fs::path ordner = fs::temp_directory_path() /
                            ("kalvora-syncstand-" + std::to_string(getpid())) / "neu" / "caldav";
    const Syncstand s = Beispiel();
    const std::string pfad =
        (ordner / SyncstandDateiname(s.kalenderdatei, s.kalenderUrl, s.benutzer)).string();
    SyncstandSpeichern(pfad, s, DateiAtomarSchreiben);
    EXPECT_EQ(SyncstandLaden(pfad, s.kalenderdatei, s.kalenderUrl, s.benutzer), s);
    // The folder is the user's alone.
    struct stat st{};
    ASSERT_EQ(stat(ordner.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    // Another account of the same file has a state of its own, empty at first.
    const std::string anderer =
        (ordner / SyncstandDateiname(s.kalenderdatei, s.kalenderUrl, "bert")).string();
    EXPECT_NE(anderer, pfad);
    EXPECT_TRUE(SyncstandLaden(anderer, s.kalenderdatei, s.kalenderUrl, "bert").eintraege.empty());
    // A state that belongs to something else is never used for this file.
    EXPECT_THROW(SyncstandLaden(pfad, "/anders.kvr", s.kalenderUrl, s.benutzer), KalvoraFehler);
    fs::remove_all(ordner.parent_path().parent_path());
}

TEST(Syncstand, BeschaedigteDateienNennenZeileUndGrund) {
    const std::string gut = SyncstandText(Beispiel());
    const std::pair<std::string, std::string> faelle[] = {
        {"", "unbekannte Kopfzeile"},
        {"Kalvora CalDAV-Stand 2\n", "unbekannte Kopfzeile"},
        {gut.substr(0, gut.size() - 5), "unvollständig"},
        {gut + "Eintrag\ta\tb\n", "Zeile 8: Der Synchronisationsstand \"s\" ist beschädigt "
                                  "(unbekannte Zeile)"},
        {gut + "Eintrag\ta\t\te\th\n", "Eintrag ohne Adresse"},
        {gut + "Token\tx\\q\n", "ungültiger Rückstrich"},
    };
    for (const auto& [text, grund] : faelle) {
        SCOPED_TRACE(text);
        try {
            SyncstandAusText(text, "s");
            ADD_FAILURE() << "angenommen";
        } catch (const KalvoraFehler& f) {
            EXPECT_NE(std::string(f.what()).find(grund), std::string::npos) << f.what();
        }
    }
}

TEST(Syncstand, OrdnerNachXdgUndInhaltshash) {
    EXPECT_EQ(SyncstandOrdner("/x/state", "/home/a"), "/x/state/kalvora/caldav");
    EXPECT_EQ(SyncstandOrdner("relativ", "/home/a"), "/home/a/.local/state/kalvora/caldav");
    EXPECT_EQ(SyncstandOrdner(nullptr, "/home/a"), "/home/a/.local/state/kalvora/caldav");
    EXPECT_EQ(SyncstandOrdner(nullptr, nullptr), "");
    // FNV-1a 64 of the empty text and of "a".
    EXPECT_EQ(Inhaltshash(""), "cbf29ce484222325");
    EXPECT_EQ(Inhaltshash("a"), "af63dc4c8601ec8c");
    EXPECT_NE(Inhaltshash("SUMMARY:A"), Inhaltshash("SUMMARY:B"));
}

}  // namespace
}  // namespace kalvora
