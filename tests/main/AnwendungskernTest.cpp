#include "main/Anwendungskern.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "doubles/Alarmdoubles.h"
#include "doubles/Erinnerungsprotokoll.h"
#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "doubles/StehendeUhr.h"
#include "kalender/Kalenderdatei.h"
#include "kalender/Tagesfarbbefehle.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/posix/PosixDateisperre.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

class VollerPlatz : public Speicherplatz {
public:
    std::optional<uint64_t> FreieBytes(const std::string&) override { return uint64_t{1} << 30; }
};

// Writes down every event it is told, in order.
struct Protokoll : Dokumentbeobachter {
    std::vector<std::string> ereignisse;
    void TagGeaendert(const Datum& d) override {
        ereignisse.push_back("Tag " + std::to_string(d.tag) + "." + std::to_string(d.monat) +
                             "." + std::to_string(d.jahr));
    }
    void DokumentErsetzt() override { ereignisse.push_back("ersetzt"); }
    void FarbwertErsetzt(uint32_t, uint32_t) override { ereignisse.push_back("Farbwert"); }
    void FarbtabelleGeaendert() override { ereignisse.push_back("Farbtabelle"); }
    void EinstellungenGeaendert() override { ereignisse.push_back("Einstellungen"); }
    void GeaendertUmgeschaltet(bool ja) override {
        ereignisse.push_back(ja ? "geändert" : "ungeändert");
    }
    void AuswahlGeaendert(const Datum& d) override {
        ereignisse.push_back("Auswahl " + std::to_string(d.tag) + "." + std::to_string(d.monat) +
                             "." + std::to_string(d.jahr));
    }
};

class AnwendungskernTest : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-kern-XXXXXX";
        ordner_ = mkdtemp(muster);
    }
    void TearDown() override { fs::remove_all(ordner_); }

    SpeicherRegistry registry_;
    test::StehendeUhr uhr_;
    test::SkriptDialoge dialoge_;
    PosixDateisperre sperre_;
    VollerPlatz platz_;
    test::Erinnerungsprotokoll erinnerungen_;
    test::Klangprotokoll klang_;
    test::Testtray tray_;
    test::Shellprotokoll shell_;
    std::string ordner_;
    Plattformdienste Dienste() {
        return {registry_, uhr_, dialoge_, sperre_, platz_,
                [](const std::string& p, std::string_view inhalt) {
                    DateiAtomarSchreiben(p, inhalt);
                },
                {}, erinnerungen_, klang_, tray_, shell_};
    }
};

TEST_F(AnwendungskernTest, AenderungenErreichenJedenBeobachterDesDokuments) {
    Anwendungskern kern(Dienste());
    Protokoll p;
    kern.Kalender().Anmelden(p);

    kern.TagGeaendertMelden({3, 4, 2009});
    kern.FarbtabelleGeaendertMelden();
    kern.AuswahlSetzen({24, 12, 2010});
    EXPECT_EQ(kern.Auswahl(), (AusgewaehlterTag{24, 12, 2010}));
    kern.Auswahl().Setzen(24, 12, 2010);  // the same day again: nothing to tell
    kern.Auswahl().Setzen(1, 2, 2011);    // as the year view does under the pointer
    kern.EinstellungenLesen();
    kern.Kalender().FarbwertErsetzen(kern.Kalender().Farbwerte[1], 0x123456);
    // The modified flag is told when it turns, not at every change.
    TagesfarbeAendern(kern.Kalender(), {}, 1, 1, 2009, Farbbefehl::Neu, 2);
    TagesfarbeAendern(kern.Kalender(), {}, 2, 1, 2009, Farbbefehl::Neu, 2);
    dialoge_.antworten.push_back(Antwort::Nein);  // "Änderungen speichern ?"
    kern.Sitzung().Neu1Click();
    EXPECT_EQ(p.ereignisse,
              (std::vector<std::string>{"Tag 3.4.2009", "Farbtabelle", "Auswahl 24.12.2010",
                                        "Auswahl 1.2.2011", "Einstellungen", "Farbwert", "geändert", "ungeändert",
                                        "ersetzt"}));
    kern.Kalender().Abmelden(p);
}

// A replaced document is told once per load; the undo history, a subscriber of its own,
// keeps nothing of the document before.
TEST_F(AnwendungskernTest, GeladenesDokumentWirdEinmalGemeldetUndLeertDieHistorie) {
    const std::string datei = ordner_ + "/plan.kvr";
    {
        TKalender k;
        k.Tagesfarben(2009, 6, 2) = {k.Farbwerte[3]};
        k.Terminliste(2009, 6, 2) = {TTermin{}, TTermin{"10:00", "Zahnarzt"}};
        DateiAtomarSchreiben(datei, KalenderAlsVer33(k));
    }
    Anwendungskern kern(Dienste());
    Protokoll p;
    kern.Kalender().Anmelden(p);
    kern.Historie().FarbaenderungMerken(1, 1, 2009);
    ASSERT_TRUE(kern.Historie().RueckgaengigMoeglich());

    ASSERT_TRUE(kern.Sitzung().DirektOeffnen(datei));
    EXPECT_EQ(p.ereignisse, std::vector<std::string>{"ersetzt"});
    EXPECT_FALSE(kern.Historie().RueckgaengigMoeglich());
    EXPECT_EQ(kern.Kalender().Terminliste(2009, 6, 2).size(), 2u);
    EXPECT_FALSE(kern.Kalender().geaendert);

    // "Neu" replaces it as well; a file that cannot be read is never a replaced document of
    // its own, only the empty one that follows.
    kern.Historie().FarbaenderungMerken(1, 1, 2009);
    p.ereignisse.clear();
    ASSERT_TRUE(kern.Sitzung().Neu1Click());
    EXPECT_EQ(p.ereignisse, std::vector<std::string>{"ersetzt"});
    EXPECT_FALSE(kern.Historie().RueckgaengigMoeglich());
    EXPECT_TRUE(kern.Kalender().Terminliste(2009, 6, 2).empty());

    // Read-only, there is nothing to undo.
    ASSERT_TRUE(kern.Sitzung().DirektOeffnen(datei));
    kern.Historie().FarbaenderungMerken(2, 6, 2009);
    ASSERT_TRUE(kern.Sitzung().Schreibschutz1Click());
    ASSERT_TRUE(kern.Sitzung().schreibgeschuetzt());
    EXPECT_FALSE(kern.Historie().RueckgaengigMoeglich());
    ASSERT_TRUE(kern.Sitzung().Schreibschutz1Click());
    ASSERT_TRUE(kern.Sitzung().Neu1Click());

    const std::string kaputt = ordner_ + "/kaputt.kvr";
    DateiAtomarSchreiben(kaputt, "Ver 3.4\r\n");
    p.ereignisse.clear();
    EXPECT_FALSE(kern.Sitzung().DirektOeffnen(kaputt));
    EXPECT_EQ(p.ereignisse, std::vector<std::string>{"ersetzt"});
    EXPECT_TRUE(kern.Sitzung().Dateiname().empty());
    kern.Kalender().Abmelden(p);
}

// The windows learn the time zone and the autostart folder from the core, which asks the
// system each time; a core built without them names UTC and no folder.
TEST_F(AnwendungskernTest, SystemangabenKommenAusDenDiensten) {
    {
        Anwendungskern kern(Dienste());
        EXPECT_EQ(kern.Zeitzone(), "UTC");
        EXPECT_EQ(kern.Autostartordner(), "");
    }
    Plattformdienste d = Dienste();
    std::string zone = "Europe/Berlin";
    d.zeitzone = [&] { return zone; };
    d.autostartordner = [] { return std::string("/home/u/.config/autostart"); };
    Anwendungskern kern(d);
    EXPECT_EQ(kern.Zeitzone(), "Europe/Berlin");
    zone = "America/New_York";
    EXPECT_EQ(kern.Zeitzone(), "America/New_York");
    EXPECT_EQ(kern.Autostartordner(), "/home/u/.config/autostart");
}

TEST_F(AnwendungskernTest, EinstellungenKommenAusDerAblage) {
    RegistrySchluessel(registry_, "Software\\Kalvora").GanzzahlSchreiben("startjahr", 2031);
    RegistrySchluessel(registry_, "Software\\Kalvora").WahrheitswertSchreiben("aktjahr", false);
    Anwendungskern kern(Dienste());
    kern.EinstellungenLesen();
    EXPECT_EQ(kern.Startjahr(), 2031);
    RegistrySchluessel(registry_, "Software\\Kalvora").WahrheitswertSchreiben("aktjahr", true);
    kern.EinstellungenLesen();
    EXPECT_EQ(kern.Startjahr(), uhr_.jetzt.jahr);
}

}  // namespace
}  // namespace kalvora
