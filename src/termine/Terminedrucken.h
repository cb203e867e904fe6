#pragma once
// The printed appointment list: the days of a date range as a running list with day
// headings, info texts and appointments, page breaks and the page furniture of every page.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"
#include "methoden/Methoden.h"
#include "platform/Drucker.h"

namespace kalvora {

// Margins and print width of a list page, from its size in device pixels.
struct Listenseite {
    int links = 0, rechts = 0, oben = 0, unten = 0, breite = 0;
    static Listenseite Aus(int seitenbreite, int seitenhoehe);
};

// The text of one entry of a day list as the list prints it, before wrapping: line 1 and,
// in the two-line layout, line 2 (empty lines are not printed). einzug is the text whose
// printed width indents line 2.
struct Eintragstext {
    std::string zeile1, zeile2;
    std::string einzug;
};
Eintragstext EintragDrucktext(const TTermin& eintrag, bool info, const Einstellungen& e);

// A line as printed lines no wider than verfuegbar: broken at blanks (runs of blanks kept);
// a single word wider than that stands alone on its line.
std::vector<std::string> ZeileUmbrechen(const std::string& zeile, int verfuegbar,
                                        const std::function<int(const std::string&)>& breite);

// "Termine vom <start> bis <ende>": the job title and the heading of every page.
std::string TerminlistenTitel(const Datum& start, const Datum& ende);

// The longest info text, description or place the list prints: some ten pages of one
// entry, far beyond any real appointment; a text of megabytes would print thousands of pages.
inline constexpr std::size_t kHoechsteDrucktextlaenge = std::size_t{64} << 10;
// Empty when every text of the days from start to ende can be printed; otherwise the
// message that names the first day with a longer one and the limit.
std::string TerminlisteNichtDruckbar(const TKalender& kal, const Datum& start,
                                     const Datum& ende);

class TTerminlistendruck {
public:
    TTerminlistendruck(const TKalender& kal, const Einstellungen& einst);
    // The portrait rule: on until the user confirms the printer set-up dialog.
    bool hochformat = true;
    // Prints the days from start to ende in the copies the printer was asked for; returns
    // the number of pages. The document is ended on every way out. A text longer than
    // kHoechsteDrucktextlaenge throws KalvoraFehler before anything is printed.
    int drucken(Drucker& drucker, Druckstatus& status, const Datum& start, const Datum& ende);

private:
    void Zeilenvorschub();
    void Seitenkopf();
    void ZeileDrucken(const std::string& text, int einzug, uint32_t farbe, bool farbig);
    void TagDrucken(int tag, int monat, int jahr);
    Schrift Listenschrift(int mehr = 0, bool fett = false) const;

    const TKalender& kal_;
    const Einstellungen& einst_;
    Drucker* drucker_ = nullptr;
    Leinwand* l_ = nullptr;
    Listenseite seite_;
    int hoehe_ = 0;   // page height
    int y_ = 2;       // from the top margin
    int seitennummer_ = 1;
    int seiten_ = 0;  // printed so far, all copies
    std::string titel_;
};

}  // namespace kalvora
