#pragma once
// The manual page and the shell completion of kalvora-cli, made from the command table that
// --help prints, so that neither can lose a command.
#include <map>
#include <ostream>
#include <string>

namespace kalvora::cli {

// What each command prints, by its name: the text of the manual's AUSGABE paragraph.
const std::map<std::string, std::string>& Befehlsausgaben();

// kalvora-cli(1) in German, as roff source (man-pages macros).
void HandbuchseiteSchreiben(std::ostream& aus, const std::string& datum);

// A bash completion script for kalvora-cli: commands, their options and file arguments.
void VervollstaendigungSchreiben(std::ostream& aus);

}  // namespace kalvora::cli
