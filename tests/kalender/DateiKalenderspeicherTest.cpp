#include "doubles/Testdateien.h"
#include "kalender/DateiKalenderspeicher.h"
#include "kalender/Kalenderdatei.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "kalender/Dateisitzung.h"
#include "methoden/Fehler.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/posix/PosixDateisperre.h"
#include "platform/posix/PosixSpeicherplatz.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

using testdateien::Datei;
using testdateien::Inhalt;

void Schreiben(const std::string& pfad, const std::string& bytes) {
    std::ofstream(pfad, std::ios::binary) << bytes;
}

class DateiKalenderspeicherTest : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-speicher-XXXXXX";
        ordner = mkdtemp(muster);
        datei = ordner + "/beispiel.kvr";
        fs::copy_file(KALVORA_TESTDATEN "/beispiel_ver33.kvr", datei);
    }
    void TearDown() override { fs::remove_all(ordner); }

    std::string ordner, datei;
    SpeicherRegistry registry;
    RegistryLetzteDateien letzte{registry};
    DateiKalenderspeicher speicher{DateiAtomarSchreiben, [](const std::string&) {}};
    PosixDateisperre sperren;
    PosixSpeicherplatz platz;
    test::SkriptDialoge dialoge;
    TKalender kal;
    Dateisitzung sitzung{kal, dialoge, sperren, speicher, platz, letzte};
};

TEST_F(DateiKalenderspeicherTest, GespeichertWirdWasGeladenWurde) {
    ASSERT_TRUE(sitzung.DirektOeffnen(datei));
    ASSERT_GT(kal.AnzahlTermine(), 0);
    kal.Tagesfarben(2030, 4, 4).push_back(kal.Farbwerte[1]);
    kal.geaendert = true;
    ASSERT_TRUE(sitzung.speichern1Click());
    EXPECT_TRUE(dialoge.meldungen.empty());

    TKalender wieder;
    ASSERT_EQ(speicher.Laden(wieder, datei, {}), Ladeergebnis::Text);
    EXPECT_TRUE(wieder.TageGleich(kal));
    EXPECT_EQ(wieder.Geburtstagsliste, kal.Geburtstagsliste);
    // Only the calendar file and its lock are in the folder: no temporary file is left.
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()), 2);

    TKalender leer;
    EXPECT_EQ(speicher.Laden(leer, ordner + "/fehlt.kvr", {}), Ladeergebnis::NichtLesbar);
    // Loaded over a full document, a missing file leaves nothing of it behind; the modified
    // flag is the session's.
    wieder.geaendert = true;
    EXPECT_EQ(speicher.Laden(wieder, ordner + "/fehlt.kvr", {}), Ladeergebnis::NichtLesbar);
    EXPECT_TRUE(wieder.TageGleich(leer));
    EXPECT_TRUE(wieder.Geburtstagsliste.empty());
    EXPECT_TRUE(wieder.Terminkategorie.empty());
    EXPECT_EQ(wieder.Farbnamen, leer.Farbnamen);
    EXPECT_TRUE(wieder.geaendert);
}

// A text the file cannot hold and a folder that does not exist: the user is told, the
// document stays modified and the file on disk is untouched.
TEST_F(DateiKalenderspeicherTest, GescheitertesSpeichernLaesstDieDateiUnberuehrt) {
    ASSERT_TRUE(sitzung.DirektOeffnen(datei));
    const std::string vorher = Inhalt(datei);
    kal.Terminliste(2030, 1, 1) = {TTermin{}, TTermin{"10:00", "a#b"}};
    kal.geaendert = true;
    EXPECT_FALSE(sitzung.speichern1Click());
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    EXPECT_EQ(dialoge.meldungen[0].art, Meldungsart::Fehler);
    EXPECT_FALSE(dialoge.meldungen[0].text.empty());
    EXPECT_TRUE(kal.geaendert);
    EXPECT_EQ(Inhalt(datei), vorher);

    kal.Terminliste(2030, 1, 1).clear();
    EXPECT_THROW(speicher.Speichern(kal, ordner + "/fehlt/x.kvr", {}), KalvoraFehler);
}

TEST_F(DateiKalenderspeicherTest, LetzteDateienInDerRegistry) {
    const char* schluessel = "Software\\Kalvora\\letzte_Dateien";
    registry.Schreiben(schluessel, "Datei 02", int32_t{5});
    registry.Schreiben(schluessel, "Datei 01", std::string("/a.kvr"));
    const Dateiliste l = letzte.Lesen();
    EXPECT_EQ(l[0], "/a.kvr");
    EXPECT_EQ(l[1], "");
    // Missing values are created empty.
    EXPECT_EQ(registry.Lesen(schluessel, "Datei 10"), Registrywert(std::string()));
    Dateiliste neu{};
    neu[0] = "/b.kvr";
    neu[9] = "/z.kvr";
    letzte.Schreiben(neu);
    EXPECT_EQ(letzte.Lesen(), neu);
    EXPECT_EQ(registry.Lesen(schluessel, "Datei 02"), Registrywert(std::string()));
}

// Whatever no reader accepts, or a read that stops with an error, never leaves a document
// bound to the file: nothing, not even the automatic save, may ever write to that path.
TEST_F(DateiKalenderspeicherTest, UnlesbareDateiWirdNieUeberschrieben) {
    const std::string gut = Inhalt(datei);
    const std::pair<const char*, std::string> faelle[] = {
        {"Leerzeichen", "Ver 3.3 \r\n" + gut.substr(9)},
        {"neuere Version", "Ver 3.4\r\n" + gut.substr(9)},
        {"Textdatei", "Einkaufsliste\r\nBrot\r\n"},
        {"Lesefehler", Datei({"Ver 3.3", "[Farbnamen]", "XY"})},
        {"Nullzeichen", Datei({"Ver 3.3", "[Farbnamen]"}) + std::string("FF\0 Rot\r\n", 10)},
    };
    for (const auto& [fall, bytes] : faelle) {
        SCOPED_TRACE(fall);
        const std::string pfad = ordner + "/fall.kvr";
        Schreiben(pfad, bytes);
        dialoge.meldungen.clear();
        sitzung.optionen.autosave = true;
        EXPECT_FALSE(sitzung.DirektOeffnen(pfad));
        ASSERT_EQ(dialoge.meldungen.size(), 1u);
        EXPECT_EQ(dialoge.meldungen[0].art, Meldungsart::Fehler);
        EXPECT_NE(dialoge.meldungen[0].text.find("\"" + pfad + "\""), std::string::npos)
            << dialoge.meldungen[0].text;
        EXPECT_EQ(sitzung.Dateiname(), "");
        EXPECT_FALSE(sitzung.schreibgeschuetzt());
        EXPECT_FALSE(fs::exists(pfad + ".tmp"));
        EXPECT_EQ(sitzung.Zustand().speichernIntervallMs, 0);
        kal.geaendert = true;
        sitzung.autosavetimerTimer();
        dialoge.speichern.push_back(std::nullopt);  // "Speichern" asks for a name: cancel
        EXPECT_FALSE(sitzung.speichern1Click());
        EXPECT_EQ(Inhalt(pfad), bytes);
        kal.geaendert = false;
    }
    // The same during the automatic refresh of a read-only copy.
    dialoge.meldungen.clear();
    dialoge.oeffnen.push_back(Dateiwahl{datei, true});
    ASSERT_TRUE(sitzung.ffnen1Click());
    Schreiben(datei, "Ver 3.4\r\n");
    sitzung.schreibschutztimerTimer();
    EXPECT_EQ(sitzung.Dateiname(), "");
    EXPECT_EQ(Inhalt(datei), "Ver 3.4\r\n");
}

// A pipe or a device is never read (it would wait forever or never end), nor is a file far
// larger than any calendar.
TEST_F(DateiKalenderspeicherTest, NurGewoehnlicheDateienWerdenGelesen) {
    const std::string pipe = ordner + "/pipe.kvr";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& pfad : {pipe, std::string("/dev/zero"), ordner}) {
        SCOPED_TRACE(pfad);
        try {
            DateiEinlesen(pfad);
            ADD_FAILURE();
        } catch (const KalvoraFehler& f) {
            EXPECT_NE(std::string(f.what()).find("\"" + pfad + "\""), std::string::npos);
        }
    }
    dialoge.meldungen.clear();
    EXPECT_FALSE(sitzung.DirektOeffnen(pipe));
    EXPECT_EQ(dialoge.meldungen.size(), 1u);
    EXPECT_EQ(sitzung.Dateiname(), "");

    Schreiben(ordner + "/gross.kvr", std::string(4096, 'x'));
    EXPECT_THROW(DateiEinlesen(ordner + "/gross.kvr", 4095), KalvoraFehler);
    EXPECT_EQ(DateiEinlesen(ordner + "/gross.kvr", 4096).size(), 4096u);
}

// A crash can leave a tail of NUL bytes; it is dropped. A NUL inside the text is a fault of
// its line, never a birthday of NUL characters.
TEST_F(DateiKalenderspeicherTest, NullzeichenImText) {
    Schreiben(datei, Inhalt(datei) + std::string(300, '\0'));
    ASSERT_TRUE(sitzung.DirektOeffnen(datei));
    const std::size_t geburtstage = kal.Geburtstagsliste.size();
    for (const TGeburtstag& g : kal.Geburtstagsliste)
        EXPECT_EQ(g.Name.find('\0'), std::string::npos);
    kal.geaendert = true;
    ASSERT_TRUE(sitzung.speichern1Click());
    EXPECT_EQ(Inhalt(datei).find('\0'), std::string::npos);
    TKalender wieder;
    speicher.Laden(wieder, datei, {});
    EXPECT_EQ(wieder.Geburtstagsliste.size(), geburtstage);

    TKalender kaputt;
    try {
        const std::string text =
            Datei({"Ver 3.3", "[Farbnamen]"}) + std::string("F\0F Rot\r\n", 9);
        KalenderAusBytesLesen(kaputt, text, std::nullopt);
        ADD_FAILURE();
    } catch (const KalvoraFehler& f) {
        EXPECT_EQ(f.zeile(), 3);
    }
}

// A CSV import stopped by a faulty line keeps the lines before it, says where and why, and
// leaves the import file as it was: the document is untitled, so no save can replace the
// file with the part that was read.
TEST_F(DateiKalenderspeicherTest, CsvImportBehaeltDieZeilenVorDemFehler) {
    const std::string csv = ordner + "/import.kvr";
    const std::string bytes =
        Datei({"kalvora-csv version 1.0",
               "\"Datum\";\"Startzeit\";\"Dauer\";\"Terminbeschreibung\";\"Ortsangabe\";"
               "\"Farbwert\";\"Farbname\";\"Alarm\"",
               "\"01.05.2004\";\"9:00\";\"30\";\"Test\";\"\";\"FF0000\";\"Rot\";\"ja\"",
               "\"02.05.2004\";\"10:00\";\"30\";\"A#B\";\"\";\"\";\"\";\"\"",
               "\"03.05.2004\";\"10:00\";\"30\";\"nie gelesen\";\"\";\"\";\"\";\"\""});
    Schreiben(csv, bytes);
    EXPECT_FALSE(sitzung.DirektOeffnen(csv));
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    const std::string& text = dialoge.meldungen[0].text;
    EXPECT_NE(text.find("Zeile 4"), std::string::npos) << text;
    EXPECT_NE(text.find("'#'"), std::string::npos) << text;
    const auto& l = kal.Terminliste(2004, 5, 1);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].Uhrzeit, "09:00");
    EXPECT_TRUE(kal.Terminliste(2004, 5, 2).empty());
    EXPECT_TRUE(kal.Terminliste(2004, 5, 3).empty());
    EXPECT_TRUE(kal.geaendert);
    EXPECT_EQ(sitzung.Dateiname(), "");
    EXPECT_FALSE(fs::exists(csv + ".tmp"));
    // Saving asks for a new name.
    dialoge.speichern.push_back(ordner + "/neu.kvr");
    ASSERT_TRUE(sitzung.speichern1Click());
    EXPECT_EQ(Inhalt(csv), bytes);
    EXPECT_NE(Inhalt(ordner + "/neu.kvr").find("09:00X Test"), std::string::npos);
}

// Items that load but that the file cannot store unchanged: a time in its obvious form is
// normalised when read; the rest is repaired on saving after one question that names it.
TEST_F(DateiKalenderspeicherTest, UnspeicherbaresWirdNachFrageRepariert) {
    Schreiben(datei, Datei({"Ver 3.2", "[Farbnamen]", "FF Rot", "[Tagesfarben]", "[Termine]",
                            "94AD Info", "9:30 Arzt#Praxis#45#a[Linkliste]", "9:45X Zwei###",
                            "12:3 Drei###", "", "[Linkliste]", "Meyer#Anna#15.03.1970#", ""}));
    ASSERT_TRUE(sitzung.DirektOeffnen(datei));
    const auto& l = kal.Terminliste(2004, 3, 15);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[1].Uhrzeit, "09:30");
    EXPECT_EQ(l[2].Uhrzeit, "09:45");
    EXPECT_TRUE(l[2].Alarm);
    const std::string vorher = Inhalt(datei);

    // No: nothing is written, the document stays modified, the automatic save stays quiet.
    kal.geaendert = true;
    dialoge.antworten.push_back(Antwort::Nein);
    EXPECT_FALSE(sitzung.speichern1Click());
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    const std::string frage = dialoge.meldungen[0].text;
    EXPECT_NE(frage.find("\"[Linkliste]\" heißt dann \"[Linkliste] (2)\""), std::string::npos)
        << frage;
    EXPECT_NE(frage.find("\"12:3\""), std::string::npos) << frage;
    EXPECT_EQ(Inhalt(datei), vorher);
    EXPECT_TRUE(kal.geaendert);
    sitzung.autosavetimerTimer();
    EXPECT_EQ(dialoge.meldungen.size(), 1u);
    EXPECT_EQ(Inhalt(datei), vorher);

    // Yes: saved with the repairs, and it reads back.
    dialoge.antworten.push_back(Antwort::Ja);
    ASSERT_TRUE(sitzung.speichern1Click());
    EXPECT_FALSE(kal.geaendert);
    TKalender wieder;
    ASSERT_EQ(speicher.Laden(wieder, datei, {}), Ladeergebnis::Text);
    EXPECT_EQ(wieder.Terminkategorie, (TTerminKategorie{"[Linkliste] (2)"}));
    const auto& w = wieder.Terminliste(2004, 3, 15);
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(w[1].Kategorie, "[Linkliste] (2)");
    EXPECT_EQ(w[3].Uhrzeit, "00:00");
    EXPECT_EQ(w[3].Beschreibung, "Drei (Uhrzeit: 12:3)");
}

// A time the file can hold but no clock can show, and a duration of days, are asked about
// before the save as well; the views and exports never see them as times.
TEST_F(DateiKalenderspeicherTest, UnbrauchbareZeitUndDauerWerdenNachFrageRepariert) {
    Schreiben(datei, Datei({"Ver 3.3", "[Farbnamen]", "[Terminkategorie]", "[Linkliste]",
                            "[Tagesfarben]", "[Termine]", "94AD", "99:99 Vier#Ort#30#",
                            "10:00 Fuenf##100000#", ""}));
    ASSERT_TRUE(sitzung.DirektOeffnen(datei));
    EXPECT_EQ(kal.Terminliste(2004, 3, 15)[1].Uhrzeit, "99:99");  // kept as read
    kal.geaendert = true;
    dialoge.antworten.push_back(Antwort::Ja);
    ASSERT_TRUE(sitzung.speichern1Click());
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    const std::string& frage = dialoge.meldungen[0].text;
    EXPECT_NE(frage.find("mit der Uhrzeit \"99:99\" beginnt dann um 00:00"), std::string::npos)
        << frage;
    EXPECT_NE(frage.find("mit der Dauer 100000 Minuten hat dann keine Dauer"), std::string::npos)
        << frage;
    EXPECT_NE(Inhalt(datei).find("\r\n00:00 Vier (Uhrzeit: 99:99)#Ort#30#\r\n"
                                 "10:00 Fuenf (Dauer: 100000 Minuten)###\r\n"),
              std::string::npos)
        << Inhalt(datei);
}

// "Neu" empties the document with the default colours of the settings it has just read.
TEST_F(DateiKalenderspeicherTest, NeuNimmtDieFrischGeladenenStandardfarben) {
    struct Fenster : Sitzungsfenster {
        explicit Fenster(TKalender& k) : kal(k) {}
        void NeuInitialisieren() override { kal.Standardfarben[1] = 0x123456; }
        TKalender& kal;
    } fenster(kal);
    sitzung.FensterSetzen(&fenster);
    ASSERT_TRUE(sitzung.Neu1Click());
    EXPECT_EQ(kal.Farbwerte[1], 0x123456u);
    sitzung.FensterSetzen(nullptr);
}

}  // namespace
}  // namespace kalvora
