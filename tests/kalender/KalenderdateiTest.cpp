#include "doubles/Testdateien.h"
#include "kalender/Kalenderdatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "kalender/CsvDatei.h"
#include "methoden/Fehler.h"
#include "methoden/Zeichensatz.h"

namespace kalvora {
namespace {

std::string Lesen(const std::string& pfad) { return DateiEinlesen(pfad); }

using testdateien::Datei;

TKalender BeispielKalender() {
    TKalender kal;
    kal.Farbnamen[1] = "Urlaub";
    kal.Farbnamen[2] = "Arzt";
    kal.Terminkategorie = {"Privat", "Beruf"};
    kal.Linkliste = {"C:\\Dokumente\\Plan.doc"};
    kal.Tagesfarben(2004, 3, 15) = {kal.Farbwerte[1], kal.Farbwerte[2]};
    TTerminliste& liste = kal.Terminliste(2004, 3, 15);
    liste.resize(3);
    liste[0].Beschreibung = "Frühlingsbeginn#Jacke mitnehmen";
    liste[1] = {"09:30", "Zahnarzt", "Praxis Dr. Meier", "Privat", "", 45, kal.Farbwerte[2],
                true};
    liste[2] = {"14:00", "Besprechung", "Büro", "Beruf", "C:\\Dokumente\\Plan.doc", 0,
                KeineFarbe, false};
    kal.Geburtstagsliste.push_back({"Meyer", "Anna", DatumWert(15, 3, 1970), KeinDatum});
    return kal;
}

// Reads bytes and finishes as the file session does.
Dateiform Laden(TKalender& kal, std::string_view bytes,
                std::optional<std::string_view> begleittext = std::nullopt,
                const LadeOptionen& optionen = {}) {
    const Dateiform form = KalenderAusBytesLesen(kal, bytes, begleittext, optionen);
    TFarbwerte legende = kal.Standardfarben;
    kal.FarbtabelleAbgleichen(legende);
    return form;
}

TEST(Kalenderdatei, BeispielWirdBytegenauGeschrieben) {
    const std::string golden = Lesen(KALVORA_TESTDATEN "/beispiel_ver33.kvr");
    EXPECT_EQ(KalenderAlsVer33(BeispielKalender()), golden);
}

TEST(Kalenderdatei, BeispielLesenUndWiederSchreiben) {
    const std::string golden = Lesen(KALVORA_TESTDATEN "/beispiel_ver33.kvr");
    TKalender kal;
    EXPECT_EQ(Laden(kal, golden), Dateiform::Ver33);
    const TKalender erwartet = BeispielKalender();
    EXPECT_EQ(kal.Terminliste(2004, 3, 15), erwartet.Terminliste(2004, 3, 15));
    EXPECT_EQ(kal.Tagesfarben(2004, 3, 15), erwartet.Tagesfarben(2004, 3, 15));
    EXPECT_EQ(kal.Geburtstagsliste, erwartet.Geburtstagsliste);
    EXPECT_EQ(kal.Farbnamen, erwartet.Farbnamen);
    EXPECT_EQ(kal.Farbwerte, erwartet.Farbwerte);
    EXPECT_EQ(KalenderAlsVer33(kal), golden);
}

TEST(Kalenderdatei, LeeresDokument) {
    std::string erwartet = "Ver 3.3\r\n[Farbnamen]\r\n";
    const TFarbwerte werte = EingebauteStandardfarben();
    for (int k = 1; k <= AnzahlFarben; ++k) {
        char zeile[16];
        std::snprintf(zeile, sizeof zeile, "%X \r\n", werte[k]);
        erwartet += zeile;
    }
    erwartet += "[Terminkategorie]\r\n[Linkliste]\r\n[Tagesfarben]\r\n[Termine]\r\n\r\n";
    EXPECT_EQ(KalenderAlsVer33(TKalender()), erwartet);
}

TEST(Kalenderdatei, FortschrittSteigtBisHundert) {
    std::vector<int> werte;
    KalenderAlsVer33(BeispielKalender(), [&](int w) { werte.push_back(w); });
    ASSERT_FALSE(werte.empty());
    EXPECT_EQ(werte.front(), 50);
    EXPECT_EQ(werte.back(), 100);
    EXPECT_TRUE(std::is_sorted(werte.begin(), werte.end()));

    werte.clear();
    TKalender kal;
    LadeOptionen o;
    o.fortschritt = [&](int w) { werte.push_back(w); };
    KalenderAusBytesLesen(kal, Lesen(KALVORA_TESTDATEN "/beispiel_ver33.kvr"), {}, o);
    EXPECT_EQ(werte.back(), 100);
    EXPECT_TRUE(std::is_sorted(werte.begin(), werte.end()));
}

// Documents that must come back unchanged, or changed only as the file format intends.
TEST(Kalenderdatei, Rundreisen) {
    struct Fall {
        const char* name;
        std::function<void(TKalender&)> fuellen;
        std::function<void(TKalender&)> erwartet;  // changes the format makes
    };
    const auto nichts = [](TKalender&) {};
    const std::vector<Fall> faelle = {
        {"Farbnamen mit Leerzeichen und Klammer",
         [](TKalender& k) {
             k.Farbnamen[1] = "Rot [hell] ";
             k.Farbnamen[2] = " [frei]x";
             k.Farbnamen[20] = "[";
             k.Farbwerte[5] = 0x123456;
         },
         nichts},
        {"Farben ohne Platz fallen weg",
         [](TKalender& k) { k.Tagesfarben(2004, 2, 29) = {0x123457, 0x654321}; },
         [](TKalender& k) { k.Tagesfarben(2004, 2, 29).clear(); }},
        {"Leere Tagesinfo bleibt ein Eintrag",
         [](TKalender& k) { k.Terminliste(1901, 1, 1).resize(1); }, nichts},
        {"Tagesinfo mit Doppelpunkt und Leerzeichen, Ort mit Leerzeichen",
         [](TKalender& k) {
             auto& l = k.Terminliste(2099, 12, 31);
             l.resize(2);
             l[0].Beschreibung = " 10:00 Uhr:  Treffen # zweite Zeile ";
             l[1] = {"23:59", " Beschreibung  mit ", "  Ort mit Leerzeichen ", "", "", 1439,
                     KeineFarbe, false};
         },
         nichts},
        {"Kategorie nicht in der Liste geht verloren",
         [](TKalender& k) {
             auto& l = k.Terminliste(2004, 3, 1);
             l.resize(2);
             l[1] = {"08:00", "A", "", "Unbekannt", "", 0, k.Farbwerte[3], false};
         },
         [](TKalender& k) { k.Terminliste(2004, 3, 1)[1].Kategorie.clear(); }},
        {"Leere Kategorie und doppelte Kategorie",
         [](TKalender& k) {
             k.Terminkategorie = {"", "Beruf", "Beruf", "[Tagesfarben]"};
             k.Linkliste = {"http://x/#a", "[Linkliste]"};
             auto& l = k.Terminliste(2004, 3, 1);
             l.resize(3);
             l[1] = {"08:00", "A", "", "", "[Linkliste]", 0, KeineFarbe, true};
             l[2] = {"08:00", "B", "", "Beruf", "http://x/#a", 5, k.Farbwerte[20], false};
         },
         nichts},
        {"Termin ohne Beschreibung",
         [](TKalender& k) {
             auto& l = k.Terminliste(2004, 3, 2);
             l.resize(2);
             l[1] = {"08:00", "", "Ort", "", "", 0, KeineFarbe, true};
         },
         nichts},
        {"Geburtstag ohne Inhalt wird ausgelassen, die folgenden bleiben",
         [](TKalender& k) {
             k.Geburtstagsliste = {{"A", "", KeinDatum, KeinDatum},
                                   {"", "", KeinDatum, KeinDatum},
                                   {"", "", KeinDatum, DatumWert(29, 2, 2096)}};
         },
         [](TKalender& k) { k.Geburtstagsliste.erase(k.Geburtstagsliste.begin() + 1); }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TKalender kal;
        f.fuellen(kal);
        TKalender gelesen;
        Laden(gelesen, KalenderAlsVer33(kal));
        f.erwartet(kal);
        EXPECT_EQ(gelesen.Farbnamen, kal.Farbnamen);
        EXPECT_EQ(gelesen.Farbwerte, kal.Farbwerte);
        EXPECT_TRUE(gelesen.TageGleich(kal));
        EXPECT_EQ(gelesen.Terminkategorie, kal.Terminkategorie);
        EXPECT_EQ(gelesen.Linkliste, kal.Linkliste);
        EXPECT_EQ(gelesen.Geburtstagsliste, kal.Geburtstagsliste);
    }
}

TEST(Kalenderdatei, SchwanzFelder) {
    struct Fall {
        const char* zeile;
        uint32_t farbe;
        const char* kategorie;
        const char* link;
    };
    const TFarbwerte w = EingebauteStandardfarben();
    const Fall faelle[] = {
        {"10:00 A###", KeineFarbe, "", ""},
        {"10:00 A### #0", KeineFarbe, "", "L0"},
        {"10:00 A###a", w[1], "", ""},
        {"10:00 A###t1", w[20], "K1", ""},
        {"10:00 A###c1#", w[3], "K1", ""},
        {"10:00 A### 0#1", KeineFarbe, "K0", "L1"},
        {"10:00 A###b#1", w[2], "", "L1"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        TKalender kal;
        Laden(kal, Datei({"Ver 3.3", "[Farbnamen]", "[Terminkategorie]", "K0", "K1",
                          "[Linkliste]", "L0", "L1", "[Tagesfarben]", "[Termine]", "94AD",
                          f.zeile, ""}));
        const auto& t = kal.Terminliste(2004, 3, 15).at(1);
        EXPECT_EQ(t.Farbe, f.farbe);
        EXPECT_EQ(t.Kategorie, f.kategorie);
        EXPECT_EQ(t.Link, f.link);
    }
}

TEST(Kalenderdatei, SchreibenVerweigertWasNichtZurueckgelesenWuerde) {
    struct Fall {
        const char* name;
        std::function<void(TKalender&)> fuellen;
        const char* teil;  // must appear in the message
    };
    const auto termin = [](TKalender& k, TTermin t) {
        auto& l = k.Terminliste(2004, 3, 15);
        l.resize(1);
        l.push_back(std::move(t));
    };
    const std::vector<Fall> faelle = {
        {"Raute in der Beschreibung",
         [&](TKalender& k) { termin(k, {"10:00", "a#b", "", "", "", 0, KeineFarbe, false}); },
         "15.03.2004"},
        {"Raute im Ort",
         [&](TKalender& k) { termin(k, {"10:00", "a", "Ort#2", "", "", 0, KeineFarbe, false}); },
         "\"Ort#2\""},
        {"Uhrzeit ohne Doppelpunkt",
         [&](TKalender& k) { termin(k, {"10 Uh", "a", "", "", "", 0, KeineFarbe, false}); },
         "\"10 Uh\""},
        {"Uhrzeit zu kurz",
         [&](TKalender& k) { termin(k, {"9:30", "a", "", "", "", 0, KeineFarbe, true}); },
         "Uhrzeit"},
        {"Termin ohne Uhrzeit",
         [&](TKalender& k) { termin(k, {"", "a", "", "", "", 0, KeineFarbe, false}); },
         "Uhrzeit"},
        {"Zeilenumbruch in der Tagesinfo",
         [](TKalender& k) { k.Terminliste(2004, 3, 15).assign(1, {"", "a\r\nb"}); },
         "Tagesinfo am 15.03.2004"},
        {"Zeichen außerhalb von Windows-1252",
         [](TKalender& k) { k.Terminliste(2004, 3, 15).assign(1, {"", "Ω-Filter"}); },
         "\"Ω-Filter\""},
        {"Zeilenumbruch im Farbnamen", [](TKalender& k) { k.Farbnamen[4] = "a\nb"; },
         "Farbname 4"},
        {"Kategorie, die die Liste beendet",
         [](TKalender& k) { k.Terminkategorie = {"x", "[Linkliste]"}; }, "Kategorie 2"},
        {"Link, der die Liste beendet", [](TKalender& k) { k.Linkliste = {"[Tagesfarben]"}; },
         "Link 1"},
        {"Raute im Namen eines Geburtstags",
         [](TKalender& k) { k.Geburtstagsliste = {{"A#B", "", KeinDatum, KeinDatum}}; },
         "Geburtstagsliste, Eintrag 1"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TKalender kal;
        f.fuellen(kal);
        try {
            KalenderAlsVer33(kal);
            ADD_FAILURE() << "kein Fehler";
        } catch (const KalvoraFehler& e) {
            EXPECT_NE(std::string(e.what()).find(f.teil), std::string::npos) << e.what();
        }
    }
}

// Lines 1..8 of every faulty file below; line 9 is the first line of the cases.
const char* const kKopf =
    "Ver 3.3\r\n[Farbnamen]\r\nFFFF Urlaub\r\n[Terminkategorie]\r\nPrivat\r\n"
    "[Linkliste]\r\nL\r\n[Tagesfarben]\r\n";

TEST(Kalenderdatei, FehlerhafteDateienNennenZeileUndFehler) {
    struct Fall {
        std::string rest;
        int zeile;
        const char* teil;
    };
    const std::string ok = "[Termine]\r\n94AD\r\n10:00 A#B#1#a0#0\r\n";  // lines 9..11
    const std::vector<Fall> faelle = {
        {"XYZ\r\nab\r\n", 9, "ungültiger Tagesschlüssel \"XYZ\""},
        {"16E\r\na\r\n", 9, "Tagesschlüssel \"16E\""},       // 31.12.1900
        {"11D5B\r\na\r\n", 9, "Tagesschlüssel \"11D5B\""},   // 1.1.2100
        {"123456789\r\n", 9, "Tagesschlüssel"},
        {"\r\na\r\n", 9, "Tagesschlüssel \"\""},
        {"94AD\r\nau\r\n", 10, "Farbbuchstabe \"u\""},
        {"94AD\r\nA\r\n", 10, "Farbbuchstabe \"A\""},
        {ok + "10:00 A#B#4x5#\r\n", 12, "ungültige Dauer \"4x5\""},
        {ok + "10:00 A#B#99999999999#\r\n", 12, "Dauer"},
        {ok + "10:00 A#B#1#a1\r\n", 12, "Kategorie-Index \"1\""},
        {ok + "10:00 A#B#1#a#1\r\n", 12, "Link-Index \"1\""},
        {ok + "10:00 A#B#1#a0#0#0\r\n", 12, "Link-Index \"0#0\""},
        {ok + "10:00 A#B#1#z\r\n", 12, "Farbbuchstabe \"z\""},
        {ok + "10:00 A#B#1#a-1\r\n", 12, "Kategorie-Index"},
        {ok + "\r\nA#B#31.02.1970#\r\n", 13, "ungültiges Datum \"31.02.1970\""},
        {ok + "\r\nA#B#1.1.1970#1.1\r\n", 13, "ungültiges Datum \"1.1\""},
        {ok + "\r\nA#B###x#y#z\r\n", 13, "zu viele"},
        {ok, 12, "Dateiende"},
        {"94AD\r\nab\r\n", 11, "Dateiende im Abschnitt [Tagesfarben]"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.rest);
        TKalender kal;
        try {
            Laden(kal, kKopf + f.rest);
            ADD_FAILURE() << "kein Fehler";
        } catch (const KalvoraFehler& e) {
            EXPECT_EQ(e.zeile(), f.zeile) << e.what();
            const std::string text = e.what();
            EXPECT_EQ(text.rfind("Zeile " + std::to_string(f.zeile) + ": ", 0), 0u) << text;
            EXPECT_NE(text.find(f.teil), std::string::npos) << text;
        }
        if (f.rest.starts_with(ok)) {
            // What came before the fault stays in the document.
            EXPECT_EQ(kal.Terminliste(2004, 3, 15).size(), 2u);
            EXPECT_EQ(kal.Farbnamen[1], "Urlaub");
        }
    }
}

TEST(Kalenderdatei, FarbteilFehler) {
    std::string zuViele = "Ver 3.3\r\n[Farbnamen]\r\n";
    for (int i = 0; i < 21; ++i) zuViele += "1 x\r\n";
    const std::pair<std::string, const char*> faelle[] = {
        {zuViele, "Zeile 23: mehr als 20 Farbzeilen"},
        {"Ver 3.3\r\n[Farbnamen]\r\nGG Rot\r\n", "Zeile 3: ungültiger Farbwert \"GG\""},
        {"Ver 3.3\r\n[Farbnamen]\r\n100000000 Rot\r\n", "Zeile 3: ungültiger Farbwert"},
        {"Ver 3.3\r\n[Farbnamen]\r\nFF Rot\r\n", "Zeile 4: unerwartetes Dateiende"},
        {"Ver 3.3", "Zeile 2: unerwartetes Dateiende"},
    };
    for (const auto& [text, meldung] : faelle) {
        TKalender kal;
        try {
            Laden(kal, text);
            ADD_FAILURE() << meldung;
        } catch (const KalvoraFehler& e) {
            EXPECT_EQ(std::string(e.what()).rfind(meldung, 0), 0u) << e.what();
        }
    }
}

TEST(Kalenderdatei, ZeilenendenUndBom) {
    const std::string golden = Lesen(KALVORA_TESTDATEN "/beispiel_ver33.kvr");
    std::string nurLf;
    for (char c : golden)
        if (c != '\r') nurLf += c;
    std::string ohneLetztesEnde = golden.substr(0, golden.size() - 2);
    std::string mitBom = "\xEF\xBB\xBF" + Cp1252NachUtf8(golden);
    for (const std::string* text : {&nurLf, &ohneLetztesEnde, &mitBom}) {
        TKalender kal;
        EXPECT_EQ(Laden(kal, *text), Dateiform::Ver33);
        EXPECT_EQ(KalenderAlsVer33(kal), golden);
    }
    TKalender kal;
    EXPECT_THROW(Laden(kal, "\xEF\xBB\xBFVer 3.3\r\n\xFF\r\n"), KalvoraFehler);
}

TEST(Kalenderdatei, Leerzeilen) {
    // An empty colour line is value 0 with no name; the legend colour takes its place.
    TKalender kal;
    Laden(kal, Datei({"Ver 3.3", "[Farbnamen]", "", "[Terminkategorie]", "", "[Linkliste]",
                      "[Tagesfarben]", "[Termine]", "", ""}));
    EXPECT_EQ(kal.Farbwerte[1], kal.Standardfarben[1]);
    EXPECT_EQ(kal.Terminkategorie, TTerminKategorie{""});
    EXPECT_TRUE(kal.Geburtstagsliste.empty());
}

TEST(Kalenderdatei, TerminVorDemErstenTagBekommtEinenInfoEintrag) {
    TKalender kal;
    Laden(kal, Datei({"Ver 3.3", "[Farbnamen]", "[Terminkategorie]", "[Linkliste]",
                      "[Tagesfarben]", "[Termine]", "10:00X A#B#5#", ""}));
    const auto& l = kal.Terminliste(2002, 1, 1);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0], TTermin{});
    EXPECT_EQ(l[1].Beschreibung, "A");
    EXPECT_TRUE(l[1].Alarm);
}

// Day keys that follow each other run over month and year ends and leap days (counted on
// from the key before); a jump, a key given twice and a key back in time land where their
// number says. Times as written stay, hand-edited ones are normalised or kept as they are.
TEST(Kalenderdatei, FolgendeTagesschluesselUndUhrzeiten) {
    const std::vector<Datum> tage = {
        {27, 2, 1904}, {28, 2, 1904}, {29, 2, 1904}, {1, 3, 1904}, {28, 2, 1999}, {1, 3, 1999},
        {28, 2, 2000}, {29, 2, 2000}, {1, 3, 2000}, {30, 4, 2000}, {1, 5, 2000}, {31, 12, 2000},
        {1, 1, 2001}, {2, 1, 2001}, {31, 12, 2099}, {1, 1, 1901}, {2, 1, 1901}};
    const std::vector<std::string> zeiten = {"23:59", "24:00", "9:30", "09:60", "00:00", "2:5"};
    std::vector<std::string> zeilen = {"Ver 3.3", "[Farbnamen]", "[Terminkategorie]",
                                       "[Linkliste]", "[Tagesfarben]", "[Termine]"};
    char hex[16];
    for (std::size_t i = 0; i < tage.size(); ++i) {
        const Datum& d = tage[i];
        std::snprintf(hex, sizeof hex, "%X", Tagesnummer(d.tag, d.monat, d.jahr));
        zeilen.push_back(std::string(hex) + " Tag " + std::to_string(i));
        zeilen.push_back(zeiten[i % zeiten.size()] + " T" + std::to_string(i) + "##5#");
        if (i == 4) {  // the same key again: its list starts afresh
            zeilen.push_back(std::string(hex) + " nochmals");
            zeilen.push_back("08:15 wieder##5#");
        }
    }
    zeilen.push_back("");
    zeilen.push_back("");
    std::string bytes;
    for (const std::string& z : zeilen) bytes += z + "\r\n";
    TKalender kal;
    Laden(kal, bytes);
    const std::vector<std::string> erwartet = {"23:59", "24:00", "09:30", "09:60", "00:00",
                                               "2:5"};
    for (std::size_t i = 0; i < tage.size(); ++i) {
        const Datum& d = tage[i];
        SCOPED_TRACE(DatumText(d.tag, d.monat, d.jahr));
        const TTerminliste& l = kal.Terminliste(d.jahr, d.monat, d.tag);
        ASSERT_EQ(l.size(), 2u);
        if (i == 4) {
            EXPECT_EQ(l[0].Beschreibung, "nochmals");
            EXPECT_EQ(l[1].Uhrzeit, "08:15");
            continue;
        }
        EXPECT_EQ(l[0].Beschreibung, "Tag " + std::to_string(i));
        EXPECT_EQ(l[1].Beschreibung, "T" + std::to_string(i));
        EXPECT_EQ(l[1].Uhrzeit, erwartet[i % erwartet.size()]);
    }
}

TEST(Kalenderdatei, Ver32) {
    const std::string text = Datei({
        "Ver 3.2", "[Farbnamen]", "FFFF Urlaub", "FF Arzt", "[Tagesfarben]", "94AD", "ba",
        "[Termine]", "94AD Info", "09:30X Zahnarzt#Praxis#45#bPrivat",
        "14:00 Besprechung#Büro## Beruf#C:\\Plan.doc", "15:00 C###", "",
        "Privat", "Beruf", "Meyer#Anna#15.03.1970#", "", "C:\\Plan.doc", "http://x", "",
        "ignoriert"});
    TKalender kal;
    EXPECT_EQ(Laden(kal, text), Dateiform::Ver32);
    EXPECT_EQ(kal.Farbnamen[2], "Arzt");
    EXPECT_EQ(kal.Tagesfarben(2004, 3, 15), (TTagesfarben{0x0000FF, 0x00FFFF}));
    const auto& l = kal.Terminliste(2004, 3, 15);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0].Beschreibung, "Info");
    EXPECT_EQ(l[1], (TTermin{"09:30", "Zahnarzt", "Praxis", "Privat", "", 45, 0x0000FF, true}));
    EXPECT_EQ(l[2], (TTermin{"14:00", "Besprechung", "Büro", "Beruf", "C:\\Plan.doc", 0,
                             KeineFarbe, false}));
    EXPECT_EQ(l[3].Kategorie, "");
    EXPECT_EQ(kal.Terminkategorie, (TTerminKategorie{"Privat", "Beruf"}));
    EXPECT_EQ(kal.Linkliste, (TTerminKategorie{"C:\\Plan.doc", "http://x"}));
    ASSERT_EQ(kal.Geburtstagsliste.size(), 1u);
    EXPECT_EQ(kal.Geburtstagsliste[0].Vorname, "Anna");
    // Written back in the current form, category and link become indices.
    EXPECT_NE(KalenderAlsVer33(kal).find("14:00 Besprechung#B\xFCro## 1#0\r\n"),
              std::string::npos);

    // An old file that ends after its appointments is complete.
    TKalender kurz;
    Laden(kurz, Datei({"Ver 3.2", "[Farbnamen]", "[Tagesfarben]", "[Termine]", "94AD x"}));
    EXPECT_EQ(kurz.Terminliste(2004, 3, 15).size(), 1u);
}

// The old binary record, built here: colours per day slot, names, slot values.
struct Binaersatz {
    std::string bytes = std::string(kBinaersatzGroesse, '\0');
    Binaersatz() {
        for (int i = 0; i < TKalender::kSlots; ++i) Wort(i * 4, KeineFarbe);
    }
    void Wort(std::size_t pos, uint32_t w) {
        for (int b = 0; b < 4; ++b) bytes[pos + b] = static_cast<char>((w >> (8 * b)) & 0xFF);
    }
    void Tag(int j, int m, int t, uint32_t w) { Wort(TKalender::SlotIndex(j, m, t) * 4, w); }
    void Slot(int k, const std::string& name, uint32_t wert) {
        const std::size_t pos = k <= 12 ? 296112 + (k - 1) * 256 : 299264 + (k - 13) * 256;
        bytes[pos] = static_cast<char>(name.size());
        bytes.replace(pos + 1, name.size(), name);
        Wort(299184 + 4 * (k - 1), wert);
    }
};

TEST(Kalenderdatei, BinaerformMitBegleittext) {
    Binaersatz satz;
    satz.Tag(1901, 1, 1, 0x0000FF);
    satz.Tag(2099, 12, 31, 0x00FF00);
    satz.Tag(2004, 2, 30, 0x0000FF);  // no such day: ignored
    for (int k = 1; k <= AnzahlFarben; ++k) satz.Slot(k, "", 0x10 * k);
    satz.Slot(1, "Gr\xFCn", 0x00FF00);
    satz.Slot(13, "Dreizehn", 0x0000FF);
    const std::string begleit = Datei({
        "2004 3 15 Info mit  Leerzeichen", "09:30X Zahnarzt#Praxis Dr. Meier",
        "10:00 Ohne Ort", "", "Meyer#Anna#15.03.1970#", "", "#Otto##24.12.2000"});
    std::vector<std::string> warnungen;
    LadeOptionen o;
    o.warnung = [&](const std::string& w) { warnungen.push_back(w); };
    TKalender kal;
    EXPECT_EQ(Laden(kal, satz.bytes, begleit, o), Dateiform::Binaer);
    EXPECT_TRUE(warnungen.empty());
    EXPECT_EQ(kal.TageMitFarben(), 2);
    EXPECT_EQ(kal.Tagesfarben(2099, 12, 31), TTagesfarben{0x00FF00});
    EXPECT_EQ(kal.Farbnamen[1], "Grün");
    EXPECT_EQ(kal.Farbnamen[13], "Dreizehn");
    EXPECT_EQ(kal.Farbnamen[2], FreiName);
    EXPECT_EQ(kal.Farbwerte[13], 0x0000FFu);
    const auto& l = kal.Terminliste(2004, 3, 15);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].Beschreibung, "Info mit  Leerzeichen");
    EXPECT_EQ(l[1], (TTermin{"09:30", "Zahnarzt", "Praxis Dr. Meier", "", "", 0, KeineFarbe,
                             true}));
    EXPECT_EQ(l[2].Beschreibung, "Ohne Ort");
    ASSERT_EQ(kal.Geburtstagsliste.size(), 3u);
    EXPECT_EQ(kal.Geburtstagsliste[1], TGeburtstag{});
    EXPECT_EQ(kal.Geburtstagsliste[2].Namenstag, DatumWert(24, 12, 2000));
}

TEST(Kalenderdatei, BinaerformWarnungen) {
    struct Fall {
        std::string bytes;
        const char* warnung;
    };
    Binaersatz fremd;
    fremd.Tag(2000, 1, 1, 0x12345678);
    const Fall faelle[] = {{"kurz", kMeldungAlteDateiversion},
                           {fremd.bytes, kMeldungKeineKalvoraDatei}};
    for (const auto& f : faelle) {
        std::vector<std::string> warnungen;
        LadeOptionen o;
        o.warnung = [&](const std::string& w) { warnungen.push_back(w); };
        TKalender kal;
        Laden(kal, f.bytes, Datei({"2004 3 15 Info"}), o);
        EXPECT_EQ(warnungen, std::vector<std::string>{f.warnung});
        EXPECT_EQ(kal.TageMitFarben(), 0);
        // The companion text is read all the same.
        EXPECT_EQ(kal.Terminliste(2004, 3, 15).size(), 1u);
    }
    EXPECT_EQ(std::string(kMeldungAlteDateiversion),
              "Diese Datei ist möglicherweise eine ältere Dateiversion\r\n"
              "              oder keine Kalvora-Datei!");
}

TEST(Kalenderdatei, BegleittextFehler) {
    const std::pair<std::string, const char*> faelle[] = {
        {Datei({"2004 2 30 x"}), "Zeile 1: ungültiges Datum \"2004 2 30 \""},
        {Datei({"1900 1 1"}), "Zeile 1: ungültiges Datum"},
        {Datei({"a b c d"}), "Zeile 1: ungültiges Datum"},
        {Datei({"2004 1 1", "", "a#b#c#d#e"}), "Zeile 3: zu viele"},
        {Datei({"", "a#b#1.13.2000#"}), "Zeile 2: ungültiges Datum"},
    };
    for (const auto& [text, meldung] : faelle) {
        TKalender kal;
        try {
            Laden(kal, "", text);
            ADD_FAILURE() << meldung;
        } catch (const KalvoraFehler& e) {
            EXPECT_EQ(std::string(e.what()).rfind(meldung, 0), 0u) << e.what();
            EXPECT_NE(std::string(e.what()).find("Begleitdatei"), std::string::npos);
        }
    }
}

TEST(Kalenderdatei, FormNachErsterZeile) {
    const std::pair<std::string, Dateiform> faelle[] = {
        {"Ver 3.3\r\n", Dateiform::Ver33},
        {"Ver 3.2\r\n", Dateiform::Ver32},
        {"KALVORA-CSV Version 1.0\r\n", Dateiform::Csv},
        {"Ver 3.3 \r\n", Dateiform::Binaer},
        {"ver 3.3\r\n", Dateiform::Binaer},
        {"\"Datum\",\"Startzeit\"\r\n", Dateiform::Binaer},  // an export is no import file
        {"", Dateiform::Binaer},
    };
    for (const auto& [text, form] : faelle) {
        TKalender kal;
        try {
            EXPECT_EQ(KalenderAusBytesLesen(kal, text, std::nullopt), form) << text;
        } catch (const KalvoraFehler& f) {
            // The short text forms end early. What no reader accepts (the binary reader
            // without a companion text) is refused, never an empty calendar.
            if (form == Dateiform::Binaer) {
                EXPECT_STREQ(f.what(), kMeldungKeineLesbareDatei) << text;
            }
        }
        if (form == Dateiform::Binaer) {
            EXPECT_THROW(KalenderAusBytesLesen(kal, text, std::nullopt), KalvoraFehler) << text;
            // With a companion text the old form still reads.
            EXPECT_EQ(KalenderAusBytesLesen(kal, text, std::string_view("2004 3 15 Info\r\n")),
                      Dateiform::Binaer);
        }
    }
}

TEST(Kalenderdatei, LadenErsetztDasVorigeDokument) {
    TKalender kal = BeispielKalender();
    Laden(kal, Datei({"Ver 3.2", "[Farbnamen]", "[Tagesfarben]", "[Termine]", ""}));
    EXPECT_EQ(kal.TageMitEintraegen(), 0);
    EXPECT_EQ(kal.TageMitFarben(), 0);
    EXPECT_TRUE(kal.Terminkategorie.empty());
    EXPECT_TRUE(kal.Linkliste.empty());
    EXPECT_TRUE(kal.Geburtstagsliste.empty());
    EXPECT_EQ(kal.Farbnamen[1], FreiName);
}

TEST(Kalenderdatei, DateiMitBegleitdateiLesen) {
    const auto ordner = std::filesystem::temp_directory_path() /
                        ("kalvora-test-" + std::to_string(::testing::UnitTest::GetInstance()
                                                              ->random_seed()));
    std::filesystem::create_directories(ordner);
    const std::string pfad = (ordner / "alt.kvr").string();
    {
        std::ofstream(pfad, std::ios::binary) << "zu kurz";
        std::ofstream(pfad + ".TxT", std::ios::binary) << Datei({"2004 3 15 Alt"});
    }
    TKalender kal;
    EXPECT_EQ(KalenderdateiLesen(kal, pfad), Dateiform::Binaer);
    EXPECT_EQ(kal.Terminliste(2004, 3, 15).at(0).Beschreibung, "Alt");
    EXPECT_THROW(KalenderdateiLesen(kal, (ordner / "fehlt.kvr").string()), KalvoraFehler);
    EXPECT_THROW(KalenderdateiLesen(kal, ordner.string()), KalvoraFehler);
    std::filesystem::remove_all(ordner);
}

// A document that already holds something: every day of 2004 with a full list whose entries
// have every field set, and a few days at the ends of the range.
TKalender VollerKalender() {
    TKalender kal = BeispielKalender();
    for (int m = 1; m <= 12; ++m)
        for (int t = 1; t <= TageImMonat(m, 2004); ++t) {
            kal.Tagesfarben(2004, m, t) = {kal.Farbwerte[3], kal.Farbwerte[4]};
            kal.Terminliste(2004, m, t) = {
                {"07:00", "alte Info mit einem langen Text", "Ort", "Kat", "Link", 5, 1, true},
                {"08:00", "alter Termin mit einem langen Text", "alter Ort", "Privat",
                 "C:\\Dokumente\\Plan.doc", 30, kal.Farbwerte[1], true},
                {"09:00", "B", "C", "Beruf", "", 60, kal.Farbwerte[2], true},
                {"10:00", "D", "", "", "L", 1, KeineFarbe, true}};
        }
    kal.Terminliste(1901, 1, 1) = {{}, {"01:00", "früh", "", "", "", 0, KeineFarbe, false}};
    kal.Terminliste(2099, 12, 31) = {{"", "spät", "", "", "", 0, KeineFarbe, false}};
    return kal;
}

// Loading into a document that holds something must give exactly what loading into an empty
// one gives, also when the file ends with an error; the reader reuses the old lists.
TEST(Kalenderdatei, LadenInVollesDokumentWieInLeeres) {
    Binaersatz satz;
    satz.Tag(2004, 3, 15, 0x0000FF);
    const std::string fuenf = Datei({"Ver 3.3", "[Farbnamen]", "[Terminkategorie]", "K",
                                     "[Linkliste]", "L", "[Tagesfarben]", "[Termine]",
                                     "09:00 vor dem ersten Tag#x#1#", "94AD Info",
                                     "01:00 A#B#1#a0#0", "02:00X A#B#1#", "03:00 A##1# 0",
                                     "04:00 A", "05:00 A#B#2#c#0", "94AE", "94AD zweimal",
                                     "06:00 B#C#3#", ""});
    const struct {
        const char* name;
        std::string bytes;
        std::optional<std::string> begleittext;
    } faelle[] = {
        {"weniger Einträge", KalenderAlsVer33(BeispielKalender()), std::nullopt},
        {"mehr Einträge, ein Tag zweimal", fuenf, std::nullopt},
        {"Fehler mitten im Lesen",
         std::string(kKopf) + "[Termine]\r\n94AD\r\n10:00 A#B#1#a0#0\r\n94AE x\r\n"
                              "10:00 A#B#x#\r\n",
         std::nullopt},
        {"Ver 3.2", Datei({"Ver 3.2", "[Farbnamen]", "[Tagesfarben]", "[Termine]",
                           "94AD Info", "09:30X Zahnarzt#Praxis#45#b Privat#C:\\Plan.doc",
                           "", "Privat", ""}),
         std::nullopt},
        {"Binärform ohne Begleittext", satz.bytes, std::nullopt},
        {"Binärform mit Begleittext", satz.bytes,
         Datei({"2004 3 15 Info", "09:30X Zahnarzt#Praxis", "2004 3 16 x", ""})},
        {"CSV", Datei({"kalvora-csv version 1.0", kCsvKopfzeileSemikolon,
                       "\"01.05.2004\";\"10:00\";\"30\";\"T\";\"\";\"FF0000\";\"Rot\";\"ja\""}),
         std::nullopt},
        {"ungültiges UTF-8", "\xEF\xBB\xBFVer 3.3\r\n\xFF\r\n", std::nullopt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        std::optional<std::string_view> begleit;
        if (f.begleittext) begleit = *f.begleittext;
        auto laden = [&](TKalender& kal) -> std::string {
            try {
                KalenderAusBytesLesen(kal, f.bytes, begleit);
                return {};
            } catch (const KalvoraFehler& e) {
                return e.what();
            }
        };
        TKalender leer;
        TKalender voll = VollerKalender();
        const std::string fehlerLeer = laden(leer);
        EXPECT_EQ(laden(voll), fehlerLeer);
        EXPECT_TRUE(voll.TageGleich(leer));
        EXPECT_EQ(voll.Terminkategorie, leer.Terminkategorie);
        EXPECT_EQ(voll.Geburtstagsliste, leer.Geburtstagsliste);
        EXPECT_GT(leer.TageMitEintraegen() + leer.TageMitFarben() + fehlerLeer.size(), 0u);
    }
}

// Random bytes behind each version line: the readers must fail cleanly or succeed.
TEST(Kalenderdatei, ZufallsdatenStuerzenNichtAb) {
    std::mt19937 zufall(7);
    TKalender kal;
    const std::string alphabet = "Ver3.2[]#: abt0189AF\r\n\xFC";
    for (const char* kopf : {"Ver 3.3\r\n", "Ver 3.2\r\n", "kalvora-csv version 1.0\r\n", ""}) {
        for (int n = 0; n < 100; ++n) {
            std::string text = kopf;
            const int laenge = static_cast<int>(zufall() % 200);
            for (int i = 0; i < laenge; ++i) text += alphabet[zufall() % alphabet.size()];
            try {
                Laden(kal, text, std::string_view(text));
            } catch (const KalvoraFehler&) {
            }
        }
    }
}

}  // namespace
}  // namespace kalvora

namespace kalvora {
namespace {

// The name fields of the old binary form: a NUL ends a name, so the file written from it
// reads back.
TEST(Kalenderdatei, BinaereNamenEndenAmNullzeichen) {
    std::string satz(kBinaersatzGroesse, '\0');
    for (std::size_t i = 0; i < 296112; i += 4) satz.replace(i, 4, "\xFF\xFF\xFF\0", 4);
    satz[296112] = '\xFF';  // slot 1: length 255, "Urlaub" and then the unused rest
    satz.replace(296113, 6, "Urlaub");
    TKalender kal;
    KalenderAusBytesLesen(kal, satz, std::string_view("2004 3 15 Info\r\n"));
    EXPECT_EQ(kal.Farbnamen[1], "Urlaub");
    TKalender zurueck;
    EXPECT_NO_THROW(KalenderAusBytesLesen(zurueck, KalenderAlsVer33(kal), std::nullopt));
    EXPECT_EQ(zurueck.Farbnamen[1], "Urlaub");
}

struct Ergebnis {
    std::string fehler;
    int zeile = 0;
    Dateiform form = Dateiform::Binaer;
};

Ergebnis Versuchen(const std::function<Dateiform()>& lesen) {
    Ergebnis e;
    try {
        e.form = lesen();
    } catch (const KalvoraFehler& f) {
        e.fehler = f.what();
        e.zeile = f.zeile();
    }
    return e;
}

// A file read block by block (lines cut at every place) gives what the same bytes give in
// memory: the same document, or the same fault on the same line.
TEST(Kalenderdatei, DateiInBloeckenWieAusDemSpeicher) {
    const auto ordner = std::filesystem::temp_directory_path() /
                        ("kalvora-bloecke-" + std::to_string(::testing::UnitTest::GetInstance()
                                                                 ->random_seed()));
    std::filesystem::create_directories(ordner);
    const std::string pfad = (ordner / "k.kvr").string();
    const std::string voll = KalenderAlsVer33(VollerKalender());
    std::string lf = voll;
    std::erase(lf, '\r');
    const std::vector<std::string> eingaben = {
        voll,
        lf,
        KalenderAlsVer33(BeispielKalender()),
        voll + std::string(5000, '\0'),
        voll.substr(0, 3000) + '\0' + voll.substr(3000),
        voll.substr(0, voll.size() / 2),  // ends inside the appointments
        "Ver 3.3\r\n" + voll.substr(9, 400) + "\r\nXYZ\r\n" + voll.substr(409),
        "Ver 3.3x\r\n" + voll.substr(9),
        "Ver 3.3",
        "Ver 3.3\r\n",
        Lesen(std::string(KALVORA_TESTDATEN) + "/ver32/beispiel.kvr"),
    };
    for (std::size_t n = 0; n < eingaben.size(); ++n) {
        const std::string& bytes = eingaben[n];
        std::ofstream(pfad, std::ios::binary | std::ios::trunc) << bytes;
        TKalender erwartet;
        const Ergebnis soll = Versuchen(
            [&] { return KalenderAusBytesLesen(erwartet, bytes, std::nullopt); });
        for (std::size_t block : {1u, 2u, 7u, 64u, 4096u, 1u << 20}) {
            SCOPED_TRACE("Eingabe " + std::to_string(n) + ", Block " + std::to_string(block));
            TKalender kal = VollerKalender();  // what was open before must not leak through
            LadeOptionen o;
            o.blockgroesse = block;
            const Ergebnis ist = Versuchen([&] { return KalenderdateiLesen(kal, pfad, o); });
            EXPECT_EQ(ist.fehler, soll.fehler);
            EXPECT_EQ(ist.zeile, soll.zeile);
            if (!soll.fehler.empty()) continue;
            EXPECT_EQ(ist.form, soll.form);
            EXPECT_TRUE(kal.TageGleich(erwartet));
            EXPECT_EQ(kal.Farbnamen, erwartet.Farbnamen);
            EXPECT_EQ(kal.Farbwerte, erwartet.Farbwerte);
            EXPECT_EQ(kal.Terminkategorie, erwartet.Terminkategorie);
            EXPECT_EQ(kal.Linkliste, erwartet.Linkliste);
            EXPECT_EQ(kal.Geburtstagsliste, erwartet.Geburtstagsliste);
        }
    }
    std::filesystem::remove_all(ordner);
}

}  // namespace
}  // namespace kalvora

namespace kalvora {
namespace {

// Random text forms around the appointment part: day keys in order, repeated, going back or
// invalid, appointments before the first key, faulty durations, colours and indices, info
// lines, and the birthdays after the empty line that ends the part.
std::string Zufallsdatei(std::mt19937& zufall, bool ver33) {
    const auto wahl = [&](int n) { return static_cast<int>(zufall() % static_cast<unsigned>(n)); };
    std::string s = ver33 ? "Ver 3.3\r\n[Farbnamen]\r\nFF Rot\r\n[Terminkategorie]\r\nPrivat\r\n"
                            "[Linkliste]\r\nhttp://a\r\n[Tagesfarben]\r\n16F\r\nab\r\n[Termine]\r\n"
                          : "Ver 3.2\r\n[Farbnamen]\r\nFF Rot\r\n[Tagesfarben]\r\n[Termine]\r\n";
    int tag = 367 + wahl(20000);
    const int zeilen = 20 + wahl(600);
    char puffer[64];
    for (int i = 0; i < zeilen; ++i) {
        const int art = wahl(100);
        if (art < 25) {
            tag += wahl(50) == 0 ? -wahl(30) : (wahl(20) == 0 ? 0 : 1);
            const bool kaputt = wahl(300) == 0;
            std::snprintf(puffer, sizeof puffer, kaputt ? "%XZ" : "%X", tag);
            s += puffer;
            if (wahl(2)) s += " Info " + std::to_string(wahl(5)) + " f\xFCr alle";
        } else if (art < 97) {
            std::snprintf(puffer, sizeof puffer, "%02d:%02d", wahl(25), wahl(61));
            s += puffer;
            if (wahl(4) == 0) s += "X";
            s += " Termin " + std::to_string(wahl(40)) + " mit l\xE4ngerem Text#Ort " +
                 std::to_string(wahl(8)) + "#";
            if (wahl(3)) s += std::to_string(wahl(200) == 0 ? -1 : wahl(300));
            s += "#";
            const int farbe = wahl(300);
            s += farbe == 0 ? "z" : std::string(1, static_cast<char>('a' + farbe % 20));
            if (ver33) {
                s += std::to_string(wahl(150) == 0 ? 5 : 0);
                if (wahl(2)) s += "#0";
            } else {
                s += "Kategorie " + std::to_string(wahl(3)) + "#Link";
            }
        } else {
            s += ver33 ? "" : " ";
            s += "\r\nMeyer#Anna#01.02.1970#\r\n";
            s += ver33 ? "" : "Privat\r\n\r\nhttp://b\r\n";
        }
        s += "\r\n";
    }
    return wahl(4) == 0 ? s.substr(0, s.size() - static_cast<std::size_t>(wahl(40))) : s;
}

// Read on two threads (cut into halves everywhere, in memory and from the file in blocks of
// every size) the appointment part gives what one thread gives: the same document, also
// what a fault leaves of it, and the same fault on the same line.
TEST(Kalenderdatei, ZweiThreadsWieEiner) {
    const auto ordner = std::filesystem::temp_directory_path() /
                        ("kalvora-halbiert-" + std::to_string(::testing::UnitTest::GetInstance()
                                                                  ->random_seed()));
    std::filesystem::create_directories(ordner);
    const std::string pfad = (ordner / "k.kvr").string();
    std::vector<std::string> eingaben;
    for (const char* datei : {"/beispiel_ver33.kvr", "/ver32/beispiel.kvr"})
        eingaben.push_back(Lesen(std::string(KALVORA_TESTDATEN) + datei));
    const std::string voll = KalenderAlsVer33(VollerKalender());
    eingaben.push_back(voll);
    eingaben.push_back(voll.substr(0, voll.size() / 2));
    eingaben.push_back(voll.substr(0, voll.size() - 700) + "\r\nZZ\r\n" +
                       voll.substr(voll.size() - 700));
    std::mt19937 zufall(20261211);
    for (int i = 0; i < 120; ++i) eingaben.push_back(Zufallsdatei(zufall, i % 3 != 0));

    LadeOptionen einzeln;
    einzeln.halbierenAb = SIZE_MAX;
    for (std::size_t n = 0; n < eingaben.size(); ++n) {
        const std::string& bytes = eingaben[n];
        std::ofstream(pfad, std::ios::binary | std::ios::trunc) << bytes;
        TKalender soll = VollerKalender();
        const Ergebnis e = Versuchen(
            [&] { return KalenderAusBytesLesen(soll, bytes, std::nullopt, einzeln); });
        for (std::size_t block : {0u, 1u, 5u, 64u, 999u, 1u << 20}) {
            SCOPED_TRACE("Eingabe " + std::to_string(n) + ", Block " + std::to_string(block));
            TKalender kal = VollerKalender();
            LadeOptionen o;
            o.halbierenAb = block == 1 ? 1 : 2;
            o.blockgroesse = block == 0 ? o.blockgroesse : block;
            const Ergebnis ist = Versuchen([&] {
                return block == 0 ? KalenderAusBytesLesen(kal, bytes, std::nullopt, o)
                                  : KalenderdateiLesen(kal, pfad, o);
            });
            EXPECT_EQ(ist.fehler, e.fehler);
            EXPECT_EQ(ist.zeile, e.zeile);
            EXPECT_TRUE(kal.TageGleich(soll));
            EXPECT_EQ(kal.Terminkategorie, soll.Terminkategorie);
            EXPECT_EQ(kal.Linkliste, soll.Linkliste);
            EXPECT_EQ(kal.Geburtstagsliste, soll.Geburtstagsliste);
        }
    }
    std::filesystem::remove_all(ordner);
}

}  // namespace
}  // namespace kalvora
