#include "termine/Terminedrucken.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "kalender/Farbnamen.h"
#include "methoden/Uhrzeit.h"
#include "platform/Druckrahmen.h"

namespace kalvora {

namespace {

int Gerundet(double x) { return static_cast<int>(std::lround(x)); }

std::string Ersetzt(std::string text, char von, const std::string& durch) {
    std::string aus;
    aus.reserve(text.size());
    for (char c : text) {
        if (c == von)
            aus += durch;
        else
            aus.push_back(c);
    }
    return aus;
}

// The page furniture: Times New Roman 12, the heading bold and underlined.
Schrift Serif12(bool fett = false) { return Druckschrift(drucktexte::Serif, 12, fett, fett); }

}  // namespace

Listenseite Listenseite::Aus(int seitenbreite, int seitenhoehe) {
    Listenseite s;
    s.links = s.rechts = Seitenrand(seitenbreite);
    s.oben = s.unten = Kopfrand(seitenhoehe);
    s.breite = seitenbreite - s.links - s.rechts;
    return s;
}

Eintragstext EintragDrucktext(const TTermin& t, bool info, const Einstellungen& e) {
    Eintragstext x;
    const bool zweiZeilen = e.BeschreibungUndOrtInZweiZeilen;
    if (info) {
        std::string text = Ersetzt(t.Beschreibung, '#', ", ");
        if (text.empty() && e.LeerzeileWennKeineTagesinfo) text = " ";
        (zweiZeilen ? x.zeile2 : x.zeile1) = text;
        x.einzug = t.Uhrzeit + "  ";
        return x;
    }
    // A time or duration no clock can show (a hand-edited file) is printed as none.
    const bool zeit = UhrzeitBrauchbar(t.Uhrzeit.sicht());
    const int32_t dauer = DauerBrauchbar(t.Dauer);
    const std::string ende = e.TerminendeAnzeigen && zeit
                                 ? "-" + ZeitPlusMinuten(t.Uhrzeit, dauer)
                                 : std::string();
    const std::string laenge =
        e.TerminlaengeAnzeigen ? " (" + MinutenAlsDauer(dauer) + ")" : std::string();
    x.einzug = (zeit ? t.Uhrzeit.str() : std::string()) + ende + "  ";
    x.zeile1 = (e.keineUhrzeitAnzeigen ? x.einzug : std::string()) + t.Beschreibung + laenge;
    const std::string ortsvorsatz = e.Ortsangabe && !t.Ort.empty() ? "Ort: " : "";
    if (zweiZeilen) {
        x.zeile2 = ortsvorsatz + t.Ort;
    } else if (!t.Ort.empty()) {
        x.zeile1 += "     " + ortsvorsatz + t.Ort;
    }
    return x;
}

std::vector<std::string> ZeileUmbrechen(const std::string& zeile, int verfuegbar,
                                        const std::function<int(const std::string&)>& breite) {
    if (breite(zeile) < verfuegbar) return {zeile};
    std::vector<std::string> woerter;
    std::size_t start = 0;
    for (;;) {
        const std::size_t leer = zeile.find(' ', start);
        woerter.push_back(zeile.substr(start, leer == std::string::npos ? leer : leer - start));
        if (leer == std::string::npos) break;
        start = leer + 1;
    }
    std::vector<std::string> zeilen;
    std::string aktuell = woerter[0];
    for (std::size_t i = 1; i < woerter.size(); ++i) {
        std::string mit = aktuell + " " + woerter[i];
        if (breite(mit) < verfuegbar) {
            aktuell = std::move(mit);
        } else {
            zeilen.push_back(std::move(aktuell));
            aktuell = woerter[i];
        }
    }
    zeilen.push_back(std::move(aktuell));
    return zeilen;
}

std::string TerminlistenTitel(const Datum& start, const Datum& ende) {
    return "Termine vom " + DatumText(start.tag, start.monat, start.jahr) + " bis " +
           DatumText(ende.tag, ende.monat, ende.jahr);
}

TTerminlistendruck::TTerminlistendruck(const TKalender& kal, const Einstellungen& einst)
    : kal_(kal), einst_(einst) {}

Schrift TTerminlistendruck::Listenschrift(int mehr, bool fett) const {
    Schrift s;
    s.name = einst_.Druckschrift;
    s.groesse = einst_.Druckschriftgroesse + mehr;
    s.fett = fett;
    return s;
}

void TTerminlistendruck::Seitenkopf() {
    ++seiten_;
    const int breite = drucker_->SeitenBreite();
    l_->SchriftSetzen(Serif12());
    TextZentriert(*l_, breite, hoehe_ - seite_.unten / 2,
                  "Seite " + std::to_string(seitennummer_));
    l_->SchriftSetzen(Serif12(true));
    TextZentriert(*l_, breite, seite_.oben / 3, titel_);
    HerstellerzeileDrucken(*l_, breite - seite_.rechts, hoehe_ - (seite_.unten * 4) / 10, 8);
}

void TTerminlistendruck::Zeilenvorschub() {
    y_ += Gerundet(1.2 * l_->Texthoehe("Ag"));
    if (y_ + seite_.oben <= hoehe_ - seite_.unten) return;
    drucker_->NeueSeite();
    y_ = 2;
    ++seitennummer_;
    Seitenkopf();
    l_->SchriftSetzen(Listenschrift());
}

void TTerminlistendruck::ZeileDrucken(const std::string& text, int einzug, uint32_t farbe,
                                      bool farbig) {
    if (text.empty()) return;
    const int verfuegbar = seite_.breite - einzug;
    const auto breite = [this](const std::string& t) { return l_->Textbreite(t); };
    for (const std::string& stueck : ZeileUmbrechen(text, verfuegbar, breite)) {
        Schrift s = l_->AktuelleSchrift();
        Pinsel hinten;
        if (farbig) {
            if (einst_.SchriftfarbeAendern) {
                s.farbe = farbe == KeineFarbe ? 0 : farbe;
            } else {
                hinten.farbe = farbe;  // KeineFarbe is white
            }
        }
        l_->SchriftSetzen(s);
        l_->PinselSetzen(hinten);
        l_->HintergrundSetzen(Hintergrundmodus::Deckend);
        l_->Text(seite_.links + einzug, seite_.oben + y_, stueck);
        // Black on white again after every line.
        s.farbe = 0;
        l_->SchriftSetzen(s);
        l_->PinselSetzen(Pinsel{});
        Zeilenvorschub();
    }
}

void TTerminlistendruck::TagDrucken(int tag, int monat, int jahr) {
    const TTerminliste& liste = kal_.Terminliste(jahr, monat, tag);
    std::string kopf;
    if (einst_.Wochentag) kopf += Wochentagsname(Wochentag(tag, monat, jahr));
    if (einst_.Wochentag && einst_.DatumDesTages) kopf += ", ";
    if (einst_.DatumDesTages) kopf += DatumText(tag, monat, jahr);
    if (einst_.Farbname || einst_.Farbnamen)
        kopf += " " + tagesfarbtext(kal_, jahr, monat, tag, einst_.Farbnamen);
    if (!kopf.empty()) {
        l_->SchriftSetzen(
            Listenschrift(einst_.ersteZeileGroesser ? 2 : 0, einst_.ersteZeileFett));
        l_->Text(seite_.links, seite_.oben + y_, kopf);
        Zeilenvorschub();
    }
    l_->SchriftSetzen(Listenschrift());
    const bool farbig = einst_.Schriftfarbenuebernahme && einst_.TermineFarbigDrucken;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const bool info = i == 0;
        const Eintragstext x = EintragDrucktext(liste[i], info, einst_);
        // The info entry has no colour of its own (a new one holds 0, which as background
        // would black out the text).
        const bool mitFarbe = farbig && !info;
        ZeileDrucken(x.zeile1, 0, liste[i].Farbe, mitFarbe);
        if (einst_.BeschreibungUndOrtInZweiZeilen)
            ZeileDrucken(x.zeile2, l_->Textbreite(x.einzug), liste[i].Farbe, mitFarbe);
        if (!info && einst_.LeerzeilenZwischenTermineintraegen) Zeilenvorschub();
    }
    if (y_ != 2) Zeilenvorschub();
}

int TTerminlistendruck::drucken(Drucker& drucker, Druckstatus& status, const Datum& start,
                                const Datum& ende) {
    drucker_ = &drucker;
    seiten_ = 0;
    titel_ = TerminlistenTitel(start, ende);
    if (hochformat) drucker.AusrichtungSetzen(Seitenausrichtung::Hochformat);
    Druckdokument dokument(drucker, titel_);
    l_ = &drucker.Zeichenflaeche();
    hoehe_ = drucker.SeitenHoehe();
    seite_ = Listenseite::Aus(drucker.SeitenBreite(), hoehe_);
    const int32_t erster = Tagesnummer(start.tag, start.monat, start.jahr);
    const int32_t letzter = Tagesnummer(ende.tag, ende.monat, ende.jahr);
    const int kopien = drucker.Kopien();
    for (int kopie = 1; kopie <= kopien; ++kopie) {
        if (kopie > 1) drucker.NeueSeite();
        y_ = 2;
        seitennummer_ = 1;
        status.SeiteZeigen(drucktexte::SeiteVon(kopie, kopien));
        status.Fortschritt(0);
        l_->PinselSetzen(Pinsel{});
        Seitenkopf();
        for (int32_t n = erster; n <= letzter; ++n) {
            const Datum d = DatumAusTagesnummer(n);
            if (!std::as_const(kal_).Terminliste(d.jahr, d.monat, d.tag).empty())
                TagDrucken(d.tag, d.monat, d.jahr);
            const int32_t spanne = letzter - erster;
            status.Fortschritt(
                spanne == 0 ? 100
                            : static_cast<int>(std::min<int32_t>(
                                  100, (n + 1 - erster) * 100 / spanne)));
        }
    }
    return seiten_;
}

}  // namespace kalvora
