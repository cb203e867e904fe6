#include "adressbuch/Adressdruck.h"

#include <algorithm>
#include <cmath>

#include "methoden/Fehler.h"

#include "platform/Druckrahmen.h"
#include "platform/Textzuschnitt.h"

namespace kalvora {
namespace {

int Runden(double x) { return static_cast<int>(std::nearbyint(x)); }

// The text as far as it fits into breite (whole characters), found by halving on the part
// a cell can show at all, so that a field of megabytes costs a few measurements.
std::string Passend(Leinwand& l, const std::string& text, int breite) {
    return text.substr(0, PassendeLaenge(l, text, breite));
}

}  // namespace

Adressliste AdresslisteAus(const std::vector<TAdresse>& eintraege, const Adressoptionen& o,
                           int bildschirmDpi) {
    Adressliste l;
    TAdresse kopf;
    for (std::size_t i = 0; i < 17; ++i) kopf[i] = AdressUeberschriften()[i];
    l.zeilen.push_back(kopf);
    l.zeilen.insert(l.zeilen.end(), eintraege.begin(), eintraege.end());
    if (eintraege.empty()) l.zeilen.emplace_back();  // the grid keeps one empty data row
    l.breiten = o.breite;
    l.sichtbar = o.spalte;
    l.bildschirmDpi = bildschirmDpi > 0 ? bildschirmDpi : 96;
    return l;
}

std::string AdresslisteNichtDruckbar(std::size_t eintraege) {
    if (eintraege <= kHoechsteDruckeintraege) return {};
    return "Die Liste hat " + std::to_string(eintraege) + " Einträge; gedruckt werden höchstens " +
           std::to_string(kHoechsteDruckeintraege) + " Einträge auf einmal.";
}

int AdresslisteDruckauftrag(Drucker& drucker, const Adressliste& liste,
                            const Adressoptionen& o, const std::string& titel) {
    // Refused before the job begins, so that nothing is printed at all.
    const std::string zuviel =
        AdresslisteNichtDruckbar(liste.zeilen.empty() ? 0 : liste.zeilen.size() - 1);
    if (!zuviel.empty()) throw KalvoraFehler(zuviel);
    drucker.AusrichtungSetzen(o.querformat ? Seitenausrichtung::Querformat
                                           : Seitenausrichtung::Hochformat);
    Druckdokument dokument(drucker, titel);
    // Every copy the print dialog asks for, one after the other in the job.
    const int kopien = std::max(1, drucker.Kopien());
    int seiten = 0;
    for (int kopie = 1; kopie <= kopien; ++kopie) {
        if (kopie > 1) drucker.NeueSeite();
        seiten += AdresslisteDrucken(drucker, liste, o);
    }
    return seiten;
}

int AdresslisteDrucken(Drucker& drucker, const Adressliste& liste, const Adressoptionen& o) {
    int seiten = 1;
    Leinwand& l = drucker.Zeichenflaeche();
    const int dpi = drucker.AufloesungX();
    const double scale = static_cast<double>(dpi) / liste.bildschirmDpi;
    const int pad = l.Textbreite(" ");
    const auto rand = [&](double cm) { return Runden(cm / 2.54 * dpi); };
    const int links = rand(o.links), rechts = rand(o.rechts), oben = rand(o.oben),
              unten = rand(o.unten);
    l.StiftSetzen({0, 1});
    l.PinselSetzen({0xFFFFFF, Pinselstil::Keiner});
    l.HintergrundSetzen(Hintergrundmodus::Transparent);
    const Schrift normal{o.fontName, o.fontSize};
    Schrift fett = normal;
    fett.fett = true;
    fett.groesse = o.fontSize + 2;
    l.SchriftSetzen(normal);
    const int zeilenhoehe = std::max(1, Runden(l.Texthoehe("Beispieltext") * o.factor));
    const int breite = drucker.SeitenBreite();
    const int hoehe = drucker.SeitenHoehe();
    const int nutzbar = breite - rechts - links;
    const int grenze = breite - links - rechts;
    int gesamt = 0;
    for (std::size_t c = 0; c < 17; ++c)
        if (liste.sichtbar[c]) gesamt += liste.breiten[c];

    const auto fuss = [&] {
        const Schrift vorher = l.AktuelleSchrift();
        l.SchriftSetzen(normal);
        const std::string text = drucktexte::Herstellerzeile;
        l.Text(breite - l.Textbreite(text) - rechts, hoehe - unten / 2, text);
        l.SchriftSetzen(vorher);
    };
    fuss();
    const auto zeileDrucken = [&](const TAdresse& zeile, int y, int erste, int& letzte) {
        int x = links;
        letzte = erste;
        bool einzeln = true;  // the band's first column is printed even when it is too wide
        for (int c = erste; c < 17; ++c) {
            const auto i = static_cast<std::size_t>(c);
            if (!liste.sichtbar[i]) {
                if (x < grenze) letzte = c;
                continue;
            }
            const int rechtsKante =
                o.breiteAnpassen && gesamt > 0
                    ? x + Runden(static_cast<double>(liste.breiten[i]) / gesamt * nutzbar)
                    : x + Runden(liste.breiten[i] * scale) + pad;
            if (!o.breiteAnpassen && rechtsKante >= grenze && !einzeln) break;
            const int kante =
                std::min(rechtsKante, o.breiteAnpassen ? rechtsKante : breite - rechts);
            einzeln = false;
            const Rechteck zelle{x, y, kante, y + zeilenhoehe};
            const int th = l.Texthoehe("Ag");
            l.Text(x + pad, y + zeilenhoehe / 2 - th / 2,
                   Passend(l, zeile[i] + " ", std::max(0, kante - x - pad)));
            if (o.gitter) l.Rechteck(zelle);
            x = rechtsKante;
            letzte = c;
            if (!o.breiteAnpassen && rechtsKante >= grenze) break;
        }
    };

    // Any shown column at all?
    bool etwas = false;
    for (bool s : liste.sichtbar) etwas = etwas || s;
    if (!etwas || liste.zeilen.empty()) return seiten;

    int erste = 0;
    bool ersteBande = true;
    while (erste < 17) {
        bool verbleibt = false;
        for (int c = erste; c < 17; ++c)
            verbleibt = verbleibt || liste.sichtbar[static_cast<std::size_t>(c)];
        if (!verbleibt) break;
        if (!ersteBande) {
            ++seiten;
            drucker.NeueSeite();
            fuss();
        }
        ersteBande = false;
        int y = oben;
        bool letzteWarTitel = false;
        int bandende = erste;
        for (std::size_t r = 1; r < liste.zeilen.size(); ++r) {
            if (!letzteWarTitel && y != oben && y + zeilenhoehe > hoehe - unten) {
                ++seiten;
                drucker.NeueSeite();
                fuss();
                y = oben;
            }
            if (y == oben && !letzteWarTitel) {
                l.SchriftSetzen(fett);
                zeileDrucken(liste.zeilen[0], y, erste, bandende);
                l.SchriftSetzen(normal);
                y += zeilenhoehe;
            }
            zeileDrucken(liste.zeilen[r], y, erste, bandende);
            y += zeilenhoehe;
            letzteWarTitel = false;
        }
        erste = bandende + 1;
    }
    return seiten;
}

}  // namespace kalvora
