// End-to-end tests of "kalvora-cli ics-export" and "ics-import": a period written in the
// user's zone with the lead time of the settings, read back into a copy of a calendar file,
// and the faults of the call and of the file.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "CliAufruf.h"
#include "doubles/Testdateien.h"
#include "kalender/Kalenderdatei.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;
using testdateien::Inhalt;

class IcsBefehle : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-icscli-XXXXXX";
        ordner = mkdtemp(muster);
        datei = ordner + "/plan.kvr";
        TKalender kal;
        kal.Farbnamen[1] = "Urlaub";
        kal.Terminkategorie = {"Beruf"};
        kal.Terminliste(2026, 3, 28) = {TTermin{"", "Tag vor der Umstellung"},
                                        TTermin{"09:30", "Zahnarzt", "Praxis", "Beruf", "", 45,
                                                kal.Farbwerte[2], true}};
        kal.Terminliste(2026, 3, 30) = {TTermin{}, TTermin{"18:00", "Chor", "", "", "", 90}};
        kal.Terminliste(2027, 1, 1) = {TTermin{}, TTermin{"00:00", "Nicht im Zeitraum"}};
        for (int t : {2, 3}) kal.Tagesfarben(2026, 4, t) = {kal.Farbwerte[1]};
        kal.Geburtstagsliste = {{"Meyer", "Anna", DatumWert(15, 3, 1970), KeinDatum}};
        DateiAtomarSchreiben(datei, KalenderAlsVer33(kal));
        leer = ordner + "/leer.kvr";
        DateiAtomarSchreiben(leer, KalenderAlsVer33(TKalender()));
        setenv("HOME", ordner.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (ordner + "/konfig").c_str(), 1);
        setenv("TZ", "Europe/Berlin", 1);
    }
    void TearDown() override {
        unsetenv("TZ");
        fs::remove_all(ordner);
    }
    std::string ordner, datei, leer;
};

TEST_F(IcsBefehle, ExportImZeitraumUndWiederEingelesen) {
    const std::string ics = ordner + "/plan.ics";
    ASSERT_EQ(Ausfuehren("ics-export '" + datei + "' 01.01.2026 31.12.2026 '" + ics +
                         "' --tagesinfo --tagesfarben --geburtstage")
                  .code,
              0);
    const std::string text = Inhalt(ics);
    EXPECT_NE(text.find("DTSTART;TZID=Europe/Berlin:20260328T093000\r\nDURATION:PT45M\r\n"
                        "SUMMARY:Zahnarzt\r\nLOCATION:Praxis\r\nCATEGORIES:Beruf\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("TRIGGER:-PT2H\r\n"), std::string::npos);  // the default lead time
    EXPECT_NE(text.find("SUMMARY:Tag vor der Umstellung\r\n"), std::string::npos);
    EXPECT_NE(text.find("DTSTART;VALUE=DATE:20260402\r\nDTEND;VALUE=DATE:20260404\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("SUMMARY:Geburtstag: Anna Meyer\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Nicht im Zeitraum"), std::string::npos);

    const std::string aus = ordner + "/aus.kvr";
    const auto e = Ausfuehren("ics-import '" + leer + "' '" + ics + "' '" + aus + "'");
    ASSERT_EQ(e.code, 0);
    // 2 appointments, the info line, the run of "Urlaub", the birthday in every year.
    EXPECT_EQ(e.ausgabe, "Importiert: " + std::to_string(2 + 1 + 1 + (2099 - 1970 + 1)) +
                             "\nÜbersprungen: 0\n");
    TKalender zurueck;
    ASSERT_EQ(KalenderdateiLesen(zurueck, aus), Dateiform::Ver33);
    const TTerminliste& l = zurueck.Terminliste(2026, 3, 28);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].Beschreibung, "Tag vor der Umstellung");
    EXPECT_EQ(l[1], (TTermin{"09:30", "Zahnarzt", "Praxis", "Beruf", "", 45,
                             zurueck.Farbwerte[2], true}));
    EXPECT_EQ(zurueck.Terminliste(2026, 3, 30)[1].Uhrzeit, "18:00");
    EXPECT_EQ(zurueck.Terminliste(2026, 4, 2)[0].Beschreibung, "Urlaub");
    EXPECT_EQ(zurueck.Terminliste(2099, 3, 15)[0].Beschreibung, "Geburtstag: Anna Meyer");
}

// The same file read into a calendar that has its events already adds nothing.
TEST_F(IcsBefehle, ZweiterImportMeldetVorhandenes) {
    const std::string ics = ordner + "/plan.ics";
    ASSERT_EQ(Ausfuehren("ics-export '" + datei + "' 01.01.2026 31.12.2026 '" + ics + "'").code,
              0);
    const std::string erste = ordner + "/erste.kvr", zweite = ordner + "/zweite.kvr";
    ASSERT_EQ(Ausfuehren("ics-import '" + leer + "' '" + ics + "' '" + erste + "'").ausgabe,
              "Importiert: 2\nÜbersprungen: 0\n");
    EXPECT_EQ(Ausfuehren("ics-import '" + erste + "' '" + ics + "' '" + zweite + "'").ausgabe,
              "Importiert: 0\nÜbersprungen: 0\nSchon vorhanden: 2\n");
    TKalender a, b;
    KalenderdateiLesen(a, erste);
    KalenderdateiLesen(b, zweite);
    EXPECT_TRUE(a.TageGleich(b));
}

TEST_F(IcsBefehle, ImportInEineKopieMitGruenden) {
    const std::string aus = ordner + "/aus.kvr";
    const std::string vorher = Inhalt(datei);
    const auto e = Ausfuehren("ics-import '" + datei + "' '" KALVORA_TESTDATEN
                              "/ics/schwebend.ics' '" + aus + "'");
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(e.ausgabe,
              "Importiert: 1\nÜbersprungen: 4\n  1 abgesagt\n  2 Aufgabe oder Journaleintrag\n"
              "  1 ohne Beginn (DTSTART)\n");
    EXPECT_EQ(Inhalt(datei), vorher);  // only the copy changed
    TKalender kopie;
    KalenderdateiLesen(kopie, aus);
    EXPECT_EQ(kopie.AnzahlTermine(), 4);
    EXPECT_EQ(kopie.Terminliste(2026, 5, 5)[1].Beschreibung, "Frühstück");
}

// A zone whose rules would run without end and an event repeated every second: both end at
// once with their reasons, the other events come in, and libical says nothing on stderr.
TEST_F(IcsBefehle, FeindlicheDateienEndenMitGruenden) {
    const std::string aus = ordner + "/aus.kvr";
    struct Fall {
        std::string datei, ausgabe;
        int termine;  // in the written calendar
    };
    const Fall faelle[] = {
        {"zeitzone_unbrauchbar.ics",
         "Importiert: 3\nÜbersprungen: 3\n"
         "  3 Zeitzone der Datei (VTIMEZONE) mit unbrauchbarer Umstellungsregel\n"
         "  1 Zeilen END ohne vorangehendes BEGIN übergangen\n",
         3},
        {"feindlich/endlos_sekuendlich.ics",
         "Importiert: 100001\nÜbersprungen: 1\n"
         "  1 Wiederholung mit mehr als 100.000 Vorkommen, danach gekürzt\n",
         100001},
    };
    for (const Fall& f : faelle) {
        const std::string aufruf = "ics-import '" + leer + "' '" KALVORA_TESTDATEN "/ics/" +
                                   f.datei + "' '" + aus + "'";
        const auto e = Ausfuehren(aufruf);
        EXPECT_EQ(e.code, 0) << f.datei;
        EXPECT_EQ(e.ausgabe, f.ausgabe);
        EXPECT_EQ(Ausfuehren(aufruf, true).ausgabe, "") << f.datei;
        TKalender kal;
        ASSERT_EQ(KalenderdateiLesen(kal, aus), Dateiform::Ver33);
        EXPECT_EQ(kal.AnzahlTermine(), f.termine) << f.datei;
    }
    // The event after the endless one.
    TKalender kal;
    KalenderdateiLesen(kal, aus);
    ASSERT_EQ(kal.Terminliste(2026, 1, 5).size(), 2u);
    EXPECT_EQ(kal.Terminliste(2026, 1, 5)[1].Beschreibung, "Danach");
}

// Other programs' files: only our own German line reaches stderr, and only for a file that
// holds no calendar.
TEST_F(IcsBefehle, FremdeDateienOhneMeldungenDerBibliothek) {
    const std::string aus = ordner + "/aus.kvr";
    int dateien = 0;
    for (const auto& eintrag : fs::directory_iterator(KALVORA_TESTDATEN "/ics/fremd")) {
        if (eintrag.path().extension() != ".ics") continue;
        ++dateien;
        const auto e = Ausfuehren("ics-import '" + leer + "' '" + eintrag.path().string() +
                                      "' '" + aus + "'",
                                  true);
        if (e.code == 0)
            EXPECT_EQ(e.ausgabe, "") << eintrag.path();
        else
            EXPECT_EQ(e.ausgabe.rfind("Die Datei kann nicht als iCalendar-Datei gelesen "
                                      "werden: kein vollständiger Kalender",
                                      0),
                      0u)
                << eintrag.path() << e.ausgabe;
    }
    EXPECT_GE(dateien, 40);
}

TEST_F(IcsBefehle, FehlerDesAufrufsUndDerDatei) {
    const std::string ics = ordner + "/x.ics";
    const std::string aus = ordner + "/aus.kvr";
    struct Fall {
        std::string argumente;
        int code;
        std::string meldung;
    };
    const Fall faelle[] = {
        {"ics-export '" + datei + "' 01.01.2026 '" + ics + "'", 2, "fehlt"},
        {"ics-export '" + datei + "' 31.12.2026 01.01.2026 '" + ics + "'", 2,
         "01.01.2026 liegt vor 31.12.2026"},
        {"ics-export '" + datei + "' 01.01.1900 01.01.2026 '" + ics + "'", 2,
         "liegt nicht zwischen 1901 und 2099"},
        {"ics-export '" + datei + "' 01.01.2026 31.12.2026 '" + ics + "' --alles", 2, ""},
        {"ics-import '" + datei + "' '" KALVORA_TESTDATEN "/ics/kaputt.ics' '" + aus + "'", 1,
         "Die Datei kann nicht als iCalendar-Datei gelesen werden"},
        {"ics-import '" + datei + "' '" + ordner + "/fehlt.ics' '" + aus + "'", 1, ""},
        {"ics-import '" + datei + "' '" KALVORA_TESTDATEN "/ics/leer.ics'", 2, "fehlt"},
    };
    for (const Fall& f : faelle) {
        const auto e = Ausfuehren(f.argumente, true);
        EXPECT_EQ(e.code, f.code) << f.argumente;
        EXPECT_NE(e.ausgabe.find(f.meldung), std::string::npos) << e.ausgabe;
    }
    // Nothing is left behind by a call that failed.
    EXPECT_FALSE(fs::exists(ics));
    EXPECT_FALSE(fs::exists(aus));
}

}  // namespace
}  // namespace kalvora
