#include "statistik/Statistikdruck.h"

#include <algorithm>
#include <cmath>

#include "methoden/Fehler.h"
#include "platform/Druckrahmen.h"

namespace kalvora {

Rechteck StatistikDruckrechteck(const Statistikoptionen& o, int dpiX, int dpiY,
                                int seitenBreite, int seitenHoehe) {
    // A damaged store may hold any finite number; no sheet is wider than a few metres.
    const auto punkte = [](double cm, int dpi) {
        return static_cast<int>(std::lround(std::clamp(cm, -1000.0, 1000.0) / 2.54 * dpi));
    };
    return {punkte(o.links, dpiX), punkte(o.oben, dpiY),
            seitenBreite - punkte(o.rechts, dpiX), seitenHoehe - punkte(o.unten, dpiY)};
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
