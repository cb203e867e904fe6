#include "termine/Druckauswahl.h"

#include <algorithm>

namespace kalvora {

namespace {
int32_t Nummer(const Datum& d) { return Tagesnummer(d.tag, d.monat, d.jahr); }
const Datum kErster{1, 1, ErstesJahr};
const Datum kLetzter{31, 12, LetztesJahr};
}  // namespace

std::string druckauswahltexte::StandardUeberschrift(int jahr) {
    return "Kalvora  -  " + std::to_string(jahr);
}

void Druckauswahl::FuerJahresansicht(int jahr) {
    Schliessen();
    art = Druckart::Jahresansicht;
    auswahlSichtbar = true;
    titel = druckauswahltexte::Titel;
    start = {1, 1, jahr};
    ende = {31, 12, jahr};
    jahrVon = jahrBis = jahr;
    Aktivieren();
}

void Druckauswahl::FuerTerminliste(int jahr) {
    FuerJahresansicht(jahr);
    art = Druckart::Terminliste;
    auswahlSichtbar = false;
    titel = druckauswahltexte::TitelListe;
}

void Druckauswahl::Aktivieren() {
    StartSetzen(start);
    ueberschrift = druckauswahltexte::StandardUeberschrift(jahrVon);
}

void Druckauswahl::StartSetzen(const Datum& d) {
    start = Nummer(d) < Nummer(startMin) ? startMin : Nummer(d) > Nummer(startMax) ? startMax : d;
    endeMin = start;
    if (Nummer(ende) < Nummer(start)) ende = start;
    startMax = ende;
}

void Druckauswahl::EndeSetzen(const Datum& d) {
    ende = Nummer(d) > Nummer(kLetzter) ? kLetzter : Nummer(d) < Nummer(endeMin) ? endeMin : d;
    startMax = ende;
}

void Druckauswahl::Schliessen() {
    startMin = endeMin = kErster;
    startMax = endeMax = kLetzter;
    auswahlSichtbar = true;
    titel = druckauswahltexte::Titel;
}

}  // namespace kalvora
