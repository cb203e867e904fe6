#include "doubles/Testdateien.h"
#include "kalender/CsvDatei.h"

#include <gtest/gtest.h>

#include "kalender/Kalenderdatei.h"
#include "methoden/Fehler.h"
#include "methoden/Zeichensatz.h"

namespace kalvora {
namespace {

using testdateien::Datei;

TEST(CsvDatei, Export) {
    TKalender kal;
    kal.Farbnamen[2] = "Rot";
    TTerminliste& a = kal.Terminliste(2004, 3, 15);
    a.resize(3);
    a[0].Beschreibung = "Frühling#Jacke";
    a[1] = {"09:30", "Zahnarzt \"Dr.\"", "Praxis, Süd", "", "", 45, 0x0000FF, true};
    a[2] = {"14:00", "Treffen", "", "", "", 0, kal.Farbwerte[3], false};
    kal.Terminliste(1901, 1, 1).resize(1);  // empty info: no line
    TTerminliste& b = kal.Terminliste(2099, 12, 31);
    b.resize(2);
    b[1] = {"23:59", "Silvester", "", "", "", 1, 0x123456, false};
    std::vector<int> fortschritt;
    EXPECT_EQ(KalenderAlsCsv(kal, [&](int w) { fortschritt.push_back(w); }),
              Datei({"\"Datum\",\"Startzeit\",\"Dauer\",\"Terminbeschreibung\",\"Ortsangabe\","
                     "\"Farbwert\",\"Farbname\",\"Alarm\"",
                     "",
                     "\"15.03.2004\",\"\",\"\",\"Frühling#Jacke\",\"\",\"\",\"\",\"\"",
                     "\"15.03.2004\",\"09:30\",\"45\",\"Zahnarzt \"Dr.\"\",\"Praxis, Süd\","
                     "\"FF0000\",\"Rot\",\"x\"",
                     "\"15.03.2004\",\"14:00\",\"0\",\"Treffen\",\"\",\"0000FF\",\"\",\"\"",
                     "\"31.12.2099\",\"23:59\",\"1\",\"Silvester\",\"\",\"563412\",\"\",\"\""}));
    EXPECT_EQ(fortschritt.back(), 100);
}

TEST(CsvDatei, ExportVerweigertNichtDarstellbareZeichen) {
    TKalender kal;
    kal.Terminliste(2004, 3, 15).assign(1, {"", "Ω"});
    try {
        KalenderAlsCsv(kal);
        ADD_FAILURE();
    } catch (const KalvoraFehler& e) {
        EXPECT_NE(std::string(e.what()).find("\"Ω\""), std::string::npos) << e.what();
    }
}

const char* const kKennung = "Kalvora-CSV Version 1.0";

TEST(CsvDatei, ImportDesBeispiels) {
    TKalender kal;
    const std::string text =
        Datei({kKennung, kCsvKopfzeileSemikolon,
               "\"01.05.2004\";\"10:00\";\"30\";\"Test\";\"\";\"FF0000\";\"Rot\";\"ja\""});
    EXPECT_EQ(KalenderAusBytesLesen(kal, text, std::nullopt), Dateiform::Csv);
    const auto& l = kal.Terminliste(2004, 5, 1);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0], TTermin{});
    EXPECT_EQ(l[1], (TTermin{"10:00", "Test", "", "", "", 30, 0x0000FF, true}));
    EXPECT_EQ(kal.Farbnamen[2], "Rot");  // the slot that had red
    EXPECT_EQ(kal.Farbnamen[1], FreiName);
}

TEST(CsvDatei, ImportZeilen) {
    struct Fall {
        const char* name;
        std::vector<std::string_view> zeilen;
        std::function<void(const TKalender&)> pruefen;
    };
    const std::vector<Fall> faelle = {
        {"Zwei Infozeilen am selben Tag",
         {"\"02.05.2004\",\"\",\"\",\"Eins\",\"Ort\",\"\",\"\",\"\"", "",
          "\"02.05.2004\",\"\",\"\",\"Zwei\",\"\",\"\",\"\",\"\""},
         [](const TKalender& k) {
             EXPECT_EQ(k.Terminliste(2004, 5, 2), (TTerminliste{{"", " Eins Ort Zwei"}}));
         }},
        {"Farbe 000000 ist keine Farbe",
         {"\"02.05.2004\",\"08:00\",\"\",\"A\",\"\",\"000000\",\"Schwarz\",\"X\""},
         [](const TKalender& k) {
             EXPECT_EQ(k.Terminliste(2004, 5, 2).at(1).Farbe, KeineFarbe);
             EXPECT_TRUE(k.Terminliste(2004, 5, 2).at(1).Alarm);
             for (int s = 1; s <= AnzahlFarben; ++s) EXPECT_NE(k.Farbnamen[s], "Schwarz");
         }},
        {"Neue Farbe nimmt den ersten freien Platz",
         {"\"02.05.2004\",\"08:00\",\"\",\"A\",\"\",\"123456\",\"Eigen\",\"nein\""},
         [](const TKalender& k) {
             EXPECT_EQ(k.Farbwerte[1], 0x563412u);
             EXPECT_EQ(k.Farbnamen[1], "Eigen");
             EXPECT_FALSE(k.Terminliste(2004, 5, 2).at(1).Alarm);
         }},
        {"Kurzer Farbwert wird links aufgefüllt",
         {"\"02.05.2004\",\"08:00\",\"\",\"A\",\"\",\"FF\",\"\",\"\""},
         [](const TKalender& k) {
             EXPECT_EQ(k.Terminliste(2004, 5, 2).at(1).Farbe, 0xFF0000u);
             EXPECT_EQ(k.Farbnamen[3], FreiName);  // an empty name renames nothing
         }},
        {"Zu wenige Trenner geben leere Spalten",
         {"\"02.05.2004\",\"08:00\",\"15\",\"A\""},
         [](const TKalender& k) {
             EXPECT_EQ(k.Terminliste(2004, 5, 2).at(1),
                       (TTermin{"08:00", "", "", "", "", 15, KeineFarbe, false}));
         }},
        {"Kommas und Semikolons im Text",
         {"\"02.05.2004\",\"08:00\",\"5\",\"A; B, C\",\"x;y\",\"\",\"\",\"\""},
         [](const TKalender& k) {
             EXPECT_EQ(k.Terminliste(2004, 5, 2).at(1).Beschreibung, "A; B, C");
             EXPECT_EQ(k.Terminliste(2004, 5, 2).at(1).Ort, "x;y");
         }},
        {"Umlaute und Leerzeilen",
         {"", "\"29.02.2096\",\"00:00\",\"1439\",\"Grüße\",\"Köln\",\"00FF00\",\"Grün\",\"\""},
         [](const TKalender& k) {
             EXPECT_EQ(k.Terminliste(2096, 2, 29).at(1).Ort, "Köln");
             EXPECT_EQ(k.Farbnamen[4], "Grün");
         }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        std::string text = Datei({kKennung, kCsvKopfzeile});
        for (auto z : f.zeilen) text += *Utf8NachCp1252(z) + "\r\n";
        TKalender kal;
        KalenderAusBytesLesen(kal, text, std::nullopt);
        f.pruefen(kal);
    }
}

TEST(CsvDatei, ImportFehler) {
    struct Fall {
        std::string_view zeile;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"\"31.02.2004\",\"08:00\",\"\",\"A\",\"\",\"\",\"\",\"\"",
         "Zeile 4: ungültiges Datum \"31.02.2004\""},
        {"\"\",\"08:00\",\"\",\"A\",\"\",\"\",\"\",\"\"", "Zeile 4: ungültiges Datum \"\""},
        {"\"01.01.1900\",\"08:00\",\"\",\"A\",\"\",\"\",\"\",\"\"",
         "Zeile 4: das Datum \"01.01.1900\" liegt nicht zwischen 1901 und 2099"},
        {"\"01.01.2004\",\"08:00\",\"1,5\",\"A\",\"\",\"\",\"\",\"\"",
         "Zeile 4: ungültige Dauer \"1,5\""},
        {"\"01.01.2004\",\"08:00\",\"9999999999\",\"A\",\"\",\"\",\"\",\"\"",
         "Zeile 4: ungültige Dauer"},
        {"\"01.01.2004\",\"08:00\",\"\",\"A\",\"\",\"GG0000\",\"\",\"\"",
         "Zeile 4: ungültiger Farbwert \"GG0000\""},
        {"\"01.01.2004\",\"08:00\",\"\",\"A\",\"\",\"1FF0000\",\"\",\"\"",
         "Zeile 4: ungültiger Farbwert"},
        {"\"01.01.2004\",\"8 Uhr\",\"\",\"A\",\"\",\"\",\"\",\"\"",
         "Zeile 4: ungültige Startzeit \"8 Uhr\""},
        {"\"01.01.2004\",\"24:00\",\"\",\"A\",\"\",\"\",\"\",\"\"",
         "Zeile 4: ungültige Startzeit"},
        {"\"01.01.2004\",\"08:00\",\"\",\"A#B\",\"\",\"\",\"\",\"\"", "Zeile 4: das Zeichen '#'"},
        {"\"01.01.2004\",\"08:00\",\"\",\"A\",\"O#\",\"\",\"\",\"\"", "Zeile 4: das Zeichen '#'"},
        {"\"02.05.2004\";\"08:00\",\"5\";\"A\";\"\";\"\";\"\";\"\"",
         "Zeile 4: ungültiges Datum \"02.05.2004\";\"08:00\""},
        {"\"", "Zeile 4: ungültiges Datum"},
        {"\"01.01.2004\",\"08:00\",\"1440\",\"A\",\"\",\"\",\"\",\"\"",
         "Zeile 4: die Dauer \"1440\" liegt nicht zwischen 0 und 1439 Minuten"},
        {"\"01.01.2004\",\"08:00\",\"-5\",\"A\",\"\",\"\",\"\",\"\"",
         "Zeile 4: die Dauer \"-5\" liegt nicht"},
        {"\"01.05.04\",\"08:00\",\"\",\"A\",\"\",\"\",\"\",\"\"",
         "Zeile 4: das Datum \"01.05.04\" hat eine zweistellige Jahreszahl"},
        {"\"01.01.2004\",\"9:0\",\"\",\"A\",\"\",\"\",\"\",\"\"",
         "Zeile 4: ungültige Startzeit \"9:0\""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        TKalender kal;
        const std::string text =
            Datei({kKennung, kCsvKopfzeile,
                   "\"03.03.2003\",\"07:00\",\"\",\"Vorher\",\"\",\"0000FF\",\"Blau\",\"\""}) +
            std::string(f.zeile) + "\r\n";
        try {
            KalenderAusBytesLesen(kal, text, std::nullopt);
            ADD_FAILURE() << "kein Fehler";
        } catch (const KalvoraFehler& e) {
            EXPECT_EQ(std::string(e.what()).rfind(f.meldung, 0), 0u) << e.what();
        }
        // The line before the fault stays imported.
        EXPECT_EQ(kal.Terminliste(2003, 3, 3).size(), 2u);
        EXPECT_EQ(kal.Farbnamen[3], "Blau");
    }
}

TEST(CsvDatei, FalscheKopfzeile) {
    for (const std::string& text :
         {Datei({kKennung, "\"Datum\",\"Startzeit\""}), Datei({kKennung}),
          Datei({kKennung, "", kCsvKopfzeile})}) {
        TKalender kal;
        try {
            KalenderAusBytesLesen(kal, text, std::nullopt);
            ADD_FAILURE();
        } catch (const KalvoraFehler& e) {
            EXPECT_STREQ(e.what(), "die Datei hat kein korrektes Format!");
        }
        EXPECT_EQ(kal.TageMitEintraegen(), 0);
    }
}

TEST(CsvDatei, ImportiertesLaesstSichSpeichern) {
    TKalender kal;
    KalenderAusBytesLesen(
        kal,
        Datei({kKennung, kCsvKopfzeile,
               "\"01.05.2004\",\"10:00\",\"30\",\"\",\"\",\"FF0000\",\"Rot\",\"ja\"",
               "\"01.05.2004\",\"\",\"\",\"Info\",\"\",\"\",\"\",\"\""}),
        std::nullopt);
    TFarbwerte legende = kal.Standardfarben;
    kal.FarbtabelleAbgleichen(legende);
    TKalender gelesen;
    KalenderAusBytesLesen(gelesen, KalenderAlsVer33(kal), std::nullopt);
    EXPECT_EQ(gelesen.Terminliste(2004, 5, 1), kal.Terminliste(2004, 5, 1));
}

// Spreadsheets write an hour without its leading zero.
TEST(CsvDatei, StundeOhneFuehrendeNull) {
    TKalender kal;
    KalenderAusBytesLesen(
        kal,
        Datei({"kalvora-csv version 1.0", kCsvKopfzeile,
                            "\"01.05.2004\",\"9:05\",\"1439\",\"A\",\"\",\"\",\"\",\"\""}),
        std::nullopt);
    const auto& l = kal.Terminliste(2004, 5, 1);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].Uhrzeit, "09:05");
    EXPECT_EQ(l[1].Dauer, 1439);
}

}  // namespace
}  // namespace kalvora
