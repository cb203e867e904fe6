#pragma once
// Registration of the file types ".kvr" and ".kvradr" the freedesktop way: one
// shared-mime-info package per type and a desktop entry that opens them with the program.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dateischreiber.h"

namespace kalvora {

struct Dateityp {
    const char* endung;    // ".kvr"
    const char* mimetyp;   // "application/x-kalvora"
    const char* klasse;    // the type's name: "Kalvora Datei"
    const char* paket;     // file name of its package under mime/packages
};
const std::vector<Dateityp>& Dateitypen();

// True when a mime database's globs or globs2 text names the pattern ("*.kvr").
bool MimeglobBekannt(std::string_view text, std::string_view muster);

// True when one of the data folders already knows a type for the extension (in its mime
// database or its packages).
bool DateitypBekannt(const std::vector<std::string>& datenordner, const std::string& endung);

// The desktop entry the package installs into the system's data folder.
inline constexpr const char* kPaketeintrag = "de.kalvora.Kalvora.desktop";
// True when one of the data folders holds the installed package's desktop entry: the
// program then writes no entry of its own, so the menu shows Kalvora once.
bool SystemeintragVorhanden(const std::vector<std::string>& datenordner);

// Writes with schreiben, below zielordner (a data folder), the package of every type no data
// folder knows yet and the desktop entry "applications/kalvora.desktop" if it is missing and no
// data folder holds the package's entry. A file that cannot be written is left out. Returns true when anything was written (the mime
// database then needs updating).
bool DateitypenRegistrieren(const std::string& zielordner,
                            const std::vector<std::string>& alleDatenordner,
                            const std::string& programm, const Dateischreiber& schreiben);

}  // namespace kalvora
