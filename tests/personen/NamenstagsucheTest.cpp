#include "personen/Namenstagsuche.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

Namenstagskatalog Beispiel() {
    Namenstagskatalog k;
    k.Namen(6, 1) = {"Kaspar", "Melchior", "Balthasar"};
    k.Namen(29, 2) = {"Oswald von Worcester"};
    k.Namen(24, 6) = {"Johannes", "Theodulf"};
    k.Namen(22, 11) = {"Cäcilia", "CÄCILIA"};
    k.Namen(27, 12) = {"Johannes", "Fabiola"};
    return k;
}

TEST(Namenstagsuche, TrefferInKatalogreihenfolge) {
    struct Fall {
        const char* text;
        std::vector<std::string> treffer;  // "dd.mm. Name"
    };
    const Fall faelle[] = {
        {"johannes", {"24.06. Johannes", "27.12. Johannes"}},
        {"JOHANNES", {"24.06. Johannes", "27.12. Johannes"}},
        {"ar", {"06.01. Kaspar", "06.01. Balthasar"}},
        {"AL", {"06.01. Balthasar", "29.02. Oswald von Worcester"}},
        {"von w", {"29.02. Oswald von Worcester"}},
        // Only a-z change case: an umlaut finds its own case only.
        {"äcilia", {"22.11. Cäcilia"}},
        {"ÄCILIA", {"22.11. CÄCILIA"}},
        {"CäCILIA", {"22.11. Cäcilia"}},
        {"", {}},
        {"Xaver", {}},
    };
    const Namenstagskatalog k = Beispiel();
    for (const auto& f : faelle) {
        std::vector<std::string> ist;
        for (const auto& t : NamenstageSuchen(k, f.text))
            ist.push_back(Trefferdatum(t.tag, t.monat) + " " + t.name);
        EXPECT_EQ(ist, f.treffer) << f.text;
    }
}

TEST(Namenstagsuche, Statustexte) {
    EXPECT_EQ(Suchstatus(0), "Suche beendet, aber leider keinen gefunden!");
    EXPECT_EQ(Suchstatus(1), "Suche beendet, es wurden 1 Namen gefunden!");
    EXPECT_EQ(Suchstatus(1234), "Suche beendet, es wurden 1234 Namen gefunden!");
}

}  // namespace
}  // namespace kalvora

namespace kalvora {
namespace {

TEST(Namenstagsuche, Fensterhoehe) {
    EXPECT_EQ(Suchfensterhoehe(2, 20, 768), 269);            // at least 269
    EXPECT_EQ(Suchfensterhoehe(20, 20, 768), 20 * 23 + 19);  // header, results, empty row + 3
    EXPECT_EQ(Suchfensterhoehe(200, 20, 768), 614 + 19);     // at most 80 % of the screen
}

}  // namespace
}  // namespace kalvora
