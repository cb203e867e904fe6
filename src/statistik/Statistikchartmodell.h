#pragma once
// What the chart window shows: the year, the statistic, the category, the bar shape and the
// options, with the rules of its choosers and paging buttons.
#include <array>
#include <string>
#include <vector>

#include "kalender/TKalender.h"
#include "statistik/Statistik.h"
#include "einstellungen/Statistikablage.h"

namespace kalvora {

enum class Balkenform {
    Balken,
    MehrfarbigeBalken,  // bars with a colour gradient
    Pyramiden,
    UmgekehrtePyramiden,
    Zylinder,
    Ellipsen,
    Pfeile,
};

namespace charttexte {
inline constexpr const char* Fenstertitel = "Statistik - Chart";
inline constexpr const char* Zurueck = "zurückblättern (-)";
inline constexpr const char* AktuellesJahr = "aktuelles Jahr";
inline constexpr const char* Vor = "weiterblättern (+)";
inline constexpr const char* Optionen = "Optionen";
inline constexpr const char* Drucken = "Drucken";
inline constexpr const char* Hilfe = "Hilfe (F1)";
inline constexpr const char* Schliessen = "Fenster schließen (Esc)";
inline constexpr const char* FormHinweis = "Art der graphischen Darstellung";
inline constexpr const char* ArtHinweis = "Art der Statistik";
inline constexpr const char* KategorieHinweis = "Terminkategorie";
inline constexpr std::array<const char*, 7> Formen = {
    "Balken", "mehrfarbige Balken", "Pyramiden", "umgekehrte Pyramiden",
    "Zylinder", "Ellipsen", "Pfeile"};
}  // namespace charttexte

inline constexpr int StatistikHilfethema = 119;

class Statistikchartmodell {
public:
    // Opens on the year of the main window (pulled into 1901..2099) with the statistic of
    // the menu entry used, all categories and plain bars.
    Statistikchartmodell(const TKalender& kal, int jahr, Statistikart art);

    int Jahr() const { return jahr_; }
    Statistikart Art() const { return art_; }
    Balkenform Form() const { return form_; }
    const Statistikoptionen& Optionen() const { return optionen_; }

    // Paging: one year back or forward where the buttons allow it; "aktuelles Jahr".
    bool ZurueckMoeglich() const { return jahr_ > ErstesJahr; }
    bool VorMoeglich() const { return jahr_ < LetztesJahr; }
    bool Blaettern(int richtung);
    void JahrSetzen(int jahr);

    void ArtSetzen(Statistikart art) { art_ = art; }
    void FormSetzen(Balkenform form) { form_ = form; }
    void OptionenSetzen(const Statistikoptionen& o) { optionen_ = o; }

    // The category chooser: its entries, whether it shows, the chosen entry.
    std::vector<std::string> Kategorieauswahl() const;
    bool KategorieSichtbar() const { return art_ != Statistikart::Farbhaeufigkeit; }
    int Kategorie() const { return kategorie_; }
    // An index outside the chooser falls back to "alle Kategorien".
    void KategorieSetzen(int index);
    Kategoriefilter Filter() const;

    // The colour counts are kept from the last call (the window activated, a year change);
    // the appointment statistics are counted afresh for every chart.
    void FarbenZaehlen();
    std::vector<Statistikbalken> Balken() const;
    std::string Titel() const { return statistiktexte::Titel(art_, jahr_); }
    const char* Achsentitel() const { return statistiktexte::Achsentitel(art_); }

private:
    const TKalender& kal_;
    int jahr_;
    Statistikart art_;
    Balkenform form_ = Balkenform::Balken;
    int kategorie_ = 0;
    Statistikoptionen optionen_;
    Statistikwerte farbwerte_;
};

}  // namespace kalvora
