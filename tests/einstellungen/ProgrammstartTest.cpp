#include "einstellungen/Programmstart.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "einstellungen/Autostart.h"
#include "einstellungen/Dateitypen.h"
#include "einstellungen/Desktopdatei.h"
#include "methoden/Fehler.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/posix/XdgOrdner.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

class Tempordner {
public:
    Tempordner() {
        char muster[] = "/tmp/kalvora-start-XXXXXX";
        pfad = mkdtemp(muster);
    }
    ~Tempordner() { fs::remove_all(pfad); }
    std::string pfad;
};

// The program's atomic writer, with a list of what went through it.
struct Protokollschreiber {
    std::vector<std::string> pfade;
    bool scheitern = false;
    Dateischreiber Schreiber() {
        return [this](const std::string& pfad, std::string_view inhalt) {
            if (scheitern) throw KalvoraFehler("Der Datenträger ist voll.");
            pfade.push_back(fs::path(pfad).filename().string());
            DateiAtomarSchreiben(pfad, inhalt);
        };
    }
};

TEST(Befehlszeile, DateiWirdAbsolutUndCodeBleibtWieGegeben) {
    struct Fall {
        std::vector<std::string> argumente;
        std::string datei, code;
    };
    for (const auto& f : std::vector<Fall>{
             {{}, "", ""},
             {{"x.kvr"}, "/home/u/x.kvr", ""},
             {{"../t/x.kvr", "mini"}, "/home/t/x.kvr", "mini"},
             {{"/a/b.kvr", "MONA", "mehr"}, "/a/b.kvr", "MONA"},
         }) {
        const Befehlszeile z = BefehlszeileLesen(f.argumente, "/home/u");
        EXPECT_EQ(z.datei, f.datei);
        EXPECT_EQ(z.startcode, f.code);
    }
    EXPECT_EQ(Startdatei(BefehlszeileLesen({}, "/"), "/s.kvr"), "/s.kvr");
    EXPECT_EQ(Startdatei(BefehlszeileLesen({"/x.kvr"}, "/"), "/s.kvr"), "/x.kvr");
}

TEST(Startcode, TabelleUndStartansicht) {
    struct Fall {
        const char* code;
        std::optional<Startansicht> ansicht;
        bool vollbild, startansicht;
    };
    for (const Fall& f : {
             Fall{"mini", Startansicht::Tray, false, false},
             Fall{"jahr", Startansicht::Jahresansicht, false, false},
             Fall{"mona", Startansicht::Monatsansicht, false, false},
             Fall{"mowo", Startansicht::MonatMitWochen, false, false},
             Fall{"woch", Startansicht::Wochenansicht, false, false},
             Fall{"zwow", Startansicht::Zweiwochenansicht, false, false},
             Fall{"desk", Startansicht::DesktopStundenplan, false, false},
             Fall{"stud", Startansicht::Stundenplan, false, false},
             Fall{"voll", std::nullopt, true, true},
             Fall{"", std::nullopt, false, true},
             Fall{"Mona", std::nullopt, false, true},
         }) {
        const Startaktion a = StartcodeAktion(f.code, 7);
        EXPECT_EQ(a.ansicht, f.ansicht) << f.code;
        EXPECT_EQ(a.vollbild, f.vollbild) << f.code;
        EXPECT_EQ(StartansichtOeffnen(f.code), f.startansicht) << f.code;
    }
    EXPECT_EQ(StartcodeAktion("mini", 3).ansicht, Startansicht::Wochenansicht);
    EXPECT_EQ(AnsichtAusNummer(8), Startansicht::Jahresansicht);
}

TEST(Autostart, EintragenAuflistenUndMarkierteLoeschen) {
    Tempordner t;
    Protokollschreiber schreiber;
    Autostart a(t.pfad + "/autostart", "/opt/kalvora/kalvora", schreiber.Schreiber());
    EXPECT_EQ(Autostart::Eintragsname(1), "Kalvora001");
    EXPECT_EQ(Autostart::Eintragsname(1000), "Kalvora1000");
    EXPECT_EQ(a.Befehlszeile("/home/u/plan.kvr"),
              "\"/opt/kalvora/kalvora\" \"/home/u/plan.kvr\" \"mini\"");
    EXPECT_TRUE(a.Dateien().empty());
    EXPECT_FALSE(a.EintragenMoeglich(""));

    const std::vector<std::string> dateien{"/a.kvr", "/mit Leer zeichen.kvr",
                                           "/x\"y$z\\`100%.kvr", "/d.kvr"};
    for (const auto& d : dateien) {
        ASSERT_TRUE(a.EintragenMoeglich(d));
        a.Eintragen(d);
    }
    EXPECT_EQ(a.Dateien(), dateien);
    EXPECT_FALSE(a.EintragenMoeglich("/d.kvr"));
    EXPECT_EQ(DesktopWert(t.pfad + "/autostart/Kalvora001.desktop", "Exec"),
              "\"/opt/kalvora/kalvora\" \"/a.kvr\" \"mini\"");

    a.MarkierteLoeschen({true, false, true, false});
    EXPECT_EQ(a.Dateien(), (std::vector<std::string>{dateien[1], dateien[3]}));
    EXPECT_FALSE(fs::exists(t.pfad + "/autostart/Kalvora003.desktop"));

    // Every entry was written by the writer handed in, none past it.
    EXPECT_EQ(schreiber.pfade,
              (std::vector<std::string>{"Kalvora001.desktop", "Kalvora002.desktop",
                                        "Kalvora003.desktop", "Kalvora004.desktop",
                                        "Kalvora001.desktop", "Kalvora002.desktop"}));
    // A write that fails says which entry, and why.
    schreiber.scheitern = true;
    try {
        a.Eintragen("/e.kvr");
        ADD_FAILURE() << "kein Fehler";
    } catch (const KalvoraFehler& f) {
        EXPECT_NE(std::string(f.what()).find("Kalvora003.desktop kann nicht geschrieben werden. "
                                             "Der Datenträger ist voll."),
                  std::string::npos)
            << f.what();
    }
    schreiber.scheitern = false;

    // A gap ends the list, as the numbers run without gaps.
    fs::remove(t.pfad + "/autostart/Kalvora001.desktop");
    EXPECT_TRUE(a.Dateien().empty());
}

TEST(Desktopdatei, ExecArgumenteWieVonAnderenGeschrieben) {
    EXPECT_EQ(ExecArgumente("kalvora %f"), (std::vector<std::string>{"kalvora", "%f"}));
    EXPECT_EQ(ExecArgumente("\"/a b/k\" \"x\\\\\\\\y\""),
              (std::vector<std::string>{"/a b/k", "x\\y"}));
}

TEST(Dateitypen, NurWoNochKeineRegistrierungBesteht) {
    Tempordner t;
    const std::string ziel = t.pfad + "/nutzer", system = t.pfad + "/system";
    fs::create_directories(system + "/mime");
    std::ofstream(system + "/mime/globs2") << "50:text/x-anders:*.kvr\n";

    Protokollschreiber schreiber;
    ASSERT_TRUE(
        DateitypenRegistrieren(ziel, {ziel, system}, "/opt/k b/kalvora", schreiber.Schreiber()));
    EXPECT_EQ(schreiber.pfade,
              (std::vector<std::string>{"kalvora-kvradr.xml", "kalvora.desktop"}));
    EXPECT_FALSE(fs::exists(ziel + "/mime/packages/kalvora-kvr.xml"));
    EXPECT_TRUE(fs::exists(ziel + "/mime/packages/kalvora-kvradr.xml"));
    EXPECT_TRUE(DateitypBekannt({ziel}, ".kvradr"));
    EXPECT_EQ(DesktopWert(ziel + "/applications/kalvora.desktop", "Exec"),
              "\"/opt/k b/kalvora\" %f");
    EXPECT_EQ(DesktopWert(ziel + "/applications/kalvora.desktop", "MimeType"),
              "application/x-kalvora;application/x-kalvora-adressen;");

    // Nothing is overwritten a second time.
    std::ofstream(ziel + "/applications/kalvora.desktop") << "[Desktop Entry]\nExec=eigen\n";
    EXPECT_FALSE(
        DateitypenRegistrieren(ziel, {ziel, system}, "/opt/k b/kalvora", schreiber.Schreiber()));
    EXPECT_EQ(DesktopWert(ziel + "/applications/kalvora.desktop", "Exec"), "eigen");
}

// Another program's mime files that are pipes or folders neither stop the start nor count;
// a file that cannot be written is left out without an exception.
TEST(Dateitypen, PipesImMimeOrdnerUndSchreibfehler) {
    Tempordner t;
    const std::string ziel = t.pfad + "/nutzer", system = t.pfad + "/system";
    fs::create_directories(system + "/mime/packages/ordner.xml");
    ASSERT_EQ(mkfifo((system + "/mime/globs2").c_str(), 0644), 0);
    ASSERT_EQ(mkfifo((system + "/mime/packages/rohr.xml").c_str(), 0644), 0);
    EXPECT_FALSE(DateitypBekannt({system}, ".kvr"));

    Protokollschreiber schreiber;
    schreiber.scheitern = true;
    EXPECT_FALSE(
        DateitypenRegistrieren(ziel, {ziel, system}, "/opt/kalvora", schreiber.Schreiber()));
    EXPECT_FALSE(fs::exists(ziel + "/applications/kalvora.desktop"));
    schreiber.scheitern = false;
    EXPECT_TRUE(
        DateitypenRegistrieren(ziel, {ziel, system}, "/opt/kalvora", schreiber.Schreiber()));
    EXPECT_TRUE(DateitypBekannt({ziel}, ".kvr"));
    EXPECT_TRUE(DateitypBekannt({ziel}, ".kvradr"));
}

TEST(XdgOrdner, FolgenDenUmgebungsvariablen) {
    Tempordner t;
    setenv("XDG_DATA_HOME", (t.pfad + "/daten").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (t.pfad + "/konfig").c_str(), 1);
    setenv("XDG_DATA_DIRS", "/s1:relativ:/s2", 1);
    EXPECT_EQ(Autostartordner(), t.pfad + "/konfig/autostart");
    EXPECT_EQ(AlleDatenordner(), (std::vector<std::string>{t.pfad + "/daten", "/s1", "/s2"}));
    EXPECT_EQ(RegistrierungsDatenordner(),
              geteuid() == 0 ? std::string("/usr/local/share") : t.pfad + "/daten");
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_DIRS");
}

}  // namespace
}  // namespace kalvora
