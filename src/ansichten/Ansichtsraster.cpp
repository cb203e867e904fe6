#include "ansichten/Ansichtsraster.h"

#include "kalender/TKalender.h"

namespace kalvora {
namespace {

Rechteck Zelle(int links, int oben, int breite, int hoehe) {
    return {links, oben, links + breite, oben + hoehe};
}

}  // namespace

Rechteck Erweitert(const Rechteck& r, int n) {
    return {r.links - n, r.oben - n, r.rechts + n, r.unten + n};
}

std::string DatumMitPunkten(const Datum& d) { return DatumText(d.tag, d.monat, d.jahr); }

// ---- month view ----------------------------------------------------------------------

Rechteck MonatsZelle(int i, int breite, int hoehe, int leiste) {
    const int b = (breite - 28) / 4;
    const int h = (hoehe - leiste - 44) / 8;
    const int spalte = (i - 1) / 8;
    const int zeile = (i - 1) % 8;
    return Zelle(8 + spalte * (b + 4), leiste + 8 + zeile * (h + 4), b, h);
}

bool MonatZurueckMoeglich(int monat, int jahr) { return !(monat == 1 && jahr <= ErstesJahr); }
bool MonatVorMoeglich(int monat, int jahr) { return !(monat == 12 && jahr >= LetztesJahr); }

Datum MonatZurueck(int monat, int jahr) {
    if (monat == 1) return jahr > ErstesJahr ? Datum{31, 12, jahr - 1} : Datum{1, 1, jahr};
    return {15, monat - 1, jahr};
}

Datum MonatVor(int monat, int jahr) {
    if (monat == 12) return jahr < LetztesJahr ? Datum{1, 1, jahr + 1} : Datum{31, 12, jahr};
    return {1, monat + 1, jahr};
}

std::string MonatsansichtTitel(int monat, int jahr) {
    return "Monatsansicht : " + Monatsname(monat) + " " + std::to_string(jahr);
}

int SonntagsrahmenIndex(int tag) { return tag >= 29 ? 4 : (tag - 1) / 7; }

// ---- month view by weeks ---------------------------------------------------------------

int ErsterWochentag(int monat, int jahr) {
    const int w = Wochentag(1, monat, jahr);  // 0 = Sunday
    return w == 0 ? 7 : w;
}

int MowoTag(int i, int monat, int jahr) { return i - ErsterWochentag(monat, jahr) + 1; }

int MowoSpalten(int monat, int jahr) {
    const int tage = TageImMonat(monat, jahr);
    const auto belegt = [&](int i) {
        const int d = MowoTag(i, monat, jahr);
        return d >= 1 && d <= tage;
    };
    if (!belegt(29)) return 4;
    return belegt(36) ? 6 : 5;
}

int WochennummerDesDonnerstags(const Datum& donnerstag) {
    return (TagDesJahres(donnerstag.tag, donnerstag.monat, donnerstag.jahr) - 1) / 7 + 1;
}

std::array<int, 6> MowoKalenderwochen(int monat, int jahr) {
    // Every date of the month's cells as a day number; cells before the 1st count back.
    const int32_t erster = Tagesnummer(1, monat, jahr);
    const auto datum = [&](int i) {
        return DatumAusTagesnummer(erster + MowoTag(i, monat, jahr) - 1);
    };
    std::array<int, 6> kw{};
    // Column 1: three days before its Sunday (cell 7).
    const Datum sonntag = datum(7);
    kw[0] = WochennummerDesDonnerstags(
        DatumAusTagesnummer(Tagesnummer(sonntag.tag, sonntag.monat, sonntag.jahr) - 3));
    kw[1] = WochennummerDesDonnerstags(datum(11));
    kw[2] = WochennummerDesDonnerstags(datum(18));
    const Datum d25 = datum(25);
    kw[3] = WochennummerDesDonnerstags(d25);
    const int32_t n25 = Tagesnummer(d25.tag, d25.monat, d25.jahr);
    kw[4] = WochennummerDesDonnerstags(DatumAusTagesnummer(n25 + 7));
    kw[5] = WochennummerDesDonnerstags(DatumAusTagesnummer(n25 + 14));
    return kw;
}

Rechteck MowoZelle(int i, int spalten, const Mowomasse& m) {
    const int k = spalten < 1 ? 1 : spalten;
    const int b = (m.breite - 24 - (4 * k - 4) - m.labelBreite) / k;
    const int h = (m.hoehe - m.leiste - m.kopfHoehe - 16 - 24) / 7;
    const int spalte = (i - 1) / 7;
    const int zeile = (i - 1) % 7;
    const int links = 2 * 8 + m.labelBreite;
    const int oben = m.leiste + 8 + m.kopfHoehe;
    return Zelle(links + spalte * (b + 4), oben + zeile * (h + 4), b, h);
}

Rechteck MowoSonntagsrahmen(int spalten, bool sonntagInSpalte5, const Mowomasse& m) {
    const Rechteck z = MowoZelle(7, spalten, m);
    const int b = z.Breite();
    const int breite = sonntagInSpalte5 ? 5 * b + 24 : 4 * b + 20;
    return {z.links - 4, z.oben - 4, z.links - 4 + breite, z.oben - 4 + z.Hoehe() + 8};
}

// ---- week and two-week views -----------------------------------------------------------

Datum MontagDerWoche(const Datum& d) {
    const int w = Wochentag(d.tag, d.monat, d.jahr);
    const int zurueck = w == 0 ? 6 : w - 1;
    return DatumAusTagesnummer(Tagesnummer(d.tag, d.monat, d.jahr) - zurueck);
}

std::array<Datum, 14> TageAb(const Datum& erster) {
    std::array<Datum, 14> tage{};
    const int32_t n = Tagesnummer(erster.tag, erster.monat, erster.jahr);
    for (int i = 0; i < 14; ++i) tage[i] = DatumAusTagesnummer(n + i);
    return tage;
}

Datum TagDanach(const Datum& d) {
    return DatumAusTagesnummer(Tagesnummer(d.tag, d.monat, d.jahr) + 1);
}

Datum TagDavor(const Datum& d) {
    return DatumAusTagesnummer(Tagesnummer(d.tag, d.monat, d.jahr) - 1);
}

Rechteck WochenZelle(int i, int breite, int hoehe, int leiste) {
    const int h = (hoehe - leiste - 40) / 4;
    const int b = (breite - 24) / 2;
    const int spalte = (i - 1) / 4;
    const int zeile = (i - 1) % 4;
    return Zelle(8 + spalte * (b + 8), leiste + 8 + zeile * (h + 8), b, h);
}

Rechteck ZweiwochenZelle(int i, const Mowomasse& m) {
    const int b = (m.breite - m.labelBreite - 28) / 2;
    const int h = (m.hoehe - m.leiste - m.kopfHoehe - 40) / 7;
    const int spalte = (i - 1) / 7;
    const int zeile = (i - 1) % 7;
    const int links = m.labelBreite + 16;
    const int oben = m.leiste + m.kopfHoehe + 8;
    return Zelle(links + spalte * (b + 4), oben + zeile * (h + 4), b, h);
}

Rechteck ZweiwochenSonntagsrahmen(const Mowomasse& m) {
    const Rechteck z = ZweiwochenZelle(7, m);
    return {z.links - 4, z.oben - 4, z.links - 4 + 2 * z.Breite() + 12, z.unten + 4};
}

}  // namespace kalvora
