// Older and hand-edited calendar files through the commands: what the readers accept is
// written back whole by "konvertieren" and handled by every other command.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "CliAufruf.h"
#include "doubles/Testdateien.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;
using testcli::Zeilen;
using testdateien::Datei;
using testdateien::Inhalt;

class HandbearbeiteteDateien : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-handbearbeitet-XXXXXX";
        ordner = mkdtemp(muster);
        setenv("HOME", ordner.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (ordner + "/konfig").c_str(), 1);
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string Schreiben(const std::string& name, const std::string& bytes) {
        const std::string pfad = ordner + "/" + name;
        std::ofstream(pfad, std::ios::binary) << bytes;
        return pfad;
    }
    // "konvertieren" of the file; the written "Ver 3.3" bytes.
    std::string Konvertiert(const std::string& pfad) {
        const std::string aus = ordner + "/aus.kvr";
        fs::remove(aus);
        const auto e = Ausfuehren("konvertieren '" + pfad + "' '" + aus + "'", true);
        EXPECT_EQ(e.code, 0) << e.ausgabe;
        return Inhalt(aus);
    }
    static bool Enthaelt(const std::string& text, const std::string& teil) {
        return text.find(teil) != std::string::npos;
    }
    std::string ordner;
};

// A colour slot stored as 0 (black) gets the legend's colour when the file is loaded; its
// day colours and appointment colours go with it instead of being dropped by the next save.
// The same in every form that stores slot values.
TEST_F(HandbearbeiteteDateien, FarbplatzNullBehaeltSeineMarken) {
    const std::string ver33 = Schreiben(
        "ver33.kvr", Datei({"Ver 3.3", "[Farbnamen]", "0 Urlaub", "FF Arzt", "[Terminkategorie]",
                            "[Linkliste]", "[Tagesfarben]", "94AD", "ab", "[Termine]", "94AD",
                            "09:30X Zahnarzt#Praxis#45#a", ""}));
    const std::string ver32 = Schreiben(
        "ver32.kvr", Datei({"Ver 3.2", "[Farbnamen]", "0 Urlaub", "FF Arzt", "[Tagesfarben]",
                            "94AD", "ab", "[Termine]", "94AD", "09:30X Zahnarzt#Praxis#45#a",
                            ""}));
    for (const std::string& pfad : {ver33, ver32}) {
        const std::string aus = Konvertiert(pfad);
        EXPECT_TRUE(Enthaelt(aus, "[Farbnamen]\r\nFFFF Urlaub\r\nFF Arzt\r\n")) << pfad;
        EXPECT_TRUE(Enthaelt(aus, "[Tagesfarben]\r\n94AD\r\nab\r\n")) << pfad << "\n" << aus;
        EXPECT_TRUE(Enthaelt(aus, "\r\n09:30X Zahnarzt#Praxis#45#a\r\n")) << pfad;
    }

    // The old binary record: slot 1 holds 0, and so does the day 15.03.2004.
    std::string satz(301312, '\0');
    const auto wort = [&satz](std::size_t pos, uint32_t w) { std::memcpy(&satz[pos], &w, 4); };
    for (std::size_t i = 0; i < 74028; ++i) wort(i * 4, 0xFFFFFF);
    wort((((2004 - 1901) * 12 + 2) * 31 + 14) * 4, 0);
    for (uint32_t k = 0; k < 20; ++k) wort(299184 + 4 * k, k == 0 ? 0 : 0x10 + k);
    satz[296112] = 6;
    std::memcpy(&satz[296113], "Urlaub", 6);
    const std::string binaer = Schreiben("alt.kvr", satz);
    Schreiben("alt.kvr.TxT", "");
    const std::string aus = Konvertiert(binaer);
    EXPECT_TRUE(Enthaelt(aus, "[Farbnamen]\r\nFFFF Urlaub\r\n11 \r\n"));
    EXPECT_TRUE(Enthaelt(aus, "[Tagesfarben]\r\n94AD\r\na\r\n")) << aus;
}

// "Ver 3.2" names categories and links by their texts; one that its lists lack joins the list,
// so that the current form, which stores list positions, keeps it.
TEST_F(HandbearbeiteteDateien, Ver32BehaeltKategorienUndLinksAusserhalbDerListen) {
    const std::string pfad = Schreiben(
        "alt.kvr",
        Datei({"Ver 3.2", "[Farbnamen]", "FFFF Urlaub", "FF Arzt", "[Tagesfarben]", "[Termine]",
               "94AD Info", "09:30X Zahnarzt#Praxis#45#bUrlaubsplanung",
               "10:00 Besprechung###aBeruf#C:\\Plan.doc", "11:00 Telefon### Privat#http://x/#a",
               "94AE", "08:00 Zweiter Tag### Urlaubsplanung#C:\\Plan.doc", "", "Beruf",
               "Meyer#Anna#15.03.1970#", "", "C:\\Andere.doc"}));
    const auto p = Zeilen(Ausfuehren("pruefen '" + pfad + "'").ausgabe);
    ASSERT_EQ(p.size(), 7u);
    EXPECT_EQ(p[5], "Kategorien: 3");
    EXPECT_EQ(p[6], "Links: 3");
    const std::string aus = Konvertiert(pfad);
    EXPECT_TRUE(Enthaelt(aus, "[Terminkategorie]\r\nBeruf\r\nUrlaubsplanung\r\nPrivat\r\n"
                              "[Linkliste]\r\nC:\\Andere.doc\r\nC:\\Plan.doc\r\nhttp://x/#a\r\n"))
        << aus;
    EXPECT_TRUE(Enthaelt(aus, "\r\n09:30X Zahnarzt#Praxis#45#b1\r\n"));
    EXPECT_TRUE(Enthaelt(aus, "\r\n10:00 Besprechung###a0#1\r\n"));
    EXPECT_TRUE(Enthaelt(aus, "\r\n11:00 Telefon### 2#2\r\n"));
    EXPECT_TRUE(Enthaelt(aus, "\r\n08:00 Zweiter Tag### 1#1\r\n"));
    EXPECT_TRUE(Enthaelt(aus, "\r\nMeyer#Anna#15.03.1970#\r\n"));
    // A second round changes nothing.
    EXPECT_EQ(Konvertiert(Schreiben("neu.kvr", aus)), aus);
}

// Times that are no clock time and a duration of days, as a hand-edited file can hold them:
// every command handles the file (exit 0) and none shows or writes such a time. The calendar
// file and the exports get them repaired as the program's save repairs them (the time 00:00
// and no duration, the old text in the description); the views show no time.
TEST_F(HandbearbeiteteDateien, UnbrauchbareZeitenUndDauern) {
    const std::string pfad = Schreiben(
        "zeiten.kvr",
        Datei({"Ver 3.3", "[Farbnamen]", "FFFF Urlaub", "[Terminkategorie]", "[Linkliste]",
               "[Tagesfarben]", "[Termine]", "94AD Info", ":::: Eins###", "0: Zwei###",
               "-1:00X Drei###", "99:99 Vier#Ort#30#", "10:00X Fuenf#Ort#100000#a", ""}));
    const auto p = Zeilen(Ausfuehren("pruefen '" + pfad + "'").ausgabe);
    ASSERT_EQ(p.size(), 7u);
    EXPECT_EQ(p[3], "Termine: 5");
    const auto unsinn = [](const std::string& text) {
        for (const char* z : {"::::", "99:99", "-1:00", "100000", "\n0:"})
            if (text.find(z) != std::string::npos) return std::string(z);
        return std::string();
    };

    // The calendar file: repaired, and each repair told on stderr.
    const std::string aus = ordner + "/aus.kvr";
    const auto k = Ausfuehren("konvertieren '" + pfad + "' '" + aus + "'", true);
    EXPECT_EQ(k.code, 0);
    EXPECT_EQ(Zeilen(k.ausgabe).size(), 5u) << k.ausgabe;
    EXPECT_EQ(k.ausgabe.rfind("Hinweis: der Termin \"Eins\" am 15.03.2004 mit der Uhrzeit "
                              "\"::::\" beginnt dann um 00:00",
                              0),
              0u)
        << k.ausgabe;
    EXPECT_TRUE(Enthaelt(Inhalt(aus), "\r\n94AD Info\r\n00:00 Eins (Uhrzeit: ::::)###\r\n"
                                      "00:00 Zwei (Uhrzeit: 0:)###\r\n"
                                      "00:00X Drei (Uhrzeit: -1:00)###\r\n"
                                      "00:00 Vier (Uhrzeit: 99:99)#Ort#30#\r\n"
                                      "10:00X Fuenf (Dauer: 100000 Minuten)#Ort##a\r\n"))
        << Inhalt(aus);
    // What the repair wrote reads back as it is, with nothing left to repair.
    EXPECT_EQ(Konvertiert(Schreiben("wieder.kvr", Inhalt(aus))), Inhalt(aus));

    // The exports write what the next save will hold; the CSV export imports again.
    const std::string csv = ordner + "/aus.csv", xml = ordner + "/aus.xml";
    ASSERT_EQ(Ausfuehren("csv-export '" + pfad + "' '" + csv + "'").code, 0);
    const std::string import =
        Schreiben("import.kvr", "kalvora-csv version 1.0\r\n" + Inhalt(csv));
    EXPECT_EQ(Zeilen(Ausfuehren("pruefen '" + import + "'").ausgabe).at(3), "Termine: 5");
    ASSERT_EQ(Ausfuehren("xml-export '" + pfad + "' 15.03.2004 15.03.2004 '" + xml + "'").code,
              0);
    const std::string xmlText = Inhalt(xml);
    EXPECT_TRUE(Enthaelt(xmlText, "<STARTZEIT>00:00</STARTZEIT>")) << xmlText;
    EXPECT_EQ(Ausfuehren("ics-export '" + pfad + "' 15.03.2004 15.03.2004 '" + ordner +
                         "/aus.ics'")
                  .code,
              0);

    // The views show no time for them, and no duration.
    const auto zelle = Ausfuehren("tageszelle '" + pfad + "' 15.03.2004");
    EXPECT_EQ(zelle.code, 0);
    EXPECT_EQ(unsinn(zelle.ausgabe), "") << zelle.ausgabe;
    EXPECT_TRUE(Enthaelt(zelle.ausgabe, "\nVier    Ort")) << zelle.ausgabe;
    EXPECT_TRUE(Enthaelt(zelle.ausgabe, "\n10:00-10:00   Fuenf    Ort")) << zelle.ausgabe;
    const auto alarm = Ausfuehren("alarm '" + pfad + "' 15.03.2004 09:00");
    EXPECT_EQ(alarm.code, 0);
    // Only the appointment with a clock time is announced ("Drei" has its alarm on, too).
    EXPECT_EQ(alarm.ausgabe, "Alarm: 10:00 Fuenf\nSymbol: anstehend\n");
    const auto dauer = Ausfuehren("statistik '" + pfad + "' 2004 dauer");
    EXPECT_EQ(dauer.code, 0);
    EXPECT_EQ(unsinn(dauer.ausgabe), "") << dauer.ausgabe;
    for (const std::string& befehl :
         {"pdf-terminliste '" + pfad + "' 15.03.2004 15.03.2004 '" + ordner + "/aus.pdf'",
          "alarm '" + pfad + "' 15.03.2004 09:50"})
        EXPECT_EQ(Ausfuehren(befehl).code, 0) << befehl;
}

}  // namespace
}  // namespace kalvora
