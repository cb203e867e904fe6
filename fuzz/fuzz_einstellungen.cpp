// Loading the settings from a store with any values of any type under the known names.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <unordered_map>
#include <string>

#include "einstellungen/Einstellungen.h"
#include "einstellungen/Schreibschutzablage.h"
#include "einstellungen/Statistikablage.h"
#include "statistik/Statistikdruck.h"
#include "methoden/Fehler.h"

namespace {

using namespace kalvora;

// Keys, then names, hashed: a lookup takes the caller's strings as they are instead of building a
// pair of copies for each of the several hundred values a load reads.
class MapRegistry : public Registry {
public:
    void SchluesselOeffnen(const std::string&) override {}
    std::optional<Registrywert> Lesen(const std::string& s, const std::string& n) const override {
        const Werte* w = Schluessel(s);
        if (!w) return std::nullopt;
        auto wert = w->find(n);
        if (wert == w->end()) return std::nullopt;
        return wert->second;
    }
    bool Existiert(const std::string& s, const std::string& n) const override {
        const Werte* w = Schluessel(s);
        return w && w->contains(n);
    }
    void Schreiben(const std::string& s, const std::string& n, const Registrywert& w) override {
        werte_[s][n] = w;
    }
    void Loeschen(const std::string& s, const std::string& n) override {
        if (auto w = werte_.find(s); w != werte_.end()) w->second.erase(n);
    }
    std::vector<std::string> Wertnamen(const std::string&) const override { return {}; }
    std::string Ablage() const override { return {}; }

private:
    using Werte = std::unordered_map<std::string, Registrywert>;
    const Werte* Schluessel(const std::string& s) const {
        auto w = werte_.find(s);
        return w == werte_.end() ? nullptr : &w->second;
    }
    std::unordered_map<std::string, Werte> werte_;
};

// Reads bytes from the input, zeros once it is used up.
struct Leser {
    const uint8_t* p;
    size_t rest;
    uint8_t Byte() { return rest ? (--rest, *p++) : 0; }
    std::string Text(size_t n) {
        n = std::min(n, rest);
        std::string t(reinterpret_cast<const char*>(p), n);
        p += n;
        rest -= n;
        return t;
    }
};

}  // namespace

// Records: key, row, type, payload (4 bytes for a number, length and bytes otherwise).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::pair<const char*, std::vector<std::string>> schluessel[] = {
        {HauptSchluessel, {}}, {FeiertageSchluessel, {}}, {"Software\\Kalvora\\Toolbar", {}},
        {LetzteDateienSchluessel, {}}, {SchreibschutzSchluessel, {}},
        {StatistikSchluessel, {}}};
    auto namen = [](const auto& tabelle) {
        std::vector<std::string> n;
        for (const auto& z : tabelle) n.push_back(z.name);
        return n;
    };
    static const std::vector<std::string> alleNamen[] = {
        namen(HauptschluesselWerte()), namen(FeiertagsWerte()), namen(ToolbarWerte()),
        namen(LetzteDateienWerte()), namen(SchreibschutzWerte()), namen(StatistikWerte())};

    MapRegistry r;
    Leser l{daten, groesse};
    while (l.rest > 0) {
        const int k = l.Byte() % 6;
        const std::string& name = alleNamen[k][l.Byte() % alleNamen[k].size()];
        switch (l.Byte() % 4) {
        case 0: {
            uint32_t z = 0;
            for (int i = 0; i < 4; ++i) z = (z << 8) | l.Byte();
            r.Schreiben(schluessel[k].first, name, static_cast<int32_t>(z));
            break;
        }
        case 1: r.Schreiben(schluessel[k].first, name, l.Text(l.Byte())); break;
        case 2: {
            const std::string t = l.Text(l.Byte());
            r.Schreiben(schluessel[k].first, name, Binaerwert(t.begin(), t.end()));
            break;
        }
        default: r.Schreiben(schluessel[k].first, name, Fremdwert{}); break;
        }
    }

    Einstellungen e;
    try {
        EinstellungenLaden(r, {}, e);
    } catch (const KalvoraFehler&) {
    }
    for (const auto& z : HauptschluesselWerte()) {
        const Feldzeiger f = z.feld(e);
        if (auto* p = std::get_if<int32_t*>(&f); p && (**p < z.min || **p > z.max))
            __builtin_trap();
    }
    Schreibschutzoptionen o;
    try {
        SchreibschutzoptionenLaden(r, o);
    } catch (const KalvoraFehler&) {
    }
    if (o.Intervall < 1 || o.Intervall > 99 || o.sIntervall < 1 || o.sIntervall > 99)
        __builtin_trap();
    // Any stored margins give a print rectangle without overflow (UBSan watches the rounding).
    Statistikoptionen s;
    try {
        StatistikoptionenLaden(r, s);
    } catch (const KalvoraFehler&) {
    }
    const Rechteck rechteck = StatistikDruckrechteck(s, 600, 600, 7016, 4960);
    if (rechteck.links < -300000 || rechteck.rechts > 300000) __builtin_trap();
    return 0;
}
