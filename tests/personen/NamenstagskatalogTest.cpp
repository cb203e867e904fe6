#include "personen/Namenstagskatalog.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "methoden/Zeichensatz.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using Namen = std::vector<std::string>;

const char* const kMonate[] = {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli",
                               "August", "September", "Oktober", "November", "Dezember"};

// A complete catalogue in UTF-8 lines: two heading lines, per month "[Monat]", day d of month
// m holds "Nd.m".
std::vector<std::string> Vollstaendig() {
    std::vector<std::string> z = {"Namenstage", "Kopf"};
    for (int m = 1; m <= 12; ++m) {
        z.push_back(std::string("[") + kMonate[m - 1] + "]");
        for (int d = 1; d <= Namenstagskatalog::Tage(m); ++d)
            z.push_back("N" + std::to_string(d) + "." + std::to_string(m));
    }
    return z;
}

// Index of the line of day d of month m in Vollstaendig().
std::size_t Zeile(int d, int m) {
    std::size_t i = 2;
    for (int k = 1; k < m; ++k) i += 1 + static_cast<std::size_t>(Namenstagskatalog::Tage(k));
    return i + 1 + static_cast<std::size_t>(d - 1);
}

std::string Bytes(const std::vector<std::string>& zeilen, const char* ende = "\r\n") {
    std::string s;
    for (const auto& z : zeilen) s += *Utf8NachCp1252(z) + ende;
    return s;
}

Namen Tag(int d, int m) { return {"N" + std::to_string(d) + "." + std::to_string(m)}; }

TEST(Namenstagskatalog, LeseregelnDerDatei) {
    struct Fall {
        const char* was;
        std::function<std::string()> datei;
        std::vector<std::tuple<int, int, Namen>> erwartet;
    };
    const auto mit = [](std::function<void(std::vector<std::string>&)> aendern) {
        return [aendern] {
            auto z = Vollstaendig();
            aendern(z);
            return Bytes(z);
        };
    };
    const Fall faelle[] = {
        {"vollständig", mit([](auto&) {}),
         {{1, 1, Tag(1, 1)}, {29, 2, Tag(29, 2)}, {1, 3, Tag(1, 3)}, {31, 12, Tag(31, 12)}}},
        {"Februar mit 28 Zeilen, dann die Überschrift des März",
         mit([](auto& z) { z.erase(z.begin() + Zeile(29, 2)); }),
         {{28, 2, Tag(28, 2)}, {29, 2, {}}, {1, 3, Tag(1, 3)}, {31, 12, Tag(31, 12)}}},
        {"\"[\" an einem späteren Tag beendet den Monat",
         mit([](auto& z) { z.erase(z.begin() + Zeile(5, 1), z.begin() + Zeile(1, 2) - 1); }),
         {{4, 1, Tag(4, 1)}, {5, 1, {}}, {31, 1, {}}, {1, 2, Tag(1, 2)}, {1, 3, Tag(1, 3)}}},
        {"ohne Monatsüberschriften",
         [] {
             std::vector<std::string> z;
             for (const auto& s : Vollstaendig())
                 if (s[0] != '[') z.push_back(s);
             return Bytes(z);
         },
         {{1, 1, Tag(1, 1)}, {29, 2, Tag(29, 2)}, {31, 12, Tag(31, 12)}}},
        {"Namen mit Leerzeichen, Klammern und Umlauten",
         mit([](auto& z) {
             z[Zeile(22, 6)] = "Paulinus von Nola, Thomas More (Morus), Cäcilia";
             z[Zeile(23, 6)] = "";
         }),
         {{22, 6, {"Paulinus von Nola", "Thomas More (Morus)", "Cäcilia"}},
          {23, 6, {}},
          {24, 6, Tag(24, 6)}}},
        {"Komma am Zeilenende zieht den nächsten Tag nicht herein",
         mit([](auto& z) { z[Zeile(1, 4)] = "Hugo,"; }),
         {{1, 4, {"Hugo", ""}}, {2, 4, Tag(2, 4)}, {30, 4, Tag(30, 4)}}},
        {"Komma am Zeilenanfang gibt einen leeren Namen",
         mit([](auto& z) { z[Zeile(3, 4)] = ",Anna"; }), {{3, 4, {"", "nna"}}}},
        // The next month starts on the line after: what was meant for 4 May becomes 1 June.
        {"\"[\" mitten im Namen beendet den Monat nach dem Namensanfang",
         mit([](auto& z) { z[Zeile(3, 5)] = "Hu[go, Emma"; }),
         {{2, 5, Tag(2, 5)}, {3, 5, {"Hu"}}, {4, 5, {}}, {1, 6, Tag(4, 5)}}},
        {"das Zeichen nach dem Komma fällt weg",
         mit([](auto& z) { z[Zeile(29, 6)] = "Peter,Paul"; }), {{29, 6, {"Peter", "aul"}}}},
        {"Datei endet im März",
         [] {
             auto z = Vollstaendig();
             z.resize(Zeile(10, 3) + 1);
             return Bytes(z);
         },
         {{10, 3, Tag(10, 3)}, {11, 3, {}}, {1, 4, {}}}},
        {"nur LF", [] { return Bytes(Vollstaendig(), "\n"); },
         {{1, 1, Tag(1, 1)}, {31, 12, Tag(31, 12)}}},
        {"CR am Dateiende und CR mitten in der Zeile",
         [] {
             auto z = Vollstaendig();
             z[Zeile(2, 1)] = "Ba\rsilius";
             std::string s = Bytes(z);
             s.resize(s.size() - 1);
             return s;
         },
         {{2, 1, {"Basilius"}}, {31, 12, Tag(31, 12)}}},
        {"leer", [] { return std::string(); }, {{1, 1, {}}, {31, 12, {}}}},
    };
    for (const auto& f : faelle) {
        const Namenstagskatalog k = NamenstageAusText(f.datei());
        for (const auto& [d, m, namen] : f.erwartet)
            EXPECT_EQ(k.Namen(d, m), namen) << f.was << ": " << d << "." << m << ".";
    }
}

TEST(Namenstagskatalog, TageDesKatalogs) {
    EXPECT_TRUE(Namenstagskatalog::TagGibtEs(29, 2));
    const Namenstagskatalog k;
    for (const auto& [d, m] : {std::pair{30, 2}, {31, 4}, {0, 1}, {1, 0}, {1, 13}, {32, 1}}) {
        EXPECT_FALSE(Namenstagskatalog::TagGibtEs(d, m)) << d << "." << m;
        EXPECT_TRUE(k.Namen(d, m).empty());
    }
}

class KatalogLadenTest : public testing::Test {
protected:
    // A folder of its own: ctest runs the tests of this fixture in parallel processes.
    static fs::path EigenerOrdner() {
        std::string muster = (fs::temp_directory_path() / "kalvora-namenstage-XXXXXX").string();
        return mkdtemp(muster.data()) ? fs::path(muster) : fs::path();
    }
    fs::path wurzel = EigenerOrdner();
    fs::path a = wurzel / "a", b = wurzel / "b";
    void SetUp() override {
        ASSERT_FALSE(wurzel.empty());
        fs::create_directories(a);
        fs::create_directories(b);
    }
    void TearDown() override { fs::remove_all(wurzel); }
    void Schreiben(const fs::path& ordner, const std::string& inhalt) {
        std::ofstream(ordner / kKatalogdatei, std::ios::binary) << inhalt;
    }
};

TEST_F(KatalogLadenTest, FehlendeDateiGibtLeerenKatalogOhneFehler) {
    const Katalogladung l = NamenstageLaden({a.string(), b.string()});
    EXPECT_FALSE(l.fehlerhaft);
    EXPECT_TRUE(l.pfad.empty());
    EXPECT_TRUE(l.katalog.Leer());
}

TEST_F(KatalogLadenTest, ErsterOrdnerMitDateiGilt) {
    Schreiben(b, Bytes(Vollstaendig()));
    auto z = Vollstaendig();
    z[Zeile(6, 12)] = "Nikolaus";
    Schreiben(wurzel, Bytes(z));
    Katalogladung l = NamenstageLaden({"", a.string(), b.string() + "/", wurzel.string()});
    EXPECT_EQ(l.pfad, (b / kKatalogdatei).string());
    EXPECT_EQ(l.katalog.Namen(6, 12), Tag(6, 12));
    l = NamenstageLaden({wurzel.string(), b.string()});
    EXPECT_EQ(l.katalog.Namen(6, 12), Namen{"Nikolaus"});
    EXPECT_EQ(l.katalog.Namensanzahl(), 366u);
}

TEST_F(KatalogLadenTest, UnlesbareDateiIstFehlerhaft) {
    // A folder of that name, and a file above the size limit: faulty, not silently empty,
    // and the later folders are not tried instead.
    fs::create_directories(a / kKatalogdatei);
    Schreiben(b, Bytes(Vollstaendig()));
    Katalogladung l = NamenstageLaden({a.string(), b.string()});
    EXPECT_TRUE(l.fehlerhaft);
    EXPECT_FALSE(l.ursache.empty());
    EXPECT_TRUE(l.katalog.Leer());
    Schreiben(wurzel, std::string(kGroessterKatalog + 1, 'x'));
    l = NamenstageLaden({wurzel.string()});
    EXPECT_TRUE(l.fehlerhaft);
    EXPECT_NE(l.ursache.find("zu groß"), std::string::npos) << l.ursache;
}

}  // namespace
}  // namespace kalvora
