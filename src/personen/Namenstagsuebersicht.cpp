#include "personen/Namenstagsuebersicht.h"

#include "methoden/Methoden.h"
#include "platform/Dialoge.h"

namespace kalvora {

std::string UebersichtTitel(int jahr) { return "Namenstagsübersicht " + std::to_string(jahr); }

void NamenstagsuebersichtZeichnen(Leinwand& l, const Namenstagskatalog& katalog, int jahr,
                                  const Uebersichtsmasse& m, uint32_t wochenendfarbe,
                                  const Schrift& grundschrift) {
    for (int monat = 1; monat <= 12; ++monat) {
        const int x = m.SpalteLinks(monat);
        Schrift titel = grundschrift;
        titel.fett = true;
        titel.groesse += 10;
        l.SchriftSetzen(titel);
        l.HintergrundSetzen(Hintergrundmodus::Transparent);
        l.Text(x, 5, Monatsname(monat));
        l.SchriftSetzen(grundschrift);
        for (int tag = 1; tag <= 31; ++tag) {
            const int oben = 50 + (tag - 1) * 22;
            const Rechteck kasten{x, oben, x + m.spalte, 50 + tag * 22 + 1};
            const bool gibt = IstGueltigesDatum(tag, monat, jahr);
            const int wt = gibt ? Wochentag(tag, monat, jahr) : -1;
            Pinsel p;
            p.farbe = wt == 0 || wt == 6 ? wochenendfarbe : 0xFFFFFF;
            l.PinselSetzen(p);
            l.StiftSetzen(Stift{});
            l.Rechteck(kasten);
            if (!gibt) continue;
            l.HintergrundSetzen(Hintergrundmodus::Transparent);
            l.Text(x + 5, oben + 3, (tag < 10 ? "  " : "") + std::to_string(tag));
            l.Text(x + 20, oben + 3, Wochentagskurzname(wt));
            const auto& namen = katalog.Namen(tag, monat);
            if (namen.empty()) continue;
            std::string zeile;
            for (const std::string& n : namen) zeile += (zeile.empty() ? "" : ", ") + n;
            l.Text(x + 40, oben + 3, zeile);
        }
    }
}

}  // namespace kalvora
