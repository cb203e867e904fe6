#pragma once
// The manual: topic numbers and their pages, the popup texts of the direct help, where the
// help folder is, and a plain-text search over the pages. No Qt; the help window shows it.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora {

namespace hilfe {
inline constexpr char Ordnername[] = "hilfe";
inline constexpr char Inhaltsseite[] = "index.html";
inline constexpr char Stichwortseite[] = "stichwort.html";
inline constexpr char Popupdatei[] = "popup.txt";
inline constexpr char DateiFehlt[] = "Hilfe-Datei nicht gefunden\r";
inline constexpr char Fenstertitel[] = "Kalvora - Hilfe";
// The main window's topic, also shown for a number without a page.
inline constexpr int Hauptthema = 100;
// Numbers from here on are popup texts, below are pages.
inline constexpr int ErstePopupnummer = 1000;
}  // namespace hilfe

struct Hilfethema {
    int nummer;
    const char* datei;  // inside the help folder
    const char* titel;
};

// Every numbered topic of the manual, ascending.
const std::vector<Hilfethema>& Hilfethemen();

// The topic of a window or dialog by its class name (without namespace) or object name: F1
// opens it where the window has no "Hilfe" button of its own. Every dialog of the program
// is listed.
struct Fensterhilfe {
    const char* fenster;
    int thema;
};
const std::vector<Fensterhilfe>& Fensterhilfen();
// The topic of a window; 0 when it has none.
int FensterHilfethema(std::string_view fenster);
// The topic of page 1..12 of the options dialog; the options overview for any other number.
int OptionenseiteHilfethema(int seite);

// The page of a topic; an unknown number gives the contents page, so a button never leads
// nowhere.
std::string Hilfeseite(int thema);

// "popup.txt": blocks that start with a line ".thema N"; the lines up to the next block are
// its text (trailing blank lines dropped). Lines before the first block and lines starting
// with '#' outside a text are comments. A block with a bad number is skipped; of two blocks
// with one number the first counts.
std::map<int, std::string> PopuptexteLesen(std::string_view text);

// The folders where the program looks, in order: beside the program file, in its "daten"
// folder, the installed data folders.
std::vector<std::string> Hilfeordner(const std::string& programmordner);
// The first of the folders that holds the contents page; empty if none.
std::string HilfeordnerFinden(const std::vector<std::string>& ordner);
// The message for a missing manual: the text and the full path of the expected contents page.
std::string HilfeFehltMeldung(const std::string& ordner);

// Plain text of a page: tags removed, the entities the pages use decoded, white space joined.
std::string HtmlText(std::string_view html);
// The text of <title>; empty if there is none.
std::string HtmlTitel(std::string_view html);
// The targets of every href="…" in order.
std::vector<std::string> HtmlLinks(std::string_view html);

struct Hilfeseitentext {
    std::string datei;
    std::string titel;
    std::string text;  // HtmlText of the page
};
struct Hilfetreffer {
    std::string datei;
    std::string titel;
    int anzahl = 0;  // occurrences of the term in title and text
};
// Pages that contain every word of the query (case and umlaut case ignored), most hits first,
// then in page order. An empty query finds nothing.
std::vector<Hilfetreffer> HilfeSuchen(const std::vector<Hilfeseitentext>& seiten,
                                     std::string_view anfrage);

}  // namespace kalvora
