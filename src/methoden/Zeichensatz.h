#pragma once
// Conversion between the program's UTF-8 strings and the Windows-1252 bytes of its files.
#include <optional>
#include <string>
#include <string_view>

namespace kalvora {

// Every byte of Windows-1252 to UTF-8; the five unassigned bytes (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 control characters of the same number so that nothing is lost.
std::string Cp1252NachUtf8(std::string_view bytes);
void Cp1252NachUtf8Anhaengen(std::string_view bytes, std::string& ziel);

// UTF-8 to Windows-1252. Returns nothing when the text holds a character that
// Windows-1252 cannot hold or is not valid UTF-8.
std::optional<std::string> Utf8NachCp1252(std::string_view text);
// Appends the bytes to ziel; false (ziel unchanged in length) when not representable.
bool Utf8NachCp1252Anhaengen(std::string_view text, std::string& ziel);

// True when every character of the UTF-8 text can be stored in Windows-1252.
bool IstCp1252Darstellbar(std::string_view text);

// Number of characters (code points) of a UTF-8 text.
std::size_t Utf8Laenge(std::string_view text);

}  // namespace kalvora
