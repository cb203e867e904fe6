#pragma once
// The 39 buttons of the main window's tool bar: order, hints, captions of the customising
// dialog and the separators between their groups.
#include <array>
#include <functional>
#include <optional>
#include <string>

namespace kalvora {

constexpr int AnzahlToolbuttons = 39;
constexpr int AnzahlToolbarTrenner = 17;

struct Toolbutton {
    int index;              // 1..39
    const char* hinweis;    // tooltip of the button
    const char* dialogtext; // caption of its check box in "Toolbar anpassen"
};

// Index 0 is button 1.
const std::array<Toolbutton, AnzahlToolbuttons>& Toolbuttons();

// Visibility of buttons 1..39, index 0 is button 1.
using ToolbarSichtbarkeit = std::array<bool, AnzahlToolbuttons>;

// Shown when the store holds no value (the defaults of the settings' tool-bar table).
ToolbarSichtbarkeit ToolbarStandard();

// Last button index of every group; a separator follows each group.
const std::array<int, AnzahlToolbarTrenner>& ToolbarGruppenenden();

// Separator g (0-based, after group g) is shown when one button of its group is shown.
std::array<bool, AnzahlToolbarTrenner> ToolbarTrennerSichtbar(const ToolbarSichtbarkeit& s);

// "Toolbutton01" … "Toolbutton39", the value names under ToolbarSchluessel.
std::string ToolbuttonWertname(int index);
inline constexpr const char* ToolbarSchluessel = "Software\\Kalvora\\Toolbar";

// Reads the flags through lesen (value name -> stored flag, nothing when missing); a missing
// value keeps the button's default. Defaults are not written back.
ToolbarSichtbarkeit ToolbarLesen(
    const std::function<std::optional<bool>(const std::string& wertname)>& lesen);

struct Einstellungen;
// The flags of the settings record, and back.
ToolbarSichtbarkeit ToolbarAus(const Einstellungen& e);
void ToolbarSetzen(Einstellungen& e, const ToolbarSichtbarkeit& s);

}  // namespace kalvora
