// The editor's rules: the characters of the fields, a complete entry, the question, the
// homepage placeholder and the counts of the status bar.
#include <gtest/gtest.h>

#include "adressbuch/Adresseditor.h"

namespace kalvora {
namespace {

using namespace adressfeld;

TEST(Adresseditor, ZeichenUndVollstaendigkeit) {
    EXPECT_EQ(Erlaubt(Name, "Mül#ler\n"), "Müller");
    EXPECT_EQ(Erlaubt(Email, "hä(n)s!@x.de?&%"), "hns@x.de");
    EXPECT_EQ(Erlaubt(Sonstiges, "Ω5 € (ok)"), "5 € (ok)");  // Omega is not in the code page
    TAdresse a;
    a[Anrede] = "Herr";
    a[Name] = "Kunz";
    EXPECT_FALSE(EintragVollstaendig(a));
    a[Anrede] = "Firma";
    EXPECT_TRUE(EintragVollstaendig(a));
    a[Anrede] = "Familie";
    EXPECT_TRUE(EintragVollstaendig(a));
    a[Name].clear();
    EXPECT_FALSE(EintragVollstaendig(a));
    EXPECT_EQ(UnvollstaendigFrage("Herr", false),
              "Name und Vorname müssen eingegeben werden!!\n\r\n\r            "
              "Datensatz verwerfen ??\n\r");
    EXPECT_EQ(UnvollstaendigFrage("Firma", true),
              "der Name muß angegeben werden!!\n\r\n\r            Änderungen verwerfen ??\n\r");
}

TEST(Adresseditor, HomepageUndZaehler) {
    EXPECT_EQ(HomepageImEditor(""), "http://");
    EXPECT_EQ(HomepageAusEditor("http://"), "");
    EXPECT_EQ(HomepageAusEditor("http://a.de"), "http://a.de");
    EXPECT_EQ(GruppenText(0), "");
    EXPECT_EQ(GruppenText(1), "1 Gruppe");
    EXPECT_EQ(GruppenText(2), "2 Gruppen");
    EXPECT_EQ(EintraegeText(0), "0 Einträge");
    EXPECT_EQ(EintraegeText(1), "1 Eintrag");
}

}  // namespace
}  // namespace kalvora
