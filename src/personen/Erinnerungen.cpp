#include "personen/Erinnerungen.h"

#include <cstdio>
#include <optional>

namespace kalvora {
namespace {

int Nummer(const Datum& d) { return Tagesnummer(d.tag, d.monat, d.jahr); }

// The occurrences of a day and month in this year and the next, and which of them count.
struct Vorkommnisse {
    int o1 = 0, o2 = 0;  // serial day numbers
    Datum d1{}, d2{};
    bool o1Zaehlt = false, o2Zaehlt = false;
};

Vorkommnisse VorkommnisseIn(int tag, int monat, const Datum& heute) {
    Vorkommnisse v;
    v.d1 = Vorkommen(tag, monat, heute.jahr);
    v.d2 = Vorkommen(tag, monat, heute.jahr + 1);
    v.o1 = Nummer(v.d1);
    v.o2 = Nummer(v.d2);
    const int t = Nummer(heute);
    const bool schalttag = tag == 29 && monat == 2;
    // This year's occurrence while it is not past; next year's always, except that a
    // 29 February counts next year only once this year's occurrence is past.
    v.o1Zaehlt = t <= v.o1;
    v.o2Zaehlt = !schalttag || t > v.o1;
    return v;
}

bool Innerhalb(int t, int o, int vorlauf) { return o - vorlauf <= t && t <= o; }

}  // namespace

Erinnerungsoptionen ErinnerungsoptionenAus(const Einstellungen& e) {
    Erinnerungsoptionen o;
    o.geburtstag = e.Geburtstag;
    o.runderGeburtstag = e.runderGeburtstag;
    o.namenstag = e.Namenstag;
    o.vorlauf = e.Geburtstagszahl;
    o.runderVorlauf = e.runderGeburtstagszahl;
    o.namenstagVorlauf = e.Namestagzahl;
    return o;
}

Datum Vorkommen(int tag, int monat, int jahr) {
    if (tag == 29 && monat == 2 && !IstSchaltjahr(jahr)) return {1, 3, jahr};
    return {tag, monat, jahr};
}

std::vector<Erinnerung> ErinnerungenPruefen(const std::vector<TGeburtstag>& liste,
                                            const Datum& heute, const Erinnerungsoptionen& o,
                                            Pruefanlass anlass) {
    std::vector<Erinnerung> ergebnis;
    const int t = Nummer(heute);
    const int jahr = heute.jahr;
    const bool angefordertGeburtstage =
        anlass == Pruefanlass::Geburtstage || anlass == Pruefanlass::Alles;
    const bool angefordertNamenstage =
        anlass == Pruefanlass::Namenstage || anlass == Pruefanlass::Alles;
    for (const TGeburtstag& g : liste) {
        const std::string person = g.Vorname + " " + g.Name;
        if (g.Geburtsdatum != KeinDatum) {
            const Datum geboren = DatumAusWert(g.Geburtsdatum);
            const Vorkommnisse v = VorkommnisseIn(geboren.tag, geboren.monat, heute);
            // This year's occurrence is not reminded of on a check for name days alone;
            // next year's follows the settings however the check was started.
            const bool normal1 =
                (o.geburtstag && anlass != Pruefanlass::Namenstage) || angefordertGeburtstage;
            const bool rund1 = (o.runderGeburtstag && anlass != Pruefanlass::Namenstage) ||
                               angefordertGeburtstage;
            const bool normal2 = o.geburtstag || angefordertGeburtstage;
            const bool rund2 = o.runderGeburtstag || angefordertGeburtstage;
            const bool faellig =
                (v.o1Zaehlt && ((normal1 && Innerhalb(t, v.o1, o.vorlauf)) ||
                                (rund1 && Innerhalb(t, v.o1, o.runderVorlauf)))) ||
                (v.o2Zaehlt && ((normal2 && Innerhalb(t, v.o2, o.vorlauf)) ||
                                (rund2 && Innerhalb(t, v.o2, o.runderVorlauf))));
            if (faellig) {
                const int alter1 = jahr - geboren.jahr, alter2 = jahr + 1 - geboren.jahr;
                std::optional<Erinnerung> e;
                if (v.o1Zaehlt && Innerhalb(t, v.o1, o.runderVorlauf) && alter1 % 10 == 0)
                    e = Erinnerung{Erinnerungsart::RunderGeburtstag, v.d1, person, alter1, 0};
                else if (v.o2Zaehlt && v.o2 - o.runderVorlauf <= t && alter2 % 10 == 0)
                    e = Erinnerung{Erinnerungsart::RunderGeburtstag, v.d2, person, alter2, 0};
                else if (v.o1Zaehlt && Innerhalb(t, v.o1, o.vorlauf))
                    e = Erinnerung{Erinnerungsart::Geburtstag, v.d1, person, alter1, 0};
                else if (v.o2Zaehlt && v.o2 - o.vorlauf <= t)
                    e = Erinnerung{Erinnerungsart::Geburtstag, v.d2, person, alter2, 0};
                if (e && e->alter >= 1) {
                    e->tageBis = Nummer(e->termin) - t;
                    ergebnis.push_back(*e);
                }
            }
        }
        if (g.Namenstag != KeinDatum &&
            ((o.namenstag && anlass != Pruefanlass::Geburtstage) || angefordertNamenstage)) {
            const Datum n = DatumAusWert(g.Namenstag);
            const Vorkommnisse v = VorkommnisseIn(n.tag, n.monat, heute);
            // Next year's occurrence counts on its own, so that a name day early in January
            // is announced at the end of December as a birthday is.
            const bool erstes = v.o1Zaehlt && Innerhalb(t, v.o1, o.namenstagVorlauf);
            const bool zweites = v.o2Zaehlt && v.o2 - o.namenstagVorlauf <= t;
            // A name day stored with a later year is not reminded of before that date.
            if ((erstes || zweites) && t >= Nummer(n)) {
                const Datum termin = erstes ? v.d1 : v.d2;
                ergebnis.push_back(
                    {Erinnerungsart::Namenstag, termin, person, 1, Nummer(termin) - t});
            }
        }
    }
    return ergebnis;
}

Erinnerungstexte ErinnerungsfensterTexte(const Erinnerung& e) {
    Erinnerungstexte x;
    switch (e.art) {
        case Erinnerungsart::Geburtstag: x.titel = "Geburtstag"; break;
        case Erinnerungsart::RunderGeburtstag: x.titel = "runder Geburtstag"; break;
        case Erinnerungsart::Namenstag: x.titel = "Namenstag"; break;
    }
    if (e.tageBis > 1)
        x.zeile1 = "Nur noch " + std::to_string(e.tageBis) + " Tage bis zum:";
    else if (e.tageBis == 1)
        x.zeile1 = "Morgen ist der:";
    else
        x.zeile1 = "Heute ist der:";
    x.zeile2 = x.titel + " von";
    x.zeile3 = e.person;
    if (e.tageBis > 0) {
        char datum[16];
        std::snprintf(datum, sizeof datum, "%02d.%02d.", e.termin.tag, e.termin.monat);
        x.zeile4 = std::string("am ") + datum + "    ";
    }
    if (e.art != Erinnerungsart::Namenstag) x.zeile4 += std::to_string(e.alter) + " Jahre";
    x.hervorgehoben = e.art == Erinnerungsart::RunderGeburtstag;
    return x;
}

}  // namespace kalvora
