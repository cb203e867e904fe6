#include "platform/Druckrahmen.h"

#include <cmath>

#include "methoden/Fehler.h"

namespace kalvora {

std::string drucktexte::SeiteVon(int seite, int von) {
    return "Seite " + std::to_string(seite) + " von " + std::to_string(von);
}

Druckdokument::Druckdokument(Drucker& drucker, const std::string& titel) : drucker_(drucker) {
    if (!drucker_.Beginnen(titel)) {
        drucker_.Beenden();
        throw KalvoraFehler("Der Drucker kann den Ausdruck nicht beginnen.");
    }
}

Druckdokument::~Druckdokument() { drucker_.Beenden(); }

int Seitenrand(int seitenbreite) {
    return static_cast<int>(std::lround(seitenbreite * 0.03367 * 0.5));
}

int Kopfrand(int seitenhoehe) { return static_cast<int>(std::lround(seitenhoehe * 0.01962 * 2)); }

Schrift Druckschrift(const char* name, int groesse, bool fett, bool unterstrichen) {
    Schrift s;
    s.name = name;
    s.groesse = groesse;
    s.fett = fett;
    s.unterstrichen = unterstrichen;
    return s;
}

void TextZentriert(Leinwand& l, int seitenbreite, int y, const std::string& text) {
    l.Text((seitenbreite - l.Textbreite(text)) / 2, y, text);
}

void HerstellerzeileDrucken(Leinwand& l, int rechts, int y, int groesse) {
    Schrift s;
    s.name = drucktexte::Sans;
    s.groesse = groesse;
    l.SchriftSetzen(s);
    const std::string text = drucktexte::Herstellerzeile;
    l.Text(rechts - l.Textbreite(text), y, text);
}

}  // namespace kalvora
