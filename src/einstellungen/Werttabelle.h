#pragma once
// Registry values described by tables: one row per value with its name, type, default and
// the field of a record it fills. Defaults, loading and saving are one loop for every key, so
// each key's values are listed in exactly one place.
#include <climits>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/Registry.h"

namespace kalvora {

// What some defaults depend on: the screen and the current year (logic never asks the clock).
struct Einstellungsumgebung {
    int bildschirmBreite = 1024;
    int bildschirmHoehe = 768;
    int aktuellesJahr = 2000;
};

// Colours are integers in the store; the type tells the field's meaning.
enum class Werttyp { Ganzzahl, Wahrheitswert, Text, Gleitkomma, Farbe };

using Feldzeiger = std::variant<bool*, int32_t*, uint32_t*, std::string*, double*,
                                std::optional<int32_t>*>;
using Vorgabefunktion = int32_t (*)(const Einstellungsumgebung&);
// std::monostate: no default; an optional field stays empty while its value is missing.
using Vorgabe = std::variant<std::monostate, bool, int32_t, uint32_t, std::string, double,
                             Vorgabefunktion>;

struct Wertzeile {
    std::string name;
    Werttyp typ = Werttyp::Ganzzahl;
    Vorgabe standard;
    bool zurueckschreiben = false;  // a missing value is created with its default when loaded
    bool beimBeenden = false;       // written when the main window closes, not by the options
    int32_t min = INT32_MIN;        // numbers outside are pulled to the nearer bound on loading
    int32_t max = INT32_MAX;
    // A number that is a choice, not a quantity: outside the range it takes this value
    // instead of the nearer bound (a damaged view number must not become the tray).
    std::optional<int32_t> sonst;
    // Decimal numbers outside are refused where a value is given (the options dialogs and
    // `einstellung`); a stored one is read as it is, and its users bound it (KommazahlBegrenzt).
    double kommaMin = -std::numeric_limits<double>::infinity();
    double kommaMax = std::numeric_limits<double>::infinity();
    // A colour value that cannot be given (white for upcoming appointments).
    std::optional<uint32_t> verboteneFarbe;

    Wertzeile Bereich(int32_t von, int32_t bis) const;
    Wertzeile Kommabereich(double von, double bis) const;
    Wertzeile OhneFarbe(uint32_t farbe) const;
    Wertzeile Auswahl(int32_t von, int32_t bis, int32_t ersatz) const;
    Wertzeile Zurueckschreiben() const;
    Wertzeile BeimBeenden() const;
};

// A row bound to the field of a record type R.
template <class R>
struct Feldzeile : Wertzeile {
    std::function<Feldzeiger(R&)> feld;

    Feldzeile Bereich(int32_t von, int32_t bis) const {
        return {Wertzeile::Bereich(von, bis), feld};
    }
    Feldzeile Kommabereich(double von, double bis) const {
        return {Wertzeile::Kommabereich(von, bis), feld};
    }
    Feldzeile OhneFarbe(uint32_t farbe) const { return {Wertzeile::OhneFarbe(farbe), feld}; }
    Feldzeile Auswahl(int32_t von, int32_t bis, int32_t ersatz) const {
        return {Wertzeile::Auswahl(von, bis, ersatz), feld};
    }
    Feldzeile Zurueckschreiben() const { return {Wertzeile::Zurueckschreiben(), feld}; }
    Feldzeile BeimBeenden() const { return {Wertzeile::BeimBeenden(), feld}; }
};

template <class R>
using Werttabelle = std::vector<Feldzeile<R>>;

// The field-level steps the loops below are made of.
void VorgabeSetzen(const Wertzeile& zeile, Feldzeiger feld, const Einstellungsumgebung& u);
// Reads the value into the field; throws KalvoraFehler when it has another type.
void FeldLesen(const RegistrySchluessel& schluessel, const Wertzeile& zeile, Feldzeiger feld);
// An empty optional field writes nothing.
void FeldSchreiben(RegistrySchluessel& schluessel, const Wertzeile& zeile, Feldzeiger feld);
// The field's value as text, for listings.
std::string FeldText(const Wertzeile& zeile, Feldzeiger feld);
// Why the field's value cannot be given for the row (outside its range, a refused colour),
// as a German sentence naming the value; nothing when it can. The options dialogs and
// `einstellung` ask the same rows.
std::optional<std::string> WertUnzulaessig(const Wertzeile& zeile, Feldzeiger feld);
// A stored decimal number as its users take it: within the row's range, the default for a
// value that is no number.
double KommazahlBegrenzt(const Wertzeile& zeile, double wert);

template <class R>
void VorgabenSetzen(const Werttabelle<R>& tabelle, R& ziel, const Einstellungsumgebung& u) {
    for (const auto& z : tabelle) VorgabeSetzen(z, z.feld(ziel), u);
}

// Reads the rows in table order. Missing values keep the field as it is (normally the
// default) and are written back from it where the row says so. A value of another type
// stops the loading with KalvoraFehler; the fields read before keep what they got.
template <class R>
void TabelleLaden(Registry& registry, const std::string& pfad, const Werttabelle<R>& tabelle,
                  R& ziel) {
    RegistrySchluessel schluessel(registry, pfad);
    for (const auto& z : tabelle) {
        if (schluessel.Existiert(z.name)) FeldLesen(schluessel, z, z.feld(ziel));
        else if (z.zurueckschreiben) FeldSchreiben(schluessel, z, z.feld(ziel));
    }
}

enum class Zeilenauswahl { Alle, OhneBeenden, NurBeenden };

template <class R>
void TabelleSpeichern(Registry& registry, const std::string& pfad,
                      const Werttabelle<R>& tabelle, const R& quelle,
                      Zeilenauswahl auswahl = Zeilenauswahl::Alle) {
    RegistrySchluessel schluessel(registry, pfad);
    // The accessors hand out mutable pointers; saving only reads through them.
    R& r = const_cast<R&>(quelle);
    for (const auto& z : tabelle) {
        if (auswahl == Zeilenauswahl::OhneBeenden && z.beimBeenden) continue;
        if (auswahl == Zeilenauswahl::NurBeenden && !z.beimBeenden) continue;
        FeldSchreiben(schluessel, z, z.feld(r));
    }
}

// Row builders. Each ties a value name to a field and states its type by its name.
namespace tabelle {

template <class R, class T>
std::function<Feldzeiger(R&)> Zugriff(T R::*m) {
    return [m](R& r) -> Feldzeiger { return &(r.*m); };
}

template <class R>
Feldzeile<R> Zeile(std::string name, Werttyp typ, Vorgabe standard,
                   std::function<Feldzeiger(R&)> feld) {
    Feldzeile<R> z;
    z.name = std::move(name);
    z.typ = typ;
    z.standard = std::move(standard);
    z.feld = std::move(feld);
    return z;
}

template <class R>
Feldzeile<R> Wahrheitswert(std::string name, bool R::*m, bool standard) {
    return Zeile<R>(std::move(name), Werttyp::Wahrheitswert, standard, Zugriff(m));
}
template <class R>
Feldzeile<R> Ganzzahl(std::string name, int32_t R::*m, int32_t standard) {
    return Zeile<R>(std::move(name), Werttyp::Ganzzahl, standard, Zugriff(m));
}
template <class R>
Feldzeile<R> Ganzzahl(std::string name, int32_t R::*m, Vorgabefunktion standard) {
    return Zeile<R>(std::move(name), Werttyp::Ganzzahl, standard, Zugriff(m));
}
// Without a default: the field is empty while the value is missing.
template <class R>
Feldzeile<R> Ganzzahl(std::string name, std::optional<int32_t> R::*m) {
    return Zeile<R>(std::move(name), Werttyp::Ganzzahl, std::monostate{}, Zugriff(m));
}
template <class R>
Feldzeile<R> Farbe(std::string name, uint32_t R::*m, uint32_t standard) {
    return Zeile<R>(std::move(name), Werttyp::Farbe, standard, Zugriff(m));
}
template <class R>
Feldzeile<R> Text(std::string name, std::string R::*m, std::string standard) {
    return Zeile<R>(std::move(name), Werttyp::Text, std::move(standard), Zugriff(m));
}
template <class R>
Feldzeile<R> Gleitkomma(std::string name, double R::*m, double standard) {
    return Zeile<R>(std::move(name), Werttyp::Gleitkomma, standard, Zugriff(m));
}

}  // namespace tabelle
}  // namespace kalvora
