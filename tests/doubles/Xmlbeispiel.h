#pragma once
// The small document of the XML export's golden files (tests/daten/xml/).
#include "kalender/TKalender.h"
#include "methoden/Methoden.h"

namespace kalvora::xmlbeispiel {

inline constexpr uint32_t kGelb = 0x00FFFF;
inline constexpr uint32_t kRot = 0x0000FF;

// A small document: three named colours, a busy Wednesday 15.04.2026, a day with only an
// appointment, a birthday and a name day, a birthday in its birth year.
inline TKalender Kalender() {
    TKalender kal;
    for (int k = 1; k <= AnzahlFarben; ++k) kal.Farbnamen[static_cast<std::size_t>(k)] = FreiName;
    kal.Farbnamen[1] = "Urlaub";
    kal.Farbwerte[1] = kGelb;
    kal.Farbnamen[2] = "Arzt";
    kal.Farbwerte[2] = kRot;
    kal.Farbnamen[5] = "Müller & Söhne <neu>";
    kal.Farbwerte[5] = 0x123456;
    kal.Tagesfarben(2026, 4, 15) = {kGelb, kRot};
    TTermin erster{"09:30", "Müller & Söhne <neu>", "Büro „Mitte“ – 5 €", "Beruf",
                   "https://example.org/?a=1&b=2"};
    erster.Dauer = 45;
    erster.Farbe = kRot;
    TTermin spaet{"23:30", "Nachtzug", ""};
    spaet.Dauer = 30;
    kal.Terminliste(2026, 4, 15) = {TTermin{"", "Frühlingsfest#Jacke mitnehmen"}, erster, spaet};
    kal.Terminliste(2026, 4, 16) = {TTermin{}, TTermin{"12:00", "Mittag"}};
    kal.Geburtstagsliste = {
        {"Meyer", "Anna", DatumWert(15, 4, 1970), DatumWert(16, 4, 1990)},
        {"Neu", "Nina", DatumWert(15, 4, 2026), KeinDatum},
    };
    kal.Terminkategorie = {"Beruf"};
    kal.Linkliste = {"https://example.org/?a=1&b=2"};
    return kal;
}

}  // namespace kalvora::xmlbeispiel
