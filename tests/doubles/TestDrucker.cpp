#include "doubles/TestDrucker.h"

namespace kalvora::test {

bool TestDrucker::Beginnen(const std::string& titel) {
    ablauf.push_back("Beginnen:" + titel);
    if (!beginnenGelingt) return false;
    begonnen = true;
    ausrichtungBeimBeginnen = ausrichtung_;
    seitenanfaenge.assign(1, leinwand.zeichnungen.size());
    return true;
}

void TestDrucker::NeueSeite() {
    ablauf.push_back("NeueSeite");
    seitenanfaenge.push_back(leinwand.zeichnungen.size());
}

void TestDrucker::Beenden() {
    ablauf.push_back("Beenden");
    begonnen = false;
}

std::vector<Zeichnung> TestDrucker::Seite(std::size_t i) const {
    if (i >= seitenanfaenge.size()) return {};
    const auto& z = leinwand.zeichnungen;
    const std::size_t ende = i + 1 < seitenanfaenge.size() ? seitenanfaenge[i + 1] : z.size();
    return {z.begin() + static_cast<std::ptrdiff_t>(seitenanfaenge[i]),
            z.begin() + static_cast<std::ptrdiff_t>(ende)};
}

}  // namespace kalvora::test
