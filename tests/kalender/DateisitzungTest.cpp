#include "kalender/Dateisitzung.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "doubles/SkriptDialoge.h"
#include "doubles/TestKalenderspeicher.h"
#include "platform/posix/PosixDateisperre.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
namespace t = sitzungstexte;
using test::SkriptDialoge;

class FesterPlatz : public Speicherplatz {
public:
    std::optional<uint64_t> FreieBytes(const std::string&) override { return frei; }
    std::optional<uint64_t> frei = uint64_t{1} << 30;
};

class Protokollfenster : public Sitzungsfenster {
public:
    void ZustandAnwenden(const Fensterzustand& z) override { zustand = z; }
    void JahresansichtNeuZeichnen() override { ++neuGezeichnet; }
    void StartcodeAnwenden(const std::string& c) override { startcodes.push_back(c); }
    bool AdressbuchOeffnen(const std::string& p) override {
        adressbuecher.push_back(p);
        return adressbuchDa;
    }
    void NeuInitialisieren() override { ++neuInitialisiert; }
    Fensterzustand zustand;
    int neuGezeichnet = 0;
    int neuInitialisiert = 0;
    bool adressbuchDa = false;
    std::vector<std::string> startcodes;
    std::vector<std::string> adressbuecher;
};

// One running copy of the program: document, dialogs and session.
struct Kopie {
    explicit Kopie(Dateisperre& sperren)
        : sitzung(kal, dialoge, sperren, speicher, platz, letzte) {
        sitzung.FensterSetzen(&fenster);
    }
    TKalender kal;
    SkriptDialoge dialoge;
    test::TestKalenderspeicher speicher;
    FesterPlatz platz;
    test::SpeicherLetzteDateien letzte;
    Protokollfenster fenster;
    Dateisitzung sitzung;
};

class DateisitzungTest : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-sitzung-XXXXXX";
        ordner = mkdtemp(muster);
        a = std::make_unique<Kopie>(sperren);
        b = std::make_unique<Kopie>(sperren);
    }
    void TearDown() override {
        a.reset();
        b.reset();
        fs::remove_all(ordner);
    }
    std::string Pfad(const std::string& name) { return ordner + "/" + name; }
    std::string NeueDatei(const std::string& name, uint32_t farbe = 0x0000FF,
                          const std::string& kopf = "TESTKALENDER") {
        test::TestdateiSchreiben(Pfad(name), farbe, kopf);
        return Pfad(name);
    }
    static std::string Inhalt(const std::string& pfad) {
        std::ifstream ein(pfad, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(ein), {});
    }
    static bool Gefaerbt(const TKalender& kal) { return kal.Tagesfarben(2024, 1, 1).size() == 1; }

    std::string ordner;
    PosixDateisperre sperren;
    std::unique_ptr<Kopie> a, b;
};

TEST_F(DateisitzungTest, OeffnenUeberDenDialogNimmtDieSperreUndSetztTitel) {
    const std::string p = NeueDatei("plan.kvr");
    a->dialoge.oeffnen.push_back(Dateiwahl{p, false});
    ASSERT_TRUE(a->sitzung.ffnen1Click());

    const Dateidialog& d = a->dialoge.dateidialoge.at(0);
    EXPECT_EQ(d.vorschlag, "kalvo001.kvr");
    EXPECT_EQ(d.filter, "Kalvora (*.kvr)|*.kvr");
    EXPECT_EQ(d.standardendung, "kvr");
    EXPECT_TRUE(d.schreibschutzAnbieten);

    EXPECT_TRUE(Gefaerbt(a->kal));
    EXPECT_FALSE(a->kal.geaendert);
    EXPECT_TRUE(fs::exists(p + ".tmp"));
    EXPECT_EQ(a->sitzung.Fenstertitel(), "Kalvora - " + p);
    EXPECT_EQ(a->fenster.zustand.fenstertitel, "Kalvora - " + p);
    EXPECT_TRUE(a->fenster.zustand.schliessenAktiv);
    EXPECT_TRUE(a->fenster.zustand.bearbeitbar);
    EXPECT_FALSE(a->fenster.zustand.aktualisierenAktiv);
    EXPECT_EQ(a->letzte.liste[0], p);
    EXPECT_EQ(a->sitzung.Anwendungstitel(2024), "Kalvora - 2024 (Schaltjahr) - " + p);
    EXPECT_EQ(a->sitzung.Anwendungstitel(2023), "Kalvora - 2023 - " + p);
}

TEST_F(DateisitzungTest, TitelOhneDateiUndSchreibgeschuetzt) {
    EXPECT_EQ(a->sitzung.Fenstertitel(), "Kalvora - [unbenannt]");
    EXPECT_EQ(a->sitzung.Anwendungstitel(2100), "Kalvora - 2100");
    const std::string p = NeueDatei("plan.kvr");
    a->dialoge.oeffnen.push_back(Dateiwahl{p, true});
    ASSERT_TRUE(a->sitzung.ffnen1Click());
    EXPECT_EQ(a->sitzung.Fenstertitel(), "Kalvora - " + p + "   [schreibgeschützt]");
    EXPECT_EQ(a->sitzung.Anwendungstitel(1900 + 100),
              "Kalvora - 2000 (Schaltjahr) - " + p + "   [schreibgeschützt]");
}

// The read-only box of the dialog and the option "alle schreibgeschützt" open without a lock.
TEST_F(DateisitzungTest, SchreibgeschuetztOeffnenOhneSperre) {
    const std::string p = NeueDatei("plan.kvr");
    for (int fall = 0; fall < 2; ++fall) {
        Kopie k(sperren);
        k.sitzung.optionen.alleSchreibgeschuetzt = fall == 1;
        k.dialoge.oeffnen.push_back(Dateiwahl{p, fall == 0});
        ASSERT_TRUE(k.sitzung.ffnen1Click());
        EXPECT_TRUE(k.sitzung.schreibgeschuetzt()) << fall;
        EXPECT_FALSE(fs::exists(p + ".tmp")) << fall;
        EXPECT_FALSE(k.fenster.zustand.bearbeitbar);
        EXPECT_TRUE(k.fenster.zustand.aktualisierenAktiv);
        EXPECT_TRUE(k.fenster.zustand.schreibschutzHaken);
        EXPECT_TRUE(Gefaerbt(k.kal));
    }
}

TEST_F(DateisitzungTest, FremdeEndungenWerdenAbgewiesen) {
    for (const std::string name : {"PLAN.KVR", "plan.txt", "plan.kvr.bak", "kvr", "plan.Kvradr"}) {
        Kopie k(sperren);
        const std::string p = NeueDatei(name);
        EXPECT_FALSE(k.sitzung.DirektOeffnen(p)) << name;
        ASSERT_EQ(k.dialoge.meldungen.size(), 1u) << name;
        EXPECT_EQ(k.dialoge.meldungen[0].text, "Die Datei \"" + p + "\" ist keine Kalvoradatei");
        EXPECT_EQ(k.dialoge.meldungen[0].knoepfe, Knoepfe::Ok);
        EXPECT_EQ(k.sitzung.Dateiname(), "");
        EXPECT_FALSE(fs::exists(p + ".tmp"));
    }
}

TEST_F(DateisitzungTest, AdressdateiGehtAnsAdressbuch) {
    const std::string p = Pfad("freunde.kvradr");
    a->fenster.adressbuchDa = true;
    EXPECT_TRUE(a->sitzung.DirektOeffnen(p));
    EXPECT_EQ(a->fenster.adressbuecher, std::vector<std::string>{p});
    EXPECT_TRUE(a->dialoge.meldungen.empty());
    EXPECT_EQ(a->sitzung.Dateiname(), "");
    // Without an address book window the path is refused like any foreign file.
    EXPECT_FALSE(b->sitzung.DirektOeffnen(p));
    EXPECT_EQ(b->dialoge.Texte(), std::vector<std::string>{t::KeineKalvoradatei(p)});
}

TEST_F(DateisitzungTest, ZweiteKopieFragtUndOeffnetSchreibgeschuetzt) {
    const std::string p = NeueDatei("plan.kvr");
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    ASSERT_FALSE(a->sitzung.schreibgeschuetzt());

    b->dialoge.antworten.push_back(Antwort::Ja);
    ASSERT_TRUE(b->sitzung.DirektOeffnen(p));
    ASSERT_EQ(b->dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b->dialoge.meldungen[0].text,
              "Die Datei \"" + p +
                  "\" ist schon geöffnet!\r\nWollen Sie sie schreibgeschützt öffnen?");
    EXPECT_EQ(b->dialoge.meldungen[0].art, Meldungsart::Warnung);
    EXPECT_EQ(b->dialoge.meldungen[0].knoepfe, Knoepfe::JaNein);
    EXPECT_TRUE(b->sitzung.schreibgeschuetzt());
    EXPECT_TRUE(Gefaerbt(b->kal));
    EXPECT_FALSE(b->sitzung.SchreibschutzUmschaltbar());
    // The reader must not have taken the holder's lock file away.
    EXPECT_TRUE(sperren.Gehalten(p + ".tmp"));

    // Switching to writable while the other copy still holds the file.
    EXPECT_FALSE(b->sitzung.Schreibschutz1Click());
    EXPECT_EQ(b->dialoge.meldungen.back().text,
              "Die Datei \"" + p + "\" kann leider nicht bearbeitet werden");
    EXPECT_TRUE(b->sitzung.schreibgeschuetzt());
    EXPECT_EQ(b->sitzung.Dateiname(), p);

    // Once the holder closes, the switch works and the lock moves.
    ASSERT_TRUE(a->sitzung.Schlieen1Click());
    EXPECT_FALSE(fs::exists(p + ".tmp"));
    EXPECT_TRUE(b->sitzung.SchreibschutzUmschaltbar());
    EXPECT_TRUE(b->sitzung.Schreibschutz1Click());
    EXPECT_FALSE(b->sitzung.schreibgeschuetzt());
    EXPECT_TRUE(b->sitzung.SperreGehalten());
    EXPECT_TRUE(sperren.Gehalten(p + ".tmp"));
}

TEST_F(DateisitzungTest, ZweiteKopieSagtNeinUndBekommtEinNeuesDokument) {
    const std::string p = NeueDatei("plan.kvr");
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    b->dialoge.antworten.push_back(Antwort::Nein);
    EXPECT_FALSE(b->sitzung.DirektOeffnen(p));
    EXPECT_EQ(b->sitzung.Dateiname(), "");
    EXPECT_EQ(b->sitzung.Fenstertitel(), "Kalvora - [unbenannt]");
    EXPECT_FALSE(b->sitzung.schreibgeschuetzt());
    EXPECT_FALSE(Gefaerbt(b->kal));
    EXPECT_TRUE(sperren.Gehalten(p + ".tmp"));
}

TEST_F(DateisitzungTest, KeineSchutzmeldungOeffnetStillSchreibgeschuetzt) {
    const std::string p = NeueDatei("plan.kvr");
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    b->sitzung.optionen.keineSchutzmeldung = true;
    ASSERT_TRUE(b->sitzung.DirektOeffnen(p));
    EXPECT_TRUE(b->dialoge.meldungen.empty());
    EXPECT_TRUE(b->sitzung.schreibgeschuetzt());
}

TEST_F(DateisitzungTest, LiegengebliebeneSperrdateiBlockiertNicht) {
    const std::string p = NeueDatei("plan.kvr");
    std::ofstream(p + ".tmp") << "von einem Absturz";
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    EXPECT_TRUE(a->dialoge.meldungen.empty());
    EXPECT_FALSE(a->sitzung.schreibgeschuetzt());
    EXPECT_EQ(fs::file_size(p + ".tmp"), 0u);
}

TEST_F(DateisitzungTest, OeffnenFragtNachAenderungen) {
    const std::string alt = NeueDatei("alt.kvr", 0x00FF00);
    const std::string neu = NeueDatei("neu.kvr", 0x0000FF);
    struct Fall {
        Antwort antwort;
        bool geoeffnet;
        bool altGespeichert;
    };
    for (const Fall f : {Fall{Antwort::Abbrechen, false, false}, Fall{Antwort::Nein, true, false},
                         Fall{Antwort::Ja, true, true}}) {
        test::TestdateiSchreiben(alt, 0x00FF00);
        Kopie k(sperren);
        ASSERT_TRUE(k.sitzung.DirektOeffnen(alt));
        k.kal.Tagesfarben(2024, 2, 2).push_back(0x123456);
        k.kal.geaendert = true;
        k.dialoge.antworten.push_back(f.antwort);
        EXPECT_EQ(k.sitzung.DirektOeffnen(neu), f.geoeffnet);
        const auto& m = k.dialoge.meldungen.at(0);
        EXPECT_EQ(m.text, "Änderungen speichern ?");
        EXPECT_EQ(m.knoepfe, Knoepfe::JaNeinAbbrechen);
        EXPECT_EQ(k.sitzung.Dateiname(), f.geoeffnet ? neu : alt);
        EXPECT_EQ(Inhalt(alt).find("1234") != std::string::npos ||
                      Inhalt(alt).find(std::to_string(0x123456)) != std::string::npos,
                  f.altGespeichert);
        EXPECT_EQ(fs::exists(alt + ".tmp"), !f.geoeffnet);
        EXPECT_EQ(fs::exists(neu + ".tmp"), f.geoeffnet);
    }
}

TEST_F(DateisitzungTest, SpeichernOhneDateiFuehrtZuSpeichernUnter) {
    a->kal.geaendert = true;
    const std::string p = Pfad("neu.kvr");
    a->dialoge.speichern.push_back(p);
    ASSERT_TRUE(a->sitzung.speichern1Click());
    EXPECT_EQ(a->dialoge.dateidialoge.at(0).vorschlag, "kalvo001.kvr");
    EXPECT_EQ(a->sitzung.Dateiname(), p);
    EXPECT_FALSE(a->kal.geaendert);
    EXPECT_TRUE(fs::exists(p));
    EXPECT_TRUE(sperren.Gehalten(p + ".tmp"));
    EXPECT_EQ(a->letzte.liste[0], p);
}

TEST_F(DateisitzungTest, SpeichernSchreibgeschuetztSchreibtNichts) {
    const std::string p = NeueDatei("plan.kvr");
    const std::string vorher = Inhalt(p);
    a->dialoge.oeffnen.push_back(Dateiwahl{p, true});
    ASSERT_TRUE(a->sitzung.ffnen1Click());
    a->kal.Tagesfarben(2024, 3, 3).push_back(5);
    EXPECT_FALSE(a->sitzung.speichern1Click());
    EXPECT_EQ(a->dialoge.Texte(),
              std::vector<std::string>{"Diese Datei können sie nicht überschreiben!"});
    EXPECT_EQ(Inhalt(p), vorher);
}

TEST_F(DateisitzungTest, SpeicherfehlerWirdGemeldetUndNichtsGehtVerloren) {
    const std::string p = NeueDatei("plan.kvr");
    const std::string vorher = Inhalt(p);
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    a->kal.geaendert = true;
    a->speicher.speicherfehler = "Kein Platz auf dem Gerät";
    EXPECT_FALSE(a->sitzung.speichern1Click());
    ASSERT_EQ(a->dialoge.meldungen.size(), 1u);
    EXPECT_EQ(a->dialoge.meldungen[0].text, "Kein Platz auf dem Gerät");
    EXPECT_EQ(a->dialoge.meldungen[0].art, Meldungsart::Fehler);
    EXPECT_TRUE(a->kal.geaendert);
    EXPECT_EQ(Inhalt(p), vorher);
    // Closing after the failed save keeps the document instead of dropping it.
    a->dialoge.antworten.push_back(Antwort::Ja);
    EXPECT_FALSE(a->sitzung.Schlieen1Click());
    EXPECT_EQ(a->sitzung.Dateiname(), p);
    EXPECT_TRUE(a->kal.geaendert);
}

TEST_F(DateisitzungTest, SpeichernLoeschtDenBegleittextDesAltformats) {
    const std::string p = NeueDatei("alt.kvr", 0x0000FF, "BINAER");
    std::ofstream(p + ".TxT") << "Begleittext";
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    EXPECT_TRUE(a->sitzung.Altformat());
    EXPECT_TRUE(fs::exists(p + ".TxT"));
    ASSERT_TRUE(a->sitzung.speichern1Click());
    EXPECT_FALSE(fs::exists(p + ".TxT"));
    EXPECT_FALSE(a->sitzung.Altformat());
    EXPECT_EQ(Inhalt(p).rfind("TESTKALENDER", 0), 0u);
}

TEST_F(DateisitzungTest, SpeichernUnterPrueftUndVersuchtErneut) {
    const std::string p = NeueDatei("plan.kvr");
    const std::string belegt = NeueDatei("belegt.kvr");
    const std::string ziel = Pfad("ziel.kvr");
    ASSERT_TRUE(b->sitzung.DirektOeffnen(belegt));
    a->dialoge.oeffnen.push_back(Dateiwahl{p, true});
    ASSERT_TRUE(a->sitzung.ffnen1Click());

    // The read-only file itself, then a file another copy holds (retry), then a free one.
    a->dialoge.speichern = {p, belegt, ziel};
    a->dialoge.antworten = {Antwort::Ja};
    ASSERT_TRUE(a->sitzung.speichernunter1Click());
    EXPECT_EQ(a->dialoge.Texte(),
              (std::vector<std::string>{
                  "Diese Datei können sie nicht überschreiben!",
                  "Die Datei " + belegt +
                      " ist bereits in Benutzung, wollen sie es erneut versuchen?"}));
    EXPECT_EQ(a->dialoge.meldungen[1].art, Meldungsart::Warnung);
    EXPECT_EQ(a->dialoge.meldungen[1].knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(a->dialoge.dateidialoge.at(1).vorschlag, "plan.kvr");
    EXPECT_EQ(a->sitzung.Dateiname(), ziel);
    EXPECT_FALSE(a->sitzung.schreibgeschuetzt());
    EXPECT_EQ(a->fenster.zustand.fenstertitel, "Kalvora - " + ziel);
    EXPECT_TRUE(sperren.Gehalten(ziel + ".tmp"));
    EXPECT_TRUE(sperren.Gehalten(belegt + ".tmp"));
    EXPECT_TRUE(fs::exists(ziel));
    EXPECT_EQ(a->letzte.liste[0], ziel);
}

TEST_F(DateisitzungTest, SpeichernUnterOhnePlatzFragtErneut) {
    a->platz.frei = kMindestSpeicherplatz - 1;
    a->dialoge.speichern = {Pfad("x.kvr"), std::nullopt};
    EXPECT_FALSE(a->sitzung.speichernunter1Click());
    EXPECT_EQ(a->dialoge.Texte(), std::vector<std::string>{
                                      "Auf diesem Laufwerk ist nicht genügend Speicherplatz "
                                      "vorhanden!"});
    EXPECT_FALSE(fs::exists(Pfad("x.kvr")));
    a->platz.frei = kMindestSpeicherplatz;
    a->dialoge.speichern = {Pfad("x.kvr")};
    EXPECT_TRUE(a->sitzung.speichernunter1Click());
}

// "Nein" after a refused lock: the old file stays this copy's, writable and locked.
TEST_F(DateisitzungTest, SpeichernUnterAufBelegteDateiBehaeltDieAlteSperre) {
    const std::string p = NeueDatei("plan.kvr");
    const std::string belegt = NeueDatei("belegt.kvr");
    ASSERT_TRUE(b->sitzung.DirektOeffnen(belegt));
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    a->dialoge.speichern = {belegt};
    a->dialoge.antworten = {Antwort::Nein};
    EXPECT_FALSE(a->sitzung.speichernunter1Click());
    EXPECT_EQ(a->sitzung.Dateiname(), p);
    EXPECT_FALSE(a->sitzung.schreibgeschuetzt());
    EXPECT_TRUE(a->sitzung.SperreGehalten());
    EXPECT_TRUE(sperren.Gehalten(p + ".tmp"));
}

// A failed write under the new name leaves the session on the old file with its lock.
TEST_F(DateisitzungTest, SpeichernUnterMitSchreibfehlerBleibtBeiDerAltenDatei) {
    const std::string p = NeueDatei("plan.kvr");
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    a->kal.geaendert = true;
    a->speicher.speicherfehler = "Zugriff verweigert";
    a->dialoge.speichern = {Pfad("ziel.kvr")};
    EXPECT_FALSE(a->sitzung.speichernunter1Click());
    EXPECT_EQ(a->dialoge.Texte(), std::vector<std::string>{"Zugriff verweigert"});
    EXPECT_EQ(a->sitzung.Dateiname(), p);
    EXPECT_TRUE(a->kal.geaendert);
    EXPECT_TRUE(sperren.Gehalten(p + ".tmp"));
    EXPECT_FALSE(fs::exists(Pfad("ziel.kvr.tmp")));
}

TEST_F(DateisitzungTest, SchliessenFragtOhneAbbrechenUndGibtDieSperreFrei) {
    const std::string p = NeueDatei("plan.kvr");
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    a->kal.Tagesfarben(2024, 5, 5).push_back(0x777777);
    a->kal.geaendert = true;
    a->dialoge.antworten = {Antwort::Ja};
    ASSERT_TRUE(a->sitzung.Schlieen1Click());
    EXPECT_EQ(a->dialoge.meldungen.at(0).text, "Änderungen speichern ?");
    EXPECT_EQ(a->dialoge.meldungen.at(0).knoepfe, Knoepfe::JaNein);
    EXPECT_NE(Inhalt(p).find(std::to_string(0x777777)), std::string::npos);
    EXPECT_EQ(a->sitzung.Fenstertitel(), "Kalvora - [unbenannt]");
    EXPECT_FALSE(a->fenster.zustand.schliessenAktiv);
    EXPECT_FALSE(a->fenster.zustand.schreibschutzAktiv);
    EXPECT_FALSE(fs::exists(p + ".tmp"));
    EXPECT_FALSE(Gefaerbt(a->kal));
}

TEST_F(DateisitzungTest, NeuMitAbbrechenBehaeltDasDokument) {
    const std::string p = NeueDatei("plan.kvr");
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    a->kal.geaendert = true;
    a->dialoge.antworten = {Antwort::Abbrechen};
    EXPECT_FALSE(a->sitzung.Neu1Click());
    EXPECT_EQ(a->sitzung.Dateiname(), p);
    EXPECT_TRUE(a->kal.geaendert);
    EXPECT_TRUE(sperren.Gehalten(p + ".tmp"));
    a->dialoge.antworten = {Antwort::Nein};
    const int vorher = a->fenster.neuInitialisiert;
    EXPECT_TRUE(a->sitzung.Neu1Click());
    EXPECT_EQ(a->fenster.neuInitialisiert, vorher + 1);
    EXPECT_FALSE(fs::exists(p + ".tmp"));
    EXPECT_FALSE(a->kal.geaendert);
}

TEST_F(DateisitzungTest, SchreibschutzEinschaltenSpeichertUndGibtFrei) {
    const std::string p = NeueDatei("plan.kvr");
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    a->kal.Tagesfarben(2024, 6, 6).push_back(0x444444);
    a->kal.geaendert = true;
    ASSERT_TRUE(a->sitzung.Schreibschutz1Click());
    EXPECT_TRUE(a->dialoge.meldungen.empty());
    EXPECT_NE(Inhalt(p).find(std::to_string(0x444444)), std::string::npos);
    EXPECT_TRUE(a->sitzung.schreibgeschuetzt());
    EXPECT_FALSE(fs::exists(p + ".tmp"));
    EXPECT_FALSE(a->fenster.zustand.bearbeitbar);
    // Now another copy can take the file.
    ASSERT_TRUE(b->sitzung.DirektOeffnen(p));
    EXPECT_FALSE(b->sitzung.schreibgeschuetzt());
    EXPECT_FALSE(a->sitzung.SchreibschutzUmschaltbar());
}

TEST_F(DateisitzungTest, LetzteDateien) {
    std::vector<std::string> dateien;
    for (int i = 0; i < 11; ++i) dateien.push_back(NeueDatei("d" + std::to_string(i) + ".kvr"));
    for (const auto& d : dateien) a->sitzung.LetzteDateienAktualisieren(d);
    // Ten entries, most recent first, the oldest dropped.
    EXPECT_EQ(a->letzte.liste[0], dateien[10]);
    EXPECT_EQ(a->letzte.liste[9], dateien[1]);

    // The same path in another letter case moves to the top with the new spelling.
    const std::string anders = ordner + "/D5.KVR";
    fs::rename(dateien[5], anders);
    a->sitzung.LetzteDateienAktualisieren(anders);
    EXPECT_EQ(a->letzte.liste[0], anders);
    EXPECT_EQ(a->letzte.liste[1], dateien[10]);
    EXPECT_EQ(std::count(a->letzte.liste.begin(), a->letzte.liste.end(), dateien[5]), 0);
    EXPECT_EQ(a->letzte.liste[9], dateien[1]);

    // Vanished files leave the list, the rest moves up.
    fs::remove(dateien[9]);
    fs::remove(dateien[1]);
    a->sitzung.LetzteDateienAktualisieren("");
    EXPECT_EQ(a->letzte.liste[1], dateien[10]);
    EXPECT_EQ(a->letzte.liste[2], dateien[8]);
    EXPECT_EQ(a->letzte.liste[8], "");
    EXPECT_EQ(a->letzte.liste[9], "");
    EXPECT_EQ(a->sitzung.LetzteDateien(), a->letzte.liste);

    EXPECT_TRUE(a->sitzung.LetzteDateiOeffnen(3));
    EXPECT_EQ(a->sitzung.Dateiname(), dateien[8]);
    EXPECT_EQ(a->letzte.liste[0], dateien[8]);
    EXPECT_FALSE(a->sitzung.LetzteDateiOeffnen(10));
}

TEST_F(DateisitzungTest, ZeitgeberFolgenModusUndOptionen) {
    const std::string p = NeueDatei("plan.kvr");
    auto& o = a->sitzung.optionen;
    o.Art = 1;
    o.Intervall = 5;
    o.autosave = true;
    o.sIntervall = 3;
    // Untitled: no timer at all.
    EXPECT_EQ(a->sitzung.Zustand().aktualisierenIntervallMs, 0);
    EXPECT_EQ(a->sitzung.Zustand().speichernIntervallMs, 0);
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    EXPECT_EQ(a->fenster.zustand.speichernIntervallMs, 180000);
    EXPECT_EQ(a->fenster.zustand.aktualisierenIntervallMs, 0);
    ASSERT_TRUE(a->sitzung.Schreibschutz1Click());
    EXPECT_EQ(a->fenster.zustand.speichernIntervallMs, 0);
    EXPECT_EQ(a->fenster.zustand.aktualisierenIntervallMs, 300000);
    o.Art = 0;
    a->sitzung.SchreibschutzAnwenden();
    EXPECT_EQ(a->fenster.zustand.aktualisierenIntervallMs, 0);
}

TEST_F(DateisitzungTest, AutomatischesAktualisierenLiestDieDateiNeu) {
    const std::string p = NeueDatei("plan.kvr", 0x0000FF);
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    b->sitzung.optionen.keineSchutzmeldung = true;
    ASSERT_TRUE(b->sitzung.DirektOeffnen(p));
    a->kal.Tagesfarben(2024, 1, 1) = {0x00FF00};
    a->kal.geaendert = true;
    a->sitzung.autosavetimerTimer();
    EXPECT_FALSE(a->kal.geaendert);
    b->sitzung.schreibschutztimerTimer();
    EXPECT_EQ(b->kal.Tagesfarben(2024, 1, 1), TTagesfarben{0x00FF00});
    // The writable copy ignores the refresh timer, the reader the save timer.
    a->kal.geaendert = true;
    a->sitzung.schreibschutztimerTimer();
    EXPECT_TRUE(a->kal.geaendert);
    const auto geladen = b->speicher.geladen.size();
    b->sitzung.autosavetimerTimer();
    EXPECT_TRUE(b->speicher.gespeichert.empty());
    EXPECT_EQ(b->speicher.geladen.size(), geladen);
}

TEST_F(DateisitzungTest, FehlerhafteDateiLaesstKeinHalbesDokumentZurueck) {
    const std::string p = NeueDatei("kaputt.kvr", 0x0000FF, "Ver 9.9");
    const std::string vorher = Inhalt(p);
    EXPECT_FALSE(a->sitzung.DirektOeffnen(p));
    ASSERT_EQ(a->dialoge.meldungen.size(), 1u);
    EXPECT_EQ(a->dialoge.meldungen[0].art, Meldungsart::Fehler);
    EXPECT_NE(a->dialoge.meldungen[0].text.find("Zeile 1"), std::string::npos);
    EXPECT_EQ(a->sitzung.Dateiname(), "");
    EXPECT_FALSE(fs::exists(p + ".tmp"));
    EXPECT_EQ(Inhalt(p), vorher);
}

TEST_F(DateisitzungTest, NichtLesbareDateiBleibtStillLeer) {
    const std::string p = Pfad("fehlt.kvr");
    EXPECT_FALSE(a->sitzung.DirektOeffnen(p));
    EXPECT_TRUE(a->dialoge.meldungen.empty());
    EXPECT_EQ(a->sitzung.Dateiname(), p);
    EXPECT_FALSE(Gefaerbt(a->kal));
}

TEST_F(DateisitzungTest, BeendenUndSchliessfeldFragenVerschieden) {
    struct Fall {
        bool schliessfeld;
        Antwort antwort;
        bool darfSchliessen;
    };
    for (const Fall f : {Fall{false, Antwort::Abbrechen, false}, Fall{false, Antwort::Nein, true},
                         Fall{false, Antwort::Ja, true}, Fall{true, Antwort::Abbrechen, false},
                         Fall{true, Antwort::Nein, true}, Fall{true, Antwort::Ja, true}}) {
        Kopie k(sperren);
        ASSERT_TRUE(k.sitzung.DirektOeffnen(NeueDatei("plan.kvr")));
        k.kal.geaendert = true;
        k.dialoge.antworten = {f.antwort};
        const bool darf = f.schliessfeld ? k.sitzung.FormCloseQuery() : k.sitzung.BeendenClick();
        EXPECT_EQ(darf, f.darfSchliessen);
        EXPECT_EQ(k.dialoge.meldungen.at(0).text,
                  f.schliessfeld ? "Änderungen speichern?" : "Änderungen speichern ?");
        EXPECT_EQ(k.dialoge.meldungen.at(0).knoepfe, Knoepfe::JaNeinAbbrechen);
        EXPECT_EQ(k.speicher.gespeichert.size(), f.antwort == Antwort::Ja ? 1u : 0u);
        k.sitzung.FormClose();
    }
    // Unchanged: no question at all.
    EXPECT_TRUE(a->sitzung.FormCloseQuery());
    EXPECT_TRUE(a->sitzung.BeendenClick());
    EXPECT_TRUE(a->dialoge.meldungen.empty());
}

TEST_F(DateisitzungTest, FormCloseUndSitzungsendeGebenDieSperreFrei) {
    const std::string p = NeueDatei("plan.kvr");
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    a->sitzung.FormClose();
    EXPECT_EQ(a->sitzung.Dateiname(), "");
    EXPECT_FALSE(fs::exists(p + ".tmp"));

    ASSERT_TRUE(b->sitzung.DirektOeffnen(p));
    b->kal.geaendert = true;
    b->dialoge.antworten = {Antwort::Nein};
    b->sitzung.SitzungEnde();
    EXPECT_EQ(b->dialoge.meldungen.at(0).knoepfe, Knoepfe::JaNein);
    EXPECT_FALSE(b->kal.geaendert);
    EXPECT_FALSE(fs::exists(p + ".tmp"));
}

TEST_F(DateisitzungTest, SitzungsendeFragtAuchOhneDatei) {
    // Untitled and changed: "Ja" saves through the save dialog.
    a->kal.geaendert = true;
    const std::string p = Pfad("gerettet.kvr");
    a->dialoge.antworten = {Antwort::Ja};
    a->dialoge.speichern.push_back(p);
    a->sitzung.SitzungEnde();
    ASSERT_EQ(a->dialoge.meldungen.size(), 1u);
    EXPECT_EQ(a->dialoge.meldungen[0].text, "Änderungen speichern ?");
    EXPECT_EQ(a->dialoge.meldungen[0].knoepfe, Knoepfe::JaNein);
    EXPECT_TRUE(fs::exists(p));
    EXPECT_FALSE(a->kal.geaendert);
    EXPECT_FALSE(fs::exists(p + ".tmp"));

    // Untitled and unchanged: no question.
    b->sitzung.SitzungEnde();
    EXPECT_TRUE(b->dialoge.meldungen.empty());
}

TEST_F(DateisitzungTest, StartcodeWirdEinmalNachDemLadenAngewendet) {
    const std::string p = NeueDatei("plan.kvr");
    for (const std::string code : {"mini", "woch"}) {
        Kopie k(sperren);
        k.sitzung.StartcodeSetzen(code);
        ASSERT_TRUE(k.sitzung.DirektOeffnen(p));
        EXPECT_EQ(k.fenster.startcodes, std::vector<std::string>{code});
        EXPECT_EQ(k.fenster.neuGezeichnet, code == "mini" ? 0 : 1);
        k.sitzung.Schlieen1Click();
        ASSERT_TRUE(k.sitzung.DirektOeffnen(p));
        EXPECT_EQ(k.fenster.startcodes.size(), 1u);
    }
}

// Two names of one file share its lock: a symbolic link and a hard link find it held, and a
// save through the link writes the target and keeps the link.
TEST_F(DateisitzungTest, VerknuepfungUmgehtDieSperreNicht) {
    const std::string p = NeueDatei("plan.kvr");
    const std::string weich = Pfad("link.kvr"), hart = Pfad("hart.kvr");
    fs::create_symlink(p, weich);
    fs::create_hard_link(p, hart);
    ASSERT_TRUE(a->sitzung.DirektOeffnen(weich));
    EXPECT_FALSE(a->sitzung.schreibgeschuetzt());
    EXPECT_TRUE(fs::exists(p + ".tmp"));
    EXPECT_FALSE(fs::exists(weich + ".tmp"));
    for (const std::string& name : {p, hart}) {
        Kopie k(sperren);
        k.dialoge.antworten = {Antwort::Ja};
        ASSERT_TRUE(k.sitzung.DirektOeffnen(name));
        EXPECT_EQ(k.dialoge.Texte(), std::vector<std::string>{t::SchonGeoeffnet(name)});
        EXPECT_TRUE(k.sitzung.schreibgeschuetzt()) << name;
        EXPECT_FALSE(k.sitzung.SchreibschutzUmschaltbar());
    }
    a->kal.geaendert = true;
    ASSERT_TRUE(a->sitzung.speichern1Click());
    EXPECT_TRUE(fs::is_symlink(weich));
    // After the save the lock covers the new file too.
    Kopie k(sperren);
    k.dialoge.antworten = {Antwort::Ja};
    ASSERT_TRUE(k.sitzung.DirektOeffnen(p));
    EXPECT_TRUE(k.sitzung.schreibgeschuetzt());
}

// A link to a calendar that does not exist yet (still to be saved) shares the lock of its
// target too, whichever copy comes first, through a chain of links, relative links and a
// linked folder.
TEST_F(DateisitzungTest, VerknuepfungAufNochFehlendeDateiTeiltDieSperre) {
    fs::create_directory(Pfad("echt"));
    fs::create_directory_symlink("echt", Pfad("ordnerlink"));
    fs::create_symlink("neu.kvr", Pfad("link.kvr"));              // relative, dangling
    fs::create_symlink(Pfad("link.kvr"), Pfad("kette.kvr"));      // a link to the link
    fs::create_symlink("ordnerlink/neu.kvr", Pfad("tief.kvr"));   // through a linked folder
    fs::create_symlink("../echt/neu.kvr", Pfad("echt/rueck.kvr"));
    struct Fall {
        std::string ziel, link;
    };
    const std::vector<Fall> faelle = {
        {Pfad("neu.kvr"), Pfad("link.kvr")},
        {Pfad("neu.kvr"), Pfad("kette.kvr")},
        {Pfad("echt/neu.kvr"), Pfad("tief.kvr")},
        {Pfad("echt/neu.kvr"), Pfad("ordnerlink/rueck.kvr")},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(SperrdateiFuer(f.link), SperrdateiFuer(f.ziel)) << f.link;
        for (const bool linkZuerst : {false, true}) {
            Kopie erste(sperren), zweite(sperren);
            const std::string& zuerst = linkZuerst ? f.link : f.ziel;
            const std::string& danach = linkZuerst ? f.ziel : f.link;
            // Nothing to read yet: the document stays empty, the file is held.
            erste.sitzung.DirektOeffnen(zuerst);
            ASSERT_FALSE(erste.sitzung.schreibgeschuetzt());
            EXPECT_FALSE(fs::exists(f.ziel));
            EXPECT_TRUE(fs::exists(f.ziel + ".tmp")) << zuerst;
            zweite.dialoge.antworten = {Antwort::Ja};
            zweite.sitzung.DirektOeffnen(danach);
            EXPECT_EQ(zweite.dialoge.Texte(),
                      std::vector<std::string>{t::SchonGeoeffnet(danach)})
                << danach;
            EXPECT_TRUE(zweite.sitzung.schreibgeschuetzt()) << danach;
        }
        EXPECT_FALSE(fs::exists(f.ziel + ".tmp"));
    }
    // A loop of links cannot be resolved; it keeps its own lock file and does not hang.
    fs::create_symlink(Pfad("schleife2.kvr"), Pfad("schleife1.kvr"));
    fs::create_symlink(Pfad("schleife1.kvr"), Pfad("schleife2.kvr"));
    EXPECT_EQ(SperrdateiFuer(Pfad("schleife1.kvr")), Pfad("schleife1.kvr") + ".tmp");
}

// A lock file that cannot be created says so and opens read-only; it does not claim that
// another copy has the file.
TEST_F(DateisitzungTest, NichtSperrbarIstNichtBelegt) {
    const std::string p = NeueDatei("plan.kvr");
    fs::create_directory(p + ".tmp");  // no lock file can be made there
    ASSERT_TRUE(a->sitzung.DirektOeffnen(p));
    ASSERT_EQ(a->dialoge.meldungen.size(), 1u);
    const std::string& text = a->dialoge.meldungen[0].text;
    EXPECT_EQ(text.find("schon geöffnet"), std::string::npos) << text;
    EXPECT_NE(text.find("kann hier nicht für andere Kopien von Kalvora gesperrt werden"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("schreibgeschützt geöffnet"), std::string::npos) << text;
    EXPECT_TRUE(a->sitzung.schreibgeschuetzt());
    EXPECT_FALSE(a->kal.geaendert);

    // "Speichern unter" into such a place asks for another one.
    const std::string q = Pfad("anders.kvr");
    fs::create_directory(q + ".tmp");
    b->dialoge.speichern = {q, Pfad("gut.kvr")};
    ASSERT_TRUE(b->sitzung.speichernunter1Click());
    EXPECT_NE(b->dialoge.meldungen.at(0).text.find("keine Sperrdatei anlegen"),
              std::string::npos);
    EXPECT_EQ(b->sitzung.Dateiname(), Pfad("gut.kvr"));
}

}  // namespace
}  // namespace kalvora
