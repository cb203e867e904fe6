#include "main/Ansichtswechsel.h"

#include <algorithm>
#include <cctype>

namespace kalvora {

Ansicht AnsichtAusName(const std::string& name) {
    if (name == "form7") return Ansicht::Woche;
    if (name == "form19") return Ansicht::ZweiWochen;
    if (name == "form8") return Ansicht::Monat;
    if (name == "form9") return Ansicht::MonatMitWochen;
    return Ansicht::Keine;
}

Ansicht GewaehlteWochenansicht(int einst) {
    return einst != 0 ? Ansicht::ZweiWochen : Ansicht::Woche;
}

Ansicht GewaehlteMonatsansicht(int einst) {
    return einst == 1 ? Ansicht::Monat : Ansicht::MonatMitWochen;
}

Ansicht NaechsteAnsicht(Ansicht geschlossen, const Wechselanfragen& a, int einstWoche,
                        int einstMonat) {
    switch (geschlossen) {
        case Ansicht::MonatMitWochen:
            if (a.layout) return Ansicht::Monat;
            if (a.monatWoche) return GewaehlteWochenansicht(einstWoche);
            break;
        case Ansicht::Monat:
            if (a.layout) return Ansicht::MonatMitWochen;
            if (a.monatWoche) return GewaehlteWochenansicht(einstWoche);
            break;
        case Ansicht::Woche:
            if (a.monatWoche) return GewaehlteMonatsansicht(einstMonat);
            if (a.woche) return Ansicht::ZweiWochen;
            break;
        case Ansicht::ZweiWochen:
            if (a.monatWoche) return GewaehlteMonatsansicht(einstMonat);
            if (a.woche) return Ansicht::Woche;
            break;
        case Ansicht::Keine:
            break;
    }
    return Ansicht::Keine;
}

void AnsichtWechseln(const std::string& geschlossen, Wechselanfragen anfragen, int einstWoche,
                     int einstMonat, const std::function<Wechselanfragen(Ansicht)>& oeffnen) {
    Ansicht zuletzt = AnsichtAusName(geschlossen);
    while (anfragen.Irgendeine()) {
        const Ansicht naechste = NaechsteAnsicht(zuletzt, anfragen, einstWoche, einstMonat);
        if (naechste == Ansicht::Keine) return;
        anfragen = oeffnen(naechste);
        zuletzt = naechste;
    }
}

Vollbildzustand VollbildUmschalten(Vollbildzustand z, bool ohneLegende, bool ohneMenue,
                                   bool ohneToolbar) {
    if (z.unteresPanel && z.menue && z.toolbar) {
        if (ohneLegende) z.unteresPanel = false;
        if (ohneMenue) z.menue = false;
        if (ohneToolbar) z.toolbar = false;
        return z;
    }
    return {};
}

std::string VollbildMenuetext(const Vollbildzustand& z) {
    return z.unteresPanel && z.menue && z.toolbar ? "Vollbild" : "Jahresansicht";
}

int GeheZuJahr(const std::string& feld, bool ok, int angezeigt, int heute) {
    if (!ok) return angezeigt;
    if (feld.empty()) return heute;
    if (feld.size() > 4 || !std::all_of(feld.begin(), feld.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; }))
        return angezeigt;
    const int wert = std::stoi(feld);
    if (wert >= 2100 || wert <= 1900) return angezeigt;
    return wert;
}

std::vector<std::string> LinksDesTages(const TKalender& kal, int tag, int monat, int jahr) {
    std::vector<std::string> v;
    if (!TKalender::ImBereich(jahr, monat, tag)) return v;
    for (const TTermin& t : kal.Terminliste(jahr, monat, tag))
        if (!t.Link.empty()) v.push_back(t.Link);
    return v;
}

}  // namespace kalvora
