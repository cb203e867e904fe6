#include "main/JahresansichtOptionen.h"

#include <algorithm>
#include <cmath>

#include "einstellungen/Einstellungen.h"
#include "methoden/Sonne.h"

namespace kalvora {

JahresansichtOptionen JahresansichtOptionenAus(const Einstellungen& e) {
    JahresansichtOptionen o;
    if (e.Darstellung >= 0 && e.Darstellung <= 5)
        o.darstellung = static_cast<Terminmarke>(e.Darstellung);
    // White marks would not show on a white day: a store holding it (the options refuse it)
    // gets the default black.
    o.farbeKommenderTermine =
        (e.FarbeKommenderTermine & 0xFFFFFF) == 0xFFFFFF ? 0 : e.FarbeKommenderTermine;
    o.farbeVergangenerTermine = e.FarbeVergangenerTermine;
    o.termineAuchBeiTagesinfo = e.TermineAuchBeiTagesinfoAnzeigen;
    o.monatstageAnzeigen = e.AnzeigeDerMonatstageInDerJahresansicht;
    o.schriftgroesseMonatstage = e.SchriftgroesseMonatstage;
    o.kalenderwoche = e.Kalenderwoche;
    o.anzeigeKalenderwoche = e.AnzeigeDerKalenderwoche;
    o.geburtstageAnzeigen = e.AnzeigeDerGeburtstageInDerJahresansicht;
    o.namenstageAnzeigen = e.AnzeigeDerNamestageInDerJahresansicht;
    o.roteLinie = e.RoteLinie;
    o.wochenendFarbe = e.SASOFarbeInDerJahresansicht;
    o.feiertage = e.Feiertage;
    o.wochentag = e.Wochentag;
    o.datumDesTages = e.DatumDesTages;
    o.nameVonFeiertagen = e.NameVonFeiertagen;
    o.farbname = e.Farbname;
    o.farbnamen = e.Farbnamen;
    o.keineUhrzeitAnzeigen = e.keineUhrzeitAnzeigen;
    o.terminendeAnzeigen = e.TerminendeAnzeigen;
    o.terminlaengeAnzeigen = e.TerminlaengeAnzeigen;
    o.leerzeileWennKeineTagesinfo = e.LeerzeileWennKeineTagesinfo;
    o.leerzeilenZwischenTerminen = e.LeerzeilenZwischenTermineintraegen;
    o.beschreibungUndOrtZweiZeilen = e.BeschreibungUndOrtInZweiZeilen;
    o.ortsangabe = e.Ortsangabe;
    o.ereignisse = {e.Geburtstagstext, e.Namenstagstext};
    o.sonneAnzeigen = e.SonneAnzeigen;
    o.sommerzeit = e.Sommerzeit;
    // The store may hold any number; the sun is computed for a place on earth.
    const auto grad = [](double wert, double grenze, double standard) {
        return std::isfinite(wert) ? std::clamp(wert, -grenze, grenze) : standard;
    };
    o.abweichung = grad(e.AbweichungVonGreenich, GroessteAbweichung, StandardAbweichung);
    o.breite = grad(e.geographischeBreite, GroessteBreite, StandardBreite);
    o.laenge = grad(e.geographischeLaenge, GroessteLaenge, StandardLaenge);
    o.monatsansicht = e.Monatsansicht;
    o.wochenansicht = e.Wochenansicht;
    o.vollbildOhneLegende = e.VollbildOhneLegende;
    o.vollbildOhneMenue = e.VollbildOhneMenue;
    o.vollbildOhneToolbar = e.VollbildOhneToolbar;
    return o;
}

}  // namespace kalvora
