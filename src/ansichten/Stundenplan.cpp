#include "ansichten/Stundenplan.h"

#include <algorithm>
#include <cmath>

#include "methoden/Uhrzeit.h"

namespace kalvora {
namespace {

constexpr uint32_t Schwarz = 0x000000;
constexpr uint32_t Grau = 0x808080;
constexpr uint32_t Rot = 0x0000FF;
constexpr int Abstand = 30;  // between blocks, both ways
constexpr double Ueberstand = 0.2;  // hours a cut bar reaches beyond the grid

// Halves go to the even neighbour, as the platform's rounding of the original figures does.
int Runden(double x) { return static_cast<int>(std::nearbyint(x)); }

int32_t ErsteNummer() { return Tagesnummer(1, 1, ErstesJahr); }
int32_t LetzteNummer() { return Tagesnummer(31, 12, LetztesJahr); }

// Black text would vanish on a dark bar; there it is written in white when the bar holds it.
uint32_t Balkentextfarbe(uint32_t farbe) {
    const int rot = farbe & 0xFF;
    const int gruen = (farbe >> 8) & 0xFF;
    const int blau = (farbe >> 16) & 0xFF;
    return 299 * rot + 587 * gruen + 114 * blau < 128000 ? 0xFFFFFF : Schwarz;
}

std::string OhneEndblanks(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// Appends the words of text (each with the blank that ends it) to ziel while the result
// stays narrower than platz; false when a word had to be left out.
bool WoerterAnfuegen(Leinwand& l, std::string& ziel, std::string_view text, int platz,
                     std::string_view vorsatz = {}) {
    std::size_t pos = 0;
    bool erstes = true;
    while (pos < text.size()) {
        const std::size_t blank = text.find(' ', pos);
        const std::size_t ende = blank == std::string_view::npos ? text.size() : blank + 1;
        std::string kandidat = ziel;
        // The label of the location goes only together with its first word.
        if (erstes) kandidat += vorsatz;
        kandidat += text.substr(pos, ende - pos);
        if (l.Textbreite(OhneEndblanks(kandidat)) >= platz) return false;
        ziel = std::move(kandidat);
        pos = ende;
        erstes = false;
    }
    return true;
}

}  // namespace

Stundenplanlage DesktopLage(const Rechteck& a, int breite, int hoehe, Stundenplanecke ecke,
                            int abstandX, int abstandY) {
    Stundenplanlage l;
    const bool rechts = ecke == Stundenplanecke::UntenRechts || ecke == Stundenplanecke::ObenRechts;
    const bool unten = ecke == Stundenplanecke::UntenRechts || ecke == Stundenplanecke::UntenLinks;
    l.ort.x = rechts ? a.rechts - breite - abstandX : a.links + abstandX;
    l.ort.y = unten ? a.unten - hoehe - abstandY : a.oben + abstandY;
    l.leisteUnten = unten;
    return l;
}

Punkt NormaleLage(const Rechteck& a, int breite, int hoehe) {
    return {a.rechts - breite, a.unten - hoehe};
}

TStundenplan::TStundenplan(const TKalender& kal, const Einstellungen& einst, const Uhr& uhr,
                           AusgewaehlterTag& auswahl)
    : kal_(kal), einst_(einst), uhr_(uhr), auswahl_(auswahl) {}

int32_t TStundenplan::Heutenummer() const {
    const Datum h = HeutigesDatum(uhr_);
    return Tagesnummer(h.tag, h.monat, h.jahr);
}

Datum TStundenplan::TagDatum(int k) const { return DatumAusTagesnummer(Erster() + k - 1); }

Stundenplangroesse TStundenplan::Anordnen(int bildschirmBreite, bool versatzBehalten) {
    // The settings store keeps the values in range; a record filled elsewhere must not
    // divide by zero all the same.
    n_ = std::max(einst_.Stdplantage, 1);
    r_ = std::max(einst_.Stdplanzeilen, 1);
    c_ = n_ / r_ + (n_ % r_ > 0 ? 1 : 0);
    if (!versatzBehalten)
        o_ = Tagesnummer(auswahl_.tag, auswahl_.monat, auswahl_.jahr) - Heutenummer();
    // The last hour first goes to 24 so that any first hour is accepted; then the last
    // hour follows its own rule against it.
    h1_ = 24;
    ErsteStundeAendern(std::clamp(einst_.Stdplanstartzeit, 0, 23));
    LetzteStundeAendern(std::clamp(einst_.Stdplanendezeit, 1, 24));

    Stundenplangroesse g;
    const int hoechstens = bildschirmBreite - 100;
    g.mindestBreite = std::min(hoechstens, std::max(c_ * 180, 450));
    g.breite = std::min(hoechstens, std::max(450, c_ * einst_.Stdplantagesbreite));
    g.mindestHoehe = r_ * 220;
    g.hoehe = std::max(250, einst_.Stdplantageshoehe * r_);
    return g;
}

void TStundenplan::Messen(Leinwand& l) {
    l.SchriftSetzen(schrift);
    lw_ = l.Textbreite(stundenplantexte::Stundenmuster);
    lh_ = l.Texthoehe(stundenplantexte::Stundenmuster);
}

bool TStundenplan::TagZurueck() {
    if (Erster() <= ErsteNummer()) return false;
    --o_;
    return true;
}

bool TStundenplan::TagVor() {
    if (Erster() >= LetzteNummer()) return false;
    ++o_;
    return true;
}

bool TStundenplan::WocheZurueck() {
    if (Erster() - ErsteNummer() <= 6) return false;
    o_ -= 7;
    return true;
}

bool TStundenplan::WocheVor() {
    if (LetzteNummer() - Erster() <= 6) return false;
    o_ += 7;
    return true;
}

int TStundenplan::ErsteStundeAendern(int wert) {
    wert = std::clamp(wert, 0, 23);
    // Stepping back one by one until the value is below the last hour ends here.
    h0_ = wert < h1_ ? wert : h1_ - 1;
    return h0_;
}

int TStundenplan::LetzteStundeAendern(int wert) {
    if (wert > 24)
        h1_ = 24;  // stepping forward from here would never end
    else
        h1_ = wert > h0_ ? wert : h0_ + 1;
    return h1_;
}

Stundenplanmasse TStundenplan::Masse(int breite, int hoehe) const {
    Stundenplanmasse m;
    m.bw = (breite - Abstand * (c_ - 1) - 40) / c_ - lw_;
    m.bh = (hoehe - Abstand * (r_ - 1) - 40) / r_;
    m.hh = m.bh / (h1_ - h0_ + 1);
    return m;
}

Punkt TStundenplan::TagesEcke(int k, const Stundenplanmasse& m) const {
    const int r = (k - 1) / c_;
    const int c = (k - 1) % c_;
    return {(c + 1) * lw_ + c * (m.bw + Abstand) + 20, r * (m.bh + Abstand) + 20};
}

std::string TStundenplan::Kopftext(const Datum& d) {
    return Wochentagsname(Wochentag(d.tag, d.monat, d.jahr)) + ", " + std::to_string(d.tag) +
           "." + std::to_string(d.monat) + "." + std::to_string(d.jahr);
}

uint32_t TStundenplan::Kopffarbe(const Datum& d) {
    switch (Wochentag(d.tag, d.monat, d.jahr)) {
        case 0: return Rot;
        case 6: return Grau;
        default: return Schwarz;
    }
}

bool TStundenplan::Balken(const TTermin& t, Stundenbalken& b) {
    // A time or duration no clock can show (a hand-edited file) gives no bar, or no length.
    const std::string_view z = t.Uhrzeit;
    if (!UhrzeitBrauchbar(z)) return false;
    const int stunden = (z[0] - '0') * 10 + (z[1] - '0');
    const int minuten = (z[3] - '0') * 10 + (z[4] - '0');
    b.start = stunden + minuten / 60.0;
    b.ende = b.start + DauerBrauchbar(t.Dauer) / 60.0;
    return true;
}

std::string TStundenplan::Balkentext(Leinwand& l, const TTermin& t, int platz) {
    std::string text;
    // Without a location there is nothing to label.
    if (WoerterAnfuegen(l, text, t.Beschreibung, platz) && !t.Ort.empty())
        WoerterAnfuegen(l, text, t.Ort, platz, stundenplantexte::Ort);
    return OhneEndblanks(std::move(text));
}

int TStundenplan::Zeile(double stunde, int y0, int hh) const {
    return y0 + Runden((stunde - h0_ + 1) * hh);
}

void TStundenplan::Malen(Leinwand& l, int breite, int hoehe) const {
    const Stundenplanmasse m = Masse(breite, hoehe);
    if (m.hh <= 0 || m.bw <= 20) return;  // no room for a grid
    const int stunden = h1_ - h0_ + 1;
    Schrift normal = schrift;
    normal.farbe = Schwarz;
    Schrift kopf = schrift;
    kopf.fett = true;
    kopf.groesse += 2;
    const double oberkante = h0_ - Ueberstand;
    const double unterkante = h1_ + Ueberstand;

    for (int k = 1; k <= n_; ++k) {
        const int r = (k - 1) / c_;
        const int c = (k - 1) % c_;
        const Punkt ecke = TagesEcke(k, m);
        const int X = ecke.x;
        const int Y = ecke.y;

        l.HintergrundSetzen(Hintergrundmodus::Transparent);
        l.SchriftSetzen(normal);
        for (int j = 1; j <= stunden; ++j) {
            const int h = h0_ + j - 1;
            const std::string text = (h < 10 ? "0" : "") + std::to_string(h) + ":00";
            l.Text(c * (m.bw + Abstand + lw_) + 20, Y + j * m.hh - lh_ / 2, text);
        }
        l.StiftSetzen(Stift{Grau, 1, Stiftstil::Durchgezogen});
        for (int j = 1; j <= stunden; ++j) l.Linie(X, Y + j * m.hh, X + m.bw, Y + j * m.hh);

        const Datum d = TagDatum(k);
        kopf.farbe = Kopffarbe(d);
        l.SchriftSetzen(kopf);
        l.Text(X, r * (m.bh + Abstand) + 10, Kopftext(d));

        if (d.jahr < ErstesJahr || d.jahr > LetztesJahr) continue;
        const TTerminliste& liste = kal_.Terminliste(d.jahr, d.monat, d.tag);
        const int links = X + 10;
        const int rechts = X + m.bw - 10;
        for (std::size_t i = 1; i < liste.size(); ++i) {
            const TTermin& t = liste[i];
            Stundenbalken b;
            if (!Balken(t, b) || b.ende < h0_ || b.start > h1_) continue;
            const int oben = Zeile(std::max(oberkante, b.start), Y, m.hh);
            const int unten = 1 + Zeile(std::min(unterkante, b.ende), Y, m.hh);
            l.StiftSetzen(Stift{Schwarz, 1, Stiftstil::Durchgezogen});
            l.PinselSetzen(Pinsel{t.Farbe, Pinselstil::Voll});
            l.Rechteck({links, oben, rechts, unten});
            // A cut edge is dash-dotted: the border under it gives way to the bar's colour
            // between the dashes.
            const auto schnitt = [&](int y) {
                l.StiftSetzen(Stift{t.Farbe, 1, Stiftstil::Durchgezogen});
                l.Linie(links, y, rechts, y);
                l.StiftSetzen(Stift{Schwarz, 1, Stiftstil::StrichPunkt});
                l.Linie(links, y, rechts, y);
            };
            if (b.start < h0_) schnitt(oben);
            if (b.ende > h1_) schnitt(unten - 1);
            if (std::max(b.start, b.ende - 0.5) >= h0_ && std::min(b.start + 0.5, b.ende) <= h1_) {
                Schrift text = normal;
                // A bar lower than the line leaves the text on the background.
                if (unten - oben - 2 >= lh_) text.farbe = Balkentextfarbe(t.Farbe);
                l.SchriftSetzen(text);
                l.HintergrundSetzen(Hintergrundmodus::Transparent);
                l.Text(X + 15, oben + 2, Balkentext(l, t, m.bw - 25));
            }
        }
    }
}

void TStundenplan::ZeigerBewegt(int x, int y, int breite, int hoehe) {
    link_.clear();
    const int spaltenbreite = breite / c_;
    const int zeilenhoehe = hoehe / r_;
    if (x < 0 || y < 0 || spaltenbreite <= 0 || zeilenhoehe <= 0) return;
    const int spalte = x / spaltenbreite;
    const int zeile = (y - 1) / zeilenhoehe;
    // The empty place after the last day and the days beyond the calendar's range are no
    // day that could be selected or edited.
    if (spalte >= c_ || zeile >= r_) return;
    const int k = zeile * c_ + spalte + 1;
    if (k > n_) return;
    const Datum d = TagDatum(k);
    if (d.jahr < ErstesJahr || d.jahr > LetztesJahr) return;
    auswahl_.Setzen(d.tag, d.monat, d.jahr);

    const Stundenplanmasse m = Masse(breite, hoehe);
    if (m.hh <= 0) return;
    const double zeit = h0_ + double(y - m.hh - 21 - zeile * (m.bh + Abstand)) / m.hh;
    if (zeit < h0_) return;
    const TTerminliste& liste = kal_.Terminliste(d.jahr, d.monat, d.tag);
    for (std::size_t i = 1; i < liste.size(); ++i) {
        Stundenbalken b;
        if (Balken(liste[i], b) && b.start <= zeit && zeit <= b.ende) link_ = liste[i].Link.str();
    }
}

}  // namespace kalvora
