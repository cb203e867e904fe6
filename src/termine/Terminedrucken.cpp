#include "termine/Terminedrucken.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "kalender/Farbnamen.h"
#include "methoden/Fehler.h"
#include "methoden/Uhrzeit.h"
#include "platform/Druckrahmen.h"
#include "platform/Textzuschnitt.h"

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
    // No line shows more characters than this, so longer texts and words are never measured
    // whole: a description of megabytes would take minutes and overflow the width.
    const std::size_t sichtbar = HoechsteZeichenzahl(verfuegbar);
    const auto zeichen = [](std::string_view t) {
        std::size_t n = 0;
        for (const char c : t) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return n;
    };
    if (zeile.size() <= sichtbar && breite(zeile) < verfuegbar) return {zeile};
    // Greedy at blanks, as if every candidate line were measured: each word is measured
    // once and the widths added up; only where the sum is too close to the limit to tell
    // (kerning and rounding make it differ a little from the line's width) is the line
    // itself measured.
    using Breite = long long;
    const Breite leer = breite(" ");
    const Breite zuBreit = Breite{verfuegbar} * 4 + 1;
    const auto wortbreite = [&](std::string_view w) -> Breite {
        if (w.empty()) return 0;
        return zeichen(w) > sichtbar ? zuBreit : breite(std::string(w));
    };
    std::vector<std::string> zeilen;
    std::string aktuell;
    Breite aktuelleBreite = 0;
    int geschaetzt = 0;  // words added to the current line by their sum alone
    std::size_t start = 0;
    bool erstes = true;
    for (;;) {
        const std::size_t ende = std::min(zeile.find(' ', start), zeile.size());
        const std::string_view wort = std::string_view(zeile).substr(start, ende - start);
        const Breite w = wortbreite(wort);
        if (erstes) {
            aktuell.assign(wort);
            aktuelleBreite = w;
            erstes = false;
        } else {
            const Breite summe = aktuelleBreite + leer + w;
            const Breite spiel = (geschaetzt + 1) * (leer + 1);
            bool passt = summe < verfuegbar - spiel;
            bool gemessen = false;
            if (!passt && summe < verfuegbar + spiel && aktuelleBreite < verfuegbar &&
                w < zuBreit) {
                std::string mit = aktuell + " ";
                mit.append(wort);
                const Breite genau = breite(mit);
                passt = genau < verfuegbar;
                gemessen = true;
                if (passt) aktuelleBreite = genau;
            }
            if (passt) {
                aktuell.push_back(' ');
                aktuell.append(wort);
                if (gemessen) {
                    geschaetzt = 0;
                } else {
                    aktuelleBreite = summe;
                    ++geschaetzt;
                }
            } else {
                zeilen.push_back(std::move(aktuell));
                aktuell.assign(wort);
                aktuelleBreite = w;
                geschaetzt = 0;
            }
        }
        if (ende >= zeile.size()) break;
        start = ende + 1;
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
        // A word wider than the page is cut where the page ends anyway.
        const int x = seite_.links + einzug;
        l_->Text(x, seite_.oben + y_,
                 std::string(SichtbarerAnfang(stueck, drucker_->SeitenBreite() - x)));
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

std::string TerminlisteNichtDruckbar(const TKalender& kal, const Datum& start,
                                     const Datum& ende) {
    const int32_t letzter = Tagesnummer(ende.tag, ende.monat, ende.jahr);
    for (int32_t n = Tagesnummer(start.tag, start.monat, start.jahr); n <= letzter; ++n) {
        const Datum d = DatumAusTagesnummer(n);
        if (!TKalender::ImBereich(d.jahr, d.monat, d.tag)) continue;
        const TTerminliste& liste = kal.Terminliste(d.jahr, d.monat, d.tag);
        for (std::size_t i = 0; i < liste.size(); ++i) {
            const std::size_t laenge = std::max(liste[i].Beschreibung.size(), liste[i].Ort.size());
            if (laenge <= kHoechsteDrucktextlaenge) continue;
            return std::string(i == 0 ? "Die Tagesinfo" : "Ein Termin") + " am " +
                   DatumText(d.tag, d.monat, d.jahr) + " hat einen Text von " +
                   std::to_string(laenge) + " Bytes; die Terminliste druckt Texte bis 64 KB (" +
                   std::to_string(kHoechsteDrucktextlaenge) + " Bytes).";
        }
    }
    return {};
}

int TTerminlistendruck::drucken(Drucker& drucker, Druckstatus& status, const Datum& start,
                                const Datum& ende) {
    // Refused before the job begins, so that nothing is printed at all.
    if (std::string zuLang = TerminlisteNichtDruckbar(kal_, start, ende); !zuLang.empty())
        throw KalvoraFehler(zuLang);
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
