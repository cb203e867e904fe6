#pragma once
// Calendar arithmetic, German names and clock-time texts: the toolbox every window uses.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora {

// A date value: days since 30.12.1899 with the time of day as fraction.
using TDatum = double;
// "No date": 31.12.9999.
constexpr TDatum KeinDatum = 2958465.0;

struct TagMonat {
    int tag;
    int monat;
};
struct Datum {
    int tag, monat, jahr;
    bool operator==(const Datum&) const = default;
};

bool IstSchaltjahr(int jahr);
int TageImMonat(int monat, int jahr);
int TagDesJahres(int tag, int monat, int jahr);
TagMonat DatumAusTagDesJahres(int tagDesJahres, int jahr);  // Bereichsfehler past 31.12.
int TagDesJahresVonDatum(TDatum datum);
int Wochentag(int tag, int monat, int jahr);  // 0 = Sonntag … 6 = Samstag
TagMonat Ostersonntag(int jahr);
int Kalenderwoche(TDatum datum);

// Serial day number (day 0 = 30.12.1899) of a proleptic Gregorian date and back.
int32_t Tagesnummer(int tag, int monat, int jahr);
Datum DatumAusTagesnummer(int32_t nummer);
TDatum DatumWert(int tag, int monat, int jahr);
Datum DatumAusWert(TDatum wert);  // whole days, the fraction is dropped
bool IstGueltigesDatum(int tag, int monat, int jahr);
// "dd.mm.yyyy"; KeinDatum as "31.12.9999".
std::string DatumText(int tag, int monat, int jahr);
std::string DatumText(TDatum wert);
// Reads day.month.year with '.' as separator; throws Konvertierungsfehler.
TDatum TextAlsDatum(std::string_view text);

// Names; a number outside the table leaves text unchanged.
void Monatsname(int monat, std::string& text);
void Wochentagsname(int nummer, std::string& text);
void Wochentagskurzname(int nummer, std::string& text);
std::string Monatsname(int monat);
std::string Wochentagsname(int nummer);
std::string Wochentagskurzname(int nummer);
std::string OhneJahr(std::string_view text);

// Clock-time texts hh:mm.
std::string ZeitPlusMinuten(std::string_view hhmm, int minuten);
std::string MinutenAlsDauer(int minuten);
std::string DauerZwischen(int startMinuten, int endMinuten);
double TextAlsZeit(std::string_view hhmm);  // fraction of days, may exceed 1

// Other shared routines.
void SortiereTexte(bool aufsteigend, std::vector<std::string>& liste);
std::string Dateiversion();
// & < > as entities, the euro and copyright signs as references; NUL and the C0 controls
// other than TAB, LF and CR dropped, as no XML 1.0 file can hold them.
std::string XmlText(std::string_view text);
std::string FarbeAlsHex(std::string_view hex);
uint32_t Komplementaerfarbe(uint32_t farbe);

}  // namespace kalvora
