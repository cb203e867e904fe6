#pragma once
// The XML export of a period of the document: appointments, day colours, info texts,
// birthdays and name days, for viewing in a web browser with a style sheet. The file is
// Windows-1252 with CR LF; every character a parser could misread (0x80–0x9F of the code
// page, and anything beyond it) is written as a character reference.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "kalender/TKalender.h"
#include "methoden/Methoden.h"
#include "platform/Dateischreiber.h"
#include "platform/Uhr.h"

namespace kalvora {

// Who starts the export: the main menu (a year), the week view, the month view, the month
// view with weeks (which also writes WOCHE elements).
enum class Xmlherkunft { Jahr, Woche, Monat, MonatMitWochen };

struct Xmlauftrag {
    Xmlherkunft herkunft = Xmlherkunft::Jahr;
    Datum von{1, 1, 2000};
    Datum bis{31, 12, 2000};
    std::string quelle;  // the calendar file's path; empty without a file
    Zeitpunkt jetzt;     // ERSTELLT_AM and ERSTELLT_UM
};

// The base name of the style sheet: "kalvora", "kalvorawoche", "kalvoramonat".
std::string XslName(Xmlherkunft h);
constexpr const char* DtdName = "kalvora.dtd";

// The proposed file name: the calendar file's name with ".xml" (or "kalvo001.xml"), "KW12
// 2004.xml" for a week from its Monday, "März2004.xml" for a month.
std::string XmlDateiname(Xmlherkunft h, const Datum& von, const std::string& kalenderdatei);
// The week number of the file name of a week view export.
int XmlWochennummer(const Datum& d);

// Escapes a UTF-8 text for an element: & < > as entities, "€" as &#x20AC;, "©" as &#169;,
// every other character of the code page's range 0x80–0x9F and every character beyond
// Latin-1 as a hexadecimal character reference. NUL and the C0 controls other than TAB, LF
// and CR, which no XML 1.0 file can hold, are dropped; a code point that is no character
// (a surrogate, U+FFFE, U+FFFF) becomes U+FFFD. Every XML the program writes is escaped
// here, so no text can make it malformed.
std::string XmlExportText(std::string_view utf8);
// Whether XML 1.0 can hold the code point.
bool XmlZeichen(char32_t c);

// An escaped UTF-8 text (every character below U+0100) as the file's ISO-8859-1 bytes.
std::string XmlDateibytes(std::string_view escaped);

// The whole file as Windows-1252 bytes; fortschritt gets 0..100 as the days are written.
std::string XmlExportieren(const TKalender& kal, const Xmlauftrag& a,
                           const std::function<void(int)>& fortschritt = {});
// The same bytes handed to ziel piece by piece (whole lines, about a megabyte each) as they
// are made, for writing a large export without holding it in memory.
void XmlExportSchreiben(const TKalender& kal, const Xmlauftrag& a,
                        const std::function<void(std::string_view)>& ziel,
                        const std::function<void(int)>& fortschritt = {});

// The companion files of an export: the origin's style sheet (when xsl) and the DTD (when
// dtd), copied from where gefunden finds the shipped file (its path, or empty) into
// zielordner. A file of that name already in zielordner stays as it is. Returns the paths
// written; throws KalvoraFehler with a German reason when a copy fails.
// The same for any names: each copied unless zielordner already has a file of that name.
// With schreiben (the program's atomic writer) a copy is read safely and written whole, so a
// broken-off copy never stays behind as "an existing file"; without it the file is copied.
std::vector<std::string> BegleitdateienKopieren(
    const std::vector<std::string>& namen,
    const std::function<std::string(const std::string& name)>& gefunden,
    const std::string& zielordner, const Dateischreiber& schreiben = {});
std::vector<std::string> XmlBegleitdateienSchreiben(
    Xmlherkunft h, bool xsl, bool dtd,
    const std::function<std::string(const std::string& name)>& gefunden,
    const std::string& zielordner, const Dateischreiber& schreiben = {});

// The browser output's folder holds only files of these names, and only these are ever
// deleted there: "ausgabe.xml", "ausgabe.html", the three style sheets and the DTD.
std::vector<std::string> XmlAusgabedateien();
// Removes those files from the folder (a symbolic link itself, never its target); other
// files stay. Throws KalvoraFehler when one of them cannot be removed.
void XmlAusgabeordnerLeeren(const std::string& ordner);
constexpr const char* XmlAusgabeXml = "ausgabe.xml";
constexpr const char* XmlAusgabeHtml = "ausgabe.html";

}  // namespace kalvora
