#include "termine/Tagesdialog.h"

#include <gtest/gtest.h>

#include "Termintestkalender.h"

namespace kalvora::test {
namespace {

std::vector<std::string> Beschreibungen(const TTerminliste& l) {
    std::vector<std::string> v;
    for (std::size_t i = 1; i < l.size(); ++i) v.push_back(l[i].Uhrzeit + " " + l[i].Beschreibung);
    return v;
}

TEST(Tagesdialog, LeererTagZeigtEineLeereZeileUndDoppelklickLegtNeuAn) {
    Termintest t;
    t.Oeffnen(5, 1, 2004);
    EXPECT_EQ(t.dialog.Zeilenzahl(), 2);
    EXPECT_TRUE(t.dialog.raster[1][SpBeschreibung].empty());
    EXPECT_FALSE(t.dialog.knoepfe.aendern);
    EXPECT_FALSE(t.dialog.knoepfe.alleLoeschen);
    EXPECT_EQ(t.dialog.Doppelklick(1), std::optional<bool>(false));
    EXPECT_EQ(t.editor.titel, "Neuen Termin erstellen");
    EXPECT_FALSE(t.dialog.knoepfe.aendern);
}

TEST(Tagesdialog, InfotextHinUndZurueck) {
    struct Fall { std::string gespeichert; std::vector<std::string> zeilen; std::string zurueck; };
    const std::vector<Fall> faelle = {
        {"a#b#c", {"a", "b", "c"}, "a#b#c"},
        {"a#b#", {"a", "b"}, "a#b"},       // an empty last part makes no line
        {"a##b", {"a", "", "b"}, "a##b"},
        {"", {}, ""},
    };
    for (const Fall& f : faelle) {
        Termintest t;
        t.Liste(1, 2, 2003) = {t.Termin("", f.gespeichert), t.Termin("09:00", "X")};
        t.Oeffnen(1, 2, 2003);
        EXPECT_EQ(t.dialog.info, f.zeilen) << f.gespeichert;
        t.dialog.tagspeichern();
        EXPECT_EQ(t.Liste(1, 2, 2003)[0].Beschreibung, f.zurueck);
    }
}

TEST(Tagesdialog, SpeichernNachEintragszahl) {
    Termintest t;
    // Only an info text: a list of length 1.
    t.Oeffnen(3, 3, 2003);
    t.dialog.InfoAusText("Urlaub\nMallorca");
    t.dialog.InfoGeaendert();
    EXPECT_TRUE(t.kal.geaendert);
    t.dialog.tagblaettern(+1);
    ASSERT_EQ(t.Liste(3, 3, 2003).size(), 1u);
    EXPECT_EQ(t.Liste(3, 3, 2003)[0].Beschreibung, "Urlaub#Mallorca");
    // Clearing the info and leaving the day empties the list.
    t.dialog.tagblaettern(-1);
    t.dialog.TagesinfoLoeschen();
    EXPECT_FALSE(t.dialog.knoepfe.tagesinfoLoeschen);
    t.dialog.tagblaettern(+1);
    EXPECT_TRUE(t.Liste(3, 3, 2003).empty());
}

TEST(Tagesdialog, LoeschenDesEinzigenTerminsBehaeltDieInfo) {
    Termintest t;
    t.Liste(4, 4, 2004) = {t.Termin("", "Info"), t.Termin("10:00", "Arzt")};
    t.Oeffnen(4, 4, 2004);
    ASSERT_TRUE(t.dialog.TerminLoeschenVorbereiten());
    t.editor.Loeschen();
    EXPECT_TRUE(t.dialog.TerminLoeschenAbschliessen());
    EXPECT_EQ(t.dialog.eintragszahl, 0);
    t.dialog.tagspeichern();
    ASSERT_EQ(t.Liste(4, 4, 2004).size(), 1u);
    EXPECT_EQ(t.Liste(4, 4, 2004)[0].Beschreibung, "Info");
}

TEST(Tagesdialog, SortierungBeiGleichenUndGeaendertenZeiten) {
    Termintest t;
    t.Oeffnen(6, 6, 2006);
    t.Neu("10:00", "erster");
    t.Neu("10:00", "zweiter");
    t.Neu("09:30", "frueh");
    t.Neu("12:00", "mittag");
    t.dialog.tagspeichern();
    EXPECT_EQ(Beschreibungen(t.Liste(6, 6, 2006)),
              (std::vector<std::string>{"09:30 frueh", "10:00 erster", "10:00 zweiter",
                                        "12:00 mittag"}));
    // "zweiter" changed to 08:00 moves to the top.
    t.dialog.ZelleGewaehlt(3);
    ASSERT_TRUE(t.dialog.TerminAendernVorbereiten());
    t.editor.StartSetzen(8, 0);
    t.editor.Ok(t.kal);
    ASSERT_TRUE(t.dialog.TerminAendernAbschliessen());
    // "mittag" changed to 10:00 lands after the other 10:00 appointment.
    t.dialog.ZelleGewaehlt(4);
    ASSERT_TRUE(t.dialog.TerminAendernVorbereiten());
    t.editor.StartSetzen(10, 0);
    t.editor.Ok(t.kal);
    ASSERT_TRUE(t.dialog.TerminAendernAbschliessen());
    t.dialog.tagspeichern();
    EXPECT_EQ(Beschreibungen(t.Liste(6, 6, 2006)),
              (std::vector<std::string>{"08:00 zweiter", "09:30 frueh", "10:00 erster",
                                        "10:00 mittag"}));
}

TEST(Tagesdialog, LeereBeschreibungFuegtNichtsHinzu) {
    Termintest t;
    t.Oeffnen(6, 6, 2006);
    t.Neu("10:00", "");
    EXPECT_EQ(t.dialog.eintragszahl, 0);
    EXPECT_FALSE(t.kal.geaendert);
}

TEST(Tagesdialog, SpeichernUebernimmtAlleFelder) {
    Termintest t;
    t.kal.Terminkategorie = {"Arbeit", "Privat"};
    t.kal.Linkliste = {"https://example.org"};
    t.Oeffnen(7, 7, 2007);
    t.dialog.NeuerTerminVorbereiten();
    t.editor.Aktivieren(t.kal, t.einst, t.dialog.Tag());
    t.editor.StartSetzen(14, 5);
    t.editor.DauerSetzen(1, 45);
    t.editor.beschreibung = "Treffen";
    t.editor.ort = "Büro";
    t.editor.alarm = true;
    t.editor.FarbeWaehlen(t.kal, 3);
    t.editor.KategorieWaehlen("Privat");
    t.editor.LinkWaehlen("https://example.org");
    t.editor.Ok(t.kal);
    ASSERT_TRUE(t.dialog.NeuerTerminAbschliessen());
    EXPECT_EQ(t.dialog.raster[1][SpAlarm], "x");
    EXPECT_EQ(t.dialog.raster[1][SpDauer], "01:45");
    EXPECT_EQ(t.dialog.raster[1][SpFarbe], "Blau");
    t.dialog.tagspeichern();
    const TTerminliste& l = t.Liste(7, 7, 2007);
    ASSERT_EQ(l.size(), 2u);
    TTermin erwartet = t.Termin("14:05", "Treffen", t.Farbe(3));
    erwartet.Ort = "Büro";
    erwartet.Dauer = 105;
    erwartet.Alarm = true;
    erwartet.Kategorie = "Privat";
    erwartet.Link = "https://example.org";
    EXPECT_EQ(l[1], erwartet);
}

// Paging through a day keeps what a hand-edited file holds, a duration of days and a time
// that is no clock time among them: the save question repairs them, not the dialog unasked.
TEST(Tagesdialog, UnbrauchbareDauerUndZeitBleibenBeimBlaettern) {
    Termintest t;
    TTermin lang = t.Termin("10:00", "Lang");
    lang.Dauer = 100000;
    TTermin komisch = t.Termin("99:99", "Komisch");
    komisch.Dauer = 90;
    t.Liste(3, 3, 2003) = {t.Termin("", ""), lang, komisch};
    t.Oeffnen(3, 3, 2003);
    EXPECT_EQ(t.dialog.raster[1][SpDauer], "1666:40");
    t.dialog.tagspeichern();
    const TTerminliste& l = t.Liste(3, 3, 2003);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[1].Dauer, 100000);
    EXPECT_EQ(l[2].Uhrzeit, "99:99");
    EXPECT_EQ(l[2].Dauer, 90);
}

TEST(Tagesdialog, FremdeTerminfarbeWirdBeimSpeichernKeineFarbe) {
    Termintest t;
    t.Liste(8, 8, 2008) = {t.Termin("", ""), t.Termin("10:00", "A", 0x123456),
                           t.Termin("11:00", "B", t.Farbe(5))};  // slot 5 is free
    t.Oeffnen(8, 8, 2008);
    EXPECT_EQ(t.dialog.raster[1][SpFarbe], "");
    EXPECT_EQ(t.dialog.raster[2][SpFarbe], "");
    t.dialog.tagspeichern();
    EXPECT_EQ(t.Liste(8, 8, 2008)[1].Farbe, KeineFarbe);
    EXPECT_EQ(t.Liste(8, 8, 2008)[2].Farbe, KeineFarbe);
}

TEST(Tagesdialog, Farbspiegelung) {
    struct Fall {
        const char* name;
        bool spiegeln;
        TTagesfarben vorher;
        int aktion;     // 1 new with slot 3, 2 change red row to blue, 3 delete red row
        bool zweiteRoteZeile;
        TTagesfarben nachher;
        std::size_t undoSchritte;
    };
    Termintest v;
    const uint32_t rot = v.Farbe(2), blau = v.Farbe(3), gelb = v.Farbe(1);
    const std::vector<Fall> faelle = {
        {"neu haengt an", true, {gelb}, 1, false, {gelb, blau}, 1},
        {"neu vorhanden", true, {blau}, 1, false, {blau}, 0},
        {"neu ohne Einstellung", false, {}, 1, false, {}, 0},
        {"aendern tauscht", true, {rot, gelb}, 2, false, {gelb, blau}, 2},
        {"aendern zweite rote Zeile", true, {rot}, 2, true, {rot, blau}, 1},
        {"loeschen entfernt", true, {gelb, rot}, 3, false, {gelb}, 1},
        {"loeschen zweite rote Zeile", true, {rot}, 3, true, {rot}, 0},
        {"loeschen ohne Einstellung", false, {rot}, 3, false, {rot}, 0},
    };
    for (const Fall& f : faelle) {
        Termintest t;
        t.einst.FarbeInJahresansichtUebernehmen = f.spiegeln;
        t.Farben(9, 9, 2009) = f.vorher;
        t.Liste(9, 9, 2009) = {t.Termin("", ""), t.Termin("08:00", "rot", rot)};
        if (f.zweiteRoteZeile) t.Liste(9, 9, 2009).push_back(t.Termin("09:00", "rot2", rot));
        t.Oeffnen(9, 9, 2009);
        if (f.aktion == 1) {
            t.Neu("12:00", "neu", 3);
        } else {
            t.dialog.ZelleGewaehlt(1);
            if (f.aktion == 2) {
                t.dialog.TerminAendernVorbereiten();
                t.editor.FarbeWaehlen(t.kal, 3);
                t.editor.Ok(t.kal);
                t.dialog.TerminAendernAbschliessen();
            } else {
                t.dialog.TerminLoeschenVorbereiten();
                t.editor.Loeschen();
                t.dialog.TerminLoeschenAbschliessen();
            }
        }
        EXPECT_EQ(t.Farben(9, 9, 2009), f.nachher) << f.name;
        EXPECT_EQ(t.undo.size(), f.undoSchritte) << f.name;
    }
}

TEST(Tagesdialog, BlaetternAnDenEnden) {
    struct Fall { Datum von; int schritt; bool woche; Datum nach; };
    const std::vector<Fall> faelle = {
        {{1, 1, 1901}, -1, false, {1, 1, 1901}},
        {{31, 12, 2099}, +1, false, {31, 12, 2099}},
        {{31, 12, 2003}, +1, false, {1, 1, 2004}},
        {{1, 1, 2004}, -1, false, {31, 12, 2003}},
        {{28, 2, 2004}, +1, false, {29, 2, 2004}},
        {{3, 1, 1901}, -1, true, {1, 1, 1901}},
        {{27, 12, 2099}, +1, true, {31, 12, 2099}},
        {{28, 12, 2003}, +1, true, {4, 1, 2004}},
    };
    for (const Fall& f : faelle) {
        Termintest t;
        t.Oeffnen(f.von.tag, f.von.monat, f.von.jahr);
        if (f.woche)
            t.dialog.wocheBlaettern(f.schritt);
        else
            t.dialog.tagblaettern(f.schritt);
        EXPECT_EQ(t.dialog.Tag(), f.nach) << f.von.tag << "." << f.von.monat << "." << f.von.jahr;
    }
}

TEST(Tagesdialog, KnoepfeNachBlaetternUndAuswahl) {
    Termintest t;
    t.Liste(2, 2, 2002) = {t.Termin("", "Info"), t.Termin("10:00", "A")};
    t.Oeffnen(1, 2, 2002);
    EXPECT_FALSE(t.dialog.knoepfe.alleLoeschen);
    t.dialog.tagblaettern(+1);
    t.dialog.NachBlaettern();
    EXPECT_FALSE(t.dialog.knoepfe.aendern);
    EXPECT_TRUE(t.dialog.knoepfe.alleLoeschen);
    EXPECT_TRUE(t.dialog.knoepfe.tagesinfoLoeschen);
    t.dialog.ZelleGewaehlt(1);
    EXPECT_TRUE(t.dialog.knoepfe.aendern && t.dialog.knoepfe.verschieben);
    // Read-only: nothing that changes is usable.
    t.u.schreibgeschuetzt = true;
    t.Oeffnen(2, 2, 2002);
    EXPECT_FALSE(t.dialog.knoepfe.neu);
    EXPECT_FALSE(t.dialog.knoepfe.aendern);
    EXPECT_FALSE(t.dialog.knoepfe.alleLoeschen);
    EXPECT_FALSE(t.dialog.knoepfe.tagesinfoLoeschen);
    EXPECT_EQ(t.dialog.Doppelklick(1), std::nullopt);
}

TEST(Tagesdialog, VerschiebenUndKopieren) {
    for (bool verschieben : {false, true}) {
        Termintest t;
        t.Farben(10, 10, 2010) = {t.Farbe(2)};
        t.Liste(10, 10, 2010) = {t.Termin("", ""), t.Termin("10:00", "Arzt", t.Farbe(2))};
        t.Liste(12, 10, 2010) = {t.Termin("", ""), t.Termin("11:00", "Sport")};
        t.Oeffnen(10, 10, 2010);
        t.dialog.ZelleGewaehlt(1);
        EXPECT_FALSE(t.dialog.VerschiebenOderKopieren({10, 10, 2010}, verschieben));
        ASSERT_TRUE(t.dialog.VerschiebenOderKopieren({12, 10, 2010}, verschieben));
        EXPECT_EQ(t.dialog.Tag(), (Datum{10, 10, 2010}));
        EXPECT_EQ(Beschreibungen(t.Liste(12, 10, 2010)),
                  (std::vector<std::string>{"10:00 Arzt", "11:00 Sport"}));
        EXPECT_EQ(t.Farben(12, 10, 2010), TTagesfarben{t.Farbe(2)});
        if (verschieben) {
            EXPECT_TRUE(t.Liste(10, 10, 2010).empty());
            EXPECT_TRUE(t.Farben(10, 10, 2010).empty());
        } else {
            EXPECT_EQ(Beschreibungen(t.Liste(10, 10, 2010)),
                      std::vector<std::string>{"10:00 Arzt"});
            EXPECT_EQ(t.Farben(10, 10, 2010), TTagesfarben{t.Farbe(2)});
        }
        EXPECT_TRUE(t.kal.geaendert);
    }
}

TEST(Tagesdialog, KategorieOhneListeneintragWirdNichtMitkopiert) {
    Termintest t;
    t.kal.Terminkategorie = {"Arbeit"};
    TTermin a = t.Termin("10:00", "A");
    a.Kategorie = "Arbeit";
    TTermin b = t.Termin("11:00", "B");
    b.Kategorie = "Verschwunden";
    t.Liste(1, 1, 2001) = {t.Termin("", ""), a, b};
    t.Oeffnen(1, 1, 2001);
    for (int r : {1, 2}) {
        t.dialog.ZelleGewaehlt(r);
        t.dialog.VerschiebenOderKopieren({2, 1, 2001}, false);
    }
    const TTerminliste& ziel = t.Liste(2, 1, 2001);
    ASSERT_EQ(ziel.size(), 3u);
    EXPECT_EQ(ziel[1].Kategorie, "Arbeit");
    EXPECT_EQ(ziel[2].Kategorie, "");
}

TEST(Tagesdialog, AlleTermineLoeschen) {
    Termintest t;
    t.Farben(5, 5, 2005) = {t.Farbe(1), t.Farbe(2)};
    t.Liste(5, 5, 2005) = {t.Termin("", "Info"), t.Termin("10:00", "A"), t.Termin("11:00", "B")};
    t.Liste(6, 5, 2005) = {t.Termin("", ""), t.Termin("10:00", "Nachbar", 0x123456)};
    t.Oeffnen(5, 5, 2005);
    t.dialog.AlleLoeschenVorbereiten();
    EXPECT_TRUE(t.editor.alleLoeschenLayout);
    EXPECT_TRUE(t.editor.farbenLoeschen);
    t.editor.tagesinfoLoeschen = false;
    t.editor.Loeschen();
    ASSERT_TRUE(t.dialog.AlleLoeschenAbschliessen());
    EXPECT_FALSE(t.editor.alleLoeschenLayout);
    ASSERT_EQ(t.Liste(5, 5, 2005).size(), 1u);
    EXPECT_EQ(t.Liste(5, 5, 2005)[0].Beschreibung, "Info");
    EXPECT_TRUE(t.Farben(5, 5, 2005).empty());
    EXPECT_EQ(t.undo.size(), 1u);
    EXPECT_EQ(t.dialog.Zeilenzahl(), 2);
    EXPECT_FALSE(t.dialog.knoepfe.alleLoeschen);
    // The neighbour day is not stored on the way.
    EXPECT_EQ(t.Liste(6, 5, 2005)[1].Farbe, 0x123456u);
}

TEST(Tagesdialog, NeuerTerminUeberschreibtKeinenTerminOhneUhrzeit) {
    Termintest t;
    t.Liste(1, 3, 2003) = {t.Termin("", ""), t.Termin("", "ohne Zeit")};
    t.Oeffnen(1, 3, 2003);
    t.Neu("09:00", "neu");
    t.dialog.tagspeichern();
    EXPECT_EQ(Beschreibungen(t.Liste(1, 3, 2003)),
              (std::vector<std::string>{" ohne Zeit", "09:00 neu"}));
}

}  // namespace
}  // namespace kalvora::test
