#include "main/Jahresgeometrie.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

JahresMetrik Metrik24x20() {
    JahresMetrik m;
    m.CW = 24;
    m.RH = 20;
    return m;
}

TEST(Jahresgeometrie, MetrikAusFenstermassen) {
    struct Fall {
        int breite, client, panel, status, oben;
        int g, cw, rh;
    };
    const Fall faelle[] = {
        {1024, 530, 0, 0, 0, 995, 24, 20},
        {760, 530, 0, 0, 0, 736, 17, 20},
        {1024, 529, 0, 0, 0, 995, 24, 19},        // RH is truncated, not rounded
        {1024, 700, 100, 20, 50, 995, 24, 20},  // 530 pixels left for the view
        {1280, 1024, 0, 0, 0, 1246, 31, 39},
    };
    for (const Fall& f : faelle) {
        Fenstermasse fm;
        fm.aussenBreite = f.breite;
        fm.clientHoehe = f.client;
        fm.unteresPanelHoehe = f.panel;
        fm.statusleisteHoehe = f.status;
        fm.ansichtOben = f.oben;
        const JahresMetrik m = MetrikBerechnen(fm);
        SCOPED_TRACE(testing::Message() << f.breite << " x " << f.client);
        EXPECT_EQ(m.X0, 100);
        EXPECT_EQ(m.Y0, 23);
        EXPECT_EQ(m.G, f.g);
        EXPECT_EQ(m.CW, f.cw);
        EXPECT_EQ(m.RH, f.rh);
    }
}

TEST(Jahresgeometrie, TagAnPositionSpaltenUndMonate) {
    // January 2007 starts on a Monday, so column v is day v there.
    const JahresMetrik m = Metrik24x20();
    struct Fall {
        int x, y;
        int tag, monat;  // 0: no day
    };
    const Fall faelle[] = {
        {99, 50, 0, 0},    {100, 50, 1, 1},  {123, 50, 1, 1},   {124, 50, 2, 1},
        {100, 42, 0, 0},   {100, 43, 1, 1},  {100, 82, 1, 1},   {172, 83, 1, 2},
        {100, 503, 0, 0},  {220, 502, 1, 12}, {76, 50, 0, 0},   {75, 50, 0, 0},
        {100, 0, 0, 0},    {100, -100, 0, 0}, {-500, 50, 0, 0}, {100 + 31 * 24, 50, 0, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "x=" << f.x << " y=" << f.y);
        const auto tm = TagAnPosition(m, 2007, f.x, f.y);
        if (f.tag == 0) {
            EXPECT_FALSE(tm.has_value());
        } else {
            ASSERT_TRUE(tm.has_value());
            EXPECT_EQ(tm->tag, f.tag);
            EXPECT_EQ(tm->monat, f.monat);
        }
    }
}

TEST(Jahresgeometrie, MonatBeginntAmSonntag) {
    // March 2009: offset 6, 31 days filling columns 6..36.
    const JahresMetrik m = Metrik24x20();
    const int y = TagesZelle(m, 1, 3, 2009).oben + 1;
    for (int v = 1; v <= 6; ++v)
        EXPECT_FALSE(TagAnPosition(m, 2009, m.X0 + (v - 1) * m.CW, y).has_value()) << v;
    auto tag = [&](int v) { return TagAnPosition(m, 2009, m.X0 + (v - 1) * m.CW + 5, y); };
    ASSERT_TRUE(tag(7).has_value());
    EXPECT_EQ(tag(7)->tag, 1);
    ASSERT_TRUE(tag(37).has_value());
    EXPECT_EQ(tag(37)->tag, 31);
    EXPECT_EQ(TagesZelle(m, 31, 3, 2009), (Rechteck{100 + 36 * 24, 5 * 20 + 23, 100 + 37 * 24,
                                                    7 * 20 + 23}));
}

TEST(Jahresgeometrie, ZelleUndTrefferStimmenUeberein) {
    // Every pixel of every cell maps back to its own day (leap February included).
    const JahresMetrik m = Metrik24x20();
    for (int jahr : {2004, 2009}) {
        for (int monat = 1; monat <= 12; ++monat) {
            for (int tag = 1; tag <= TageImMonat(monat, jahr); ++tag) {
                const Rechteck z = TagesZelle(m, tag, monat, jahr);
                for (Punkt p : {Punkt{z.links, z.oben}, Punkt{z.rechts - 1, z.unten - 1}}) {
                    const auto tm = TagAnPosition(m, jahr, p.x, p.y);
                    ASSERT_TRUE(tm.has_value()) << tag << "." << monat << "." << jahr;
                    EXPECT_EQ(tm->tag, tag);
                    EXPECT_EQ(tm->monat, monat);
                }
            }
        }
    }
    const Rechteck feb29 = TagesZelle(m, 29, 2, 2004);
    EXPECT_FALSE(TagAnPosition(m, 2004, feb29.rechts, feb29.oben).has_value());
}

TEST(Jahresgeometrie, ZuKleineMetrikHatKeineTage) {
    JahresMetrik m;
    EXPECT_FALSE(TagAnPosition(m, 2004, 150, 60).has_value());
}

TEST(Jahresgeometrie, MindestgroesseDesFensters) {
    EXPECT_EQ(FenstergroesseBegrenzen({500, 300}), (Groesse{760, 540}));
    EXPECT_EQ(FenstergroesseBegrenzen({1024, 300}), (Groesse{1024, 540}));
    EXPECT_EQ(FenstergroesseBegrenzen({1024, 768}), (Groesse{1024, 768}));
}

}  // namespace
}  // namespace kalvora
