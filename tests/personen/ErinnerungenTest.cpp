#include "personen/Erinnerungen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvora {
namespace {

TGeburtstag Person(const std::string& vorname, Datum geboren, TDatum namenstag = KeinDatum) {
    return {"Beispiel", vorname, DatumWert(geboren.tag, geboren.monat, geboren.jahr), namenstag};
}

// One line per reminder: caption|line 1|line 2|line 3|line 4, "!" marking the red one.
std::vector<std::string> Fenster(const std::vector<TGeburtstag>& liste, Datum heute,
                                 const Erinnerungsoptionen& o, Pruefanlass anlass) {
    std::vector<std::string> z;
    for (const Erinnerung& e : ErinnerungenPruefen(liste, heute, o, anlass)) {
        const Erinnerungstexte t = ErinnerungsfensterTexte(e);
        z.push_back(t.titel + "|" + t.zeile1 + "|" + t.zeile2 + "|" + t.zeile3 + "|" + t.zeile4 +
                    (t.hervorgehoben ? "!" : ""));
    }
    return z;
}

Erinnerungsoptionen Optionen(bool g, bool rg, bool ng, int vorlauf = 7, int rund = 20,
                             int nvorlauf = 2) {
    return {g, rg, ng, vorlauf, rund, nvorlauf};
}

TEST(Erinnerungen, GeburtstageNachDenRegeln) {
    using A = Pruefanlass;
    using V = std::vector<std::string>;
    struct Fall {
        const char* was;
        std::vector<TGeburtstag> liste;
        Datum heute;
        Erinnerungsoptionen o;
        A anlass;
        V erwartet;
    };
    const Fall faelle[] = {
        {"10. März, heute der 5., G = 7", {Person("Anna", {10, 3, 1995})}, {5, 3, 2026},
         Optionen(true, false, false), A::Automatisch,
         {"Geburtstag|Nur noch 5 Tage bis zum:|Geburtstag von|Anna Beispiel|"
          "am 10.03.    31 Jahre"}},
        {"der 30. in 5 Tagen, nur Geburtstag: als runder angekündigt",
         {Person("Anna", {10, 3, 1996})}, {5, 3, 2026}, Optionen(true, false, false),
         A::Automatisch,
         {"runder Geburtstag|Nur noch 5 Tage bis zum:|runder Geburtstag von|Anna "
          "Beispiel|am 10.03.    30 Jahre!"}},
        {"außerhalb von G", {Person("Anna", {10, 3, 1995})}, {2, 3, 2026},
         Optionen(true, false, false), A::Automatisch, {}},
        {"der 40. in 15 Tagen, nur runder Geburtstag, RG = 20",
         {Person("Bernd", {20, 6, 1986})}, {5, 6, 2026}, Optionen(false, true, false),
         A::Automatisch,
         {"runder Geburtstag|Nur noch 15 Tage bis zum:|runder Geburtstag von|Bernd "
          "Beispiel|am 20.06.    40 Jahre!"}},
        {"nur Geburtstag, G = 7, RG = 5: 6 Tage vorher normal", {Person("Bernd", {20, 6, 1986})},
         {14, 6, 2026}, Optionen(true, false, false, 7, 5), A::Automatisch,
         {"Geburtstag|Nur noch 6 Tage bis zum:|Geburtstag von|Bernd Beispiel|"
          "am 20.06.    40 Jahre"}},
        {"… und 4 Tage vorher als runder", {Person("Bernd", {20, 6, 1986})}, {16, 6, 2026},
         Optionen(true, false, false, 7, 5), A::Automatisch,
         {"runder Geburtstag|Nur noch 4 Tage bis zum:|runder Geburtstag von|Bernd "
          "Beispiel|am 20.06.    40 Jahre!"}},
        {"29. Februar 1980 im Gemeinjahr 2005: der 1. März", {Person("Carla", {29, 2, 1980})},
         {27, 2, 2005}, Optionen(true, false, false), A::Automatisch,
         {"Geburtstag|Nur noch 2 Tage bis zum:|Geburtstag von|Carla Beispiel|"
          "am 01.03.    25 Jahre"}},
        {"… im Schaltjahr 2004: der 29. Februar", {Person("Carla", {29, 2, 1980})},
         {27, 2, 2004}, Optionen(true, false, false), A::Automatisch,
         {"Geburtstag|Nur noch 2 Tage bis zum:|Geburtstag von|Carla Beispiel|"
          "am 29.02.    24 Jahre"}},
        {"28. Dezember, Geburtstag am 2. Januar: das Alter des nächsten Jahres",
         {Person("Dora", {2, 1, 1990})}, {28, 12, 2025}, Optionen(true, false, false),
         A::Automatisch,
         {"Geburtstag|Nur noch 5 Tage bis zum:|Geburtstag von|Dora Beispiel|"
          "am 02.01.    36 Jahre"}},
        {"heute", {Person("Emil", {9, 12, 2000})}, {9, 12, 2026}, Optionen(true, false, false),
         A::Automatisch, {"Geburtstag|Heute ist der:|Geburtstag von|Emil Beispiel|26 Jahre"}},
        {"morgen", {Person("Emil", {10, 12, 2000})}, {9, 12, 2026}, Optionen(true, false, false),
         A::Automatisch,
         {"Geburtstag|Morgen ist der:|Geburtstag von|Emil Beispiel|am 10.12.    26 Jahre"}},
        {"im Geburtsjahr niemand", {Person("Fritz", {12, 12, 2026})}, {9, 12, 2026},
         Optionen(true, false, false), A::Automatisch, {}},
        {"automatisch ohne Geburtstag aus: nichts", {Person("Anna", {10, 3, 1995})},
         {5, 3, 2026}, Optionen(false, false, false), A::Automatisch, {}},
        {"\"Geburtstage\" prüft auch ohne Einstellung", {Person("Anna", {10, 3, 1995})},
         {5, 3, 2026}, Optionen(false, false, false), A::Geburtstage,
         {"Geburtstag|Nur noch 5 Tage bis zum:|Geburtstag von|Anna Beispiel|"
          "am 10.03.    31 Jahre"}},
        {"\"Namenstage\" nicht für dieses Jahr", {Person("Anna", {10, 3, 1995})}, {5, 3, 2026},
         Optionen(true, false, false), A::Namenstage, {}},
        {"… aber für das nächste nach der Einstellung", {Person("Dora", {2, 1, 1990})},
         {28, 12, 2025}, Optionen(true, false, false), A::Namenstage,
         {"Geburtstag|Nur noch 5 Tage bis zum:|Geburtstag von|Dora Beispiel|"
          "am 02.01.    36 Jahre"}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Fenster(f.liste, f.heute, f.o, f.anlass), f.erwartet) << f.was;
}

TEST(Erinnerungen, NamenstageUndReihenfolge) {
    using A = Pruefanlass;
    const TDatum jahr2000 = DatumWert(15, 10, 2000);  // stored by the suggestion search
    const TDatum spaeter = DatumWert(15, 10, 2030);
    const std::vector<TGeburtstag> liste = {
        Person("Theresia", {14, 10, 1970}, jahr2000),
        {"Beispiel", "Theo", KeinDatum, spaeter},
    };
    // Her birthday first, then her name day; his name day lies in a later year.
    EXPECT_EQ(Fenster(liste, {13, 10, 2026}, Optionen(true, false, true), A::Automatisch),
              (std::vector<std::string>{
                  "Geburtstag|Morgen ist der:|Geburtstag von|Theresia Beispiel|"
                  "am 14.10.    56 Jahre",
                  "Namenstag|Nur noch 2 Tage bis zum:|Namenstag von|Theresia Beispiel|"
                  "am 15.10.    "}));
    EXPECT_EQ(Fenster(liste, {15, 10, 2026}, Optionen(false, false, false), A::Namenstage),
              (std::vector<std::string>{"Namenstag|Heute ist der:|Namenstag von|"
                                        "Theresia Beispiel|"}));
    EXPECT_EQ(Fenster(liste, {15, 10, 2030}, Optionen(false, false, true), A::Geburtstage),
              std::vector<std::string>{});
    EXPECT_EQ(Fenster(liste, {15, 10, 2030}, Optionen(false, false, true), A::Automatisch).size(),
              2u);
    // Across the turn of the year, as a birthday is.
    const std::vector<TGeburtstag> neujahr = {{"Beispiel", "Maria", KeinDatum, DatumWert(1, 1,
        2000)}};
    EXPECT_EQ(Fenster(neujahr, {31, 12, 2026}, Optionen(false, false, true), A::Automatisch),
              (std::vector<std::string>{"Namenstag|Morgen ist der:|Namenstag von|Maria Beispiel|"
                                        "am 01.01.    "}));
}

TEST(Erinnerungen, VorkommenDes29Februar) {
    EXPECT_EQ(Vorkommen(29, 2, 2004), (Datum{29, 2, 2004}));
    EXPECT_EQ(Vorkommen(29, 2, 2005), (Datum{1, 3, 2005}));
    EXPECT_EQ(Vorkommen(28, 2, 2005), (Datum{28, 2, 2005}));
    // A 29 February birthday past in a common year is next reminded of in the leap year.
    const std::vector<TGeburtstag> liste = {Person("Carla", {29, 2, 1980})};
    EXPECT_EQ(Fenster(liste, {2, 3, 2005}, Optionen(true, false, false, 7), Pruefanlass::Alles),
              std::vector<std::string>{});
    EXPECT_EQ(Fenster(liste, {25, 2, 2008}, Optionen(true, false, false, 7), Pruefanlass::Alles)
                  .front(),
              "Geburtstag|Nur noch 4 Tage bis zum:|Geburtstag von|Carla Beispiel|"
              "am 29.02.    28 Jahre");
}

}  // namespace
}  // namespace kalvora
