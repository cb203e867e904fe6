#include "termine/Tageskopf.h"

#include <algorithm>

#include "kalender/Farbnamen.h"
#include "methoden/Methoden.h"
#include "termine/Termintexte.h"

namespace kalvora {

namespace {

std::string Zweistellig(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

std::string Tagestitel(int tag, int monat, int jahr) {
    return std::string(termintexte::TitelAnfang) + Datumsbeschriftung(tag, monat, jahr).substr(1);
}

std::string Datumsbeschriftung(int tag, int monat, int jahr) {
    return " " + Wochentagsname(Wochentag(tag, monat, jahr)) + ", " + Zweistellig(tag) + "." +
           Zweistellig(monat) + "." + std::to_string(jahr);
}

std::string KWText(int tag, int monat, int jahr) {
    return termintexte::KW + std::to_string(Kalenderwoche(DatumWert(tag, monat, jahr)));
}

Beschriftungsfarben DatumsbeschriftungFarben(int tag, int monat, int jahr,
                                              uint32_t wochenendfarbe) {
    const int w = Wochentag(tag, monat, jahr);
    Beschriftungsfarben f;
    f.roteSchrift = w == 0;
    if (w == 0 || w == 6) f.hintergrund = wochenendfarbe;
    return f;
}

std::vector<Farbband> Farbbaender(const TKalender& kal, const TTagesfarben& farben, int hoehe) {
    std::vector<Farbband> baender;
    const int k = static_cast<int>(farben.size());
    if (k == 0) return baender;
    int oben = 0;
    for (int i = 0; i < k; ++i) {
        Farbband b;
        b.oben = oben;
        b.hoehe = hoehe / k + (i < hoehe % k ? 1 : 0);
        b.farbe = farben[static_cast<std::size_t>(i)];
        const std::string name = farbname(kal, b.farbe);
        if (!name.empty()) b.text = "  " + name;
        oben += b.hoehe;
        baender.push_back(std::move(b));
    }
    return baender;
}

int FarbschriftGroesse(int anzahl) {
    if (anzahl <= 4) return 12;
    if (anzahl <= 6) return 8;
    if (anzahl <= 9) return 6;
    if (anzahl <= 11) return 4;
    return 2;
}

std::string Geburtstagsmemo(const TKalender& kal, int tag, int monat, int jahr) {
    std::string geburtstage, namenstage;
    for (const TGeburtstag& g : kal.Geburtstagsliste) {
        const Datum d = DatumAusWert(g.Geburtsdatum);
        if (d.tag == tag && d.monat == monat && d.jahr < jahr)
            geburtstage += "\n" + g.Vorname + " " + g.Name + " (" +
                           std::to_string(jahr - d.jahr) + ")";
    }
    for (const TGeburtstag& g : kal.Geburtstagsliste) {
        const Datum d = DatumAusWert(g.Namenstag);
        if (d.tag == tag && d.monat == monat && d.jahr < jahr)
            namenstage += "\n" + g.Vorname + " " + g.Name;
    }
    std::string memo;
    if (!geburtstage.empty()) memo = termintexte::Geburtstag + geburtstage;
    if (!namenstage.empty()) {
        if (!memo.empty()) memo += "\n";
        memo += termintexte::Namenstag + namenstage;
    }
    return memo;
}

Tagesfarbmenue TagesfarbmenueBauen(const TKalender& kal, int tag, int monat, int jahr,
                                   bool schreibgeschuetzt) {
    const TTagesfarben& farben = kal.Tagesfarben(jahr, monat, tag);
    Tagesfarbmenue m;
    static_cast<Farbuntermenues&>(m) = FarbuntermenuesBauen(kal, farben, schreibgeschuetzt);
    m.alleLoeschenAktiv = !farben.empty() && !schreibgeschuetzt;
    return m;
}

}  // namespace kalvora
