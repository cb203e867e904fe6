#pragma once
// Holidays and special days of a year, and the 32 settings entries that decide which of
// them the year view paints and in which colour.
#include <array>
#include <cstdint>

namespace kalvora {

constexpr int AnzahlFeiertagsEintraege = 32;

// One settings entry: paint its days in the year view, and in which colour (0x00BBGGRR).
struct FeiertagsEintrag {
    bool malen = false;
    uint32_t farbe = 0;
    bool operator==(const FeiertagsEintrag&) const = default;
};
// Index 1..32 is entry n; index 0 is unused.
using TFeiertagsEinstellungen = std::array<FeiertagsEintrag, AnzahlFeiertagsEintraege + 1>;

// The built-in defaults of the 32 entries.
TFeiertagsEinstellungen FeiertagsStandard();

}  // namespace kalvora
