#include "termine/Termineditor.h"

#include <algorithm>

#include "kalender/Farbnamen.h"
#include "termine/Tageskopf.h"
#include "termine/Termintexte.h"

namespace kalvora {

namespace {

std::string Zweistellig(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

Datum TageSpaeter(const Datum& d, int tage) {
    const int32_t letzter = Tagesnummer(31, 12, LetztesJahr);
    return DatumAusTagesnummer(std::min(Tagesnummer(d.tag, d.monat, d.jahr) + tage, letzter));
}

bool Vor(const Datum& a, const Datum& b) {
    return Tagesnummer(a.tag, a.monat, a.jahr) < Tagesnummer(b.tag, b.monat, b.jahr);
}

}  // namespace

Termineditor::Termineditor(const Einstellungen& einst) {
    titel = termintexte::EditorTitel;
    if (!einst.festeZeit && einst.TerminStunden && einst.TerminMinuten)
        StartSetzen(*einst.TerminStunden, *einst.TerminMinuten);
    kategorien = {termintexte::KeineKategorie};
    links = {termintexte::KeinLink};
    linkText = termintexte::KeinLink;
}

void Termineditor::NeuVorbereiten(const Einstellungen& einst) {
    modus = Editormodus::Neu;
    titel = termintexte::TitelNeu;
    anzeige = einst.DauerOderEnde == 1 ? 1 : 0;
    beschreibung.clear();
    ort.clear();
    if (einst.festeZeit) StartSetzen(einst.Stunden, einst.Minuten);
    DauerSetzen(0, 0);
    if (einst.festeDauer) DauerSetzen(einst.TermindauerStunden, einst.TermindauerMinuten);
    alarm = einst.TerminalarmStandardmaessigAktivieren;
    okSichtbar = true;
    loeschenSichtbar = false;
    zeitfelderAktiv = true;
    farbe = KeineFarbe;
    farbName.clear();
    kategorieIndex = 0;
    linkText = termintexte::KeinLink;
}

void Termineditor::AendernVorbereiten(const Einstellungen& einst) {
    modus = Editormodus::Aendern;
    titel = termintexte::TitelAendern;
    anzeige = einst.DauerOderEnde == 1 ? 1 : 0;
    okSichtbar = true;
    loeschenSichtbar = false;
    zeitfelderAktiv = true;
}

void Termineditor::LoeschenVorbereiten(const Einstellungen& einst) {
    modus = Editormodus::Loeschen;
    titel = termintexte::TitelLoeschen;
    anzeige = einst.DauerOderEnde == 1 ? 1 : 0;
    okSichtbar = false;
    loeschenSichtbar = true;
    zeitfelderAktiv = false;
    alarmSichtbar = false;
    textNurLesen = true;
    farbfeldAktiv = false;
    kategorieAktiv = false;
}

void Termineditor::AlleLoeschenVorbereiten(const Einstellungen& einst) {
    modus = Editormodus::AlleLoeschen;
    titel = termintexte::TitelAlleLoeschen;
    okSichtbar = false;
    loeschenSichtbar = true;
    alarmSichtbar = false;
    alleLoeschenLayout = true;
    tagesinfoLoeschen = false;
    farbenLoeschen = einst.FarbeInJahresansichtUebernehmen;
}

void Termineditor::LoeschmodusZuruecksetzen() {
    textNurLesen = false;
    farbfeldAktiv = true;
    kategorieAktiv = true;
    alarmSichtbar = true;
    alleLoeschenLayout = false;
    zeitfelderAktiv = true;
    okSichtbar = true;
    loeschenSichtbar = false;
}

void Termineditor::ListenFuellen(const TKalender& kal) {
    kategorien.assign(1, termintexte::KeineKategorie);
    kategorien.insert(kategorien.end(), kal.Terminkategorie.begin(), kal.Terminkategorie.end());
    links.assign(1, termintexte::KeinLink);
    links.insert(links.end(), kal.Linkliste.begin(), kal.Linkliste.end());
    kategorieIndex = 0;
    linkText = termintexte::KeinLink;
}

void Termineditor::KategorieWaehlen(const std::string& text) {
    kategorieIndex = 0;
    for (std::size_t i = 1; i < kategorien.size(); ++i)
        if (kategorien[i] == text) {
            kategorieIndex = static_cast<int>(i);
            return;
        }
}

void Termineditor::LinkWaehlen(const std::string& text) {
    const bool gelistet = std::find(links.begin() + 1, links.end(), text) != links.end();
    linkText = gelistet ? text : termintexte::KeinLink;
}

std::string Termineditor::Kategorie() const {
    if (kategorieIndex <= 0 || kategorieIndex >= static_cast<int>(kategorien.size())) return {};
    return kategorien[static_cast<std::size_t>(kategorieIndex)];
}

std::string Termineditor::Link() const {
    return linkText == termintexte::KeinLink ? std::string() : linkText;
}

void Termineditor::LinkTippen(const std::string& text) {
    linkText = text;
    if (!text.empty()) linkGetippt = true;
}

void Termineditor::Aktivieren(const TKalender& kal, const Einstellungen& einst,
                              const Datum& tag) {
    linkGetippt = false;
    SerienartSetzen(Serienart::Keine, einst, tag);
    FilterKorrigieren(kal, tag);
    endeBeschriftungSichtbar = false;
    fruehestesEnddatum = tag;
    if (Vor(serie.endDatum, tag)) serie.endDatum = tag;
    EndeAusStartUndDauer();
    serie.filterAn = einst.Farbfortschreibung;
}

void Termineditor::StartSetzen(int stunde, int minute) {
    startStunde = std::clamp(stunde, 0, 23);
    startMinute = std::clamp(minute, 0, 59);
}

void Termineditor::DauerSetzen(int stunden, int minuten) {
    dauerStunden = std::clamp(stunden, 0, 23);
    dauerMinuten = std::clamp(minuten, 0, 59);
}

void Termineditor::EndeSetzen(int stunde, int minute) {
    endeStunde = std::clamp(stunde, 0, 23);
    endeMinute = std::clamp(minute, 0, 59);
}

void Termineditor::EndeAusStartUndDauer() {
    const std::string ende = ZeitPlusMinuten(StartText(), DauerMinuten());
    // 24:00 is held as 23 by the hour field.
    EndeSetzen(std::stoi(ende.substr(0, 2)), std::stoi(ende.substr(3, 2)));
}

void Termineditor::StartOderDauerVerlassen() { EndeAusStartUndDauer(); }

void Termineditor::EndeVerlassen() {
    const int start = startStunde * 60 + startMinute;
    int ende = endeStunde * 60 + endeMinute;
    if (ende < start) {
        EndeSetzen(startStunde, startMinute);
        ende = start;
    }
    DauerSetzen((ende - start) / 60, (ende - start) % 60);
}

std::string Termineditor::StartText() const {
    return Zweistellig(startStunde) + ":" + Zweistellig(startMinute);
}

std::string Termineditor::DauerText() const {
    return Zweistellig(dauerStunden) + ":" + Zweistellig(dauerMinuten);
}

void Termineditor::FarbeWaehlen(const TKalender& kal, int slot) {
    if (slot < 1 || slot > AnzahlFarben) {
        farbe = KeineFarbe;
        farbName.clear();
        return;
    }
    farbe = kal.Farbwerte[static_cast<std::size_t>(slot)];
    farbName = farbname(kal, farbe);
}

void Termineditor::FarbeAusName(const TKalender& kal, const std::string& name) {
    farbe = farbwert(kal, name);
    farbName = farbe == KeineFarbe ? std::string() : name;
}

std::vector<int> Termineditor::Farbmenue(const TKalender& kal) {
    std::vector<int> slots;
    for (int slot : MenueSlotfolge)
        if (kal.Farbnamen[static_cast<std::size_t>(slot)] != FreiName) slots.push_back(slot);
    return slots;
}

void Termineditor::SerienartSetzen(Serienart art, const Einstellungen& einst,
                                   const Datum& tag) {
    serie.art = art;
    switch (art) {
    case Serienart::Keine:
        endmodusAktiv = nurBeiAktiv = datumAktiv = anzahlAktiv = false;
        break;
    case Serienart::Taeglich:
        AnzahlSetzen(einst.Tage);
        serie.endDatum = TageSpaeter(tag, einst.Tage);
        break;
    case Serienart::Woechentlich:
        AnzahlSetzen(einst.Wochen);
        serie.endDatum = TageSpaeter(tag, 7 * einst.Wochen);
        break;
    case Serienart::Monatlich:
        AnzahlSetzen(einst.Monate);
        serie.endDatum = TageSpaeter(tag, 31 * einst.Monate);
        break;
    case Serienart::Jaehrlich:
        AnzahlSetzen(einst.Jahre);
        serie.endDatum = TageSpaeter(tag, 366 * einst.Jahre);
        break;
    case Serienart::Benutzerdefiniert:
        periodeSichtbar = true;
        PeriodeSetzen(einst.FortschreibungsrateInTagen);
        AnzahlSetzen(einst.AnzahlDerWiederholungen);
        break;
    }
    if (art != Serienart::Keine) {
        endmodusAktiv = nurBeiAktiv = true;
        EndmodusSetzen(serie.bisDatum);
    }
    if (art != Serienart::Benutzerdefiniert) periodeSichtbar = false;
}

void Termineditor::EndmodusSetzen(bool bisDatum) {
    serie.bisDatum = bisDatum;
    datumAktiv = endmodusAktiv && bisDatum;
    anzahlAktiv = endmodusAktiv && !bisDatum;
}

void Termineditor::FilterAnSetzen(bool an) { serie.filterAn = an; }

void Termineditor::EndDatumSetzen(const Datum& d) {
    serie.endDatum = Vor(d, fruehestesEnddatum) ? fruehestesEnddatum : d;
    if (Vor(Datum{31, 12, LetztesJahr}, serie.endDatum)) serie.endDatum = {31, 12, LetztesJahr};
}

void Termineditor::AnzahlSetzen(int n) { serie.anzahl = std::clamp(n, 1, 9999); }
void Termineditor::PeriodeSetzen(int n) { serie.periode = std::clamp(n, 2, 999); }

void Termineditor::FilterKorrigieren(const TKalender& kal, const Datum& tag) {
    const TTagesfarben& farben = kal.Tagesfarben(tag.jahr, tag.monat, tag.tag);
    if (farben.empty()) {
        keinerFarbeSichtbar = true;
        serie.filterFarbe = KeineFarbe;
        filterText.clear();
        return;
    }
    keinerFarbeSichtbar = false;
    if (!HatFarbe(farben, serie.filterFarbe) && filterText != termintexte::AlleFarbenVorhanden) {
        serie.filterFarbe = farben.front();
        filterText = farbname(kal, serie.filterFarbe);
    }
}

Filtermenue Termineditor::FiltermenueOeffnen(const TKalender& kal, const Datum& tag) {
    const TTagesfarben& farben = kal.Tagesfarben(tag.jahr, tag.monat, tag.tag);
    Filtermenue m;
    if (farben.empty()) {
        keinerFarbeSichtbar = true;
    } else {
        FilterKorrigieren(kal, tag);
    }
    m.keinerFarbeSichtbar = keinerFarbeSichtbar;
    for (int slot : MenueSlotfolge)
        if (HatFarbe(farben, kal.Farbwerte[static_cast<std::size_t>(slot)]))
            m.plaetze.push_back(slot);
    return m;
}

void Termineditor::FilterWaehlen(const TKalender& kal, int slot) {
    if (slot == 0) {
        serie.filterFarbe = KeineFarbe;
        filterText.clear();
    } else if (slot < 0) {
        serie.filterFarbe = AlleFarbenVorhandenFarbe;
        filterText = termintexte::AlleFarbenVorhanden;
    } else if (slot <= AnzahlFarben) {
        serie.filterFarbe = kal.Farbwerte[static_cast<std::size_t>(slot)];
        filterText = farbname(kal, serie.filterFarbe);
    }
}

void Termineditor::Ok(TKalender& kal) {
    if (linkGetippt && !linkText.empty() && linkText != termintexte::KeinLink &&
        kal.LinkIndex(linkText) < 0) {
        kal.Linkliste.push_back(linkText);
        links.push_back(linkText);
        kal.GeaendertSetzen(true);
    }
    ergebnis = Editorergebnis::Ok;
}

bool Termineditor::Eingabetaste(TKalender& kal) {
    if (okSichtbar) {
        Ok(kal);
        return true;
    }
    if (loeschenSichtbar) {
        Loeschen();
        return true;
    }
    return false;
}

int Termineditor::Hilfethema() const {
    if (titel == termintexte::TitelNeu) return 130;
    if (titel == termintexte::TitelAendern) return 123;
    if (titel == termintexte::TitelLoeschen) return 124;
    return 122;
}

}  // namespace kalvora
