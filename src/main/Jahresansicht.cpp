#include "main/Jahresansicht.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "kalender/Farbnamen.h"
#include "main/Symbole.h"
#include "methoden/Sonne.h"
#include "methoden/Uhrzeit.h"
#include "personen/Geburtstagsabfragen.h"

namespace kalvora {

namespace {

constexpr uint32_t Weiss = 0xFFFFFF;
constexpr uint32_t Schwarz = 0x000000;
constexpr uint32_t Silber = 0xC0C0C0;
constexpr uint32_t Rot = 0x0000FF;
constexpr uint32_t Blau = 0xFF0000;

const char* const Kopfkuerzel[7] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

// Font sizes of the captions; the source of the layout only fixes the year caption.
constexpr int MonatsnamenGroesse = 10;
constexpr int KopfGroesse = 8;

std::string ZweiStellen(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

bool IstWochenendSpalte(int c) {
    return c % 7 == 5 || c % 7 == 6;
}

// Seconds after midnight of an "hh:mm" text; nothing when the text is not of that form.
std::optional<int> UhrzeitSekunden(const std::string& t) {
    auto ziffer = [&](std::size_t i) { return std::isdigit(static_cast<unsigned char>(t[i])); };
    if (t.size() < 5 || !ziffer(0) || !ziffer(1) || t[2] != ':' || !ziffer(3) || !ziffer(4))
        return std::nullopt;
    const int hh = (t[0] - '0') * 10 + (t[1] - '0');
    const int mm = (t[3] - '0') * 10 + (t[4] - '0');
    return hh * 3600 + mm * 60;
}

std::string InfoZeilen(const std::string& info) {
    std::string s;
    s.reserve(info.size() + 8);
    for (char c : info) {
        if (c == '#')
            s += "\r\n";
        else
            s.push_back(c);
    }
    return s;
}

struct Marke {
    Rechteck zelle;
    int cy;
    uint32_t farbe;
};

void Fuellen(Leinwand& l, uint32_t farbe, const Rechteck& r) {
    l.StiftSetzen({farbe, 1, Stiftstil::Durchgezogen});
    l.PinselSetzen({farbe, Pinselstil::Voll});
    l.Rechteck(r);
}

}  // namespace

Schrift AnsichtSchrift(int groesse) {
    Schrift s;
    s.name = "Times New Roman";
    s.groesse = groesse;
    s.farbe = Schwarz;
    return s;
}

Schrift JahrTitelSchrift() {
    Schrift s;
    s.name = "Palatino Linotype";
    s.groesse = 16;
    s.fett = true;
    s.farbe = Blau;
    return s;
}

TJahresansicht::TJahresansicht(TKalender& kal, const Uhr& uhr, AusgewaehlterTag& auswahl)
    : kal_(kal), uhr_(uhr), auswahl_(auswahl) {
    const Datum heute = HeutigesDatum(uhr_);
    jahr_ = std::clamp(heute.jahr, ErstesJahr, LetztesJahr);
    feiertage_.FeiertageBerechnen(jahr_);
}

// ---- layout ---------------------------------------------------------------------------

void TJahresansicht::JahresansichtAnordnen(const Fenstermasse& f, Leinwand& masse) {
    JahresAnordnung& a = anordnung_;
    a.metrik = MetrikBerechnen(f);
    const JahresMetrik& m = a.metrik;
    a.terminfeldBreite = f.unteresPanelBreite - 224;
    a.tooltipBreite = m.CW;
    a.tooltipHoehe = 2 * m.RH;

    masse.SchriftSetzen(JahrTitelSchrift(), JahrTitelPixel);
    a.jahrTitelOben = (m.Y0 + m.RH) / 2 - masse.Texthoehe("2000") / 2;

    masse.SchriftSetzen(AnsichtSchrift(MonatsnamenGroesse));
    for (int monat = 1; monat <= 12; ++monat) {
        Beschriftung& b = a.monate[monat - 1];
        b.text = Monatsname(monat);
        b.ort = {16, BandMitte(m, monat) - masse.Texthoehe(b.text) / 2};
    }
    masse.SchriftSetzen(AnsichtSchrift(KopfGroesse));
    for (int c = 0; c < JahresSpalten; ++c) {
        Beschriftung& b = a.wochentage[c];
        b.text = Kopfkuerzel[c % 7];
        b.ort = {m.X0 + c * m.CW + m.CW / 2 - masse.Textbreite(b.text) / 2, 13};
    }
    a.fortschrittOben = f.statusleisteOben + 5;
}

Rechteck TJahresansicht::TagesZelle(int tag, int monat) const {
    return kalvora::TagesZelle(anordnung_.metrik, tag, monat, jahr_);
}

std::optional<Rechteck> TJahresansicht::HeuteZelle() const {
    const Zeitpunkt j = uhr_.Jetzt();
    if (j.jahr != jahr_ || !IstGueltigesDatum(j.tag, j.monat, j.jahr)) return std::nullopt;
    return TagesZelle(j.tag, j.monat);
}

void TJahresansicht::HeuteRahmen(Leinwand& l, uint32_t farbe) {
    const std::optional<Rechteck> zelle = HeuteZelle();
    if (!zelle) return;
    const int L = zelle->links, T = zelle->oben, R = zelle->rechts, B = zelle->unten;
    int w = 0, h = 5;
    if (optionen.monatstageAnzeigen) {
        const Schrift alt = l.AktuelleSchrift();
        const std::string zahl = std::to_string(uhr_.Jetzt().tag);
        l.SchriftSetzen(AnsichtSchrift(optionen.schriftgroesseMonatstage));
        w = l.Textbreite(zahl);
        h = l.Texthoehe(zahl);
        l.SchriftSetzen(alt);
    }
    const Stift stift = l.AktuellerStift();
    l.ModusSetzen(Zeichenmodus::Kopieren);
    l.StiftSetzen({farbe, 2, Stiftstil::Durchgezogen});
    l.Polylinie({{L + 2, T + h + 1}, {L + 2, B - 4}, {R - 1, B - 4}, {R - 1, T + 5},
                 {L + w + 1, T + 5}});
    l.StiftSetzen({farbe, 1, Stiftstil::Durchgezogen});
    l.Pixel(R - 1, T + 4, farbe);
    l.StiftSetzen(stift);
}

std::optional<TagMonat> TJahresansicht::TagAnPosition(int x, int y) const {
    return kalvora::TagAnPosition(anordnung_.metrik, jahr_, x, y);
}

// ---- painting -------------------------------------------------------------------------

void TJahresansicht::FeiertageMalen(Leinwand& l) const {
    const Stift stift = l.AktuellerStift();
    const Pinsel pinsel = l.AktuellerPinsel();
    for (const FeiertagsFlaeche& f : feiertage_.Malflaechen(optionen.feiertage))
        Fuellen(l, f.farbe, TagesZelle(f.tag, f.monat));
    l.StiftSetzen(stift);
    l.PinselSetzen(pinsel);
}

void TJahresansicht::BeschriftungenMalen(Leinwand& l) {
    const JahresAnordnung& a = anordnung_;
    l.HintergrundSetzen(Hintergrundmodus::Transparent);
    l.SchriftSetzen(JahrTitelSchrift(), JahrTitelPixel);
    const std::string jahr = std::to_string(jahr_);
    jahrTitel_ = {16, a.jahrTitelOben, 16 + l.Textbreite(jahr),
                  a.jahrTitelOben + l.Texthoehe(jahr)};
    l.Text(jahrTitel_.links, jahrTitel_.oben, jahr);
    l.SchriftSetzen(AnsichtSchrift(MonatsnamenGroesse));
    for (const Beschriftung& b : a.monate)
        l.Text(b.ort.x, b.ort.y, b.text);
    // The weekend headers stand on the shaded columns, which gives them their background.
    l.SchriftSetzen(AnsichtSchrift(KopfGroesse));
    for (const Beschriftung& b : a.wochentage)
        l.Text(b.ort.x, b.ort.y, b.text);
}

void TJahresansicht::JahresansichtMalen(Leinwand& l) {
    if (anschluesse.alarmNeuStarten) anschluesse.alarmNeuStarten();
    status_[2] = kal_.geaendert ? "geändert" : "";
    if (anschluesse.legendeAnhalten) anschluesse.legendeAnhalten();
    l.ModusSetzen(Zeichenmodus::Kopieren);

    const JahresMetrik& m = anordnung_.metrik;
    const int unten = 25 * m.RH + m.Y0;

    for (int c = 0; c < JahresSpalten; ++c)
        if (IstWochenendSpalte(c))
            Fuellen(l, optionen.wochenendFarbe,
                    {m.X0 + c * m.CW, 1, m.X0 + (c + 1) * m.CW, unten});

    FeiertageMalen(l);
    BeschriftungenMalen(l);

    l.StiftSetzen({Silber, 1, Stiftstil::Durchgezogen});
    for (int k = 1; k <= 25; k += 2)
        l.Linie(1, k * m.RH + m.Y0, JahresSpalten * m.CW + m.X0 + 1, k * m.RH + m.Y0);
    for (int j = 0; j <= JahresSpalten; ++j)
        l.Linie(m.X0 + j * m.CW, 1, m.X0 + j * m.CW, unten + 1);

    l.StiftSetzen({Rot, std::max(optionen.roteLinie, 0), Stiftstil::Durchgezogen});
    l.PinselSetzen({Weiss, Pinselstil::Keiner});
    for (int monat = 1; monat <= 12; ++monat) {
        const int s = MonatsVersatz(monat, jahr_);
        const int n = TageImMonat(monat, jahr_);
        const Rechteck erster = TagesZelle(1, monat);
        l.Rechteck({m.X0 + s * m.CW, erster.oben, m.X0 + (s + n) * m.CW + 1, erster.unten + 1});
    }

    std::optional<Ereignistage> ereignisse;
    if (optionen.geburtstageAnzeigen || optionen.namenstageAnzeigen)
        ereignisse.emplace(kal_, jahr_);
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1, n = TageImMonat(monat, jahr_); tag <= n; ++tag)
            TagMalen(l, tag, monat, ereignisse ? &*ereignisse : nullptr);

    zaehler_.fill(0);
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1, n = TageImMonat(monat, jahr_); tag <= n; ++tag)
            for (uint32_t farbe : std::as_const(kal_).Tagesfarben(jahr_, monat, tag))
                ++zaehler_[kal_.FarbSlot(farbe)];
    zaehler_[0] = 0;  // colours of no slot are not counted
}

uint32_t TJahresansicht::Markenfarbe(const TTerminliste& liste, int tag, int monat) const {
    const Zeitpunkt jetzt = uhr_.Jetzt();
    const Datum heute{jetzt.tag, jetzt.monat, jetzt.jahr};
    const Datum d{tag, monat, jahr_};
    auto vor = [](const Datum& a, const Datum& b) {
        if (a.jahr != b.jahr) return a.jahr < b.jahr;
        if (a.monat != b.monat) return a.monat < b.monat;
        return a.tag < b.tag;
    };
    if (vor(d, heute)) return optionen.farbeVergangenerTermine;
    if (d == heute && liste.size() >= 2) {
        // A start time that is no clock time cannot have passed.
        const std::optional<int> beginn = UhrzeitSekunden(liste.back().Uhrzeit);
        const int nun = jetzt.stunde * 3600 + jetzt.minute * 60 + jetzt.sekunde;
        if (beginn && nun > *beginn + 59) return optionen.farbeVergangenerTermine;
    }
    return optionen.farbeKommenderTermine;
}

void TJahresansicht::MarkeMalen(Leinwand& l, const Rechteck& z, int cy, uint32_t farbe) const {
    const int L = z.links, T = z.oben, R = z.rechts, B = z.unten;
    const int cw = anordnung_.metrik.CW;
    const int cx = (L + R) / 2;
    switch (optionen.darstellung) {
        case Terminmarke::Kreis:
            l.StiftSetzen({farbe, 2, Stiftstil::Durchgezogen});
            l.PinselSetzen({farbe, Pinselstil::Keiner});
            l.Ellipse({L + 2, T + 5, R - 1, B - 4});
            break;
        case Terminmarke::Dreieck:
            l.StiftSetzen({farbe, 1, Stiftstil::Durchgezogen});
            l.PinselSetzen({farbe, Pinselstil::Voll});
            l.Polygon({{cx, T + 1}, {R - 1, T + 1}, {R - 1, cy}});
            break;
        case Terminmarke::Kreuz:
            l.StiftSetzen({farbe, 2, Stiftstil::Durchgezogen});
            l.PinselSetzen({farbe, Pinselstil::Voll});
            l.Linie(L + 2, T + 5, R - 2, B - 5);
            l.Linie(L + 2, B - 5, R - 2, T + 5);
            break;
        case Terminmarke::Eselsohr:
            l.StiftSetzen({farbe, 1, Stiftstil::Durchgezogen});
            l.PinselSetzen({Weiss, Pinselstil::Voll});
            l.Polygon({{R - 8, T + 1}, {R - 8, T + 8}, {R - 1, T + 8}});
            l.Polylinie(
                {{R - 8, T + 1}, {L + 1, T + 1}, {L + 1, B - 1}, {R - 1, B - 1}, {R - 1, T + 8}});
            l.StiftSetzen({0xCCCCCC, 1, Stiftstil::Durchgezogen});
            l.Polygon({{R - 7, T + 3}, {R - 7, T + 7}, {R - 3, T + 7}});
            break;
        case Terminmarke::Ecke: {
            const int x0 = (L + R + cw / 5) / 2;
            const int k = R - 1 - x0;
            l.StiftSetzen({farbe, 1, Stiftstil::Durchgezogen});
            l.PinselSetzen({farbe, Pinselstil::Voll});
            l.Polygon({{x0, T + 1}, {R - 1, T + 1}, {R - 1, T + 1 + k}});
            break;
        }
        case Terminmarke::Keine: break;
    }
    l.StiftSetzen({Schwarz, 1, Stiftstil::Durchgezogen});
}

void TJahresansicht::TagMalen(Leinwand& l, int tag, int monat, const Ereignistage* ereignisse) {
    const JahresMetrik& m = anordnung_.metrik;
    const Rechteck z = TagesZelle(tag, monat);
    const int L = z.links, T = z.oben, R = z.rechts, B = z.unten;
    const int cy = BandMitte(m, monat);
    const TTagesfarben& farben = kal_.Tagesfarben(jahr_, monat, tag);
    const int wochentag = Wochentag(tag, monat, jahr_);
    const bool wochenende = wochentag == 0 || wochentag == 6;

    uint32_t k = farben.empty() ? Weiss : farben.front();
    if (wochenende && k == Weiss) k = optionen.wochenendFarbe;

    if (IstHeute(uhr_, tag, monat, jahr_)) {
        l.StiftSetzen({Schwarz, 2, Stiftstil::Durchgezogen});
        l.PinselSetzen({Weiss, Pinselstil::Keiner});
        l.Rechteck({L + 2, T + 5, R, B - 3});
    }

    if (k != Weiss && k != optionen.wochenendFarbe && !farben.empty()) {
        // The first A mod n stripes are one pixel taller, so the stripes fill A exactly.
        const int a = 2 * m.RH - 17;
        const int n = static_cast<int>(farben.size());
        const int h = a / n, rest = a % n;
        for (int i = 0; i < n; ++i) {
            const int y0 = T + 9 + i * h + std::min(i, rest);
            const int y1 = T + 9 + (i + 1) * h + std::min(i + 1, rest);
            if (y1 > y0) Fuellen(l, farben[i], {L + 3, y0, R - 2, y1});
        }
    } else {
        Fuellen(l, k, {L + 3, T + 9, R - 2, B - 8});
    }

    const TTerminliste& liste = kal_.Terminliste(jahr_, monat, tag);
    const bool marke = (liste.size() >= 2 && optionen.darstellung != Terminmarke::Keine) ||
                       (liste.size() == 1 && optionen.termineAuchBeiTagesinfo);
    if (marke && optionen.darstellung != Terminmarke::Keine) {
        const uint32_t farbe = Markenfarbe(liste, tag, monat);
        if (farbe != Weiss) {
            // The mark depends on the cell only through its size and the band centre; the
            // key stays short enough to need no allocation.
            const auto zahl16 = [](int v) { return static_cast<char16_t>(v); };
            const char16_t masse[7] = {u'M',
                                       zahl16(static_cast<int>(optionen.darstellung)),
                                       zahl16(static_cast<int>(farbe & 0xFFFF)),
                                       zahl16(static_cast<int>(farbe >> 16)),
                                       zahl16(R - L),
                                       zahl16(B - T),
                                       zahl16(cy - T)};
            const std::string schluessel(reinterpret_cast<const char*>(masse), sizeof masse);
            const Marke marke{z, cy, farbe};
            l.Figur(schluessel, z, [this, &marke](Leinwand& f) {
                MarkeMalen(f, marke.zelle, marke.cy, marke.farbe);
            });
        }
    }

    l.PinselSetzen({Weiss, Pinselstil::Voll});
    if (optionen.monatstageAnzeigen) {
        l.SchriftSetzen(AnsichtSchrift(optionen.schriftgroesseMonatstage));
        l.HintergrundSetzen(Hintergrundmodus::Deckend);
        l.Text(L + 1, T + 1, std::to_string(tag));
    }
    if (optionen.kalenderwoche && wochentag == (optionen.anzeigeKalenderwoche + 1) % 7) {
        const std::string kw = std::to_string(Kalenderwoche(DatumWert(tag, monat, jahr_)));
        l.SchriftSetzen(AnsichtSchrift(optionen.schriftgroesseMonatstage + 3));
        l.HintergrundSetzen(Hintergrundmodus::Transparent);
        const int x = L + m.CW / 2;
        l.Text(x - l.Textbreite(kw) / 2, cy - l.Texthoehe(kw) / 2, kw);
    }

    if (ereignisse) {
        if (optionen.geburtstageAnzeigen && ereignisse->Geburtstag(tag, monat))
            GeburtstagsSymbol(l, L + 1, B - 8);
        if (optionen.namenstageAnzeigen && ereignisse->Namenstag(tag, monat))
            NamenstagsSymbol(l, R - 1, B - 8);
    }
}

// ---- hovering -------------------------------------------------------------------------

std::string TJahresansicht::Datumstext(int tag, int monat, int jahr) const {
    return Wochentagsname(Wochentag(tag, monat, jahr)) + ",  " + ZweiStellen(tag) + ". " +
           Monatsname(monat) + "  " + std::to_string(jahr);
}

std::string TJahresansicht::Eintragszeilen(const TTerminliste& liste) const {
    const JahresansichtOptionen& o = optionen;
    std::string s;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const TTermin& e = liste[i];
        const bool info = i == 0;
        if (i > 1)
            s += "\r\n";
        else if (info && o.leerzeileWennKeineTagesinfo && e.Beschreibung.empty())
            s += "\r\n";
        if (!(info && o.leerzeileWennKeineTagesinfo) && e.Beschreibung.empty()) continue;
        // A time or duration no clock can show (a hand-edited file) is shown as none.
        const int32_t dauer = DauerBrauchbar(e.Dauer);
        if (o.keineUhrzeitAnzeigen && UhrzeitBrauchbar(e.Uhrzeit.sicht())) {
            s += e.Uhrzeit;
            if (o.terminendeAnzeigen) s += "-" + ZeitPlusMinuten(e.Uhrzeit, dauer);
            s += "   ";
        }
        s += info ? InfoZeilen(e.Beschreibung) : e.Beschreibung.str();
        if (o.terminlaengeAnzeigen && !info) s += " (" + MinutenAlsDauer(dauer) + ")";
        if (!e.Ort.empty()) {
            s += o.beschreibungUndOrtZweiZeilen ? "\r\n" : " ";
            s += "  ";
            if (o.ortsangabe) s += "Ort: ";
            s += e.Ort;
        }
        if (o.leerzeilenZwischenTerminen && !info && !e.Beschreibung.empty())
            s += "\r\n";
        else if (info && !e.Beschreibung.empty())
            s += "\r\n";
    }
    return s;
}

std::string TJahresansicht::TagestextAufbauen(int tag, int monat, int jahr) const {
    const JahresansichtOptionen& o = optionen;
    const bool heute = IstHeute(uhr_, tag, monat, jahr);
    std::string s = "Termine";
    if (heute || o.wochentag || o.datumDesTages) s += " für ";
    if (heute) s += "heute, ";
    if (o.wochentag) s += Wochentagsname(Wochentag(tag, monat, jahr));
    if (o.wochentag && o.datumDesTages) s += ",  ";
    if (o.datumDesTages)
        s += ZweiStellen(tag) + ". " + Monatsname(monat) + "  " + std::to_string(jahr);
    s += ": ";
    // The special-day table belongs to the displayed year.
    if (o.nameVonFeiertagen && jahr == feiertage_.Jahr()) {
        const std::string& f = feiertage_.FeiertagsText(tag, monat);
        if (!f.empty()) s += "(" + f + ")";
    }
    if (o.farbname || o.farbnamen) s += " " + tagesfarbtext(kal_, jahr, monat, tag, o.farbnamen);
    s += "\r\n";
    s += Tageszeile(kal_, tag, monat, jahr, o.ereignisse, Zeilenumbruch::Danach);
    if (TKalender::ImBereich(jahr, monat, tag))
        s += Eintragszeilen(std::as_const(kal_).Terminliste(jahr, monat, tag));
    return s;
}

void TJahresansicht::ZeigerAuswerten(int x, int y, Maustasten tasten) {
    hover_ = 0;
    schwebetag_.reset();
    if (farbeLoeschenAnstehend) {
        x = gemerkt_.x;
        y = gemerkt_.y;
    } else {
        gemerkt_ = {};
        letzterZeiger_ = {x, y};
    }
    if (anschluesse.legendeAnhalten) anschluesse.legendeAnhalten();

    // While the day dialog or a view is open the selected day belongs to it; the year view
    // behind cannot be pointed at, so a repaint or a new layout finds no day there.
    const std::optional<TagMonat> tm = ansichtOffen ? std::nullopt : TagAnPosition(x, y);
    if (!tm) {
        if (!ansichtOffen) {
            const Datum heute = HeutigesDatum(uhr_);
            auswahl_.Setzen(heute.tag, heute.monat, heute.jahr);
            status_[0].clear();
            status_[1].clear();
            status_[3].clear();
            terminfeld_ = "Termine für heute:\r\n";
            terminfeld_ += Tageszeile(kal_, heute.tag, heute.monat, heute.jahr,
                                      optionen.ereignisse, Zeilenumbruch::Danach);
            if (TKalender::ImBereich(heute.jahr, heute.monat, heute.tag))
                terminfeld_ += Eintragszeilen(
                    std::as_const(kal_).Terminliste(heute.jahr, heute.monat, heute.tag));
        }
    } else {
        const int tag = tm->tag, monat = tm->monat;
        if (!hilfemodus_) {
            switch (farbbearbeitung) {
                case Farbbearbeitung::Hinzufuegen: zeiger_ = Zeigerform::Plus; break;
                case Farbbearbeitung::Loeschen: zeiger_ = Zeigerform::Minus; break;
                case Farbbearbeitung::Neu: zeiger_ = Zeigerform::Neu; break;
                case Farbbearbeitung::AlleLoeschen: zeiger_ = Zeigerform::Loeschen; break;
                case Farbbearbeitung::Keine: zeiger_ = Zeigerform::Pfeil; break;
            }
        }
        auswahl_.Setzen(tag, monat, jahr_);
        hover_ = jahr_ * 372 + monat * 31 + tag;
        schwebetag_ = *tm;
        TagtexteAuffrischen();

        if (farbeLoeschenAnstehend) {
            farbeLoeschenAnstehend = false;
            if (anschluesse.farbeLoeschen) anschluesse.farbeLoeschen(tag, monat, jahr_);
        } else if (tasten.links && !tasten.rechts && !tasten.mitte) {
            if (farbbearbeitung != Farbbearbeitung::Keine && anschluesse.farbeAnwenden)
                anschluesse.farbeAnwenden(tag, monat, jahr_);
        } else if (tasten.rechts &&
                   !std::as_const(kal_).Tagesfarben(jahr_, monat, tag).empty()) {
            gemerkt_ = {x, y};
        }
    }
    if (status_[0].empty() && !hilfemodus_) zeiger_ = Zeigerform::Pfeil;

    if (optionen.sonneAnzeigen) {
        const TDatum d = DatumWert(auswahl_.tag, auswahl_.monat, auswahl_.jahr);
        sonne_ = SonnenBeschriftung(SonnenAufUntergang(optionen.sommerzeit, d, optionen.abweichung,
                                                       optionen.breite, optionen.laenge),
                                    d);
        sonneSichtbar_ = true;
    } else {
        sonne_.clear();
        sonneSichtbar_ = false;
    }
}

void TJahresansicht::TagtexteAuffrischen() {
    if (!schwebetag_) return;
    const int tag = schwebetag_->tag, monat = schwebetag_->monat;
    status_[0] = Datumstext(tag, monat, jahr_);
    status_[1] = feiertage_.FeiertagsText(tag, monat);
    status_[3] = tagesfarbtext(kal_, jahr_, monat, tag, optionen.farbnamen);
    if (terminfeldSichtbar) terminfeld_ = TagestextAufbauen(tag, monat, jahr_);
}

void TJahresansicht::ZeigerVerlassen() {
    hover_ = 0;
    schwebetag_.reset();
    status_[0].clear();
    status_[1].clear();
    status_[3].clear();
}

Befehlszustand TJahresansicht::Befehle() const {
    Befehlszustand b;
    b.speichern = kal_.geaendert;
    b.ereignissePruefen = !kal_.Geburtstagsliste.empty();
    b.statistikUndUeberwachung = kal_.geaendert || dateiOffen;
    return b;
}

// ---- the displayed year ---------------------------------------------------------------

void TJahresansicht::JahrSetzen(int jahr) {
    jahr = std::clamp(jahr, ErstesJahr, LetztesJahr);
    if (anschluesse.legendeAnhalten) anschluesse.legendeAnhalten();
    jahr_ = jahr;
    feiertage_.FeiertageBerechnen(jahr_);
    if (anschluesse.neuZeichnen) anschluesse.neuZeichnen();
    std::optional<Punkt> p = letzterZeiger_;
    if (anschluesse.zeigerposition) p = anschluesse.zeigerposition();
    if (p) ZeigerAuswerten(p->x, p->y);
}

std::string TJahresansicht::JahrEingabe(const std::string& text) {
    if (text.empty()) return text;
    const bool negativ = text[0] == '-';
    const std::string ziffern = negativ ? text.substr(1) : text;
    if (ziffern.empty() || !std::all_of(ziffern.begin(), ziffern.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; }))
        return text;
    // Long inputs are far beyond the range whatever their digits; no overflow on parsing.
    const std::string ohneNullen =
        ziffern.substr(std::min(ziffern.find_first_not_of('0'), ziffern.size()));
    const long wert =
        ohneNullen.size() > 6 ? 9999999L : (ohneNullen.empty() ? 0L : std::stol(ohneNullen));
    const long jahr = negativ ? -wert : wert;
    if (jahr >= 2100) {
        JahrSetzen(LetztesJahr);
        return std::to_string(LetztesJahr);
    }
    if (jahr <= 1900) {
        if (text.size() < 4) return text;  // the user may still be typing
        JahrSetzen(ErstesJahr);
        return std::to_string(ErstesJahr);
    }
    JahrSetzen(static_cast<int>(jahr));
    return text;
}

void TJahresansicht::JahrBlaettern(int schritte) {
    JahrEingabe(std::to_string(jahr_ + schritte));
}

std::vector<Tooltipbereich> TJahresansicht::TooltipBereiche() const {
    std::vector<Tooltipbereich> v;
    for (const FeiertagsTooltip& t : feiertage_.Tooltips())
        v.push_back({TagesZelle(t.tag, t.monat), t.text});
    return v;
}

std::string TJahresansicht::TooltipAn(int x, int y) const {
    const std::optional<TagMonat> tm = TagAnPosition(x, y);
    if (!tm) return {};
    return feiertage_.FeiertagsText(tm->tag, tm->monat);
}

// ---- help mode ------------------------------------------------------------------------

void TJahresansicht::DirekthilfeStarten() {
    hilfemodus_ = true;
    zeiger_ = Zeigerform::Hilfe;
}

Hilfeantwort TJahresansicht::HilfeKlick(Hilfeziel ziel, bool rechts) {
    auto thema = [](Hilfeziel z) {
        switch (z) {
            case Hilfeziel::Jahresfeld: return 1063;
            case Hilfeziel::Farbname: return 1064;
            case Hilfeziel::Farbfeld: return 1065;
            case Hilfeziel::AktuelleFarbe: return 1066;
            case Hilfeziel::Jahresansicht: return 1067;
            case Hilfeziel::Kontrollkaestchen: return 1068;
            case Hilfeziel::Sonstiges: return 0;
        }
        return 0;
    };
    if (!hilfemodus_) {
        if (rechts && ziel == Hilfeziel::Kontrollkaestchen) return {1068, true};
        return {0, true};
    }
    hilfemodus_ = false;
    zeiger_ = Zeigerform::Pfeil;
    return {thema(ziel), false};
}

}  // namespace kalvora
