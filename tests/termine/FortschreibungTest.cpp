#include "termine/Fortschreibung.h"

#include <gtest/gtest.h>

#include "Termintestkalender.h"

namespace kalvora::test {
namespace {

// Days (from 1.1.1901 on) that hold an appointment named text.
std::vector<Datum> TageMit(const TKalender& kal, const std::string& text) {
    std::vector<Datum> tage;
    for (int i = 0; i < TKalender::kSlots; ++i) {
        const TTerminliste& l = kal.TerminlisteAn(i);
        for (std::size_t e = 1; e < l.size(); ++e)
            if (l[e].Beschreibung == text) {
                Datum d{};
                TKalender::SlotDatum(i, d.jahr, d.monat, d.tag);
                tage.push_back(d);
                break;
            }
    }
    return tage;
}

struct Serie {
    const char* name;
    Datum start;
    Serienart art;
    bool bisDatum;
    Datum ende;
    int anzahl;
    std::vector<Datum> erwartet;  // the start day included
};

void NeuMitSerie(Termintest& t, const Serie& s, int periode = 3) {
    t.einst.Farbfortschreibung = false;
    t.Oeffnen(s.start.tag, s.start.monat, s.start.jahr);
    t.dialog.NeuerTerminVorbereiten();
    t.editor.Aktivieren(t.kal, t.einst, t.dialog.Tag());
    t.editor.SerienartSetzen(s.art, t.einst, t.dialog.Tag());
    t.editor.EndmodusSetzen(s.bisDatum);
    t.editor.serie.endDatum = s.ende;
    t.editor.AnzahlSetzen(s.anzahl);
    t.editor.PeriodeSetzen(periode);
    t.editor.beschreibung = "Serie";
    t.editor.Ok(t.kal);
    ASSERT_TRUE(t.dialog.NeuerTerminAbschliessen());
    t.dialog.tagspeichern();
    EXPECT_EQ(t.dialog.Tag(), s.start) << s.name;
}

TEST(Fortschreibung, Serienarten) {
    using S = Serienart;
    const std::vector<Serie> faelle = {
        {"monatlich 31.1.", {31, 1, 2003}, S::Monatlich, false, {}, 3,
         {{31, 1, 2003}, {28, 2, 2003}, {31, 3, 2003}, {30, 4, 2003}}},
        {"monatlich 30.11.", {30, 11, 2003}, S::Monatlich, false, {}, 2,
         {{30, 11, 2003}, {30, 12, 2003}, {30, 1, 2004}}},
        {"jaehrlich 29.2.", {29, 2, 2004}, S::Jaehrlich, false, {}, 5,
         {{29, 2, 2004}, {1, 3, 2005}, {1, 3, 2006}, {1, 3, 2007}, {29, 2, 2008}, {1, 3, 2009}}},
        {"jaehrlich 15.3.", {15, 3, 2003}, S::Jaehrlich, false, {}, 2,
         {{15, 3, 2003}, {15, 3, 2004}, {15, 3, 2005}}},
        {"taeglich am Ende", {28, 12, 2099}, S::Taeglich, false, {}, 10,
         {{28, 12, 2099}, {29, 12, 2099}, {30, 12, 2099}, {31, 12, 2099}}},
        {"woechentlich Ende = Start", {7, 1, 2004}, S::Woechentlich, true, {7, 1, 2004}, 0,
         {{7, 1, 2004}}},
        {"woechentlich Ende nicht am Wochentag", {7, 1, 2004}, S::Woechentlich, true,
         {24, 1, 2004}, 0, {{7, 1, 2004}, {14, 1, 2004}, {21, 1, 2004}}},
        {"taeglich bis Datum", {30, 12, 2003}, S::Taeglich, true, {2, 1, 2004}, 0,
         {{30, 12, 2003}, {31, 12, 2003}, {1, 1, 2004}, {2, 1, 2004}}},
        {"woechentlich Anzahl am Ende", {10, 12, 2099}, S::Woechentlich, false, {}, 9,
         {{10, 12, 2099}, {17, 12, 2099}, {24, 12, 2099}, {31, 12, 2099}}},
        {"woechentlich bis 31.12.2099 ohne falschen Tag", {20, 12, 2099}, S::Woechentlich, true,
         {31, 12, 2099}, 0, {{20, 12, 2099}, {27, 12, 2099}}},
        {"monatlich Dezember 2099", {15, 10, 2099}, S::Monatlich, false, {}, 5,
         {{15, 10, 2099}, {15, 11, 2099}, {15, 12, 2099}}},
        {"jaehrlich 2098", {1, 6, 2097}, S::Jaehrlich, true, {31, 12, 2099}, 0,
         {{1, 6, 2097}, {1, 6, 2098}, {1, 6, 2099}}},
    };
    for (const Serie& s : faelle) {
        Termintest t;
        NeuMitSerie(t, s);
        EXPECT_EQ(TageMit(t.kal, "Serie"), s.erwartet) << s.name;
    }
}

TEST(Fortschreibung, BenutzerdefiniertAmKalenderende) {
    Termintest t;
    // Every 4 days by count: 31.12. is more than 31 - 4, so the series ends there.
    NeuMitSerie(t, {"", {19, 12, 2099}, Serienart::Benutzerdefiniert, false, {}, 10, {}}, 4);
    EXPECT_EQ(TageMit(t.kal, "Serie"),
              (std::vector<Datum>{{19, 12, 2099}, {23, 12, 2099}, {27, 12, 2099},
                                  {31, 12, 2099}}));
    // By date, a period that would leave the calendar changes nothing on 31.12.
    Termintest u;
    NeuMitSerie(u, {"", {1, 12, 2099}, Serienart::Benutzerdefiniert, true, {31, 12, 2099}, 1, {}},
                20);
    EXPECT_EQ(TageMit(u.kal, "Serie"), (std::vector<Datum>{{1, 12, 2099}, {21, 12, 2099}}));
}

TEST(Fortschreibung, AendernUndLoeschenFindenDenSchluessel) {
    Termintest t;
    NeuMitSerie(t, {"", {5, 1, 2004}, Serienart::Woechentlich, false, {}, 3, {}});
    // A series day changed by hand is not found any more.
    t.Liste(19, 1, 2004)[1].Uhrzeit = "07:00";
    t.Oeffnen(5, 1, 2004);
    t.dialog.ZelleGewaehlt(1);
    t.dialog.TerminAendernVorbereiten();
    t.editor.Aktivieren(t.kal, t.einst, t.dialog.Tag());
    t.editor.SerienartSetzen(Serienart::Woechentlich, t.einst, t.dialog.Tag());
    t.editor.EndmodusSetzen(false);
    t.editor.AnzahlSetzen(3);
    t.editor.beschreibung = "Geaendert";
    t.editor.Ok(t.kal);
    ASSERT_TRUE(t.dialog.TerminAendernAbschliessen());
    t.dialog.tagspeichern();
    EXPECT_EQ(TageMit(t.kal, "Geaendert"),
              (std::vector<Datum>{{5, 1, 2004}, {12, 1, 2004}, {26, 1, 2004}}));
    EXPECT_EQ(TageMit(t.kal, "Serie"), (std::vector<Datum>{{19, 1, 2004}}));

    t.Oeffnen(5, 1, 2004);
    t.dialog.ZelleGewaehlt(1);
    t.dialog.TerminLoeschenVorbereiten();
    t.editor.Aktivieren(t.kal, t.einst, t.dialog.Tag());
    t.editor.SerienartSetzen(Serienart::Woechentlich, t.einst, t.dialog.Tag());
    t.editor.EndmodusSetzen(false);
    t.editor.AnzahlSetzen(3);
    t.editor.Loeschen();
    ASSERT_TRUE(t.dialog.TerminLoeschenAbschliessen());
    t.dialog.tagspeichern();
    EXPECT_TRUE(TageMit(t.kal, "Geaendert").empty());
    EXPECT_EQ(TageMit(t.kal, "Serie"), (std::vector<Datum>{{19, 1, 2004}}));
}

TEST(Fortschreibung, Tagesfilter) {
    Termintest t;
    const uint32_t rot = t.Farbe(2), blau = t.Farbe(3), gruen = t.Farbe(4);
    const Datum s{1, 3, 2004}, d{2, 3, 2004};
    struct Fall { TTagesfarben start, tag; uint32_t filter; bool erwartet; };
    const std::vector<Fall> faelle = {
        {{rot, blau}, {rot, blau, gruen}, AlleFarbenVorhandenFarbe, true},
        {{rot, blau}, {rot}, AlleFarbenVorhandenFarbe, false},
        {{}, {}, AlleFarbenVorhandenFarbe, true},
        {{}, {rot}, AlleFarbenVorhandenFarbe, false},
        {{}, {}, KeineFarbe, true},
        {{}, {rot}, KeineFarbe, false},
        {{rot}, {}, KeineFarbe, false},
        {{rot}, {blau, rot}, rot, true},
        {{rot}, {blau}, rot, false},
    };
    for (const Fall& f : faelle) {
        t.Farben(s.tag, s.monat, s.jahr) = f.start;
        t.Farben(d.tag, d.monat, d.jahr) = f.tag;
        EXPECT_EQ(fortschreibungzulassen(t.kal, f.filter, s, d), f.erwartet);
    }
}

TEST(Fortschreibung, FilterUeberspringtTageUndFortschrittSteigt) {
    Termintest t;
    t.Farben(1, 2, 2004) = {t.Farbe(2)};
    t.Farben(3, 2, 2004) = {t.Farbe(2)};
    std::vector<int> fortschritt;
    t.dialog.fortschritt = [&](int p) { fortschritt.push_back(p); };
    t.Oeffnen(1, 2, 2004);
    t.dialog.NeuerTerminVorbereiten();
    t.editor.Aktivieren(t.kal, t.einst, t.dialog.Tag());
    EXPECT_EQ(t.editor.serie.filterFarbe, t.Farbe(2));
    t.editor.SerienartSetzen(Serienart::Taeglich, t.einst, t.dialog.Tag());
    t.editor.FilterAnSetzen(true);
    t.editor.EndmodusSetzen(true);
    t.editor.EndDatumSetzen({5, 2, 2004});
    t.editor.beschreibung = "Serie";
    t.editor.Ok(t.kal);
    ASSERT_TRUE(t.dialog.NeuerTerminAbschliessen());
    t.dialog.tagspeichern();
    EXPECT_EQ(TageMit(t.kal, "Serie"), (std::vector<Datum>{{1, 2, 2004}, {3, 2, 2004}}));
    ASSERT_GE(fortschritt.size(), 3u);
    EXPECT_TRUE(std::is_sorted(fortschritt.begin(), fortschritt.end()));
    EXPECT_EQ(fortschritt.front(), 0);
    EXPECT_EQ(fortschritt.back(), 100);
}

}  // namespace
}  // namespace kalvora::test
