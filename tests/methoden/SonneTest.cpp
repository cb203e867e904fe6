#include "methoden/Sonne.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace kalvora {
namespace {

Sonnenzeiten Standardort(int tag, int monat, int jahr, bool sommerzeit = true) {
    return SonnenAufUntergang(sommerzeit, DatumWert(tag, monat, jahr), StandardAbweichung,
                              StandardBreite, StandardLaenge);
}

// Published times for the default place (hh:mm, daylight-saving hour included).
TEST(Sonne, StandardortBekannteZeiten) {
    struct Fall {
        int tag, monat, jahr;
        const char* aufgang;
        const char* untergang;
    } faelle[] = {
        {21, 6, 2004, "05:09", "21:53"},
        {21, 12, 2004, "08:35", "16:20"},
        {28, 3, 2004, "07:12", nullptr},  // the whole switch day counts as summer time
        {31, 10, 2004, "07:23", "17:01"},  // the switch back day does not
    };
    for (const auto& f : faelle) {
        const TDatum d = DatumWert(f.tag, f.monat, f.jahr);
        const Sonnenzeiten z = Standardort(f.tag, f.monat, f.jahr);
        EXPECT_EQ(SonnenText(z.aufgang, d).substr(0, 5), f.aufgang) << DatumText(d);
        if (f.untergang) {
            EXPECT_EQ(SonnenText(z.untergang, d).substr(0, 5), f.untergang) << DatumText(d);
        }
    }
}

TEST(Sonne, SommerzeitstundeNurZwischenDenUmstellungstagen) {
    struct Fall {
        int tag, monat, jahr;
        double stunde;
    } faelle[] = {
        {27, 3, 2004, 0}, {28, 3, 2004, 1}, {21, 6, 2004, 1}, {30, 10, 2004, 1},
        {31, 10, 2004, 0}, {1, 1, 2004, 0},  {31, 12, 2004, 0}, {30, 3, 2008, 1},
        {29, 3, 2008, 0},  {26, 10, 2008, 0}, {25, 10, 2008, 1},
    };
    for (const auto& f : faelle) {
        const Sonnenzeiten mit = Standardort(f.tag, f.monat, f.jahr, true);
        const Sonnenzeiten ohne = Standardort(f.tag, f.monat, f.jahr, false);
        EXPECT_DOUBLE_EQ(mit.aufgang - ohne.aufgang, f.stunde) << f.tag << "." << f.monat;
        EXPECT_DOUBLE_EQ(mit.untergang - ohne.untergang, f.stunde) << f.tag << "." << f.monat;
    }
}

// An independent sunrise equation (mean solar position with equation of centre and
// obliquity 23.4397°, altitude −0.833°), in universal time hours.
struct Vergleich {
    double aufgang, untergang;
    bool vorhanden;
};
Vergleich SonnengleichungUT(int tag, int monat, int jahr, double breite, double laenge) {
    constexpr double g = std::numbers::pi / 180;
    const double n = Tagesnummer(tag, monat, jahr) - Tagesnummer(1, 1, 2000);
    const double jStern = n - laenge / 360;
    const double m = std::fmod(357.5291 + 0.98560028 * jStern, 360.0);
    const double c = 1.9148 * std::sin(m * g) + 0.02 * std::sin(2 * m * g) +
                     0.0003 * std::sin(3 * m * g);
    const double lambda = std::fmod(m + c + 180 + 102.9372, 360.0);
    const double transit = jStern + 0.0053 * std::sin(m * g) - 0.0069 * std::sin(2 * lambda * g);
    const double sinDek = std::sin(lambda * g) * std::sin(23.4397 * g);
    const double cosDek = std::sqrt(1 - sinDek * sinDek);
    const double cosW = (std::sin(-0.833 * g) - std::sin(breite * g) * sinDek) /
                        (std::cos(breite * g) * cosDek);
    if (std::fabs(cosW) >= 1) return {0, 0, false};
    const double w = std::acos(cosW) / g / 360;
    // transit counts days from 1.1.2000 12:00 UT.
    const auto stunden = [](double t) {
        const double tage = t + 0.5;
        return (tage - std::floor(tage)) * 24;
    };
    return {stunden(transit - w), stunden(transit + w), true};
}

double Abstand(double a, double b) {
    double d = std::fabs(a - b);
    if (d > 12) d = 24 - d;
    return d;
}

TEST(Sonne, StimmtMitUnabhaengigerSonnengleichungUeberein) {
    // Both sides are approximations. The almanac formula knows only the day of the year, so
    // it drifts by up to a day's change of the times towards 1901 and 2099; the reference
    // takes the declination at noon. Both errors grow with the latitude.
    struct Ort {
        double breite, laenge;
    } orte[] = {{StandardBreite, StandardLaenge}, {0, 0}, {-33.87, 151.21}, {40.71, -74.0},
                {64.15, -21.94}};
    constexpr double g = std::numbers::pi / 180;
    for (const auto& o : orte)
        for (int jahr : {1901, 1950, 2004, 2050, 2099}) {
            const double toleranz =
                (1.5 + 2.5 * std::abs(jahr - 2004) / 100.0) / std::cos(o.breite * g) / 60;
            for (int monat = 1; monat <= 12; ++monat)
                for (int tag = 1; tag <= 28; ++tag) {
                    const Sonnenzeiten z = SonnenAufUntergang(false, DatumWert(tag, monat, jahr),
                                                              0.0, o.breite, o.laenge);
                    const Vergleich v = SonnengleichungUT(tag, monat, jahr, o.breite, o.laenge);
                    ASSERT_TRUE(v.vorhanden);
                    EXPECT_LT(Abstand(z.aufgang, v.aufgang), toleranz)
                        << o.breite << " " << tag << "." << monat << "." << jahr;
                    EXPECT_LT(Abstand(z.untergang, v.untergang), toleranz)
                        << o.breite << " " << tag << "." << monat << "." << jahr;
                }
        }
}

TEST(Sonne, PolartageUndPolarnaechteHabenKeineZeiten) {
    struct Fall {
        double breite;
        int tag, monat;
    } faelle[] = {{80, 21, 6}, {80, 21, 12}, {-80, 21, 12}, {-80, 21, 6}, {90, 21, 6},
                  {-90, 1, 1}, {70, 1, 7}};
    for (const auto& f : faelle) {
        const TDatum d = DatumWert(f.tag, f.monat, 2004);
        const Sonnenzeiten z = SonnenAufUntergang(true, d, 1.0, f.breite, StandardLaenge);
        EXPECT_EQ(z.aufgang, -1.0) << f.breite << " " << f.tag << "." << f.monat;
        EXPECT_EQ(z.untergang, -1.0) << f.breite << " " << f.tag << "." << f.monat;
        EXPECT_EQ(SonnenBeschriftung(z, d), "  SA: -  SU: -");
    }
}

TEST(Sonne, TextSchneidetSekundenAbUndKenntDieGrenzen) {
    const TDatum d = DatumWert(21, 6, 2004);
    struct Fall {
        double wert;
        const char* text;
    } faelle[] = {
        {5 + 17.0 / 60 + 58.9 / 3600, "05:17:58"},
        {5 + 17.0 / 60 + 59.999 / 3600, "05:17:59"},
        {0.0, "00:00:00"},
        {24.0, "00:00:00"},  // not above 24, so still formatted
        {24.0001, "-"},
        {-1.0, "-"},
        {-0.0001, "-"},
        {std::numeric_limits<double>::quiet_NaN(), "-"},
        {23 + 59.0 / 60 + 59.5 / 3600, "23:59:59"},
    };
    for (const auto& f : faelle) EXPECT_EQ(SonnenText(f.wert, d), f.text) << f.wert;
    // The date's own time of day does not shift the text.
    EXPECT_EQ(SonnenText(6.5, d + 0.75), "06:30:00");
}

TEST(Sonne, GrosseAbweichungGibtStrichStattFalscherUhrzeit) {
    const TDatum d = DatumWert(21, 6, 2004);
    const Sonnenzeiten z = SonnenAufUntergang(true, d, 5.0, StandardBreite, StandardLaenge);
    EXPECT_GT(z.untergang, 24.0);
    EXPECT_EQ(SonnenText(z.untergang, d), "-");
    EXPECT_NE(SonnenText(z.aufgang, d), "-");
    const Sonnenzeiten w = SonnenAufUntergang(false, d, -8.0, StandardBreite, StandardLaenge);
    EXPECT_LT(w.aufgang, 0.0);
    EXPECT_EQ(SonnenText(w.aufgang, d), "-");
}

TEST(Sonne, Beschriftung) {
    const TDatum d = DatumWert(21, 12, 2004);
    EXPECT_EQ(SonnenBeschriftung(Standardort(21, 12, 2004), d), "  SA: 08:35:27  SU: 16:20:25");
}

}  // namespace
}  // namespace kalvora
