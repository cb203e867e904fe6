#include "einstellungen/Werttabelle.h"

#include "methoden/Ueberladen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kalvora {

namespace {


int32_t Begrenzt(const Wertzeile& z, int32_t wert) {
    if (z.sonst && (wert < z.min || wert > z.max)) return *z.sonst;
    return std::clamp(wert, z.min, z.max);
}

int32_t ZahlVorgabe(const Vorgabe& v, const Einstellungsumgebung& u) {
    if (const auto* f = std::get_if<Vorgabefunktion>(&v)) return (*f)(u);
    if (const auto* z = std::get_if<int32_t>(&v)) return *z;
    return 0;
}

}  // namespace

Wertzeile Wertzeile::Bereich(int32_t von, int32_t bis) const {
    Wertzeile z = *this;
    z.min = von;
    z.max = bis;
    return z;
}

Wertzeile Wertzeile::Kommabereich(double von, double bis) const {
    Wertzeile z = *this;
    z.kommaMin = von;
    z.kommaMax = bis;
    return z;
}

Wertzeile Wertzeile::OhneFarbe(uint32_t farbe) const {
    Wertzeile z = *this;
    z.verboteneFarbe = farbe;
    return z;
}

Wertzeile Wertzeile::Auswahl(int32_t von, int32_t bis, int32_t ersatz) const {
    Wertzeile z = Bereich(von, bis);
    z.sonst = ersatz;
    return z;
}

Wertzeile Wertzeile::Zurueckschreiben() const {
    Wertzeile z = *this;
    z.zurueckschreiben = true;
    return z;
}

Wertzeile Wertzeile::BeimBeenden() const {
    Wertzeile z = *this;
    z.beimBeenden = true;
    return z;
}

void VorgabeSetzen(const Wertzeile& zeile, Feldzeiger feld, const Einstellungsumgebung& u) {
    const Vorgabe& v = zeile.standard;
    std::visit(Ueberladen{
                   [&](bool* f) { *f = std::get<bool>(v); },
                   [&](int32_t* f) { *f = ZahlVorgabe(v, u); },
                   [&](uint32_t* f) { *f = std::get<uint32_t>(v); },
                   [&](std::string* f) { *f = std::get<std::string>(v); },
                   [&](double* f) { *f = std::get<double>(v); },
                   [&](std::optional<int32_t>* f) {
                       if (std::holds_alternative<std::monostate>(v)) f->reset();
                       else *f = ZahlVorgabe(v, u);
                   },
               },
               feld);
}

void FeldLesen(const RegistrySchluessel& s, const Wertzeile& z, Feldzeiger feld) {
    std::visit(Ueberladen{
                   [&](bool* f) { *f = s.WahrheitswertLesen(z.name); },
                   [&](int32_t* f) { *f = Begrenzt(z, s.GanzzahlLesen(z.name)); },
                   [&](uint32_t* f) { *f = static_cast<uint32_t>(s.GanzzahlLesen(z.name)); },
                   [&](std::string* f) { *f = s.TextLesen(z.name); },
                   [&](double* f) { *f = s.GleitkommaLesen(z.name); },
                   [&](std::optional<int32_t>* f) {
                       *f = Begrenzt(z, s.GanzzahlLesen(z.name));
                   },
               },
               feld);
}

void FeldSchreiben(RegistrySchluessel& s, const Wertzeile& z, Feldzeiger feld) {
    std::visit(Ueberladen{
                   [&](bool* f) { s.WahrheitswertSchreiben(z.name, *f); },
                   [&](int32_t* f) { s.GanzzahlSchreiben(z.name, *f); },
                   [&](uint32_t* f) {
                       s.GanzzahlSchreiben(z.name, static_cast<int32_t>(*f));
                   },
                   [&](std::string* f) { s.TextSchreiben(z.name, *f); },
                   [&](double* f) { s.GleitkommaSchreiben(z.name, *f); },
                   [&](std::optional<int32_t>* f) {
                       if (*f) s.GanzzahlSchreiben(z.name, **f);
                   },
               },
               feld);
}

std::string FeldText(const Wertzeile&, Feldzeiger feld) {
    return std::visit(Ueberladen{
                          [](bool* f) -> std::string { return *f ? "1" : "0"; },
                          [](int32_t* f) { return std::to_string(*f); },
                          [](uint32_t* f) {
                              char puffer[16];
                              std::snprintf(puffer, sizeof puffer, "0x%06X", *f);
                              return std::string(puffer);
                          },
                          [](std::string* f) { return *f; },
                          [](double* f) {
                              char puffer[32];
                              std::snprintf(puffer, sizeof puffer, "%.15g", *f);
                              return std::string(puffer);
                          },
                          [](std::optional<int32_t>* f) -> std::string {
                              return *f ? std::to_string(**f) : "(fehlt)";
                          },
                      },
                      feld);
}

namespace {

// A number as the messages show it: "181", "-0.5", "1e+308".
std::string Zahltext(double w) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.15g", w);
    return puffer;
}

}  // namespace

std::optional<std::string> WertUnzulaessig(const Wertzeile& z, Feldzeiger feld) {
    const auto name = "\"" + z.name + "\"";
    if (const auto* f = std::get_if<int32_t*>(&feld); f && (**f < z.min || **f > z.max))
        return name + " muss zwischen " + std::to_string(z.min) + " und " +
               std::to_string(z.max) + " liegen.";
    if (const auto* f = std::get_if<double*>(&feld)) {
        const double w = **f;
        if (!std::isfinite(w)) return name + ": \"" + Zahltext(w) + "\" ist keine Zahl.";
        if (w < z.kommaMin || w > z.kommaMax)
            return name + " muss zwischen " + Zahltext(z.kommaMin) + " und " +
                   Zahltext(z.kommaMax) + " liegen, nicht bei " + Zahltext(w) + ".";
    }
    if (const auto* f = std::get_if<uint32_t*>(&feld);
        f && z.verboteneFarbe && (**f & 0xFFFFFF) == *z.verboteneFarbe) {
        char puffer[16];
        std::snprintf(puffer, sizeof puffer, "0x%06X", *z.verboteneFarbe);
        return name + " kann nicht die Farbe " + puffer +
               (*z.verboteneFarbe == 0xFFFFFF ? " (weiß)" : "") + " sein.";
    }
    return std::nullopt;
}

double KommazahlBegrenzt(const Wertzeile& z, double wert) {
    if (!std::isfinite(wert)) {
        const double* standard = std::get_if<double>(&z.standard);
        wert = standard ? *standard : 0.0;
    }
    return std::clamp(wert, z.kommaMin, z.kommaMax);
}

}  // namespace kalvora
