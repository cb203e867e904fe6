#pragma once
// Shared by the calendar file fuzz targets: read the bytes; whatever reads without error must
// survive the writer: the file written from it reads back as the same document, less only
// what the format is meant to drop (references to unknown colours, categories and links,
// the unused fields of the info entry, empty birthday entries).
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "kalender/Kalenderdatei.h"
#include "methoden/Fehler.h"

namespace kalvora::fuzz {

// Whole-grid passes of the check itself need no coverage feedback; it only slows the fuzzer.
#define KALVORA_OHNE_ABDECKUNG __attribute__((no_sanitize("coverage")))

KALVORA_OHNE_ABDECKUNG inline void WieGespeichert(TKalender& kal) {
    const auto slot = [&](uint32_t f) { return kal.FarbSlot(f) > 0; };
    for (int k = 1; k <= AnzahlFarben; ++k)
        if (kal.Farbnamen[k] == FreiName) kal.Farbnamen[k].clear();
    for (auto& farben : kal.Farbraster)
        std::erase_if(farben, [&](uint32_t f) { return !slot(f); });
    for (auto& liste : kal.Terminraster) {
        if (liste.empty()) continue;
        liste[0] = TTermin{"", liste[0].Beschreibung};
        for (std::size_t i = 1; i < liste.size(); ++i) {
            TTermin& t = liste[i];
            if (t.Farbe != KeineFarbe && !slot(t.Farbe)) t.Farbe = KeineFarbe;
            if (kal.KategorieIndex(t.Kategorie) < 0) t.Kategorie.clear();
            if (kal.LinkIndex(t.Link) < 0) t.Link.clear();
            if (t.Dauer < 1) t.Dauer = 0;
        }
    }
    std::erase_if(kal.Geburtstagsliste, [](const TGeburtstag& g) {
        return g.Name.empty() && g.Vorname.empty() && g.Geburtsdatum == KeinDatum &&
               g.Namenstag == KeinDatum;
    });
}

KALVORA_OHNE_ABDECKUNG inline bool Gleich(const TKalender& a, const TKalender& b) {
    return a.Farbnamen == b.Farbnamen && a.Farbwerte == b.Farbwerte &&
           a.Farbraster == b.Farbraster && a.Terminraster == b.Terminraster &&
           a.Terminkategorie == b.Terminkategorie && a.Linkliste == b.Linkliste &&
           a.Geburtstagsliste == b.Geburtstagsliste;
}

inline void LesenUndSchreiben(std::string_view bytes,
                              std::optional<std::string_view> begleittext = std::nullopt) {
    static TKalender kal, zurueck;
    try {
        KalenderAusBytesLesen(kal, bytes, begleittext);
    } catch (const KalvoraFehler&) {
        return;
    }
    std::string datei;
    try {
        datei = KalenderAlsVer33(kal);
    } catch (const KalvoraFehler&) {
        return;  // a text the file cannot hold was refused
    }
    try {
        KalenderAusBytesLesen(zurueck, datei, std::nullopt);
    } catch (const KalvoraFehler&) {
        std::abort();  // the writer produced a file its own reader rejects
    }
    WieGespeichert(kal);
    if (!Gleich(kal, zurueck)) std::abort();
}

}  // namespace kalvora::fuzz
