#pragma once
// Undo and redo of day colours: every command that changes a day's colours records the day's
// previous colours first. Only day colours are covered.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kalender/TKalender.h"

namespace kalvora {

struct TZurueckEintrag {
    int tag = 0;
    int monat = 0;
    int jahr = 0;
    TTagesfarben farben;
    bool operator==(const TZurueckEintrag&) const = default;
};
// Used as a stack: the last element is the top.
using Tzurueck = std::vector<TZurueckEintrag>;

namespace historientexte {
inline constexpr const char* Rueckgaengig = "Rückgängig";
inline constexpr const char* Wiederherstellen = "Wiederherstellen";
}  // namespace historientexte

// "Rückgängig (3)": the hint of a tool button while the pointer is on it.
std::string Historienhinweis(const char* befehl, std::size_t anzahl);

class TFarbhistorie : private Dokumentbeobachter {
public:
    // Subscribes to the document: a new slot value reaches the recorded colours, and a
    // replaced document leaves nothing to undo.
    explicit TFarbhistorie(TKalender& kal);
    ~TFarbhistorie();
    TFarbhistorie(const TFarbhistorie&) = delete;
    TFarbhistorie& operator=(const TFarbhistorie&) = delete;

    // While this says so (the document is read-only) undo and redo change nothing.
    void SperreSetzen(std::function<bool()> gesperrt) { gesperrt_ = std::move(gesperrt); }

    // Before a day's colours change. A new change makes the redo list worthless.
    void FarbaenderungMerken(int tag, int monat, int jahr);
    // Sets the top day of one list back to its recorded colours and records the present ones
    // on the other list; returns that day, or nothing when the list was empty.
    std::optional<Datum> Rueckgaengig();
    std::optional<Datum> Wiederherstellen();
    void Leeren();

    bool RueckgaengigMoeglich() const { return !undo_.empty(); }
    bool WiederherstellenMoeglich() const { return !redo_.empty(); }
    const Tzurueck& Undoliste() const { return undo_; }
    const Tzurueck& Redoliste() const { return redo_; }

    void FarbwertErsetzen(uint32_t alt, uint32_t neu);

private:
    void FarbwertErsetzt(uint32_t alt, uint32_t neu) override { FarbwertErsetzen(alt, neu); }
    void DokumentErsetzt() override { Leeren(); }

    TZurueckEintrag Aufnahme(int tag, int monat, int jahr) const;
    std::optional<Datum> Umkehren(Tzurueck& von, Tzurueck& nach);

    TKalender& kal_;
    std::function<bool()> gesperrt_;
    Tzurueck undo_;
    Tzurueck redo_;
};

}  // namespace kalvora
