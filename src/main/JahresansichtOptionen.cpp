#include "main/JahresansichtOptionen.h"

#include "einstellungen/Einstellungen.h"

namespace kalvora {

JahresansichtOptionen JahresansichtOptionenAus(const Einstellungen& e) {
    JahresansichtOptionen o;
    if (e.Darstellung >= 0 && e.Darstellung <= 5)
        o.darstellung = static_cast<Terminmarke>(e.Darstellung);
    o.farbeKommenderTermine = e.FarbeKommenderTermine;
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
    o.abweichung = e.AbweichungVonGreenich;
    o.breite = e.geographischeBreite;
    o.laenge = e.geographischeLaenge;
    o.monatsansicht = e.Monatsansicht;
    o.wochenansicht = e.Wochenansicht;
    o.vollbildOhneLegende = e.VollbildOhneLegende;
    o.vollbildOhneMenue = e.VollbildOhneMenue;
    o.vollbildOhneToolbar = e.VollbildOhneToolbar;
    return o;
}

}  // namespace kalvora
