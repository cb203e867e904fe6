#pragma once
// What every printout shares: the maker's notice line, the fonts of the page furniture, the
// job that is always ended, and the status caption.
#include <string>

#include "platform/Dialoge.h"
#include "platform/Drucker.h"

namespace kalvora {

namespace drucktexte {
// The maker's notice line of every printout (and of the XML exports).
inline constexpr const char* Herstellerzeile =
    "Erstellt mit Kalvora - Jahresplaner und Terminkalender";
inline constexpr const char* Serif = "Times New Roman";
inline constexpr const char* Sans = "MS Sans Serif";
// "Seite n von m"
std::string SeiteVon(int seite, int von);
}  // namespace drucktexte

// Begins the document on construction and ends it on every way out, an error included.
class Druckdokument {
public:
    Druckdokument(Drucker& drucker, const std::string& titel);
    ~Druckdokument();
    Druckdokument(const Druckdokument&) = delete;
    Druckdokument& operator=(const Druckdokument&) = delete;

private:
    Drucker& drucker_;
};

// The margins of the list printouts: left and right from the page width, top and bottom
// from its height.
int Seitenrand(int seitenbreite);
int Kopfrand(int seitenhoehe);

// A font of the printouts.
Schrift Druckschrift(const char* name, int groesse, bool fett = false,
                     bool unterstrichen = false);

// Text centred on the page width at y.
void TextZentriert(Leinwand& l, int seitenbreite, int y, const std::string& text);

// The maker's notice line in "MS Sans Serif" of that size, ending at x = rechts.
void HerstellerzeileDrucken(Leinwand& l, int rechts, int y, int groesse);

}  // namespace kalvora
