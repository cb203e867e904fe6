#include "personen/Geburtstagslistendruck.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "personen/Geburtstagsliste.h"
#include "platform/Dialoge.h"
#include "platform/Druckrahmen.h"

namespace kalvora {
namespace {

int Gerundet(double x) { return static_cast<int>(std::lround(x)); }

Schrift Serif12(bool fett = false, bool unterstrichen = false) {
    return Druckschrift(drucktexte::Serif, 12, fett, unterstrichen);
}

class Listendruck {
public:
    Listendruck(Drucker& d)
        : d_(d),
          l_(d.Zeichenflaeche()),
          breite_(d.SeitenBreite()),
          hoehe_(d.SeitenHoehe()),
          mx_(Seitenrand(breite_)),
          my_(Kopfrand(hoehe_)) {}

    void Seitenkopf() {
        ++seiten_;
        l_.SchriftSetzen(Serif12());
        TextZentriert(l_, breite_, hoehe_ - my_ / 2, "Seite " + std::to_string(seiten_));
        l_.SchriftSetzen(Serif12(true, true));
        TextZentriert(l_, breite_, my_ / 2, kGeburtstagslistenTitel);
        HerstellerzeileDrucken(l_, breite_ - mx_, hoehe_ - my_ * 4 / 10, 8);
        l_.SchriftSetzen(Serif12(true));
        const Stift vorher = l_.AktuellerStift();
        l_.StiftSetzen(Stift{0, 1, Stiftstil::Gestrichelt});
        const int texthoehe = l_.Texthoehe("Name");
        y_ = 2 + my_ + texthoehe;
        l_.Linie(mx_, y_ + texthoehe, breite_ - mx_, y_ + texthoehe);
        x3_ = breite_ - mx_ - l_.Textbreite("Namenstag") - 50;
        x2_ = x3_ - l_.Textbreite("Geburtstag") - 100;
        x1_ = mx_ + (x2_ - mx_ - 50) / 2;
        for (int x : {x1_, x2_, x3_}) l_.Linie(x, y_, x, hoehe_ - my_);
        l_.Text(mx_, y_, "Name");
        l_.Text(x1_ + 50, y_, "Vorname");
        l_.Text(x2_ + 50, y_, "Geburtstag");
        l_.Text(x3_ + 50, y_, "Namenstag");
        l_.StiftSetzen(vorher);
        l_.SchriftSetzen(Serif12());
    }

    void Zeilenvorschub() {
        const int schritt = Gerundet(std::abs(l_.Texthoehe("Ag")) * 1.2);
        y_ += schritt;
        if (y_ + schritt <= hoehe_ - my_) return;
        d_.NeueSeite();
        Seitenkopf();
        y_ += schritt;
    }

    void Zeile(const Listenzeile& z) {
        l_.Text(mx_, y_, z.name);
        l_.Text(x1_ + 50, y_, z.vorname);
        l_.Text(x2_ + 50, y_, z.geburtsdatum);
        l_.Text(x3_ + 50, y_, z.namenstag);
    }

    int Seiten() const { return seiten_; }

private:
    Drucker& d_;
    Leinwand& l_;
    int breite_, hoehe_, mx_, my_;
    int x1_ = 0, x2_ = 0, x3_ = 0;
    int y_ = 0;
    int seiten_ = 0;
};

}  // namespace

int GeburtstagslisteDrucken(const std::vector<TGeburtstag>& liste, Drucker& drucker,
                            Druckstatus& status, bool hochformat) {
    if (hochformat) drucker.AusrichtungSetzen(Seitenausrichtung::Hochformat);
    Druckdokument dokument(drucker, kGeburtstagslistenTitel);
    Listendruck druck(drucker);
    const int kopien = drucker.Kopien();
    const int e = static_cast<int>(liste.size());
    const std::vector<Listenzeile> zeilen = Listenzeilen(liste);
    for (int kopie = 1; kopie <= kopien; ++kopie) {
        if (kopie > 1) drucker.NeueSeite();
        status.SeiteZeigen(drucktexte::SeiteVon(kopie, kopien));
        status.Fortschritt(0);
        druck.Seitenkopf();
        druck.Zeilenvorschub();
        for (int k = 0; k < e; ++k) {
            druck.Zeile(zeilen[static_cast<std::size_t>(k)]);
            if (k + 1 < e) druck.Zeilenvorschub();
            // A list of one entry completes the bar as well.
            status.Fortschritt(e >= 2 ? 100 * k / (e - 1) : 100);
        }
    }
    return druck.Seiten();
}

}  // namespace kalvora
