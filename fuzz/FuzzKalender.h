#pragma once
// Shared by the calendar file fuzz targets: read the bytes; whatever reads without error must
// survive the writer: the file written from it reads back as the same document, less only
// what the format is meant to drop (references to unknown colours, categories and links,
// the unused fields of the info entry, empty birthday entries).
//
// Speed: each target keeps its two documents for the whole run, the check compares only the
// days that hold something (found by BelegteTage), and only those days are emptied after each
// input. Emptying them also frees what the input allocated, so libFuzzer's leak check (run
// whenever an input leaves more allocations than it freed) stays quiet unless something
// really leaks.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "BelegteTage.h"
#include "kalender/XmlExport.h"
#include "kalender/XmlPruefung.h"
#include "kalender/Kalenderdatei.h"
#include "methoden/Fehler.h"

namespace kalvora::fuzz {

struct Tag {
    int slot;
    TTagesfarben farben;
    TTerminliste liste;
    bool operator==(const Tag&) const = default;
};

// What the check compares: the document with its days reduced to those that hold something.
struct Abbild {
    TFarbText Farbnamen;
    TFarbwerte Farbwerte;
    TTerminKategorie Terminkategorie, Linkliste;
    std::vector<TGeburtstag> Geburtstagsliste;
    std::vector<Tag> tage;
    bool operator==(const Abbild&) const = default;
};

inline void AbbildNehmen(const TKalender& kal, const std::vector<int>& slots, Abbild& a) {
    a.Farbnamen = kal.Farbnamen;
    a.Farbwerte = kal.Farbwerte;
    a.Terminkategorie = kal.Terminkategorie;
    a.Linkliste = kal.Linkliste;
    a.Geburtstagsliste = kal.Geburtstagsliste;
    a.tage.clear();
    for (int i : slots) a.tage.push_back({i, kal.TagesfarbenAn(i), kal.TerminlisteAn(i)});
}

// The document as the file keeps it.
inline void WieGespeichert(const TKalender& kal, Abbild& a) {
    const auto slot = [&](uint32_t f) { return kal.FarbSlot(f) > 0; };
    for (int k = 1; k <= AnzahlFarben; ++k)
        if (a.Farbnamen[k] == FreiName) a.Farbnamen[k].clear();
    for (Tag& tag : a.tage) {
        std::erase_if(tag.farben, [&](uint32_t f) { return !slot(f); });
        auto& liste = tag.liste;
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
    std::erase_if(a.tage, [](const Tag& t) { return t.farben.empty() && t.liste.empty(); });
    std::erase_if(a.Geburtstagsliste, [](const TGeburtstag& g) {
        return g.Name.empty() && g.Vorname.empty() && g.Geburtsdatum == KeinDatum &&
               g.Namenstag == KeinDatum;
    });
}

// Empties the days listed (those that hold something) and every list, releasing storage.
inline void Leeren(TKalender& kal, const std::vector<int>& slots) {
    for (int i : slots) {
        TTagesfarben().swap(kal.TagesfarbenAn(i));
        TTerminliste().swap(kal.TerminlisteAn(i));
    }
    kal.Leeren();  // also drops the marks of the days the input touched
    kal.Farbnamen = {};
    TTerminKategorie().swap(kal.Terminkategorie);
    TTerminKategorie().swap(kal.Linkliste);
    std::vector<TGeburtstag>().swap(kal.Geburtstagsliste);
}

// The XML export of the days an input filled (at most about a year from the first) must be
// a well-formed file whatever the texts hold.
inline void XmlExportPruefen(const TKalender& kal, const std::vector<int>& slots) {
    if (slots.empty()) return;
    const auto datum = [](int slot) {
        Datum d;
        TKalender::SlotDatum(slot, d.jahr, d.monat, d.tag);
        d.tag = std::min(d.tag, TageImMonat(d.monat, d.jahr));
        return d;
    };
    Xmlauftrag a;
    a.von = datum(slots.front());
    a.bis = datum(std::min(slots.back(), slots.front() + 12 * 31));
    if (!XmlWohlgeformt(XmlExportieren(kal, a))) std::abort();
}

inline void LesenUndSchreiben(std::string_view bytes,
                              std::optional<std::string_view> begleittext = std::nullopt) {
    // Built once: a document of 199 years is too large to build for every input.
    static TKalender kal, zurueck;
    static std::vector<int> belegt, belegtZurueck;
    belegt.clear();
    belegtZurueck.clear();
    struct Aufraeumen {
        ~Aufraeumen() {
            Leeren(kal, belegt);
            Leeren(zurueck, belegtZurueck);
        }
    } aufraeumen;
    const auto scheitern = [] { BelegteTage(kal, belegt); };
    try {
        KalenderAusBytesLesen(kal, bytes, begleittext);
    } catch (const KalvoraFehler&) {
        return scheitern();
    }
    BelegteTage(kal, belegt);
    XmlExportPruefen(kal, belegt);
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
    BelegteTage(zurueck, belegtZurueck);
    Abbild erwartet, gelesen;
    AbbildNehmen(kal, belegt, erwartet);
    WieGespeichert(kal, erwartet);
    AbbildNehmen(zurueck, belegtZurueck, gelesen);
    if (!(erwartet == gelesen)) std::abort();
}

}  // namespace kalvora::fuzz
