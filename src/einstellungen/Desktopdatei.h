#pragma once
// Freedesktop desktop entries: the quoting of their Exec lines and reading one key back.
#include <optional>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora {

// One argument quoted for an Exec line and escaped as a desktop-entry string value.
std::string ExecArgument(const std::string& argument);
// The arguments of an Exec value as written by ExecArgument (or plain words).
std::vector<std::string> ExecArgumente(const std::string& wert);
// Desktop entries and MIME packages are small; a larger file is no entry of ours.
constexpr std::size_t kGroessteDesktopdatei = std::size_t{1} << 20;

// The value of key in the group [Desktop Entry] of the file; nothing when missing, or when
// the file is no regular file, unreadable or larger than kGroessteDesktopdatei.
std::optional<std::string> DesktopWert(const std::string& pfad, const std::string& schluessel);
// The same for the text of such a file.
std::optional<std::string> DesktopWertAusText(std::string_view text,
                                             const std::string& schluessel);

}  // namespace kalvora
