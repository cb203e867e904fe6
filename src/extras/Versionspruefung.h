#pragma once
// The update check's evaluation of the version file, and the about box's version line.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kalvora {

// Four numbers "major.minor.release.build"; compared number by number, so 3.3.0.10 is newer
// than 3.3.0.9.
using Versionsnummer = std::array<int, 4>;
// The four numbers of a text, blanks and a line end around them allowed; nothing for any
// other text.
std::optional<Versionsnummer> VersionLesen(std::string_view text);

namespace updatetexte {
inline constexpr const char* Suche = "neue Version wird gesucht...";
inline constexpr const char* KeineVerbindung = "Es konnte keine Verbindung hergestellt werden!";
inline constexpr const char* Aktuell = "Ihre Version ist auf dem neuesten Stand";
}  // namespace updatetexte

struct Updateergebnis {
    std::string text;   // what the dialog shows
    bool neuer = false;  // a newer version is there: "Ja" goes to the web site
    bool verbunden = false;
};

// heruntergeladen: the version file's bytes, nothing when the download failed. Only its first
// line counts (a UTF-8 byte-order mark before it is skipped); a first line that is not four
// numbers counts as no connection.
Updateergebnis UpdateAuswerten(const std::optional<std::string>& heruntergeladen,
                               const std::string& aktuelleVersion);

// "Version 3.3.0.1   (11.12.2026)"; without a version "Version 3.1".
std::string Versionszeile(const std::optional<std::string>& version, const std::string& datum);

}  // namespace kalvora
