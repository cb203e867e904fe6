#include "statistik/Statistikdruck.h"

#include <algorithm>
#include <cmath>

#include "methoden/Fehler.h"
#include "platform/Druckrahmen.h"

namespace kalvora {

Rechteck StatistikDruckrechteck(const Statistikoptionen& o, int dpiX, int dpiY,
                                int seitenBreite, int seitenHoehe) {
    // The store may hold any number: a negative margin would put the chart beyond the paper,
    // so each is taken within the range the options dialog allows.
    const auto punkte = [](double cm, const char* name, int dpi) {
        return static_cast<int>(
            std::lround(KommazahlBegrenzt(StatistikZeile(name), cm) / 2.54 * dpi));
    };
    return {punkte(o.links, "Links", dpiX), punkte(o.oben, "Oben", dpiY),
            seitenBreite - punkte(o.rechts, "Rechts", dpiX),
            seitenHoehe - punkte(o.unten, "Unten", dpiY)};
}

int StatistikDrucken(Drucker& drucker, const Statistikoptionen& o, const std::string& titel,
                     Druckstatus& status, const Diagrammzeichner& zeichnen) {
    struct Zurueck {
        Drucker& d;
        Seitenausrichtung vorher;
        ~Zurueck() { d.AusrichtungSetzen(vorher); }
    } zurueck{drucker, drucker.Ausrichtung()};
    drucker.AusrichtungSetzen(o.querformat ? Seitenausrichtung::Querformat
                                           : Seitenausrichtung::Hochformat);
    const Rechteck r =
        StatistikDruckrechteck(o, drucker.AufloesungX(), drucker.AufloesungY(),
                               drucker.SeitenBreite(), drucker.SeitenHoehe());
    if (r.Breite() <= 0 || r.Hoehe() <= 0) throw KalvoraFehler(statistikdrucktexte::KeinPlatz);
    const int kopien = std::max(1, drucker.Kopien());
    Druckdokument dokument(drucker, titel);
    for (int k = 1; k <= kopien; ++k) {
        if (k > 1) drucker.NeueSeite();
        status.SeiteZeigen(drucktexte::SeiteVon(k, kopien));
        zeichnen(drucker.Zeichenflaeche(), r);
        status.Fortschritt(k * 100 / kopien);
    }
    return kopien;
}

}  // namespace kalvora
