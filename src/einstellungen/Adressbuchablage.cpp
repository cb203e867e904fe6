#include "einstellungen/Adressbuchablage.h"

namespace kalvora {

namespace {
using A = Adressoptionen;
}  // namespace

const Werttabelle<Adressoptionen>& AdressbuchWerte() {
    using namespace tabelle;
    static const Werttabelle<A> t = [] {
        Werttabelle<A> w;
        for (std::size_t n = 0; n < 17; ++n)
            w.push_back(Zeile<A>("AdrOpt" + std::to_string(n + 1), Werttyp::Wahrheitswert, true,
                                 [n](A& a) -> Feldzeiger { return &a.spalte[n]; }));
        for (std::size_t n = 0; n < 17; ++n)
            w.push_back(Zeile<A>("Breite" + std::to_string(n + 1), Werttyp::Ganzzahl,
                                 AdressStandardbreiten[n],
                                 [n](A& a) -> Feldzeiger { return &a.breite[n]; })
                            .Bereich(0, 5000)
                            .BeimBeenden());
        w.push_back(Wahrheitswert("eine Adresse", &A::eineAdresse, true));
        w.push_back(Wahrheitswert("Querformat", &A::querformat, true));
        w.push_back(Wahrheitswert("Gitter", &A::gitter, true));
        w.push_back(Wahrheitswert("Breite anpassen", &A::breiteAnpassen, false));
        w.push_back(Gleitkomma("links", &A::links, 1.0));
        w.push_back(Gleitkomma("rechts", &A::rechts, 1.0));
        w.push_back(Gleitkomma("oben", &A::oben, 1.0));
        w.push_back(Gleitkomma("unten", &A::unten, 2.0));
        w.push_back(Text("FontName", &A::fontName, "MS Sans Serif"));
        w.push_back(Ganzzahl("FontSize", &A::fontSize, 10).Bereich(1, 200));
        w.push_back(Text("Verzeichnis", &A::verzeichnis, ""));
        w.push_back(Ganzzahl("Dateien fix", &A::dateienFix, 0).Auswahl(0, 2, 0));
        w.push_back(Gleitkomma("Factor", &A::factor, 1.5));
        w.push_back(Wahrheitswert("Gesamtliste aller Gruppen", &A::gesamtliste, true));
        w.push_back(Ganzzahl("Tabellenzeilenhoehe", &A::zeilenhoehe, 20).Bereich(10, 99));
        w.push_back(Wahrheitswert("Papierkorb benutzen", &A::papierkorb, false));
        return w;
    }();
    return t;
}

void AdressoptionenLaden(const Registry& registry, Adressoptionen& ziel) {
    ziel = Adressoptionen{};
    NurLesendeRegistry nurLesen(registry);
    TabelleLaden(nurLesen, AdressbuchSchluessel, AdressbuchWerte(), ziel);
}

void AdressoptionenSpeichern(Registry& registry, const Adressoptionen& o) {
    TabelleSpeichern(registry, AdressbuchSchluessel, AdressbuchWerte(), o,
                     Zeilenauswahl::OhneBeenden);
}

void AdressbreitenSpeichern(Registry& registry, const Adressoptionen& o) {
    TabelleSpeichern(registry, AdressbuchSchluessel, AdressbuchWerte(), o,
                     Zeilenauswahl::NurBeenden);
}

}  // namespace kalvora
