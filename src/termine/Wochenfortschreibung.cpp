#include "termine/Wochenfortschreibung.h"

#include <algorithm>
#include <cstdio>

#include "kalender/Farbnamen.h"
#include "kalender/Tagesfarbbefehle.h"
#include "termine/Fortschreibung.h"
#include "termine/Termintexte.h"

namespace kalvora {

namespace {

constexpr bool Teilnehmend(int tag, const Verschieberegel& r) {
    const int wochentag = tag % 7;
    return !(wochentag == 5 && r.samstageFest) && !(wochentag == 6 && r.sonntageFest);
}

// Rotates the bits of the taking-part days among days [von, bis) by one place.
int Rotieren(int muster, const Verschieberegel& r, int von, int bis, bool spaeter) {
    int tage[Mustertage];
    int n = 0;
    for (int t = von; t < bis; ++t)
        if (Teilnehmend(t, r)) tage[n++] = t;
    if (n < 2) return muster;
    bool zustand[Mustertage];
    for (int i = 0; i < n; ++i) zustand[i] = (muster & Musterbit(tage[i])) != 0;
    for (int i = 0; i < n; ++i) {
        // Later: day i takes the state of the day before it.
        const int quelle = spaeter ? (i + n - 1) % n : (i + 1) % n;
        if (zustand[quelle])
            muster |= Musterbit(tage[i]);
        else
            muster &= ~Musterbit(tage[i]);
    }
    return muster;
}

std::string Zeittext(int stunde, int minute) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", std::clamp(stunde, 0, 23),
                  std::clamp(minute, 0, 59));
    return text;
}

}  // namespace

int MusterVerschieben(int muster, const Verschieberegel& regel, bool spaeter) {
    muster &= VollesMuster;
    if (regel.wochenZusammen) return Rotieren(muster, regel, 0, Mustertage, spaeter);
    muster = Rotieren(muster, regel, 0, 7, spaeter);
    return Rotieren(muster, regel, 7, Mustertage, spaeter);
}

void TerminEinsortieren(TTerminliste& liste, const TTermin& termin) {
    if (liste.empty()) liste.emplace_back();
    // The place after the last appointment whose time does not sort after the new one.
    auto nach = liste.end();
    while (nach - 1 != liste.begin() && (nach - 1)->Uhrzeit.sicht() > termin.Uhrzeit.sicht())
        --nach;
    liste.insert(nach, termin);
}

int WochenFortschreiben(TKalender& kal, const Wochenauftrag& a,
                        const std::function<void(int)>& fortschritt,
                        const std::function<void(const Datum&)>& geaendert) {
    const int32_t von = Tagesnummer(a.start.tag, a.start.monat, a.start.jahr);
    const int32_t bis = Tagesnummer(a.ende.tag, a.ende.monat, a.ende.jahr);
    int muster = a.muster & VollesMuster;
    // Monday 0 … Sunday 6: the start date lies in week 1.
    int p = (Wochentag(a.start.tag, a.start.monat, a.start.jahr) + 6) % 7;
    int eingetragen = 0;
    int zuletzt = -1;
    Datum d = a.start;
    for (int32_t nr = von; nr <= bis; ++nr) {
        if (fortschritt) {
            const int prozent = static_cast<int>((nr - von) * 100L / std::max(1, bis - von));
            if (prozent != zuletzt) fortschritt(prozent);
            zuletzt = prozent;
        }
        if (nr != von) {
            // The next day without the date conversion of every step.
            if (++d.tag > TageImMonat(d.monat, d.jahr)) {
                d.tag = 1;
                if (++d.monat > 12) {
                    d.monat = 1;
                    ++d.jahr;
                }
            }
        }
        if (!TKalender::ImBereich(d.jahr, d.monat, d.tag)) break;
        if ((muster & Musterbit(p)) != 0 &&
            (!a.filterAn || fortschreibungzulassen(kal, a.filterFarbe, d, d))) {
            TerminEinsortieren(kal.Terminliste(d.jahr, d.monat, d.tag), a.termin);
            kal.GeaendertSetzen(true);
            ++eingetragen;
            if (geaendert) geaendert(d);
        }
        p = (p + 1) % Mustertage;
        if (p == 0 && a.verschiebung != 0)
            for (int i = 0; i < std::abs(a.verschiebung); ++i)
                muster = MusterVerschieben(muster, a.regel, a.verschiebung > 0);
    }
    if (fortschritt && zuletzt != 100 && bis >= von) fortschritt(100);
    return eingetragen;
}

TWochenfortschreibung::TWochenfortschreibung(const TKalender& kal, const Einstellungen& einst,
                                             int jahr)
    : startStunde(std::clamp(einst.Stunden, 0, 23)),
      startMinute(std::clamp(einst.Minuten, 0, 59)),
      dauerStunden(std::clamp(einst.TermindauerStunden, 0, 23)),
      dauerMinuten(std::clamp(einst.TermindauerMinuten, 0, 59)),
      alarm(einst.TerminalarmStandardmaessigAktivieren),
      start{1, 1, jahr},
      ende{31, 12, jahr},
      filterAn(einst.Farbfortschreibung),
      filterText(termintexte::KeinerFarbe) {
    kategorien.assign(1, termintexte::KeineKategorie);
    kategorien.insert(kategorien.end(), kal.Terminkategorie.begin(), kal.Terminkategorie.end());
    links.assign(1, termintexte::KeinLink);
    links.insert(links.end(), kal.Linkliste.begin(), kal.Linkliste.end());
    linkText = termintexte::KeinLink;
}

void TWochenfortschreibung::TagSetzen(int tag, bool an) {
    if (tag < 0 || tag >= Mustertage) return;
    if (an)
        muster |= Musterbit(tag);
    else
        muster &= ~Musterbit(tag);
}

void TWochenfortschreibung::SchemaWaehlen(int index) {
    if (index < 0 || index >= static_cast<int>(Wochenschemata.size())) return;
    schema = index;
    muster = Wochenschemata[static_cast<std::size_t>(index)].muster;
    if (index == 0) return;
    regel.samstageFest = regel.sonntageFest = true;
    regel.wochenZusammen = false;
    verschiebung = 2;
}

std::vector<int> TWochenfortschreibung::Farbmenue(const TKalender& kal) {
    std::vector<int> slots;
    for (int slot : MenueSlotfolge)
        if (!FreierName(kal.Farbnamen[static_cast<std::size_t>(slot)])) slots.push_back(slot);
    return slots;
}

void TWochenfortschreibung::FarbeWaehlen(const TKalender& kal, int slot) {
    if (slot < 1 || slot > AnzahlFarben) {
        farbe = KeineFarbe;
        farbName.clear();
        return;
    }
    farbe = kal.Farbwerte[static_cast<std::size_t>(slot)];
    farbName = farbname(kal, farbe);
}

void TWochenfortschreibung::FilterWaehlen(const TKalender& kal, int slot) {
    if (slot < 1 || slot > AnzahlFarben) {
        filterFarbe = KeineFarbe;
        filterText = termintexte::KeinerFarbe;
        return;
    }
    filterFarbe = kal.Farbwerte[static_cast<std::size_t>(slot)];
    filterText = farbname(kal, filterFarbe);
}

void TWochenfortschreibung::KategorieKopieren() {
    if (kategorieIndex >= 0 && kategorieIndex < static_cast<int>(kategorien.size()))
        beschreibung = kategorien[static_cast<std::size_t>(kategorieIndex)];
}

void TWochenfortschreibung::FarbeKopieren() { ort = farbName; }

TTermin TWochenfortschreibung::Termin() const {
    TTermin t;
    t.Uhrzeit = Zeittext(startStunde, startMinute);
    t.Dauer = std::clamp(dauerStunden, 0, 23) * 60 + std::clamp(dauerMinuten, 0, 59);
    t.Beschreibung = beschreibung;
    t.Ort = ort;
    t.Alarm = alarm;
    t.Farbe = farbe;
    if (kategorieIndex > 0 && kategorieIndex < static_cast<int>(kategorien.size()))
        t.Kategorie = kategorien[static_cast<std::size_t>(kategorieIndex)];
    if (linkText != termintexte::KeinLink) t.Link = linkText;
    return t;
}

int TWochenfortschreibung::Eintragen(TKalender& kal, Dialoge& dialoge,
                                     const std::function<void(int)>& fortschritt,
                                     const std::function<void(const Datum&)>& geaendert) {
    // An emptied box means no link rather than an empty entry in the list.
    if (linkText.empty()) linkText = termintexte::KeinLink;
    if (std::find(links.begin(), links.end(), linkText) == links.end()) {
        kal.Linkliste.push_back(linkText);
        links.push_back(linkText);
        kal.GeaendertSetzen(true);
    }
    if (beschreibung.empty()) {
        dialoge.Meldung(wochentexte::KeineBeschreibung, Meldungsart::Warnung, Knoepfe::Ok);
        return 0;
    }
    if ((muster & VollesMuster) == 0) {
        dialoge.Meldung(wochentexte::KeineTage, Meldungsart::Warnung, Knoepfe::Ok);
        return 0;
    }
    Wochenauftrag a;
    a.muster = muster;
    a.regel = regel;
    a.verschiebung = std::clamp(verschiebung, -6, 6);
    a.start = start;
    a.ende = ende;
    a.filterAn = filterAn;
    a.filterFarbe = filterFarbe;
    a.termin = Termin();
    const int n = WochenFortschreiben(kal, a, fortschritt, geaendert);
    dialoge.Meldung(wochentexte::Eingetragen, Meldungsart::Information, Knoepfe::Ok);
    return n;
}

}  // namespace kalvora
