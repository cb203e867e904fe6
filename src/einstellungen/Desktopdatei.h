#pragma once
// Freedesktop desktop entries: the quoting of their Exec lines and reading one key back.
#include <optional>
#include <string>
#include <vector>

namespace kalvora {

// One argument quoted for an Exec line and escaped as a desktop-entry string value.
std::string ExecArgument(const std::string& argument);
// The arguments of an Exec value as written by ExecArgument (or plain words).
std::vector<std::string> ExecArgumente(const std::string& wert);
// The value of key in the group [Desktop Entry] of the file; nothing when missing.
std::optional<std::string> DesktopWert(const std::string& pfad, const std::string& schluessel);

}  // namespace kalvora
