#include "main/Hauptmenue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kalvora {
namespace {

// Every menu is closed, every command named once, every caption given.
TEST(Hauptmenue, TabelleIstWohlgeformt) {
    using A = Menuezeile::Art;
    int tiefe = 0, menues = 0;
    std::set<std::string> namen;
    for (const Menuezeile& z : Hauptmenue()) {
        if (z.art == A::Menue) ++tiefe, ++menues;
        if (z.art == A::Ende) --tiefe;
        ASSERT_GE(tiefe, 0);
        if (z.art == A::Trenner || z.art == A::Ende) continue;
        EXPECT_TRUE(namen.insert(z.name).second) << z.name;
        EXPECT_STRNE(z.titel, "") << z.name;
        if (z.art == A::Befehl) EXPECT_EQ(tiefe, 0) << z.name;
    }
    EXPECT_EQ(tiefe, 0);
    EXPECT_EQ(menues, 11);  // seven menus and four submenus
}

}  // namespace
}  // namespace kalvora
