#include "methoden/Methoden.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "Version.h"
#include "methoden/Fehler.h"

namespace kalvora {

namespace {

// Floor division and modulo for the serial day arithmetic.
constexpr int64_t AbgerundetGeteilt(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1.3.0000 style civil-from-days (Howard Hinnant's algorithm), shifted to the
// serial epoch 30.12.1899.
constexpr int64_t kEpocheVerschiebung = 693899;  // days from 0000-03-01 to 1899-12-30

int64_t TageAusZivil(int64_t j, int m, int t) {
    j -= m <= 2;
    const int64_t era = AbgerundetGeteilt(j, 400);
    const int64_t yoe = j - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + t - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

int ZifferAn(std::string_view text, std::size_t i) {
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        throw Konvertierungsfehler("'" + std::string(text) + "' ist keine gültige Uhrzeit");
    return text[i] - '0';
}

std::string ZweiStellig(int n) {
    std::string s = std::to_string(n);
    return n < 10 && n >= 0 ? "0" + s : s;
}

const std::array<const char*, 12> kMonate = {"Januar",  "Februar",   "März",    "April",
                                             "Mai",     "Juni",      "Juli",    "August",
                                             "September", "Oktober", "November", "Dezember"};
const std::array<const char*, 7> kWochentage = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                "Donnerstag", "Freitag", "Samstag"};
const std::array<const char*, 7> kWochentageKurz = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};

// ISO weekday, Monday = 1 … Sunday = 7.
int IsoWochentag(int tag, int monat, int jahr) {
    int w = Wochentag(tag, monat, jahr);
    return w == 0 ? 7 : w;
}

int KalenderwocheVon(int tag, int monat, int jahr) {
    const int w1 = IsoWochentag(1, 1, jahr);
    int n = TagDesJahres(tag, monat, jahr);
    if (w1 >= 5)
        n -= 8 - w1;
    else
        n += w1 - 1;
    if (n <= 0) return KalenderwocheVon(31, 12, jahr - 1);
    int woche = n / 7 + (n % 7 != 0 ? 1 : 0);
    if (woche > 52) {
        int w31 = w1 + (IstSchaltjahr(jahr) ? 1 : 0);
        if (w31 > 7) w31 = 1;
        if (w31 <= 3) woche = 1;
    }
    return woche;
}

}  // namespace

bool IstSchaltjahr(int jahr) {
    return jahr % 400 == 0 || (jahr % 4 == 0 && jahr % 100 != 0);
}

int TageImMonat(int monat, int jahr) {
    switch (monat) {
        case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
        case 4: case 6: case 9: case 11: return 30;
        case 2: return IstSchaltjahr(jahr) ? 29 : 28;
        default: return 0;
    }
}

int TagDesJahres(int tag, int monat, int jahr) {
    int summe = tag;
    for (int m = 1; m < monat && m <= 12; ++m) summe += TageImMonat(m, jahr);
    return summe;
}

TagMonat DatumAusTagDesJahres(int tagDesJahres, int jahr) {
    if (tagDesJahres <= 31) return {tagDesJahres, 1};
    int rest = tagDesJahres;
    for (int m = 1; m <= 12; ++m) {
        const int laenge = TageImMonat(m, jahr);
        if (rest <= laenge) return {rest, m};
        rest -= laenge;
    }
    throw Bereichsfehler("Tag " + std::to_string(tagDesJahres) + " liegt nach dem Ende des Jahres " +
                         std::to_string(jahr));
}

int TagDesJahresVonDatum(TDatum datum) {
    const Datum d = DatumAusWert(datum);
    const double tage = std::trunc(datum - DatumWert(31, 12, d.jahr - 1));
    return static_cast<int>(tage);
}

int Wochentag(int tag, int monat, int jahr) {
    int m, j;
    if (monat <= 2) {
        if (jahr == 0) throw Bereichsfehler("Jahr 0 liegt außerhalb des Bereichs");
        m = monat + 10;
        j = jahr - 1;
    } else {
        m = monat - 2;
        j = jahr;
    }
    const int y = j % 100;
    const int c = j / 100;
    int w = tag + (13 * m - 1) / 5 + y + y / 4 + c / 4 - 2 * c;
    w %= 7;
    if (w < 0) w += 7;
    return w;
}

TagMonat Ostersonntag(int jahr) {
    const int a = jahr % 19, b = jahr / 100, c = jahr % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    return {(h + l - 7 * m + 114) % 31 + 1, (h + l - 7 * m + 114) / 31};
}

int Kalenderwoche(TDatum datum) {
    const Datum d = DatumAusWert(datum);
    return KalenderwocheVon(d.tag, d.monat, d.jahr);
}

int32_t Tagesnummer(int tag, int monat, int jahr) {
    return static_cast<int32_t>(TageAusZivil(jahr, monat, tag) - kEpocheVerschiebung);
}

Datum DatumAusTagesnummer(int32_t nummer) {
    int64_t z = static_cast<int64_t>(nummer) + kEpocheVerschiebung;
    const int64_t era = AbgerundetGeteilt(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int t = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int64_t j = yoe + era * 400 + (m <= 2);
    return {t, m, static_cast<int>(j)};
}

TDatum DatumWert(int tag, int monat, int jahr) { return Tagesnummer(tag, monat, jahr); }

Datum DatumAusWert(TDatum wert) {
    return DatumAusTagesnummer(static_cast<int32_t>(std::floor(wert)));
}

bool IstGueltigesDatum(int tag, int monat, int jahr) {
    return jahr >= 1 && jahr <= 9999 && monat >= 1 && monat <= 12 && tag >= 1 &&
           tag <= TageImMonat(monat, jahr);
}

std::string DatumText(int tag, int monat, int jahr) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%02d.%02d.%04d", tag, monat, jahr);
    return puffer;
}

std::string DatumText(TDatum wert) {
    const Datum d = DatumAusWert(wert);
    return DatumText(d.tag, d.monat, d.jahr);
}

TDatum TextAlsDatum(std::string_view text) {
    int teile[3] = {0, 0, 0};
    int anzahl = 0, ziffern = 0;
    for (char c : text) {
        if (c == '.') {
            if (ziffern == 0 || anzahl >= 2) { anzahl = -1; break; }
            ++anzahl;
            ziffern = 0;
        } else if (c >= '0' && c <= '9' && ziffern < 5) {
            teile[anzahl] = teile[anzahl] * 10 + (c - '0');
            ++ziffern;
        } else {
            anzahl = -1;
            break;
        }
    }
    if (anzahl != 2 || ziffern == 0 || !IstGueltigesDatum(teile[0], teile[1], teile[2]))
        throw Konvertierungsfehler("'" + std::string(text) + "' ist kein gültiges Datum");
    return DatumWert(teile[0], teile[1], teile[2]);
}

void Monatsname(int monat, std::string& text) {
    if (monat >= 1 && monat <= 12) text = kMonate[monat - 1];
}
void Wochentagsname(int nummer, std::string& text) {
    if (nummer >= 0 && nummer <= 7) text = kWochentage[nummer % 7];
}
void Wochentagskurzname(int nummer, std::string& text) {
    if (nummer >= 0 && nummer <= 7) text = kWochentageKurz[nummer % 7];
}
std::string Monatsname(int monat) {
    std::string s;
    Monatsname(monat, s);
    return s;
}
std::string Wochentagsname(int nummer) {
    std::string s;
    Wochentagsname(nummer, s);
    return s;
}
std::string Wochentagskurzname(int nummer) {
    std::string s;
    Wochentagskurzname(nummer, s);
    return s;
}

std::string OhneJahr(std::string_view text) {
    std::string s(text);
    if (s.size() > 6) s.erase(6, 4);
    return s;
}

std::string ZeitPlusMinuten(std::string_view hhmm, int minuten) {
    const int hh = ZifferAn(hhmm, 0) * 10 + ZifferAn(hhmm, 1);
    const int mm = ZifferAn(hhmm, 3) * 10 + ZifferAn(hhmm, 4);
    // Wide enough for any duration a file can hold.
    const int64_t t = int64_t{hh} * 60 + mm + minuten;
    if (t == 1440) return "24:" + ZweiStellig(0);
    int stunden = static_cast<int>((t / 60) % 24);
    int rest = static_cast<int>(t % 60);
    if (rest < 0) { rest += 60; --stunden; }
    if (stunden < 0) stunden += 24;
    return ZweiStellig(stunden) + ":" + ZweiStellig(rest);
}

std::string MinutenAlsDauer(int minuten) {
    return ZweiStellig(minuten / 60) + ":" + ZweiStellig(minuten % 60) + "h";
}

std::string DauerZwischen(int startMinuten, int endMinuten) {
    return MinutenAlsDauer(endMinuten - startMinuten);
}

double TextAlsZeit(std::string_view hhmm) {
    const int hh = ZifferAn(hhmm, 0) * 10 + ZifferAn(hhmm, 1);
    const int mm = ZifferAn(hhmm, 3) * 10 + ZifferAn(hhmm, 4);
    if (mm >= 60) throw Konvertierungsfehler("'" + std::string(hhmm) + "' ist keine gültige Uhrzeit");
    return (hh / 24) + ((hh % 24) * 60 + mm) / 1440.0;
}

void SortiereTexte(bool aufsteigend, std::vector<std::string>& liste) {
    if (liste.size() < 2) return;
    for (std::size_t i = 0; i + 1 < liste.size(); ++i) {
        std::size_t bester = i;
        for (std::size_t j = i + 1; j < liste.size(); ++j) {
            // std::string compares char_traits<char>, i.e. unsigned bytes.
            const int v = liste[j].compare(liste[bester]);
            if (aufsteigend ? v < 0 : v > 0) bester = j;
        }
        if (bester != i) std::swap(liste[i], liste[bester]);
    }
}

std::string Dateiversion() { return KALVORA_VERSION; }

std::string XmlText(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&') s += "&amp;";
        else if (c == '<') s += "&lt;";
        else if (c == '>') s += "&gt;";
        else if (text.substr(i, 3) == "\xE2\x82\xAC") { s += "&#x20AC;"; i += 2; }
        else if (text.substr(i, 2) == "\xC2\xA9") { s += "&#169;"; i += 1; }
        // XML 1.0 cannot hold NUL or a C0 control other than TAB, LF and CR at all.
        else if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {}
        else s.push_back(c);
    }
    return s;
}

std::string FarbeAlsHex(std::string_view hex) {
    std::string s(hex);
    if (s.size() < 6) s.insert(0, 6 - s.size(), '0');
    return s.substr(4, 2) + s.substr(2, 2) + s.substr(0, 2);
}

uint32_t Komplementaerfarbe(uint32_t farbe) { return 0xFFFFFFu - (farbe & 0xFFFFFFu); }

}  // namespace kalvora
