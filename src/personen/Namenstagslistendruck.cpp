#include "personen/Namenstagslistendruck.h"

#include <algorithm>
#include <cmath>

#include "methoden/Methoden.h"
#include "platform/Dialoge.h"
#include "platform/Druckrahmen.h"

namespace kalvora {
namespace {

constexpr const char* kMuster = "025 Do00";  // the room of day number and weekday

Schrift Serif(int groesse, bool fett = false) {
    return Druckschrift(drucktexte::Serif, groesse, fett);
}

// At most n characters of UTF-8 text.
std::string HoechstensZeichen(const std::string& s, std::size_t n) {
    std::size_t zeichen = 0, i = 0;
    while (i < s.size() && zeichen < n) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        i += c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        ++zeichen;
    }
    return s.substr(0, std::min(i, s.size()));
}

}  // namespace

int Namenstagsseiten(int spalten) {
    spalten = std::clamp(spalten, 1, 6);
    return (12 + spalten - 1) / spalten;
}

std::string Seitenhinweis(int spalten) {
    return "(dies entspricht " + std::to_string(Namenstagsseiten(spalten)) + " Seiten)";
}

std::string NameKuerzen(const std::string& name, const Namenstagsdruckoptionen& o) {
    // Both positions are taken in the name as the catalogue has it.
    const std::size_t auf = name.find('(');
    const std::size_t zu = auf == std::string::npos ? auf : name.find(')', auf);
    // "von" only as a word of its own: a name such as "Ivonne" keeps its letters.
    std::size_t von = name.find(" von");
    while (von != std::string::npos && von + 4 < name.size() && name[von + 4] != ' ')
        von = name.find(" von", von + 1);
    std::string s = name;
    if (o.ohneKlammern && auf != std::string::npos && zu != std::string::npos)
        s.erase(auf, zu - auf + 1);
    if (o.ohneVon && von != std::string::npos) s = s.substr(0, std::min(von, s.size()));
    return s;
}

std::string Namenszeile(const std::vector<std::string>& namen, int spalte,
                        const Namenstagsdruckoptionen& o,
                        const std::function<int(const std::string&)>& breite) {
    std::string text;
    for (std::size_t j = 0; j < namen.size(); ++j) {
        if (o.namenBegrenzen && static_cast<int>(j) >= o.hoechstens) break;
        const std::string trenner =
            j > 0 && breite(std::string(kMuster) + text + ", ") < spalte ? ", " : "";
        const std::string kurz = NameKuerzen(namen[j], o);
        if (breite(std::string(kMuster) + text + trenner + kurz) < spalte) {
            text += trenner + kurz;
            continue;
        }
        // Not even the first fits: its first word with the blank after it.
        if (j == 0) {
            const std::size_t blank = kurz.find(' ');
            text = blank == std::string::npos ? std::string() : kurz.substr(0, blank + 1);
        }
        break;
    }
    return HoechstensZeichen(text, 255);
}

int NamenstagslisteDrucken(const Namenstagskatalog& katalog, int jahr, uint32_t wochenendfarbe,
                           const Namenstagsdruckoptionen& o, Drucker& drucker,
                           Druckstatus& status) {
    const int spalten = std::clamp(o.spalten, 1, 6);
    drucker.AusrichtungSetzen(Seitenausrichtung::Querformat);
    Druckdokument dokument(drucker, kNamenstagslistenTitel);
    Leinwand& l = drucker.Zeichenflaeche();
    const int pb = drucker.SeitenBreite(), ph = drucker.SeitenHoehe();
    const int rand = Seitenrand(pb);
    const int oben = Kopfrand(ph);
    const int w = (pb - 2 * rand) / spalten - 15;
    const int t = oben + 50;
    const int g = t + 50;
    const int h = (ph - 2 * oben - 50) / 31;
    const auto links = [&](int c) { return rand + (c - 1) * (w + 15); };
    const auto breite = [&l](const std::string& s) { return l.Textbreite(s); };
    const int kopien = std::max(1, drucker.Kopien());
    int seiten = 0;
    const auto seitenkopf = [&] {
        l.SchriftSetzen(Serif(8));
        const std::string jahrText = std::to_string(jahr);
        l.HintergrundSetzen(Hintergrundmodus::Transparent);
        l.Text(pb / 2 - l.Textbreite(jahrText) / 2, t / 8, jahrText);
        HerstellerzeileDrucken(l, pb - rand, ph - (oben * 4) / 10, 8);
        l.SchriftSetzen(Serif(8));
    };
    for (int kopie = 1; kopie <= kopien; ++kopie) {
        if (kopie > 1) drucker.NeueSeite();
        ++seiten;
        l.SchriftSetzen(Serif(8));
        l.PinselSetzen(Pinsel{});
        status.SeiteZeigen(drucktexte::SeiteVon(kopie, kopien));
        status.Fortschritt(0);
        seitenkopf();
        int c = 0;
        for (int monat = 1; monat <= 12; ++monat) {
            if (monat > 1 && (monat - 1) % spalten == 0) {
                drucker.NeueSeite();
                ++seiten;
                seitenkopf();
                c = 1;
            } else {
                ++c;
            }
            const int x = links(c);
            l.SchriftSetzen(Serif(16, true));
            l.HintergrundSetzen(Hintergrundmodus::Transparent);
            l.Text(x, t / 2 - 50, Monatsname(monat));
            l.SchriftSetzen(Serif(8));
            for (int tag = 1; tag <= 31; ++tag) {
                const int y0 = g + (tag - 1) * h;
                const bool gibt = IstGueltigesDatum(tag, monat, jahr);
                const int wt = gibt ? Wochentag(tag, monat, jahr) : -1;
                Pinsel p;
                p.farbe = wt == 0 || wt == 6 ? wochenendfarbe : 0xFFFFFF;
                l.PinselSetzen(p);
                l.Rechteck({x, y0, x + w, g + tag * h + 1});
                if (!gibt) continue;
                l.HintergrundSetzen(Hintergrundmodus::Transparent);
                const int y = y0 + 3;
                l.Text(x + l.Textbreite("8"), y, (tag < 10 ? " " : "") + std::to_string(tag));
                l.Text(x + l.Textbreite("8200"), y, Wochentagskurzname(wt));
                const std::string namen = Namenszeile(katalog.Namen(tag, monat), w, o, breite);
                if (!namen.empty()) l.Text(x + l.Textbreite(kMuster), y, namen);
            }
            l.PinselSetzen(Pinsel{});
            status.Fortschritt(monat * 100 / 12);
        }
    }
    return seiten;
}

}  // namespace kalvora
