#include "extras/Kategorienliste.h"

#include <gtest/gtest.h>

namespace kalvora::test {
namespace {

// A document with appointments in two years far apart, by category and link.
struct Listenkalender {
    TKalender kal;
    Listenkalender() {
        kal.Terminkategorie = {"Arbeit", "Sport", "Familie"};
        kal.Linkliste = {"/a.pdf", "https://b.example"};
        Termin(1, 1, 1901, "Arbeit", "/a.pdf");
        Termin(1, 1, 1901, "Sport", "");
        Termin(31, 12, 2099, "Arbeit", "https://b.example");
        Termin(15, 6, 2026, "Familie", "/a.pdf");
        Termin(15, 6, 2026, "", "");
        kal.GeaendertSetzen(false);
    }
    void Termin(int t, int m, int j, const char* kategorie, const char* link) {
        TTerminliste& l = kal.Terminliste(j, m, t);
        if (l.empty()) l.emplace_back();
        TTermin x;
        x.Beschreibung = "T";
        x.Kategorie = kategorie;
        x.Link = link;
        l.push_back(x);
    }
    std::vector<std::string> Kategorien() const {
        std::vector<std::string> k;
        for (const auto& d : {Datum{1, 1, 1901}, Datum{31, 12, 2099}, Datum{15, 6, 2026}})
            for (std::size_t e = 1; e < kal.Terminliste(d.jahr, d.monat, d.tag).size(); ++e)
                k.push_back(kal.Terminliste(d.jahr, d.monat, d.tag)[e].Kategorie);
        return k;
    }
};

TEST(Kategorienliste, ZeilenMitLeererZeileAmEnde) {
    Listenkalender k;
    TListenbearbeitung b(k.kal, Listenart::Kategorien, false);
    EXPECT_EQ(b.Zeilen(), (std::vector<std::string>{"Arbeit", "Sport", "Familie", ""}));
    k.kal.Linkliste.clear();
    TListenbearbeitung leer(k.kal, Listenart::Links, false);
    EXPECT_EQ(leer.Zeilen(), (std::vector<std::string>{""}));
    EXPECT_FALSE(TListenbearbeitung::ZeichenErlaubt(U'#'));
    EXPECT_TRUE(TListenbearbeitung::ZeichenErlaubt(U'ä'));

    // Typing into the empty last row appends a new one; no appointment changes.
    leer.Eingabe(1, "/c");
    leer.Eingabe(1, "/c.txt");
    EXPECT_EQ(leer.Zeilen(), (std::vector<std::string>{"/c.txt", ""}));
    EXPECT_TRUE(k.kal.geaendert);
    leer.Ok();
    EXPECT_EQ(k.kal.Linkliste, (std::vector<std::string>{"/c.txt"}));
    EXPECT_EQ(k.kal.Terminliste(1901, 1, 1)[1].Link, "/a.pdf");
}

TEST(Kategorienliste, UmbenennenLeerenUndVerschieben) {
    struct Fall {
        const char* name;
        std::vector<std::pair<int, std::string>> eingaben;
        std::vector<std::string> liste;
        std::vector<std::string> termine;  // 1.1.1901 ×2, 31.12.2099, 15.6.2026 ×2
    };
    const std::vector<Fall> faelle = {
        {"Zeile 1 umbenannt", {{1, "Büro"}}, {"Büro", "Sport", "Familie"},
         {"Büro", "Sport", "Büro", "Familie", ""}},
        {"Zeile 2 geleert", {{2, ""}}, {"Arbeit", "Familie"},
         {"Arbeit", "", "Arbeit", "Familie", ""}},
        {"neue Zeile", {{4, "Urlaub"}}, {"Arbeit", "Sport", "Familie", "Urlaub"},
         {"Arbeit", "Sport", "Arbeit", "Familie", ""}},
        // Positional: the texts of rows 1 and 2 swap, and so do the appointments.
        {"getauscht", {{1, "Sport"}, {2, "Arbeit"}}, {"Sport", "Arbeit", "Familie"},
         {"Sport", "Arbeit", "Sport", "Familie", ""}},
        {"im Kreis", {{1, "Familie"}, {2, "Arbeit"}, {3, "Sport"}},
         {"Familie", "Arbeit", "Sport"}, {"Familie", "Arbeit", "Familie", "Sport", ""}},
        {"auf einen vorhandenen Namen", {{2, "Arbeit"}}, {"Arbeit", "Arbeit", "Familie"},
         {"Arbeit", "Arbeit", "Arbeit", "Familie", ""}},
    };
    for (const Fall& f : faelle) {
        Listenkalender k;
        TListenbearbeitung b(k.kal, Listenart::Kategorien, false);
        for (const auto& [zeile, text] : f.eingaben) b.Eingabe(zeile, text);
        b.Ok();
        EXPECT_EQ(k.kal.Terminkategorie, f.liste) << f.name;
        EXPECT_EQ(k.Kategorien(), f.termine) << f.name;
        EXPECT_EQ(k.kal.Linkliste.size(), 2u) << f.name;
    }
}

TEST(Kategorienliste, LinksUndAbbruchUndSchreibschutz) {
    Listenkalender k;
    {
        TListenbearbeitung b(k.kal, Listenart::Links, false);
        b.Eingabe(1, "/neu#.pdf");  // a '#' that came in anyway is dropped
        b.Ok();
    }
    EXPECT_EQ(k.kal.Linkliste, (std::vector<std::string>{"/neu.pdf", "https://b.example"}));
    EXPECT_EQ(k.kal.Terminliste(1901, 1, 1)[1].Link, "/neu.pdf");
    EXPECT_EQ(k.kal.Terminliste(2026, 6, 15)[1].Link, "/neu.pdf");
    EXPECT_EQ(k.kal.Terminliste(1901, 1, 1)[2].Link, "");
    EXPECT_EQ(k.kal.Terminliste(1901, 1, 1)[1].Kategorie, "Arbeit");

    // Without Ok (Abbruch) nothing changes.
    Listenkalender a;
    {
        TListenbearbeitung b(a.kal, Listenart::Kategorien, false);
        b.Eingabe(1, "X");
    }
    EXPECT_EQ(a.kal.Terminkategorie[0], "Arbeit");
    EXPECT_EQ(a.Kategorien()[0], "Arbeit");

    // Read-only: the grid takes no input and the document stays unmodified.
    Listenkalender s;
    TListenbearbeitung b(s.kal, Listenart::Kategorien, true);
    EXPECT_FALSE(b.Bearbeitbar());
    b.Eingabe(1, "X");
    b.Ok();
    EXPECT_EQ(s.kal.Terminkategorie[0], "Arbeit");
    EXPECT_FALSE(s.kal.geaendert);
}

TEST(Kategorienliste, LeererAlterEintragBenenntNichtsUm) {
    Listenkalender k;
    k.kal.Terminkategorie = {"", "Sport"};  // a list as an old file may hold it
    TListenbearbeitung b(k.kal, Listenart::Kategorien, false);
    b.Eingabe(1, "Neu");
    b.Ok();
    EXPECT_EQ(k.Kategorien(), (std::vector<std::string>{"Arbeit", "Sport", "Arbeit", "Familie",
                                                        ""}));
    EXPECT_EQ(k.kal.Terminkategorie, (std::vector<std::string>{"Neu", "Sport"}));
}

}  // namespace
}  // namespace kalvora::test
