#pragma once
// The rules of the entry editor and the address window's texts: which characters a field
// takes, when an entry is complete, the question for an incomplete one, the homepage
// placeholder, the status bar counts.
#include <string>

#include "adressbuch/Adressbuch.h"

namespace kalvora {

namespace editortexte {
inline constexpr const char* Neu = "Neuer Eintrag";
inline constexpr const char* Aendern = "Eintrag ändern";
inline constexpr const char* Loeschen = "Eintrag löschen";
inline constexpr const char* HomepageVorgabe = "http://";
inline constexpr const char* Info = "Kalvora-Adressbuch  Version 1.3";
inline constexpr const char* KopierenTitel = "Adresse kopieren";
inline constexpr const char* KopierenNach = "Adresse kopieren nach:";
}  // namespace editortexte

// Whether a field takes the character: never '#', a line break or a character the group
// file's code page cannot hold; the e-mail field also refuses ! " $ % & ( ) / = ? § and
// the umlauts and ß.
bool ZeichenErlaubt(int feld, char32_t zeichen);
// The text with every refused character removed (what a paste leaves).
std::string Erlaubt(int feld, const std::string& utf8);

// A name is needed, and a first name unless the salutation is "Firma" or "Familie".
bool EintragVollstaendig(const TAdresse& a);
// The question for OK with an incomplete entry.
std::string UnvollstaendigFrage(const std::string& anrede, bool aendern);

// The homepage as the editor shows it ("http://" for none) and as it is stored.
std::string HomepageImEditor(const std::string& feld);
std::string HomepageAusEditor(const std::string& text);

// "1 Gruppe", "3 Gruppen", "" without a group; "1 Eintrag", "0 Einträge".
std::string GruppenText(int anzahl);
std::string EintraegeText(int anzahl);

}  // namespace kalvora
