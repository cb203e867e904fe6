// The QSettings store against a settings file in a temporary folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "doubles/EinstellungenMuster.h"
#include "einstellungen/Einstellungen.h"
#include "methoden/Fehler.h"
#include "platform/qt/kern/QtRegistry.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

class QtRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string muster = (fs::temp_directory_path() / "kalvora-qtreg-XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        ordner_ = muster;
        datei_ = (ordner_ / "Kalvora.conf").string();
    }
    void TearDown() override { fs::remove_all(ordner_); }

    std::string Inhalt() const {
        std::ifstream ein(datei_);
        std::stringstream s;
        s << ein.rdbuf();
        return s.str();
    }
    void Anhaengen(const std::string& text) const {
        std::ofstream aus(datei_, std::ios::app);
        aus << text;
    }

    fs::path ordner_;
    std::string datei_;
};

TEST_F(QtRegistryTest, EinstellungenUeberlebenDieDatei) {
    const Einstellungsumgebung u{1280, 1024, 2030};
    const Einstellungen verstellt = EinstellungenVerstellt(u);
    {
        QtRegistry r(datei_);
        EinstellungenSpeichern(r, verstellt);
        EinstellungenBeimBeendenSpeichern(r, verstellt);
        TabelleSpeichern(r, "Software\\Kalvora\\Toolbar", ToolbarWerte(), verstellt);
        TabelleSpeichern(r, LetzteDateienSchluessel, LetzteDateienWerte(), verstellt);
        r.Sichern();
    }
    // The main key is the top level, each subkey its own group.
    const std::string text = Inhalt();
    EXPECT_NE(text.find("[General]"), std::string::npos);
    EXPECT_NE(text.find("[feiertage]"), std::string::npos);
    EXPECT_NE(text.find("[letzte_Dateien]"), std::string::npos);
    EXPECT_NE(text.find("[Toolbar]"), std::string::npos);

    QtRegistry r(datei_);
    EXPECT_EQ(r.Wertnamen(FeiertageSchluessel).size(), 64u);
    Einstellungen geladen;
    EinstellungenLaden(r, {}, geladen);
    EXPECT_EQ(geladen, verstellt);
}

TEST_F(QtRegistryTest, LeereDateiBekommtNurDieZurueckgeschriebenenWerte) {
    {
        QtRegistry r(datei_);
        Einstellungen e;
        EinstellungenLaden(r, {}, e);
        EXPECT_EQ(e, EinstellungenStandard({}));
    }
    QtRegistry r(datei_);
    EXPECT_EQ(r.Wertnamen(HauptSchluessel).size(), 20u);
    EXPECT_EQ(r.Wertnamen(FeiertageSchluessel).size(), 64u);
    EXPECT_EQ(r.Wertnamen(LetzteDateienSchluessel).size(), 10u);
    EXPECT_TRUE(r.Wertnamen("Software\\Kalvora\\Toolbar").empty());
    EXPECT_EQ(RegistrySchluessel(r, HauptSchluessel).GanzzahlLesen("Farbe02"), 0x0000FF);
}

TEST_F(QtRegistryTest, TypenBleibenErkennbar) {
    {
        QtRegistry r(datei_);
        RegistrySchluessel k(r, "Software\\Kalvora\\Test");
        k.GanzzahlSchreiben("zahl", -42);
        k.TextSchreiben("text", "12");
        k.GleitkommaSchreiben("gleit", 51.9667);
        k.BinaerSchreiben("bin", {0, 1, 0xFF, '\n', ')'});
        k.WahrheitswertSchreiben("wahr", true);
    }
    QtRegistry r(datei_);
    RegistrySchluessel k(r, "Software\\Kalvora\\Test");
    EXPECT_EQ(k.GanzzahlLesen("zahl"), -42);
    EXPECT_EQ(k.TextLesen("text"), "12");
    EXPECT_EQ(k.GleitkommaLesen("gleit"), 51.9667);
    EXPECT_EQ(k.BinaerLesen("bin"), (Binaerwert{0, 1, 0xFF, '\n', ')'}));
    EXPECT_TRUE(k.WahrheitswertLesen("wahr"));
    EXPECT_THROW(k.GleitkommaLesen("zahl"), KalvoraFehler);
    EXPECT_THROW(k.GanzzahlLesen("gleit"), KalvoraFehler);
    EXPECT_THROW(k.TextLesen("bin"), KalvoraFehler);

    EXPECT_EQ(k.Wertnamen(), (std::vector<std::string>{"bin", "gleit", "text", "wahr", "zahl"}));
    k.Loeschen("text");
    EXPECT_FALSE(k.Existiert("text"));
    EXPECT_FALSE(r.Existiert(HauptSchluessel, "zahl"));  // groups do not leak into each other
}

TEST_F(QtRegistryTest, VonHandBearbeiteteDatei) {
    // What a person might leave in the file: text where a number belongs, an unquoted comma,
    // broken lines and stray sections.
    Anhaengen("[General]\nStunden=7\nTimerintervall=0\nStartdatei=/home/a, b.kvr\n"
              "=ohne Namen\n[[kaputt\n\x01\x02\xff\n[feiertage]\nMalen%20der%20Feiertage03=1\n");
    {
        QtRegistry r(datei_);
        Einstellungen e;
        EinstellungenLaden(r, {}, e);
        EXPECT_EQ(e.Stunden, 7);
        EXPECT_EQ(e.Timerintervall, 1);
        EXPECT_EQ(e.Startdatei, "/home/a, b.kvr");
        EXPECT_TRUE(e.Feiertage[3].malen);
    }
    Anhaengen("[General]\nMinuten=halb\n");
    QtRegistry r(datei_);
    Einstellungen e;
    try {
        EinstellungenLaden(r, {}, e);
        FAIL() << "kein Fehler";
    } catch (const KalvoraFehler& f) {
        EXPECT_NE(std::string(f.what()).find("\"Minuten\""), std::string::npos) << f.what();
    }
    EXPECT_EQ(e.Stunden, 7);
}

TEST_F(QtRegistryTest, SchluesselAusserhalbUndUnschreibbareDatei) {
    QtRegistry r(datei_);
    EXPECT_THROW(r.Lesen("Software\\Anderes", "x"), KalvoraFehler);
    EXPECT_THROW(r.Schreiben("Software\\KalvoraX", "x", int32_t{1}), KalvoraFehler);
    EXPECT_THROW(r.Schreiben(HauptSchluessel, "a/b", int32_t{1}), KalvoraFehler);
    EXPECT_EQ(r.Ablage(), datei_);

    // A file below a plain file can never be written.
    const std::string sperre = (ordner_ / "datei").string();
    std::ofstream(sperre) << "x";
    QtRegistry unmoeglich(sperre + "/Kalvora.conf");
    RegistrySchluessel(unmoeglich, HauptSchluessel).GanzzahlSchreiben("x", 1);
    EXPECT_THROW(unmoeglich.Sichern(), KalvoraFehler);
}

}  // namespace
}  // namespace kalvora
