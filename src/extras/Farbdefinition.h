#pragma once
// "Farben definieren": all 20 named colours in one list of rows in the legend's reading
// order, with their names, their values and their order. A new colour takes effect at once;
// names and moves take effect with "Übernehmen" or "OK".
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "kalender/TKalender.h"
#include "kalender/Tagesfarbbefehle.h"

namespace kalvora {

namespace farbdefinitionstexte {
inline constexpr const char* Titel = "Farben definieren";
inline constexpr const char* Farbe = "Farbe:";
inline constexpr const char* Beschreibung = "Beschreibung";
inline constexpr const char* Ok = "OK";
inline constexpr const char* Abbruch = "Abbruch";
inline constexpr const char* Uebernehmen = "Übernehmen";
inline constexpr const char* Hilfe = "Hilfe";
inline constexpr const char* SchonBenutzt =
    "Diese Farbe wird schon benutzt!\r\nBitte wählen sie eine andere Farbe.";
inline constexpr int Hilfethema = 133;
}  // namespace farbdefinitionstexte

// Row 1..20 shows this slot: the legend read column by column, as the colour menus list it.
inline constexpr const std::array<int, AnzahlFarben>& Farbzeilenslots = MenueSlotfolge;

struct Farbzeile {
    uint32_t farbe = 0;
    std::string name;
    bool operator==(const Farbzeile&) const = default;
};

class TFarbdefinition {
public:
    // Activation: every row takes the colour and the name of its slot. legende holds what
    // the legend swatches show.
    TFarbdefinition(TKalender& kal, TFarbwerte& legende);

    // Rows 1..20.
    const Farbzeile& Zeile(int zeile) const { return zeilen_[Index(zeile)]; }
    bool UebernehmenAktiv() const { return uebernehmenAktiv_; }

    // The name field of a row gets the focus, or one of the push buttons does; the arrows
    // follow it.
    void ZeileBetreten(int zeile);
    void KnopfBetreten();
    bool HochAktiv() const { return hochAktiv_; }
    bool RunterAktiv() const { return runterAktiv_; }
    // The row the arrows act on: the focused one, row 2 while none has the focus.
    int Fokuszeile() const { return fokus_; }

    // The arrows swap the focused row with its neighbour; the focus goes with it. They
    // return the row that has the focus now.
    int Hoch();
    int Runter();
    void NameAendern(int zeile, const std::string& name);

    // A colour chosen for a row. Accepted when it is neither white nor black and no other
    // row has it: every use of the old value in the document and the undo lists takes it at
    // once, and so does the slot that holds the old value. Otherwise the message to show.
    std::optional<std::string> FarbeWaehlen(int zeile, uint32_t farbe);

    // "Übernehmen": the rows' colours and names into their slots (an empty name becomes
    // "[frei]"), the document marked modified.
    void Uebernehmen();

private:
    static std::size_t Index(int zeile) { return static_cast<std::size_t>(zeile - 1); }
    int Tauschen(int mit);

    TKalender& kal_;
    TFarbwerte& legende_;
    std::array<Farbzeile, AnzahlFarben> zeilen_;
    std::array<uint32_t, AnzahlFarben> schnappschuss_{};
    bool uebernehmenAktiv_ = false;
    int fokus_ = 2;
    bool hochAktiv_ = true;
    bool runterAktiv_ = true;
};

}  // namespace kalvora
