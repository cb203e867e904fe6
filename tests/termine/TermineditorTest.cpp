#include "termine/Termineditor.h"

#include <gtest/gtest.h>

#include "Termintestkalender.h"

namespace kalvora::test {
namespace {

TEST(Termineditor, StartDauerEnde) {
    struct Fall { int sh, sm, dh, dm; int eh, em; };
    const std::vector<Fall> faelle = {
        {23, 30, 1, 0, 0, 30},
        {23, 0, 1, 0, 23, 0},  // 24:00 held as 23 by the hour field
        {10, 20, 0, 40, 11, 0},
        {8, 0, 0, 0, 8, 0},
    };
    Einstellungen e;
    for (const Fall& f : faelle) {
        Termineditor ed(e);
        ed.StartSetzen(f.sh, f.sm);
        ed.DauerSetzen(f.dh, f.dm);
        ed.StartOderDauerVerlassen();
        EXPECT_EQ(ed.endeStunde, f.eh);
        EXPECT_EQ(ed.endeMinute, f.em);
    }
    Termineditor ed(e);
    ed.StartSetzen(23, 30);
    ed.DauerSetzen(1, 0);
    ed.StartOderDauerVerlassen();
    ed.EndeVerlassen();  // 00:30 lies before the start
    EXPECT_EQ(ed.endeStunde * 100 + ed.endeMinute, 2330);
    EXPECT_EQ(ed.DauerText(), "00:00");
    ed.EndeSetzen(25, 75);  // brought to the limits
    EXPECT_EQ(ed.endeStunde * 100 + ed.endeMinute, 2359);
    ed.EndeVerlassen();
    EXPECT_EQ(ed.DauerText(), "00:29");
}

TEST(Termineditor, ModusNeuNachEinstellungen) {
    Einstellungen e;
    e.TerminStunden = 14;
    e.TerminMinuten = 15;
    Termineditor ed(e);  // the remembered start time of the last run
    EXPECT_EQ(ed.StartText(), "14:15");
    ed.StartSetzen(9, 45);
    ed.NeuVorbereiten(e);
    EXPECT_EQ(ed.StartText(), "09:45");  // keeps the last start without "festeZeit"
    EXPECT_EQ(ed.DauerText(), "00:00");
    e.festeZeit = true;
    e.Stunden = 7;
    e.Minuten = 5;
    e.festeDauer = true;
    e.TermindauerStunden = 1;
    e.TermindauerMinuten = 30;
    e.TerminalarmStandardmaessigAktivieren = false;
    e.DauerOderEnde = 1;
    ed.beschreibung = "alt";
    ed.NeuVorbereiten(e);
    EXPECT_EQ(ed.StartText(), "07:05");
    EXPECT_EQ(ed.DauerText(), "01:30");
    EXPECT_FALSE(ed.alarm);
    EXPECT_EQ(ed.anzeige, 1);
    EXPECT_TRUE(ed.beschreibung.empty());
    EXPECT_EQ(ed.titel, "Neuen Termin erstellen");
    EXPECT_EQ(ed.Hilfethema(), 130);
    EXPECT_EQ(Termineditor(e).StartText(), "08:00");  // "festeZeit" ignores the remembered one
}

TEST(Termineditor, LoeschmodiUndZuruecksetzen) {
    Einstellungen e;
    e.FarbeInJahresansichtUebernehmen = true;
    Termineditor ed(e);
    ed.LoeschenVorbereiten(e);
    EXPECT_TRUE(ed.loeschenSichtbar && !ed.okSichtbar && ed.textNurLesen && !ed.zeitfelderAktiv);
    EXPECT_EQ(ed.Hilfethema(), 124);
    TKalender kal;
    EXPECT_TRUE(ed.Eingabetaste(kal));
    EXPECT_EQ(ed.ergebnis, Editorergebnis::Loeschen);
    ed.LoeschmodusZuruecksetzen();
    ed.AlleLoeschenVorbereiten(e);
    EXPECT_TRUE(ed.alleLoeschenLayout && ed.farbenLoeschen && !ed.tagesinfoLoeschen);
    EXPECT_EQ(ed.Hilfethema(), 122);
    ed.LoeschmodusZuruecksetzen();
    EXPECT_FALSE(ed.alleLoeschenLayout || ed.textNurLesen);
}

TEST(Termineditor, SerienartVorgaben) {
    Einstellungen e;  // Tage 10, Wochen 6, Monate 3, Jahre 3, Rate 5, Wiederholungen 3
    Termineditor ed(e);
    const Datum tag{1, 1, 2004};
    struct Fall { Serienart art; int anzahl; Datum ende; };
    const std::vector<Fall> faelle = {
        {Serienart::Taeglich, 10, {11, 1, 2004}},
        {Serienart::Woechentlich, 6, {12, 2, 2004}},
        {Serienart::Monatlich, 3, {3, 4, 2004}},
        {Serienart::Jaehrlich, 3, {3, 1, 2007}},
    };
    for (const Fall& f : faelle) {
        ed.SerienartSetzen(f.art, e, tag);
        EXPECT_EQ(ed.serie.anzahl, f.anzahl);
        EXPECT_EQ(ed.serie.endDatum, f.ende);
        EXPECT_TRUE(ed.endmodusAktiv && ed.nurBeiAktiv && ed.datumAktiv && !ed.anzahlAktiv);
        EXPECT_FALSE(ed.periodeSichtbar);
    }
    ed.SerienartSetzen(Serienart::Benutzerdefiniert, e, tag);
    EXPECT_TRUE(ed.periodeSichtbar);
    EXPECT_EQ(ed.serie.periode, 5);
    EXPECT_EQ(ed.serie.anzahl, 3);
    EXPECT_EQ(ed.serie.endDatum, (Datum{3, 1, 2007}));  // left as it was
    ed.EndmodusSetzen(false);
    EXPECT_TRUE(ed.anzahlAktiv && !ed.datumAktiv);
    ed.SerienartSetzen(Serienart::Keine, e, tag);
    EXPECT_FALSE(ed.endmodusAktiv || ed.nurBeiAktiv || ed.datumAktiv || ed.anzahlAktiv);
    // An end date beyond the calendar stays on its last day.
    ed.SerienartSetzen(Serienart::Jaehrlich, e, {1, 6, 2099});
    EXPECT_EQ(ed.serie.endDatum, (Datum{31, 12, 2099}));
}

TEST(Termineditor, FiltervorgabeBeimAktivieren) {
    Termintest t;
    const Datum ohne{1, 1, 2004}, mit{2, 1, 2004};
    t.Farben(2, 1, 2004) = {t.Farbe(3), t.Farbe(2)};
    t.editor.Aktivieren(t.kal, t.einst, ohne);
    EXPECT_TRUE(t.editor.keinerFarbeSichtbar);
    EXPECT_EQ(t.editor.serie.filterFarbe, KeineFarbe);
    t.editor.Aktivieren(t.kal, t.einst, mit);
    EXPECT_FALSE(t.editor.keinerFarbeSichtbar);
    EXPECT_EQ(t.editor.serie.filterFarbe, t.Farbe(3));
    EXPECT_EQ(t.editor.filterText, "Blau");
    // A colour of the day that the field already shows stays.
    t.editor.FilterWaehlen(t.kal, 2);
    t.editor.Aktivieren(t.kal, t.einst, mit);
    EXPECT_EQ(t.editor.filterText, "Rot");
    t.editor.FilterWaehlen(t.kal, -1);
    const Filtermenue m = t.editor.FiltermenueOeffnen(t.kal, mit);
    EXPECT_EQ(t.editor.filterText, "alle Farben vorhanden");
    EXPECT_EQ(t.editor.serie.filterFarbe, AlleFarbenVorhandenFarbe);
    EXPECT_FALSE(m.keinerFarbeSichtbar);
    EXPECT_EQ(m.plaetze, (std::vector<int>{2, 3}));
    // The filter field follows the check box.
    t.editor.SerienartSetzen(Serienart::Taeglich, t.einst, mit);
    t.editor.FilterAnSetzen(false);
    EXPECT_FALSE(t.editor.FilterfeldAktiv());
    t.editor.FilterAnSetzen(true);
    EXPECT_TRUE(t.editor.FilterfeldAktiv());
}

TEST(Termineditor, FarbmenueUndGetippterLink) {
    Termintest t;
    EXPECT_EQ(Termineditor::Farbmenue(t.kal), (std::vector<int>{1, 2, 3, 4}));
    t.kal.Farbnamen[13] = "Braun";
    EXPECT_EQ(Termineditor::Farbmenue(t.kal), (std::vector<int>{1, 2, 3, 13, 4}));

    t.kal.Linkliste = {"a.txt"};
    struct Fall { std::string text; bool neu; };
    for (const Fall& f : std::vector<Fall>{{"kein Link", false}, {"a.txt", false},
                                           {"b.txt", true}}) {
        t.kal.geaendert = false;
        t.editor.ListenFuellen(t.kal);
        t.editor.Aktivieren(t.kal, t.einst, {1, 1, 2004});
        t.editor.LinkTippen(f.text);
        t.editor.Ok(t.kal);
        EXPECT_EQ(t.kal.geaendert, f.neu) << f.text;
        EXPECT_EQ(t.editor.ergebnis, Editorergebnis::Ok);
    }
    EXPECT_EQ(t.kal.Linkliste, (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(t.editor.links.back(), "b.txt");
    EXPECT_EQ(t.editor.Link(), "b.txt");
}

}  // namespace
}  // namespace kalvora::test
