#pragma once
// The calendar document: day colours and day lists of every day from 1901 to 2099, the 20
// named colours, categories, links and birthdays.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "kalender/Dokumentbeobachter.h"
#include "methoden/Methoden.h"
#include "methoden/Text.h"

namespace kalvora {

// 0x00BBGGRR; white means "no colour" where an appointment's colour is meant.
constexpr uint32_t KeineFarbe = 0xFFFFFF;
constexpr int ErstesJahr = 1901;
constexpr int LetztesJahr = 2099;
constexpr int AnzahlFarben = 20;
inline const std::string FreiName = "[frei]";

// The texts are TText (16 bytes, long texts shared): a large calendar holds a million of them.
struct TTermin {
    TText Uhrzeit;
    TText Beschreibung;
    TText Ort;
    TText Kategorie;
    TText Link;
    int32_t Dauer = 0;
    uint32_t Farbe = KeineFarbe;
    bool Alarm = false;
    bool operator==(const TTermin&) const = default;
};

// Entry 0 is the day's info text (lines joined by '#'), entries 1..n the appointments.
using TTerminliste = std::vector<TTermin>;
// The colours given to a day, in the order they were given.
using TTagesfarben = std::vector<uint32_t>;
using TTerminKategorie = std::vector<std::string>;

struct TGeburtstag {
    std::string Name;
    std::string Vorname;
    TDatum Geburtsdatum = KeinDatum;
    TDatum Namenstag = KeinDatum;
    bool operator==(const TGeburtstag&) const = default;
};

// Slot-indexed arrays: index k = 1..20 is slot k, index 0 is unused.
using TFarbText = std::array<std::string, AnzahlFarben + 1>;
using TFarbwerte = std::array<uint32_t, AnzahlFarben + 1>;

// The built-in default slot values (used where the settings hold none).
TFarbwerte EingebauteStandardfarben();

class TKalender {
public:
    static constexpr int kJahre = LetztesJahr - ErstesJahr + 1;
    static constexpr int kSlots = kJahre * 12 * 31;

    explicit TKalender(const TFarbwerte& standardfarben = EingebauteStandardfarben());

    static bool ImBereich(int jahr, int monat, int tag) {
        return jahr >= ErstesJahr && jahr <= LetztesJahr && monat >= 1 && monat <= 12 &&
               tag >= 1 && tag <= 31;
    }
    // Position in date order of a grid slot; callers check ImBereich first.
    static int SlotIndex(int jahr, int monat, int tag) {
        return ((jahr - ErstesJahr) * 12 + (monat - 1)) * 31 + (tag - 1);
    }
    static void SlotDatum(int index, int& jahr, int& monat, int& tag) {
        tag = index % 31 + 1;
        monat = (index / 31) % 12 + 1;
        jahr = index / (31 * 12) + ErstesJahr;
    }

    // The day colours and the day list of a date or a slot. A non-const access marks the slot
    // as possibly filled: loops over the document (saving, counting, emptying, searching)
    // visit only marked slots, so an empty year costs nothing. A reference handed out stays
    // usable for changes until the next FarbenLeeren/TermineLeeren/Leeren.
    TTagesfarben& Tagesfarben(int jahr, int monat, int tag) {
        return TagesfarbenAn(SlotIndex(jahr, monat, tag));
    }
    const TTagesfarben& Tagesfarben(int jahr, int monat, int tag) const {
        return farbraster_[SlotIndex(jahr, monat, tag)];
    }
    TTerminliste& Terminliste(int jahr, int monat, int tag) {
        return TerminlisteAn(SlotIndex(jahr, monat, tag));
    }
    const TTerminliste& Terminliste(int jahr, int monat, int tag) const {
        return terminraster_[SlotIndex(jahr, monat, tag)];
    }
    TTagesfarben& TagesfarbenAn(int slot) {
        farbtage_.Setzen(slot);
        return farbraster_[slot];
    }
    const TTagesfarben& TagesfarbenAn(int slot) const { return farbraster_[slot]; }
    TTerminliste& TerminlisteAn(int slot) {
        termintage_.Setzen(slot);
        return terminraster_[slot];
    }
    const TTerminliste& TerminlisteAn(int slot) const { return terminraster_[slot]; }

    // The first marked slot at or after ab, kSlots for none. Loop with
    //   for (int i = k.NaechsterTermintag(0); i < kSlots; i = k.NaechsterTermintag(i + 1))
    // and look at the slot's contents: a marked slot may be empty again.
    int NaechsterFarbtag(int ab) const { return farbtage_.Naechste(ab); }
    int NaechsterTermintag(int ab) const { return termintage_.Naechste(ab); }
    // Visits every marked day with a non-empty list in date order as besuch(liste, tag, monat,
    // jahr), skipping slots that name no date (31.2.). With fortschritt it reports, once per
    // year reached, the share of the years before it scaled into von..bis.
    template <class Besuch>
    void TermintageDurchlaufen(Besuch&& besuch, const std::function<void(int)>& fortschritt = {},
                               int von = 0, int bis = 100) const {
        TermintageBesuchen(*this, besuch, fortschritt, von, bis);
    }
    template <class Besuch>
    void TermintageDurchlaufen(Besuch&& besuch, const std::function<void(int)>& fortschritt = {},
                               int von = 0, int bis = 100) {
        TermintageBesuchen(*this, besuch, fortschritt, von, bis);
    }
    // Either of the two.
    int NaechsterTag(int ab) const {
        return std::min(farbtage_.Naechste(ab), termintage_.Naechste(ab));
    }
    // Whether both documents give every day the same colours and the same list.
    bool TageGleich(const TKalender& andere) const;

    // Smallest slot k whose value equals farbe, 0 for none.
    int FarbSlot(uint32_t farbe) const;
    // Smallest index whose entry equals text, -1 for none.
    int KategorieIndex(const std::string& text) const;
    int LinkIndex(const std::string& text) const;

    void FarbenLeeren();
    void TermineLeeren();
    // After a load: empty names become "[frei]"; a value 0 takes the colour the legend shows
    // for that slot, and the day and appointment colours of that slot follow it; every other
    // value is handed to the legend.
    void FarbtabelleAbgleichen(TFarbwerte& legendenfarben);
    // A named colour got a new value: every day colour and appointment colour follows, and so
    // does every subscriber that holds colour values (undo lists, current-colour indicator).
    void FarbwertErsetzen(uint32_t alt, uint32_t neu);

    // The subscribers to the document's changes.
    void Anmelden(Dokumentbeobachter& b) { beobachter_.Anmelden(b); }
    void Abmelden(Dokumentbeobachter& b) { beobachter_.Abmelden(b); }
    const Beobachterliste& Beobachter() const { return beobachter_; }

    // Days, colour table and lists to their empty state with the default colours; the
    // modified flag stays.
    void InhaltLeeren();
    // The whole document to its empty state with the given default colours.
    void Leeren();

    // Counters used by the command-line check and tests.
    int TageMitFarben() const;
    int TageMitEintraegen() const;
    int AnzahlTermine() const;

    TFarbText Farbnamen;
    TFarbwerte Farbwerte{};
    TFarbwerte Standardfarben{};
    TTerminKategorie Terminkategorie;
    TTerminKategorie Linkliste;
    std::vector<TGeburtstag> Geburtstagsliste;
    // Whether the document differs from its file. Set through GeaendertSetzen, so that the
    // subscribers learn of it.
    bool geaendert = false;
    void GeaendertSetzen(bool ja) {
        if (geaendert == ja) return;
        geaendert = ja;
        beobachter_.Melden([ja](Dokumentbeobachter& b) { b.GeaendertUmgeschaltet(ja); });
    }

private:
    template <class Kalender, class Besuch>
    static void TermintageBesuchen(Kalender& kal, Besuch& besuch,
                                   const std::function<void(int)>& fortschritt, int von,
                                   int bis) {
        int gemeldet = ErstesJahr - 1;
        for (int i = kal.NaechsterTermintag(0); i < kSlots; i = kal.NaechsterTermintag(i + 1)) {
            auto& liste = kal.TerminlisteAn(i);
            if (liste.empty()) continue;
            int j, m, t;
            SlotDatum(i, j, m, t);
            if (!IstGueltigesDatum(t, m, j)) continue;  // such slots are never filled
            if (fortschritt && j - 1 > gemeldet) {
                gemeldet = j - 1;
                fortschritt(von + (gemeldet - ErstesJahr + 1) * (bis - von) / kJahre);
            }
            besuch(liste, t, m, j);
        }
    }

    // One bit per slot.
    class Slotmarken {
    public:
        void Setzen(int slot) { worte_[slot >> 6] |= uint64_t{1} << (slot & 63); }
        void Loeschen() { worte_.fill(0); }
        int Naechste(int ab) const {
            if (ab >= kSlots) return kSlots;
            std::size_t w = static_cast<std::size_t>(ab) >> 6;
            uint64_t rest = worte_[w] & (~uint64_t{0} << (ab & 63));
            while (rest == 0) {
                if (++w == worte_.size()) return kSlots;
                rest = worte_[w];
            }
            return static_cast<int>(w * 64) + std::countr_zero(rest);
        }

    private:
        std::array<uint64_t, (kSlots + 63) / 64> worte_{};
    };

    std::vector<TTagesfarben> farbraster_;   // kSlots, in date order
    std::vector<TTerminliste> terminraster_;  // kSlots, in date order
    Slotmarken farbtage_, termintage_;
    Beobachterliste beobachter_;
};

}  // namespace kalvora
