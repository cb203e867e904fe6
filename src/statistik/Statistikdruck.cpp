#include "statistik/Statistikdruck.h"

#include <algorithm>

#include "methoden/Fehler.h"
#include "platform/Druckrahmen.h"

namespace kalvora {

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
