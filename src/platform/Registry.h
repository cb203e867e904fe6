#pragma once
// The per-user settings store: typed values under key paths such as
// "Software\Kalvora\feiertage". Implemented on the real store and, for tests, in memory.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kalvora {

constexpr const char* HauptSchluessel = "Software\\Kalvora";

using Binaerwert = std::vector<uint8_t>;

// A value of a kind this program never writes (a string list, a 64-bit number, …). It exists,
// but reading it as any type fails.
struct Fremdwert {
    bool operator==(const Fremdwert&) const = default;
};

// What the store holds: a 32-bit number, a text (UTF-8) or binary data. Booleans are stored
// as the numbers 1 and 0, floating-point values as the 8 bytes of an IEEE 754 double.
using Registrywert = std::variant<int32_t, std::string, Binaerwert, Fremdwert>;

class Registry {
public:
    virtual ~Registry() = default;

    // Opens the key, creating it when it is missing.
    virtual void SchluesselOeffnen(const std::string& schluessel) = 0;
    // Nothing when the value does not exist.
    virtual std::optional<Registrywert> Lesen(const std::string& schluessel,
                                              const std::string& name) const = 0;
    virtual void Schreiben(const std::string& schluessel, const std::string& name,
                           const Registrywert& wert) = 0;
    virtual void Loeschen(const std::string& schluessel, const std::string& name) = 0;
    virtual std::vector<std::string> Wertnamen(const std::string& schluessel) const = 0;
    virtual bool Existiert(const std::string& schluessel, const std::string& name) const {
        return Lesen(schluessel, name).has_value();
    }
    // Where the values live, in words for the user (a registry path or a file name).
    virtual std::string Ablage() const = 0;
};

// A view of a store that only reads: loading settings writes missing values back, and a
// command that only shows them must not change the store.
class NurLesendeRegistry : public Registry {
public:
    explicit NurLesendeRegistry(const Registry& quelle) : quelle_(quelle) {}
    void SchluesselOeffnen(const std::string&) override {}
    std::optional<Registrywert> Lesen(const std::string& schluessel,
                                      const std::string& name) const override {
        return quelle_.Lesen(schluessel, name);
    }
    void Schreiben(const std::string&, const std::string&, const Registrywert&) override {}
    void Loeschen(const std::string&, const std::string&) override {}
    std::vector<std::string> Wertnamen(const std::string& schluessel) const override {
        return quelle_.Wertnamen(schluessel);
    }
    std::string Ablage() const override { return quelle_.Ablage(); }

private:
    const Registry& quelle_;
};

// One opened key with typed access. The typed reads throw KalvoraFehler naming key and value
// when the value is missing or of another type, so a damaged store never yields garbage.
class RegistrySchluessel {
public:
    RegistrySchluessel(Registry& registry, std::string pfad);

    const std::string& Pfad() const { return pfad_; }
    bool Existiert(const std::string& name) const;
    std::vector<std::string> Wertnamen() const;
    void Loeschen(const std::string& name);

    // A text holding nothing but a decimal 32-bit number also counts as an integer: stores
    // that keep every value as text (a settings file) cannot tell the two apart.
    int32_t GanzzahlLesen(const std::string& name) const;
    bool WahrheitswertLesen(const std::string& name) const;
    std::string TextLesen(const std::string& name) const;
    // Refuses anything but 8 bytes holding a finite number.
    double GleitkommaLesen(const std::string& name) const;
    Binaerwert BinaerLesen(const std::string& name) const;

    void GanzzahlSchreiben(const std::string& name, int32_t wert);
    void WahrheitswertSchreiben(const std::string& name, bool wert);
    void TextSchreiben(const std::string& name, const std::string& wert);
    void GleitkommaSchreiben(const std::string& name, double wert);
    void BinaerSchreiben(const std::string& name, const Binaerwert& wert);

private:
    Registrywert Holen(const std::string& name) const;
    [[noreturn]] void FalscherTyp(const std::string& name, const char* typ) const;

    Registry& registry_;
    std::string pfad_;
};

// The 8 bytes (little endian) of a double, and back.
Binaerwert GleitkommaBytes(double wert);
std::optional<double> GleitkommaAusBytes(const Binaerwert& bytes);

}  // namespace kalvora
