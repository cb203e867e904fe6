#pragma once
// The three statistics of a year: how often each named colour occurs on days, how many
// appointments carry it and how many hours they last; the bars a chart of them shows.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "kalender/TKalender.h"

namespace kalvora {

enum class Statistikart { Farbhaeufigkeit, Termindauer, Terminhaeufigkeit };
inline constexpr std::array<Statistikart, 3> Statistikarten = {
    Statistikart::Farbhaeufigkeit, Statistikart::Termindauer, Statistikart::Terminhaeufigkeit};

namespace statistiktexte {
inline constexpr const char* AlleKategorien = "alle Kategorien";
inline constexpr const char* OhneKategorie = "ohne Kategorie";
inline constexpr const char* NichtZugeordneteTage = "Nicht zugeordnete Tage";
inline constexpr const char* NichtZugeordneteTermine = "Nicht zugeordnete Termine";
// The entry of the chooser "Art der Statistik".
const char* Name(Statistikart art);
// "Farbhäufigkeits-Statistik für 2009" …
std::string Titel(Statistikart art, int jahr);
const char* Achsentitel(Statistikart art);
const char* Extrabalken(Statistikart art);
}  // namespace statistiktexte

// Which appointments the two appointment statistics count.
struct Kategoriefilter {
    enum class Art { Alle, Ohne, Name };
    Art art = Art::Alle;
    std::string name;  // for Art::Name

    static Kategoriefilter Alle() { return {}; }
    static Kategoriefilter Ohne() { return {Art::Ohne, {}}; }
    static Kategoriefilter Genau(std::string n) { return {Art::Name, std::move(n)}; }
    // The chooser's text: its two fixed entries or a category name.
    static Kategoriefilter AusText(const std::string& text);
    bool Zaehlt(const TText& kategorie) const;
};

// One value per slot (index 1..20, index 0 unused) and the value of the extra bar.
struct Statistikwerte {
    std::array<double, AnzahlFarben + 1> slot{};
    double extra = 0;
};

// Occurrences of each slot's colour in the day colours of the year; a colour counts for the
// first slot holding it, a day holding it twice counts twice, a colour no slot holds is not
// counted. The extra value is the number of days of the year without any colour.
Statistikwerte Farbhaeufigkeiten(const TKalender& kal, int jahr);
// Hours (Termindauer) or number (Terminhaeufigkeit) of the year's appointments of each slot's
// colour that the filter lets through; the extra value is the same for appointments without
// colour. The info entry of a day never counts.
Statistikwerte Terminwerte(const TKalender& kal, int jahr, Statistikart art,
                           const Kategoriefilter& filter);
// The statistic art of the year (the filter is ignored for the colour statistic).
Statistikwerte StatistikBerechnen(const TKalender& kal, int jahr, Statistikart art,
                                  const Kategoriefilter& filter);

struct Statistikbalken {
    int slot = 0;              // 1..20; 0 for the extra bar
    std::string name;          // the slot's name, or the extra bar's text
    std::string beschriftung;  // the name with every blank a line break
    uint32_t farbe = KeineFarbe;
    double wert = 0;
};

// Whether a value counts as 0.
inline bool IstNull(double wert) { return wert <= 0.0001 && wert >= -0.0001; }
// The label of a bar: every blank becomes a line break.
std::string Balkenbeschriftung(const std::string& name);

// The bars of the chart in slot order (1, 2, 3, 13, 4, …), then the extra bar when anzeige
// is on. The colour statistic leaves out only free slots without a value; the appointment
// statistics show named slots with a value, and the extra bar only with a value.
std::vector<Statistikbalken> StatistikBalken(const TKalender& kal, const Statistikwerte& werte,
                                             Statistikart art, bool anzeige);

// "Name<TAB>Wert" per bar: counts as whole numbers, hours with two decimals.
std::string BalkenAlsText(const std::vector<Statistikbalken>& balken, Statistikart art);
// The value as the chart shows it above the bar (hours with a decimal comma).
std::string Wertanzeige(double wert, Statistikart art);

}  // namespace kalvora
