#include "termine/Fortschreibung.h"

#include <algorithm>

#include "termine/Tageskopf.h"
#include "termine/Tagesdialog.h"

namespace kalvora {

namespace {

int32_t Nummer(const Datum& d) { return Tagesnummer(d.tag, d.monat, d.jahr); }

// The stop rule after a day was changed, by kind and end mode.
bool Kalenderende(Serienart art, bool bisDatum, const Datum& d, int periode) {
    const bool dezember = d.jahr == LetztesJahr && d.monat == 12;
    switch (art) {
    case Serienart::Taeglich:
        return dezember && d.tag == 31;
    case Serienart::Woechentlich:
        return bisDatum ? dezember && d.tag == 31 : dezember && d.tag >= 25;
    case Serienart::Monatlich:
        return dezember;
    case Serienart::Jaehrlich:
        return d.jahr == LetztesJahr;
    case Serienart::Benutzerdefiniert:
        return bisDatum ? dezember && d.tag == 31 : dezember && d.tag > 31 - periode;
    case Serienart::Keine:
        break;
    }
    return true;
}

int SchritteJePeriode(Serienart art, int periode) {
    switch (art) {
    case Serienart::Taeglich: return 1;
    case Serienart::Woechentlich: return 7;
    case Serienart::Monatlich: return 31;
    case Serienart::Jaehrlich: return 365;
    case Serienart::Benutzerdefiniert: return periode;
    case Serienart::Keine: break;
    }
    return 1;
}

}  // namespace

bool fortschreibungzulassen(const TKalender& kal, uint32_t filterFarbe, const Datum& s,
                            const Datum& d) {
    const TTagesfarben& start = kal.Tagesfarben(s.jahr, s.monat, s.tag);
    const TTagesfarben& tag = kal.Tagesfarben(d.jahr, d.monat, d.tag);
    if (filterFarbe == KeineFarbe) return tag.empty() && start.empty();
    if (filterFarbe == AlleFarbenVorhandenFarbe) {
        if (start.empty()) return tag.empty();
        return std::all_of(start.begin(), start.end(),
                           [&](uint32_t f) { return HatFarbe(tag, f); });
    }
    return HatFarbe(tag, filterFarbe);
}

void fortschreiben(Tagesdialog& dialog, int aktion) {
    const Serienwerte s = dialog.Editor().serie;
    if (s.art == Serienart::Keine) return;
    const TKalender& kal = dialog.Umgebung().kal;
    const Datum start = dialog.Tag();
    const int32_t startNr = Nummer(start);
    const int32_t endNr = Nummer(s.endDatum);
    // An end before the start has no further days (a daily series would otherwise never
    // meet its end date).
    if (s.bisDatum && endNr <= startNr) return;

    const long gesamt = s.bisDatum ? 0L
                                   : static_cast<long>(s.anzahl) *
                                         SchritteJePeriode(s.art, s.periode);
    long schritte = 0;
    int zuletzt = -1;
    auto melden = [&] {
        if (!dialog.fortschritt) return;
        long p = s.bisDatum ? (Nummer(dialog.Tag()) - startNr) * 100L / (endNr - startNr)
                            : schritte * 100L / std::max(1L, gesamt);
        const int prozent = static_cast<int>(std::clamp(p, 0L, 100L));
        if (prozent != zuletzt) dialog.fortschritt(prozent);
        zuletzt = prozent;
    };
    auto schritt = [&](int richtung) {
        melden();
        ++schritte;
        return dialog.tagblaettern(richtung);
    };
    // One period forward; false when the end of the calendar cut it short, so that no day
    // outside the series is changed.
    auto periode = [&]() -> bool {
        int n = 0;
        switch (s.art) {
        case Serienart::Monatlich: {
            const int m = dialog.monat;
            for (int i = 0; i < 34; ++i) {
                if (!schritt(+1)) return false;
                if (dialog.tag == start.tag) break;
                if (dialog.monat > m + 1) {
                    schritt(-1);
                    break;
                }
            }
            return true;
        }
        case Serienart::Jaehrlich:
            n = (start.monat <= 2 && IstSchaltjahr(dialog.jahr)) ||
                        (start.monat >= 3 && IstSchaltjahr(dialog.jahr + 1))
                    ? 366
                    : 365;
            break;
        default:
            n = SchritteJePeriode(s.art, s.periode);
        }
        for (int i = 0; i < n; ++i)
            if (!schritt(+1)) return false;
        return true;
    };
    auto anwenden = [&] {
        if (!s.filterAn || fortschreibungzulassen(kal, s.filterFarbe, start, dialog.Tag()))
            dialog.terminuebernehmen(aktion);
    };

    if (s.bisDatum) {
        while (Nummer(dialog.Tag()) != endNr) {
            if (!periode()) break;
            if (s.art != Serienart::Taeglich && Nummer(dialog.Tag()) > endNr) break;
            anwenden();
            if (Kalenderende(s.art, true, dialog.Tag(), s.periode)) break;
        }
    } else {
        for (int i = 0; i < s.anzahl; ++i) {
            if (!periode()) break;
            anwenden();
            if (Kalenderende(s.art, false, dialog.Tag(), s.periode)) break;
        }
    }
    dialog.tagspeichern();
    dialog.TagSetzen(start);
    dialog.tagladen();
}

}  // namespace kalvora
