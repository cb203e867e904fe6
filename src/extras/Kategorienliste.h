#pragma once
// The categories and the links of the document, edited in one grid: renaming an entry
// renames it in every appointment that uses it.
#include <string>
#include <vector>

#include "kalender/TKalender.h"

namespace kalvora {

enum class Listenart { Kategorien, Links };

struct Listentexte {
    const char* titel;
    const char* beschriftung;
    const char* spaltenkopf;
};
const Listentexte& TexteDerListe(Listenart art);

namespace listentexte {
inline constexpr const char* Ok = "Ok";
inline constexpr const char* Abbruch = "Abbruch";
}  // namespace listentexte

// The list of the document that art names.
TTerminKategorie& ListeDerArt(TKalender& kal, Listenart art);

// Every appointment of every year whose category (or link) is alt[i] gets neu[i], for every
// i where the two differ; all renames happen at once, so texts that swap rows swap in the
// appointments too. Returns the number of appointments changed.
std::size_t TermineUmbenennen(TKalender& kal, Listenart art, const std::vector<std::string>& alt,
                              const std::vector<std::string>& neu);

class TListenbearbeitung {
public:
    // Activation: one row per entry and an empty row at the end.
    TListenbearbeitung(TKalender& kal, Listenart art, bool schreibgeschuetzt);

    Listenart Art() const { return art_; }
    // Rows 1..n of the grid as texts (index 0 = row 1).
    const std::vector<std::string>& Zeilen() const { return zeilen_; }
    bool Bearbeitbar() const { return !schreibgeschuetzt_; }

    // Whether a typed character may go into the grid: '#' separates fields in the file.
    static bool ZeichenErlaubt(char32_t zeichen) { return zeichen != U'#'; }
    // A key changed row zeile (1-based) to text: a last row that is no longer empty gets a
    // new empty row after it, and the document is marked modified.
    void Eingabe(int zeile, const std::string& text);

    // "Ok": renames the appointments by position, then the list is the non-empty rows.
    void Ok();

private:
    TKalender& kal_;
    Listenart art_;
    bool schreibgeschuetzt_;
    std::vector<std::string> alt_;
    std::vector<std::string> zeilen_;
};

}  // namespace kalvora
