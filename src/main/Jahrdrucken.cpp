#include "main/Jahrdrucken.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "main/Farbbearbeitung.h"
#include "main/Jahresgeometrie.h"
#include "methoden/Fehler.h"
#include "methoden/Feiertage.h"
#include "methoden/Methoden.h"
#include "platform/Druckrahmen.h"

namespace kalvora {

namespace {

constexpr uint32_t Schwarz = 0x000000;
constexpr uint32_t Weiss = 0xFFFFFF;
constexpr uint32_t Rot = 0x0000FF;
constexpr int Grundgroesse = 8;
constexpr int Ueberschriftgroesse = 12;
constexpr int Herstellergroesse = 6;
constexpr int Tageszahlgroesse = 4;
constexpr int Kopfspalten = 37;
constexpr int Schattenspalten = 35;  // columns 35 and 36 are Monday and Tuesday

constexpr std::array<const char*, 7> Spaltenkoepfe = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
constexpr std::array<int, AnzahlFarben> Legendenfolge = {1,  2,  3,  13, 4,  5,  6,  14, 7,  8,
                                                         9,  15, 10, 11, 12, 16, 17, 18, 19, 20};

int Runden(double wert) { return static_cast<int>(std::lround(wert)); }

Schrift Grundschrift(int groesse = Grundgroesse) {
    Schrift s;
    s.name = drucktexte::Sans;
    s.groesse = groesse;
    return s;
}

Schrift Ueberschriftschrift() {
    Schrift s;
    s.name = drucktexte::Serif;
    s.groesse = Ueberschriftgroesse;
    s.fett = true;
    s.unterstrichen = true;
    return s;
}

void Stiftwahl(Leinwand& l, uint32_t farbe, int breite, Stiftstil stil = Stiftstil::Durchgezogen) {
    l.StiftSetzen(Stift{farbe, breite, stil});
}

void Pinselwahl(Leinwand& l, uint32_t farbe, Pinselstil stil = Pinselstil::Voll) {
    l.PinselSetzen(Pinsel{farbe, stil});
}

bool IstWochenende(int tag, int monat, int jahr) {
    const int w = Wochentag(tag, monat, jahr);
    return w == 0 || w == 6;
}

// The inner box of a day cell: special-day rings and colour stripes share it.
Rechteck Innenfeld(const Jahresdruckmasse& m, const Rechteck& z) {
    return {z.links + m.PCW / 5, z.oben + m.PRH / 5, z.rechts - m.PCW / 5, z.unten - m.PRH / 5};
}

class Jahresseite {
public:
    Jahresseite(const TKalender& kal, const Einstellungen& einst, int jahr,
                const std::string& ueberschrift, const Jahresdruckmasse& m, Leinwand& l,
                Druckstatus& status)
        : kal_(kal), einst_(einst), jahr_(jahr), ueberschrift_(ueberschrift), m_(m), l_(l),
          status_(status), wochenende_(einst.SASOFarbeBeimDrucken) {
        feiertage_.FeiertageBerechnen(jahr);
    }

    void Malen() {
        status_.Fortschritt(0);
        Wochenenden();
        Kopf();
        Wochentagskoepfe();
        Monatsnamen();
        Raster();
        Monatsrahmen();
        Sondertage();
        Tagesfarben();
        status_.Fortschritt(99);
        Legende();
        status_.Fortschritt(100);
    }

private:
    void Wochenenden() {
        Stiftwahl(l_, Schwarz, 1, Stiftstil::Keiner);
        Pinselwahl(l_, wochenende_);
        for (int c = 0; c < Schattenspalten; ++c) {
            if (c % 7 != 5 && c % 7 != 6) continue;
            l_.Rechteck({m_.G0 + c * m_.PCW, m_.Ym - m_.TH, m_.G0 + (c + 1) * m_.PCW,
                         m_.MonatOben(13)});
        }
    }

    void Kopf() {
        // The shading left its colour in the brush; texts stand on white paper.
        Pinselwahl(l_, Weiss);
        l_.HintergrundSetzen(Hintergrundmodus::Deckend);
        l_.SchriftSetzen(Ueberschriftschrift());
        TextZentriert(l_, m_.seitenBreite, m_.Ym / 2 - 8, ueberschrift_);
        HerstellerzeileDrucken(l_, m_.seitenBreite - m_.Xm, m_.seitenHoehe - (4 * m_.Ym) / 10,
                               Herstellergroesse);
        l_.SchriftSetzen(Grundschrift());
    }

    void Wochentagskoepfe() {
        for (int c = 0; c < Kopfspalten; ++c) {
            const int w = c % 7;
            Pinselwahl(l_, w >= 5 ? wochenende_ : Weiss);
            const std::string text = Spaltenkoepfe[w];
            const int mitte = m_.G0 + c * m_.PCW + m_.PCW / 2;
            l_.Text(mitte - l_.Textbreite(text) / 2, m_.Ym, text);
        }
    }

    void Monatsnamen() {
        Pinselwahl(l_, Weiss);
        for (int monat = 1; monat <= 12; ++monat)
            l_.Text(m_.Xm, monat * m_.PRH + m_.Ym + m_.TH / 2, Monatsname(monat));
    }

    void Raster() {
        Stiftwahl(l_, Schwarz, 1, Stiftstil::Gepunktet);
        const int rechts = m_.G0 + Kopfspalten * m_.PCW;
        for (int monat = 1; monat <= 13; ++monat)
            l_.Linie(m_.Xm, m_.MonatOben(monat), rechts, m_.MonatOben(monat));
        const int oben = m_.Ym - (3 * m_.TH) / 4;
        for (int c = 0; c <= Kopfspalten; ++c) {
            const int x = m_.G0 + c * m_.PCW;
            l_.Linie(x, oben, x, m_.MonatOben(13));
        }
    }

    void Monatsrahmen() {
        Stiftwahl(l_, Rot, 2);
        Pinselwahl(l_, Weiss, Pinselstil::Keiner);
        for (int monat = 1; monat <= 12; ++monat) {
            const int s = MonatsVersatz(monat, jahr_);
            const int n = TageImMonat(monat, jahr_);
            l_.Rechteck({m_.G0 + s * m_.PCW, m_.MonatOben(monat), m_.G0 + (s + n) * m_.PCW,
                         m_.MonatOben(monat + 1)});
        }
    }

    void Sondertage() {
        for (int monat = 1; monat <= 12; ++monat) {
            for (int tag = 1; tag <= TageImMonat(monat, jahr_); ++tag) {
                if (feiertage_.FeiertagsText(tag, monat).empty()) continue;
                const auto k = feiertage_.FeiertagsFarbe(tag, monat, einst_.Feiertage);
                if (!k) continue;
                const Rechteck z = DruckZelle(m_, tag, monat, jahr_);
                Stiftwahl(l_, *k, 5);
                Pinselwahl(l_, *k);
                l_.Rechteck({z.links + 6, z.oben + 5, z.rechts - 2, z.unten - 4});
                Pinselwahl(l_, IstWochenende(tag, monat, jahr_) ? wochenende_ : Weiss);
                l_.Rechteck(Innenfeld(m_, z));
            }
        }
    }

    void Tagesfarben() {
        Stiftwahl(l_, Schwarz, 1);
        const int A = m_.PRH - (2 * m_.PRH) / 5;
        for (int monat = 1; monat <= 12; ++monat) {
            // Days past the month's end have no cell of their own; a colour stored there
            // would land outside the month frame.
            for (int tag = 1; tag <= TageImMonat(monat, jahr_); ++tag) {
                const Rechteck z = DruckZelle(m_, tag, monat, jahr_);
                const Rechteck innen = Innenfeld(m_, z);
                const TTagesfarben& farben = kal_.Tagesfarben(jahr_, monat, tag);
                if (!farben.empty()) {
                    Pinselwahl(l_, farben.front());
                    l_.Rechteck(innen);
                    const uint32_t k = farben.front();
                    if (k != Weiss && k != einst_.SASOFarbeInDerJahresansicht) {
                        const int n = static_cast<int>(farben.size());
                        auto y = [&](int i) {
                            return innen.oben + i * (A / n) + std::min(i, A % n);
                        };
                        for (int i = 0; i < n; ++i) {
                            Pinselwahl(l_, farben[i]);
                            l_.Rechteck({innen.links, y(i), innen.rechts, y(i + 1)});
                        }
                    }
                }
                l_.SchriftSetzen(Grundschrift(Tageszahlgroesse));
                l_.HintergrundSetzen(Hintergrundmodus::Transparent);
                l_.Text(z.links + m_.PCW / 20, z.oben, std::to_string(tag));
                l_.HintergrundSetzen(Hintergrundmodus::Deckend);
            }
            status_.Fortschritt(monat * 98 / 12);
        }
        l_.SchriftSetzen(Grundschrift());
    }

    void Legende() {
        const auto zaehler = Farbzaehlung(kal_, jahr_);
        const int seite = m_.seitenBreite / 60;
        Stiftwahl(l_, Schwarz, 1);
        l_.SchriftSetzen(Grundschrift());
        int p = 0;
        for (int slot : Legendenfolge) {
            const std::string& name = kal_.Farbnamen[slot];
            const bool frei = name == FreiName;
            if (zaehler[slot] == 0 && frei) continue;
            const int x = m_.Xm + (m_.seitenBreite / 5) * (p / 4);
            const int y = 14 * m_.PRH + m_.Ym + (m_.seitenHoehe / 30) * (p % 4);
            Pinselwahl(l_, kal_.Farbwerte[slot]);
            l_.Rechteck({x, y, x + seite, y + seite});
            const std::string text =
                (frei ? std::string() : name + "  ") + "[" + std::to_string(zaehler[slot]) + "]";
            Pinselwahl(l_, Weiss);
            l_.Text(x + 2 * seite, y + seite / 2 - l_.Texthoehe(text) / 2, text);
            ++p;
        }
    }

    const TKalender& kal_;
    const Einstellungen& einst_;
    const int jahr_;
    const std::string& ueberschrift_;
    const Jahresdruckmasse& m_;
    Leinwand& l_;
    Druckstatus& status_;
    const uint32_t wochenende_;
    TFeiertagstabelle feiertage_;
};

}  // namespace

std::string jahrdrucktexte::StandardUeberschrift(int jahr) {
    return "Kalvora  -  " + std::to_string(jahr);
}

Jahresdruckmasse JahresdruckmasseBerechnen(int dpiX, int dpiY, int seitenBreite,
                                           int seitenHoehe, int texthoehe, int textbreite) {
    Jahresdruckmasse m;
    m.seitenBreite = seitenBreite;
    m.seitenHoehe = seitenHoehe;
    m.Xm = Runden(dpiX * 0.5905511811);  // 15 mm
    m.Ym = Runden(dpiY * 0.9842519685);  // 25 mm
    m.TH = texthoehe;
    m.MW = Runden(1.5 * textbreite);
    m.PCW = (seitenBreite - 2 * m.Xm - m.MW) / Kopfspalten;
    m.PRH = Runden((seitenHoehe - 2 * m.Ym) * 0.85) / 13;
    m.G0 = m.Xm + m.MW;
    return m;
}

Rechteck DruckZelle(const Jahresdruckmasse& m, int tag, int monat, int jahr) {
    const int links = m.G0 + (MonatsVersatz(monat, jahr) + tag - 1) * m.PCW;
    return {links, m.MonatOben(monat), links + m.PCW, m.MonatOben(monat + 1)};
}

int JahrDrucken(const TKalender& kal, const Einstellungen& einst, int jahr,
                const std::string& ueberschrift, bool querformat, Drucker& drucker,
                Druckstatus& status) {
    // The colour grid holds only these years.
    if (jahr < ErstesJahr || jahr > LetztesJahr)
        throw KalvoraFehler("Das Jahr muss zwischen " + std::to_string(ErstesJahr) + " und " +
                            std::to_string(LetztesJahr) + " liegen.");
    if (querformat) drucker.AusrichtungSetzen(Seitenausrichtung::Querformat);
    Druckdokument dokument(drucker, ueberschrift);
    Leinwand& l = drucker.Zeichenflaeche();
    l.SchriftSetzen(Grundschrift());
    Pinselwahl(l, Weiss);
    const Jahresdruckmasse m = JahresdruckmasseBerechnen(
        drucker.AufloesungX(), drucker.AufloesungY(), drucker.SeitenBreite(),
        drucker.SeitenHoehe(), l.Texthoehe(jahrdrucktexte::Messtext),
        l.Textbreite(jahrdrucktexte::Messtext));
    const int kopien = drucker.Kopien();
    Jahresseite seite(kal, einst, jahr, ueberschrift, m, l, status);
    for (int n = 1; n <= kopien; ++n) {
        if (n > 1) drucker.NeueSeite();
        status.SeiteZeigen(drucktexte::SeiteVon(n, kopien));
        seite.Malen();
    }
    return std::max(kopien, 0);
}

}  // namespace kalvora
