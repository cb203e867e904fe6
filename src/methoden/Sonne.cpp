#include "methoden/Sonne.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace kalvora {

namespace {

constexpr double kGrad = std::numbers::pi / 180.0;
constexpr double kZenit = 90.8333333333333;

double SinG(double g) { return std::sin(g * kGrad); }
double CosG(double g) { return std::cos(g * kGrad); }
double TanG(double g) { return std::tan(g * kGrad); }

// One event; t is the approximate time as day of year plus fraction.
double Ereignis(double t, bool aufgang, double breite, double lngStunde, double abweichung) {
    const double m = 0.9856 * t - 3.289;
    double l = m + 1.916 * SinG(m) + 0.020 * SinG(2 * m) + 282.634;
    if (l < 0)
        l += 360;
    else if (l >= 360)
        l -= 360;

    double ra = std::atan(0.91764 * TanG(l)) / kGrad;
    if (ra < 0)
        ra += 360;
    else if (ra >= 360)
        ra -= 360;
    // Right ascension in the same quadrant as the true longitude.
    ra += std::floor(l / 90) * 90 - std::floor(ra / 90) * 90;
    ra /= 15;

    const double sinDek = 0.39782 * SinG(l);
    const double cosDek = std::cos(std::asin(sinDek));
    const double cosH = (CosG(kZenit) - sinDek * SinG(breite)) / (cosDek * CosG(breite));
    // Written as "not below 1" so that a NaN at the poles also counts as no event.
    if (!(std::fabs(cosH) < 1)) return -1.0;
    const double acosH = std::acos(cosH) / kGrad;
    const double h = (aufgang ? 360 - acosH : acosH) / 15;

    const double lokal = h + ra - 0.06571 * t - 6.622;
    double ut = lokal - lngStunde;
    if (ut < 0)
        ut += 24;
    else if (ut >= 24)
        ut -= 24;
    return ut + abweichung;
}

int TagDesJahresLetzterSonntag(int monat, int jahr) {
    return TagDesJahres(31 - Wochentag(31, monat, jahr), monat, jahr);
}

}  // namespace

Sonnenzeiten SonnenAufUntergang(bool sommerzeit, TDatum datum, double abweichung,
                                double breite, double laenge) {
    const int n = TagDesJahresVonDatum(datum);
    if (sommerzeit) {
        const int jahr = DatumAusWert(datum).jahr;
        if (TagDesJahresLetzterSonntag(3, jahr) <= n && n < TagDesJahresLetzterSonntag(10, jahr))
            abweichung += 1;
    }
    const double lngStunde = laenge / 15;
    const double tAuf = n + (6 - lngStunde) / 24;
    const double tUnter = n + (18 - lngStunde) / 24;
    return {Ereignis(tAuf, true, breite, lngStunde, abweichung),
            Ereignis(tUnter, false, breite, lngStunde, abweichung)};
}

std::string SonnenText(double wert, TDatum datum) {
    if (!(wert >= 0 && wert <= 24)) return "-";
    // Time of day of the whole date plus the value, to the millisecond, seconds cut.
    const double zeitpunkt = std::floor(datum) + wert / 24;
    const double anteil = zeitpunkt - std::floor(zeitpunkt);
    int64_t ms = std::llround(anteil * 86400000.0);
    if (ms >= 86400000) ms -= 86400000;
    const int64_t s = ms / 1000;
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "%02d:%02d:%02d", static_cast<int>(s / 3600),
                  static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
    return puffer;
}

std::string SonnenBeschriftung(const Sonnenzeiten& zeiten, TDatum datum) {
    return "  SA: " + SonnenText(zeiten.aufgang, datum) + "  SU: " +
           SonnenText(zeiten.untergang, datum);
}

}  // namespace kalvora
