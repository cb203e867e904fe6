#include "statistik/Statistik.h"

#include <cmath>
#include <cstdio>

#include "kalender/Tagesfarbbefehle.h"
#include "methoden/Methoden.h"
#include "methoden/Uhrzeit.h"

namespace kalvora {

namespace statistiktexte {

const char* Name(Statistikart art) {
    switch (art) {
        case Statistikart::Farbhaeufigkeit: return "Farbhäufigkeit";
        case Statistikart::Termindauer: return "Termindauer";
        case Statistikart::Terminhaeufigkeit: return "Terminhäufigkeit";
    }
    return "";
}

std::string Titel(Statistikart art, int jahr) {
    const char* kopf = "";
    switch (art) {
        case Statistikart::Farbhaeufigkeit: kopf = "Farbhäufigkeits-Statistik"; break;
        case Statistikart::Termindauer: kopf = "Termindauer-Statistik"; break;
        case Statistikart::Terminhaeufigkeit: kopf = "Terminhäufigkeits-Statistik"; break;
    }
    return std::string(kopf) + " für " + std::to_string(jahr);
}

const char* Achsentitel(Statistikart art) {
    switch (art) {
        case Statistikart::Farbhaeufigkeit: return "Anzahl der Tage pro Farbe im Jahr";
        case Statistikart::Termindauer: return "Anzahl der Terminstunden pro Farbe im Jahr";
        case Statistikart::Terminhaeufigkeit: return "Anzahl der Termine pro Farbe im Jahr";
    }
    return "";
}

const char* Extrabalken(Statistikart art) {
    return art == Statistikart::Farbhaeufigkeit ? NichtZugeordneteTage : NichtZugeordneteTermine;
}

}  // namespace statistiktexte

Kategoriefilter Kategoriefilter::AusText(const std::string& text) {
    if (text == statistiktexte::AlleKategorien) return Alle();
    if (text == statistiktexte::OhneKategorie) return Ohne();
    return Genau(text);
}

bool Kategoriefilter::Zaehlt(const TText& kategorie) const {
    switch (art) {
        case Art::Alle: return true;
        case Art::Ohne: return kategorie.empty() || kategorie == statistiktexte::OhneKategorie;
        case Art::Name: return kategorie == name;
    }
    return false;
}

namespace {

// The grid slots of the year's days in date order: 31 per month, the days past a month's
// end are no days.
template <class F>
void TageDesJahres(int jahr, F&& f) {
    for (int monat = 1; monat <= 12; ++monat) {
        const int erster = TKalender::SlotIndex(jahr, monat, 1);
        const int tage = TageImMonat(monat, jahr);
        for (int t = 0; t < tage; ++t) f(erster + t);
    }
}

bool JahrGueltig(int jahr) { return jahr >= ErstesJahr && jahr <= LetztesJahr; }

}  // namespace

Statistikwerte Farbhaeufigkeiten(const TKalender& kal, int jahr) {
    Statistikwerte w;
    if (!JahrGueltig(jahr)) return w;
    // A day holds few colours, a year many days: look each colour up once.
    std::vector<std::pair<uint32_t, int>> slotVon;
    TageDesJahres(jahr, [&](int i) {
        const TTagesfarben& farben = kal.TagesfarbenAn(i);
        if (farben.empty()) {
            w.extra += 1;
            return;
        }
        for (uint32_t f : farben) {
            int slot = -1;
            for (const auto& [farbe, s] : slotVon)
                if (farbe == f) {
                    slot = s;
                    break;
                }
            if (slot < 0) {
                slot = kal.FarbSlot(f);
                slotVon.emplace_back(f, slot);
            }
            if (slot > 0) w.slot[static_cast<std::size_t>(slot)] += 1;
        }
    });
    return w;
}

Statistikwerte Terminwerte(const TKalender& kal, int jahr, Statistikart art,
                           const Kategoriefilter& filter) {
    Statistikwerte w;
    if (!JahrGueltig(jahr)) return w;
    const bool dauer = art == Statistikart::Termindauer;
    // Per distinct colour: whole minutes or counts, summed as integers so that the hours of
    // many appointments do not drift.
    std::vector<std::pair<uint32_t, int64_t>> summen;
    int64_t ohneFarbe = 0;
    TageDesJahres(jahr, [&](int i) {
        const TTerminliste& liste = kal.TerminlisteAn(i);
        for (std::size_t n = 1; n < liste.size(); ++n) {
            const TTermin& t = liste[n];
            if (!filter.Zaehlt(t.Kategorie)) continue;
            // A duration beyond a day (a hand-edited file) counts as none, as in the views.
            const int64_t beitrag = dauer ? DauerBrauchbar(t.Dauer) : 1;
            if (t.Farbe == KeineFarbe) {
                ohneFarbe += beitrag;
                continue;
            }
            bool gefunden = false;
            for (auto& [farbe, summe] : summen)
                if (farbe == t.Farbe) {
                    summe += beitrag;
                    gefunden = true;
                    break;
                }
            if (!gefunden) summen.emplace_back(t.Farbe, beitrag);
        }
    });
    const double teiler = dauer ? 60.0 : 1.0;
    for (int s = 1; s <= AnzahlFarben; ++s) {
        const uint32_t farbe = kal.Farbwerte[static_cast<std::size_t>(s)];
        // Appointments without colour belong to no slot, even to one that holds white.
        if (farbe == KeineFarbe) continue;
        for (const auto& [f, summe] : summen)
            if (f == farbe) w.slot[static_cast<std::size_t>(s)] = double(summe) / teiler;
    }
    w.extra = double(ohneFarbe) / teiler;
    return w;
}

Statistikwerte StatistikBerechnen(const TKalender& kal, int jahr, Statistikart art,
                                  const Kategoriefilter& filter) {
    if (art == Statistikart::Farbhaeufigkeit) return Farbhaeufigkeiten(kal, jahr);
    return Terminwerte(kal, jahr, art, filter);
}

std::string Balkenbeschriftung(const std::string& name) {
    std::string s = name;
    for (char& c : s)
        if (c == ' ') c = '\n';
    return s;
}

std::vector<Statistikbalken> StatistikBalken(const TKalender& kal, const Statistikwerte& werte,
                                             Statistikart art, bool anzeige) {
    const bool farben = art == Statistikart::Farbhaeufigkeit;
    std::vector<Statistikbalken> balken;
    for (int slot : MenueSlotfolge) {
        const auto s = static_cast<std::size_t>(slot);
        const std::string& name = kal.Farbnamen[s];
        const double wert = werte.slot[s];
        const bool frei = FreierName(name);
        const bool zeigen = farben ? !(frei && IstNull(wert)) : !frei && !IstNull(wert);
        if (!zeigen) continue;
        balken.push_back({slot, name, Balkenbeschriftung(name), kal.Farbwerte[s], wert});
    }
    if (anzeige && (farben || !IstNull(werte.extra))) {
        const std::string name = statistiktexte::Extrabalken(art);
        balken.push_back({0, name, Balkenbeschriftung(name), KeineFarbe, werte.extra});
    }
    return balken;
}

namespace {

std::string ZahlText(double wert, Statistikart art, char komma) {
    char puffer[64];
    if (art == Statistikart::Termindauer)
        std::snprintf(puffer, sizeof puffer, "%.2f", wert);
    else
        std::snprintf(puffer, sizeof puffer, "%.0f", std::round(wert));
    std::string s = puffer;
    for (char& c : s)
        if (c == '.') c = komma;
    return s;
}

}  // namespace

std::string BalkenAlsText(const std::vector<Statistikbalken>& balken, Statistikart art) {
    std::string text;
    for (const Statistikbalken& b : balken)
        text += b.name + '\t' + ZahlText(b.wert, art, '.') + '\n';
    return text;
}

std::string Wertanzeige(double wert, Statistikart art) {
    std::string s = ZahlText(wert, art, ',');
    if (art != Statistikart::Termindauer) return s;
    // "1,50" reads as "1,5", "2,00" as "2".
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == ',') s.pop_back();
    return s;
}

}  // namespace kalvora
