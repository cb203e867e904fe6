#include "main/Farbbearbeitung.h"

#include <gtest/gtest.h>

#include "doubles/AufzeichnendeLeinwand.h"
#include "kalender/Farbhistorie.h"
#include "doubles/StehendeUhr.h"

namespace kalvora {
namespace {

constexpr uint32_t Rot = 0x0000FF;
constexpr uint32_t Blau = 0xFF0000;
constexpr uint32_t Gruen = 0x00FF00;
constexpr uint32_t Gelb = 0x00FFFF;
constexpr uint32_t Orange = 0x0080FF;

using M = Farbbearbeitung;

class FarbbearbeitungTest : public testing::Test {
protected:
    TKalender kal;
    std::vector<Datum> gemerkt;
    TFarbbearbeitung b{kal, [this](int t, int m, int j) { gemerkt.push_back({t, m, j}); }};

    void SetUp() override {
        // Slots 1..4 are yellow, red, blue and lime; name three of them.
        kal.Farbnamen[1] = "Urlaub";
        kal.Farbnamen[2] = "Dienst";
        kal.Farbnamen[3] = "Schule";
    }
    TTagesfarben& Tag(int tag) { return kal.Tagesfarben(2009, 6, tag); }
    // Mode and current colour as a user would set them: the swatch, then the mode.
    void Einstellen(M modus, int slot) {
        b.FarbfeldKlick(slot);
        b.ModusSetzen(modus);
    }
};

TEST_F(FarbbearbeitungTest, DirektesMalenJeModus) {
    struct Fall {
        M modus;
        TTagesfarben vorher;
        TTagesfarben nachher;
    };
    const Fall faelle[] = {
        {M::Hinzufuegen, {Rot}, {Rot}},
        {M::Hinzufuegen, {Blau}, {Blau, Rot}},
        {M::Hinzufuegen, {}, {Rot}},
        {M::Neu, {Rot}, {Rot}},
        {M::Neu, {Rot, Blau}, {Rot}},
        {M::Neu, {Blau}, {Rot}},
        {M::Neu, {}, {Rot}},
        {M::Loeschen, {Blau, Rot, Gruen}, {Blau, Gruen}},
        {M::Loeschen, {Blau}, {Blau}},
        {M::Loeschen, {Rot, Blau, Rot}, {Blau, Rot}},
        {M::Keine, {Blau}, {Blau}},
    };
    for (const Fall& f : faelle) {
        Einstellen(f.modus, 2);  // red
        Tag(3) = f.vorher;
        gemerkt.clear();
        kal.geaendert = false;
        const bool geaendert = b.DirektMalen(3, 6, 2009);
        EXPECT_EQ(Tag(3), f.nachher) << int(f.modus) << " " << f.vorher.size();
        const bool erwartet = f.vorher != f.nachher;
        EXPECT_EQ(geaendert, erwartet);
        EXPECT_EQ(kal.geaendert, erwartet);
        // Exactly one undo step per change, recorded before it.
        EXPECT_EQ(gemerkt.size(), erwartet ? 1u : 0u);
    }
}

TEST_F(FarbbearbeitungTest, WeisseAktuelleFarbeLeertDenTag) {
    b.ModusSetzen(M::AlleLoeschen);
    EXPECT_EQ(b.Aktuell(), AktuelleFarbe{});
    Tag(1) = {Rot, Blau};
    EXPECT_TRUE(b.DirektMalen(1, 6, 2009));
    EXPECT_TRUE(Tag(1).empty());
    // An empty day is left alone: no undo step, not modified.
    kal.geaendert = false;
    EXPECT_FALSE(b.DirektMalen(1, 6, 2009));
    EXPECT_EQ(gemerkt.size(), 1u);
    EXPECT_FALSE(kal.geaendert);
}

TEST_F(FarbbearbeitungTest, ZiehenMaltJedenTagMitEigenemSchritt) {
    Einstellen(M::Hinzufuegen, 1);
    Tag(2) = {Gelb};
    for (int tag = 1; tag <= 7; ++tag) b.DirektMalen(tag, 6, 2009);
    for (int tag = 1; tag <= 7; ++tag) EXPECT_EQ(Tag(tag), TTagesfarben{Gelb});
    EXPECT_EQ(gemerkt.size(), 6u);  // 2 June had the colour already
}

TEST_F(FarbbearbeitungTest, FarbeAnwendenJeModus) {
    struct Fall {
        M modus;
        TTagesfarben vorher;
        TTagesfarben nachher;
    };
    const Fall faelle[] = {
        {M::Keine, {Blau, Gruen}, {Rot}},      {M::Neu, {}, {Rot}},
        {M::AlleLoeschen, {Blau}, {Rot}},      {M::Hinzufuegen, {Blau}, {Blau, Rot}},
        {M::Loeschen, {Blau, Rot}, {Blau}},    {M::Loeschen, {}, {}},
        {M::Loeschen, {Blau}, {Blau}},
    };
    for (const Fall& f : faelle) {
        b.ModusSetzen(f.modus);
        Tag(9) = f.vorher;
        gemerkt.clear();
        b.FarbeAnwenden(2, 9, 6, 2009);
        EXPECT_EQ(Tag(9), f.nachher) << int(f.modus);
        EXPECT_EQ(gemerkt.size(), 1u);
        EXPECT_TRUE(kal.geaendert);
    }
}

TEST_F(FarbbearbeitungTest, ModiUndLegende) {
    // Painting modes take slot 1 when the current colour is white.
    b.ModusSetzen(M::Neu);
    EXPECT_TRUE(b.Direkt());
    EXPECT_EQ(b.Aktuell(), (AktuelleFarbe{Gelb, "Urlaub"}));
    b.ModusSetzen(M::Keine);
    EXPECT_FALSE(b.Direkt());
    EXPECT_EQ(b.Aktuell().farbe, Gelb);
    // A swatch in "alle Farben löschen" switches to adding.
    b.ModusSetzen(M::AlleLoeschen);
    b.FarbfeldKlick(3);
    EXPECT_EQ(b.Modus(), M::Hinzufuegen);
    EXPECT_EQ(b.Aktuell(), (AktuelleFarbe{Blau, "Schule"}));
    // The current-colour swatch: white, and "alle Farben löschen" unless locked.
    b.AktuelleFarbeKlick();
    EXPECT_EQ(b.Modus(), M::AlleLoeschen);
    EXPECT_EQ(b.Aktuell().farbe, Weisswert);
    b.ModusSetzen(M::Keine);
    b.FarbfeldKlick(2);
    b.AktuelleFarbeKlick();
    EXPECT_EQ(b.Modus(), M::Keine);
    // The check box: on with white gives "alle Farben löschen", with a colour adding.
    b.KontrollkaestchenKlick(true);
    EXPECT_EQ(b.Modus(), M::AlleLoeschen);
    EXPECT_TRUE(b.Direkt());
    b.KontrollkaestchenKlick(false);
    EXPECT_EQ(b.Modus(), M::Keine);
    EXPECT_FALSE(b.Direkt());
    b.FarbfeldKlick(2);
    b.KontrollkaestchenKlick(true);
    EXPECT_EQ(b.Modus(), M::Hinzufuegen);
    // A loaded document names the slots anew; the current colour takes its slot's name.
    kal.Farbnamen[2] = "Arbeit";
    b.NameAbgleichen();
    EXPECT_EQ(b.Aktuell(), (AktuelleFarbe{Rot, "Arbeit"}));
}

TEST_F(FarbbearbeitungTest, Umbenennen) {
    b.FarbfeldKlick(2);
    EXPECT_TRUE(b.FarbnameSetzen(2, "Arbeit"));
    EXPECT_EQ(kal.Farbnamen[2], "Arbeit");
    EXPECT_EQ(b.Aktuell().name, "Arbeit");
    EXPECT_TRUE(kal.geaendert);
    kal.geaendert = false;
    EXPECT_FALSE(b.FarbnameSetzen(2, "Arbeit"));
    EXPECT_FALSE(kal.geaendert);
    // Empty becomes free, which hides the slot from the context menu.
    EXPECT_TRUE(b.FarbnameSetzen(2, ""));
    EXPECT_EQ(kal.Farbnamen[2], FreiName);
    b.ModusSetzen(M::Hinzufuegen);
    const Kontextmenue m = KontextmenueAufbauen(kal, Datum{3, 6, 2009}, M::Hinzufuegen, false);
    for (const Farbmenueeintrag& e : m.farben) {
        if (e.slot == 2) {
            EXPECT_FALSE(e.sichtbar);
        }
    }
    // Long names are cut to 255 characters, line breaks and characters the file cannot
    // hold are dropped.
    b.FarbnameSetzen(4, std::string(300, 'x'));
    EXPECT_EQ(kal.Farbnamen[4].size(), 255u);
    b.FarbnameSetzen(4, "Gr\xC3\xBCn\r\n\xE2\x9C\x93!");
    EXPECT_EQ(kal.Farbnamen[4], "Gr\xC3\xBCn!");
}

TEST_F(FarbbearbeitungTest, FarbwahlPruefen) {
    EXPECT_EQ(FarbwahlFehler(kal, 4, 0), "Die Farbe \"schwarz\" darf nicht verwendet werden!");
    EXPECT_EQ(FarbwahlFehler(kal, 4, 0xFFFFFF),
              "Die Farbe \"weiß\" darf nicht verwendet werden!");
    EXPECT_EQ(FarbwahlFehler(kal, 4, Rot), "Diese Farbe ist schon für \"Dienst\" verwendet!");
    EXPECT_EQ(FarbwahlFehler(kal, 1, kal.Farbwerte[5]),
              "Diese Farbe ist schon für eine nicht benannte Farbe verwendet!");
    EXPECT_EQ(FarbwahlFehler(kal, 2, Rot), std::nullopt);  // its own value
    EXPECT_EQ(FarbwahlFehler(kal, 2, Orange), std::nullopt);
    // A refused colour changes nothing.
    Tag(1) = {Rot};
    EXPECT_TRUE(b.FarbwertSetzen(2, Blau).has_value());
    EXPECT_EQ(kal.Farbwerte[2], Rot);
    EXPECT_FALSE(kal.geaendert);
}

TEST_F(FarbbearbeitungTest, FarbwertErsetzenImDokumentUndInDenListen) {
    TFarbhistorie historie(kal);
    Tag(1) = {Blau, Rot};
    kal.Tagesfarben(1901, 1, 1) = {Rot};
    kal.Tagesfarben(2099, 12, 31) = {Rot, Rot};
    TTermin t{"10:00", "Dienst"};
    t.Farbe = Rot;
    kal.Terminliste(2050, 3, 3) = {TTermin{}, t};
    historie.FarbaenderungMerken(1, 6, 2009);
    Tag(1) = {Blau};
    historie.FarbaenderungMerken(2, 6, 2009);  // no colours
    Tag(2) = {Rot};
    historie.Rueckgaengig();  // 2 June's [Rot] goes to the redo list
    b.FarbfeldKlick(2);

    EXPECT_EQ(b.FarbwertSetzen(2, Orange), std::nullopt);
    EXPECT_EQ(kal.Farbwerte[2], Orange);
    EXPECT_TRUE(kal.geaendert);
    EXPECT_EQ(kal.Tagesfarben(1901, 1, 1), TTagesfarben{Orange});
    EXPECT_EQ(kal.Tagesfarben(2099, 12, 31), (TTagesfarben{Orange, Orange}));
    EXPECT_EQ(kal.Terminliste(2050, 3, 3)[1].Farbe, Orange);
    EXPECT_EQ(b.Aktuell().farbe, Orange);
    ASSERT_EQ(historie.Undoliste().size(), 1u);
    EXPECT_EQ(historie.Undoliste()[0].farben, (TTagesfarben{Blau, Orange}));
    ASSERT_EQ(historie.Redoliste().size(), 1u);
    EXPECT_EQ(historie.Redoliste()[0].farben, TTagesfarben{Orange});
    // Undo brings back the new value, not the old one.
    historie.Rueckgaengig();
    EXPECT_EQ(Tag(1), (TTagesfarben{Blau, Orange}));
}

TEST_F(FarbbearbeitungTest, Kontextmenue) {
    const Datum tag{5, 6, 2009};
    const auto sichtbar = [](const std::vector<Farbmenueeintrag>& v) {
        std::vector<int> slots;
        for (const Farbmenueeintrag& e : v)
            if (e.sichtbar) slots.push_back(e.slot);
        return slots;
    };
    Tag(5) = {Rot};
    struct Fall {
        M modus;
        bool ueberTag;
        bool schreibgeschuetzt;
        std::vector<int> farben;
        std::array<std::vector<int>, 3> unter;
        bool unterSichtbar;
    };
    const Fall faelle[] = {
        {M::Hinzufuegen, true, false, {1, 3}, {}, false},
        {M::Loeschen, true, false, {2}, {}, false},
        {M::Neu, true, false, {1, 2, 3}, {}, false},
        {M::Keine, true, false, {}, {{{1, 2, 3}, {1, 3}, {2}}}, true},
        {M::Keine, false, false, {}, {}, false},
        {M::Hinzufuegen, false, false, {}, {}, false},
        {M::Keine, true, true, {}, {{{1, 2, 3}, {1, 3}, {2}}}, true},
    };
    for (const Fall& f : faelle) {
        const std::optional<Datum> wo = f.ueberTag ? std::optional<Datum>(tag) : std::nullopt;
        const Kontextmenue m = KontextmenueAufbauen(kal, wo, f.modus, f.schreibgeschuetzt);
        SCOPED_TRACE(int(f.modus));
        EXPECT_EQ(sichtbar(m.farben), f.farben);
        EXPECT_EQ(m.farben.size(), 20u);
        EXPECT_EQ(m.farben[3].slot, 13);  // the colour-menu order
        for (int u = 0; u < 3; ++u) {
            EXPECT_EQ(m.unter[u].sichtbar, f.unterSichtbar);
            EXPECT_EQ(sichtbar(m.unter[u].eintraege), f.unter[u]);
            EXPECT_EQ(m.unter[u].aktiv, !f.unter[u].empty() && !f.schreibgeschuetzt);
        }
        EXPECT_EQ(m.farbeLoeschenAktiv, f.ueberTag && !f.schreibgeschuetzt);
        EXPECT_EQ(m.farbenAktiv, !f.schreibgeschuetzt);
    }
    // Caption by the number of colours; a day without colours has nothing to delete.
    EXPECT_EQ(KontextmenueAufbauen(kal, tag, M::Keine, false).farbeLoeschenTitel,
              "Farbe löschen");
    Tag(5) = {Rot, Blau};
    EXPECT_EQ(KontextmenueAufbauen(kal, tag, M::Keine, false).farbeLoeschenTitel,
              "Farben löschen");
    Tag(5).clear();
    const Kontextmenue leer = KontextmenueAufbauen(kal, tag, M::Keine, false);
    EXPECT_FALSE(leer.farbeLoeschenAktiv);
    EXPECT_EQ(leer.farbeLoeschenTitel, "Farbe löschen");
    EXPECT_FALSE(leer.unter[2].aktiv);  // nothing to remove
    EXPECT_TRUE(leer.unter[1].aktiv);
}

TEST_F(FarbbearbeitungTest, UntermenuesUndFarbenLoeschen) {
    Tag(8) = {Blau};
    b.UntermenueAnwenden(Farbbefehl::Hinzufuegen, 2, 8, 6, 2009);
    EXPECT_EQ(Tag(8), (TTagesfarben{Blau, Rot}));
    b.UntermenueAnwenden(Farbbefehl::Loeschen, 3, 8, 6, 2009);
    EXPECT_EQ(Tag(8), TTagesfarben{Rot});
    b.UntermenueAnwenden(Farbbefehl::Neu, 1, 8, 6, 2009);
    EXPECT_EQ(Tag(8), TTagesfarben{Gelb});
    b.FarbenLoeschen(8, 6, 2009);
    EXPECT_TRUE(Tag(8).empty());
    EXPECT_EQ(gemerkt.size(), 4u);
}

// A read-only document is refused in the logic, whichever window asks.
TEST(Farbbearbeitung, SchreibgeschuetztesDokumentBleibtUnveraendert) {
    TKalender kal;
    kal.Farbnamen[2] = "Dienst";
    bool gesperrt = true;
    int gemerkt = 0;
    TFarbbearbeitung b{kal, [&](int, int, int) { ++gemerkt; }, [&] { return gesperrt; }};
    kal.Tagesfarben(2009, 6, 8) = {Blau};
    b.FarbfeldKlick(2);
    b.ModusSetzen(Farbbearbeitung::Neu);
    EXPECT_FALSE(b.DirektMalen(8, 6, 2009));
    EXPECT_FALSE(b.FarbeAnwenden(2, 8, 6, 2009));
    EXPECT_FALSE(b.UntermenueAnwenden(Farbbefehl::Hinzufuegen, 2, 8, 6, 2009));
    EXPECT_FALSE(b.FarbenLoeschen(8, 6, 2009));
    EXPECT_FALSE(b.FarbnameSetzen(2, "Reise"));
    EXPECT_TRUE(b.FarbwertSetzen(2, 0x123456).has_value());
    EXPECT_EQ(kal.Tagesfarben(2009, 6, 8), TTagesfarben{Blau});
    EXPECT_EQ(kal.Farbnamen[2], "Dienst");
    EXPECT_EQ(kal.Farbwerte[2], Rot);
    EXPECT_EQ(gemerkt, 0);
    EXPECT_FALSE(kal.geaendert);
    gesperrt = false;
    EXPECT_TRUE(b.DirektMalen(8, 6, 2009));
    EXPECT_EQ(kal.Tagesfarben(2009, 6, 8), TTagesfarben{Rot});

    // The undo history follows the same rule.
    TFarbhistorie h(kal);
    h.FarbaenderungMerken(8, 6, 2009);
    kal.Tagesfarben(2009, 6, 8) = {Gelb};
    h.SperreSetzen([&] { return gesperrt; });
    gesperrt = true;
    EXPECT_FALSE(h.Rueckgaengig());
    EXPECT_EQ(kal.Tagesfarben(2009, 6, 8), TTagesfarben{Gelb});
    gesperrt = false;
    EXPECT_TRUE(h.Rueckgaengig());
    EXPECT_EQ(kal.Tagesfarben(2009, 6, 8), TTagesfarben{Rot});
}

TEST(Farbzellen, ZaehlungNeuzeichnenUndBlinken) {
    TKalender kal;
    test::StehendeUhr uhr{Zeitpunkt{2009, 6, 15, 12, 0, 0}};
    AusgewaehlterTag auswahl;
    TJahresansicht ansicht{kal, uhr, auswahl};
    test::AufzeichnendeLeinwand l;
    Fenstermasse f;
    f.aussenBreite = 1024;
    f.clientHoehe = 530;
    ansicht.JahresansichtAnordnen(f, l);
    ansicht.JahrSetzen(2009);
    kal.Tagesfarben(2009, 6, 17) = {Gelb, Rot};
    kal.Tagesfarben(2009, 12, 31) = {Rot, 0x123456};  // the second is no slot's colour
    kal.Tagesfarben(2010, 1, 1) = {Rot};
    const auto z = Farbzaehlung(kal, 2009);
    EXPECT_EQ(z[1], 1);
    EXPECT_EQ(z[2], 2);
    EXPECT_EQ(z[0], 0);

    const Rechteck zelle = ansicht.TagesZelle(17, 6);
    EXPECT_EQ(TagNeuZeichnen(ansicht, 17, 6, 2009), zelle);
    EXPECT_EQ(TagNeuZeichnen(ansicht, 1, 1, 2010), std::nullopt);
    EXPECT_EQ(TagNeuZeichnen(ansicht, 30, 2, 2009), std::nullopt);

    const std::vector<Rechteck> blinken = Blinkzellen(ansicht, kal, Rot);
    ASSERT_EQ(blinken.size(), 2u);
    EXPECT_EQ(blinken[0], (Rechteck{zelle.links + 1, zelle.oben + 1, zelle.rechts, zelle.unten}));
    EXPECT_TRUE(Blinkzellen(ansicht, kal, Blau).empty());
}

}  // namespace
}  // namespace kalvora
