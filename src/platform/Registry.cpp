#include "platform/Registry.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "methoden/Fehler.h"

namespace kalvora {

Binaerwert GleitkommaBytes(double wert) {
    const auto bits = std::bit_cast<uint64_t>(wert);
    Binaerwert b(8);
    for (int i = 0; i < 8; ++i) b[i] = static_cast<uint8_t>(bits >> (8 * i));
    return b;
}

std::optional<double> GleitkommaAusBytes(const Binaerwert& bytes) {
    if (bytes.size() != 8) return std::nullopt;
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[i];
    return std::bit_cast<double>(bits);
}

RegistrySchluessel::RegistrySchluessel(Registry& registry, std::string pfad)
    : registry_(registry), pfad_(std::move(pfad)) {
    registry_.SchluesselOeffnen(pfad_);
}

bool RegistrySchluessel::Existiert(const std::string& name) const {
    return registry_.Existiert(pfad_, name);
}

std::vector<std::string> RegistrySchluessel::Wertnamen() const {
    return registry_.Wertnamen(pfad_);
}

void RegistrySchluessel::Loeschen(const std::string& name) { registry_.Loeschen(pfad_, name); }

Registrywert RegistrySchluessel::Holen(const std::string& name) const {
    auto w = registry_.Lesen(pfad_, name);
    if (!w)
        throw KalvoraFehler("Der Wert \"" + name + "\" fehlt im Registrierungsschlüssel \"" +
                            pfad_ + "\".");
    return std::move(*w);
}

void RegistrySchluessel::FalscherTyp(const std::string& name, const char* typ) const {
    throw KalvoraFehler("Der Wert \"" + name + "\" im Registrierungsschlüssel \"" + pfad_ +
                        "\" ist kein " + typ + ".");
}

int32_t RegistrySchluessel::GanzzahlLesen(const std::string& name) const {
    const Registrywert w = Holen(name);
    if (const auto* z = std::get_if<int32_t>(&w)) return *z;
    if (const auto* t = std::get_if<std::string>(&w)) {
        int32_t z = 0;
        const char* ende = t->data() + t->size();
        auto [p, ec] = std::from_chars(t->data(), ende, z);
        if (!t->empty() && ec == std::errc() && p == ende) return z;
    }
    FalscherTyp(name, "ganzzahliger Wert");
}

bool RegistrySchluessel::WahrheitswertLesen(const std::string& name) const {
    return GanzzahlLesen(name) != 0;
}

std::string RegistrySchluessel::TextLesen(const std::string& name) const {
    Registrywert w = Holen(name);
    if (auto* t = std::get_if<std::string>(&w)) return std::move(*t);
    FalscherTyp(name, "Text");
}

double RegistrySchluessel::GleitkommaLesen(const std::string& name) const {
    const Registrywert w = Holen(name);
    if (const auto* b = std::get_if<Binaerwert>(&w))
        if (auto d = GleitkommaAusBytes(*b); d && std::isfinite(*d)) return *d;
    FalscherTyp(name, "Gleitkommawert");
}

Binaerwert RegistrySchluessel::BinaerLesen(const std::string& name) const {
    Registrywert w = Holen(name);
    if (auto* b = std::get_if<Binaerwert>(&w)) return std::move(*b);
    FalscherTyp(name, "Binärwert");
}

void RegistrySchluessel::GanzzahlSchreiben(const std::string& name, int32_t wert) {
    registry_.Schreiben(pfad_, name, wert);
}

void RegistrySchluessel::WahrheitswertSchreiben(const std::string& name, bool wert) {
    registry_.Schreiben(pfad_, name, int32_t{wert ? 1 : 0});
}

void RegistrySchluessel::TextSchreiben(const std::string& name, const std::string& wert) {
    registry_.Schreiben(pfad_, name, wert);
}

void RegistrySchluessel::GleitkommaSchreiben(const std::string& name, double wert) {
    registry_.Schreiben(pfad_, name, GleitkommaBytes(wert));
}

void RegistrySchluessel::BinaerSchreiben(const std::string& name, const Binaerwert& wert) {
    registry_.Schreiben(pfad_, name, wert);
}

}  // namespace kalvora
