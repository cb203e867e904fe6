#include "main/Jahresgeometrie.h"

#include <algorithm>
#include <cmath>

namespace kalvora {

JahresMetrik MetrikBerechnen(const Fenstermasse& f) {
    JahresMetrik m;
    m.X0 = 100;
    m.G = static_cast<int>(std::trunc((f.aussenBreite - 8) * 0.98));
    m.CW = (m.G - 108) / 36;
    const int frei = f.clientHoehe - f.unteresPanelHoehe - f.statusleisteHoehe - f.ansichtOben;
    m.RH = static_cast<int>(std::trunc((frei * 0.95 - 23) / 24));
    return m;
}

int MonatsVersatz(int monat, int jahr) {
    const int w = Wochentag(1, monat, jahr);
    return w == 0 ? 6 : w - 1;
}

Rechteck TagesZelle(const JahresMetrik& m, int tag, int monat, int jahr) {
    const int c = MonatsVersatz(monat, jahr) + tag - 1;
    const int l = m.X0 + c * m.CW;
    return {l, (2 * monat - 1) * m.RH + m.Y0, l + m.CW, (2 * monat + 1) * m.RH + m.Y0};
}

int BandMitte(const JahresMetrik& m, int monat) { return 2 * monat * m.RH + m.Y0; }

std::optional<TagMonat> TagAnPosition(const JahresMetrik& m, int jahr, int x, int y) {
    // A window squeezed below any sensible size has no cells (and no division by zero).
    if (m.CW <= 0 || m.RH <= 0) return std::nullopt;
    const int v = (x - m.X0 + m.CW) / m.CW;
    if (v < 1 || v > JahresSpalten) return std::nullopt;
    const int monat = (y - m.Y0 + m.RH) / (2 * m.RH);
    if (monat < 1 || monat > 12) return std::nullopt;
    const int s = MonatsVersatz(monat, jahr);
    const int n = TageImMonat(monat, jahr);
    if (v - 1 < s || v - 1 >= s + n) return std::nullopt;
    return TagMonat{v - s, monat};
}

Groesse FenstergroesseBegrenzen(Groesse g) {
    return {std::max(g.breite, MindestBreite), std::max(g.hoehe, MindestHoehe)};
}

}  // namespace kalvora
