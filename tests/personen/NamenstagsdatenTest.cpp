// The delivered catalogue daten/Namenstage.txt: its format and its content.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "doubles/Testdateien.h"
#include "kalender/Zeilenleser.h"
#include "personen/Namenstagskatalog.h"

namespace kalvora {
namespace {

const std::string kOrdner =
    (std::filesystem::path(KALVORA_TESTDATEN).parent_path().parent_path() / "daten").string();

TEST(Namenstagsdaten, FormatDerDatei) {
    const std::string bytes = testdateien::Inhalt(kOrdner + "/" + kKatalogdatei);
    ASSERT_FALSE(bytes.empty());
    // Every line ends in CR LF, there is no bare CR or LF, and no UTF-8 slipped in.
    std::size_t crlf = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "Byte " << i;
            ++crlf;
        } else if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "Byte " << i;
        }
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(crlf, 2u + 12u + 366u);
    EXPECT_EQ(Cp1252NachUtf8(bytes).find("Ã"), std::string::npos);

    Zeilenleser z(bytes);
    std::string_view zeile;
    z.Naechste(zeile);
    z.Naechste(zeile);
    int monate = 0, tage = 0;
    while (z.Naechste(zeile)) {
        if (!zeile.empty() && zeile[0] == '[') {
            ++monate;
            continue;
        }
        ++tage;
        EXPECT_FALSE(zeile.empty()) << "Zeile " << z.Nummer();
        EXPECT_EQ(zeile.find('['), std::string_view::npos) << "Zeile " << z.Nummer();
        // The reader drops the character after each comma: it must be the blank.
        for (std::size_t i = zeile.find(','); i != std::string_view::npos;
             i = zeile.find(',', i + 1))
            EXPECT_TRUE(i + 2 < zeile.size() && zeile[i + 1] == ' ' && zeile[i + 2] != ' ')
                << "Zeile " << z.Nummer();
    }
    EXPECT_EQ(monate, 12);
    EXPECT_EQ(tage, 366);
}

TEST(Namenstagsdaten, JederTagHatNamen) {
    const Katalogladung l = NamenstageLaden({kOrdner});
    ASSERT_FALSE(l.pfad.empty());
    ASSERT_FALSE(l.fehlerhaft) << kFehlerhafteDatei << " " << l.ursache;
    EXPECT_GE(l.katalog.Namensanzahl(), 1000u);
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= Namenstagskatalog::Tage(m); ++d) {
            const auto& namen = l.katalog.Namen(d, m);
            EXPECT_FALSE(namen.empty()) << d << "." << m << ".";
            for (const auto& n : namen)
                EXPECT_TRUE(!n.empty() && n.front() != ' ' && n.back() != ' ')
                    << d << "." << m << ". \"" << n << "\"";
        }
}

TEST(Namenstagsdaten, BekannteTage) {
    const Katalogladung l = NamenstageLaden({kOrdner});
    struct Fall {
        int tag, monat;
        std::vector<const char*> namen;
    };
    const Fall faelle[] = {
        {1, 1, {"Maria"}},           {6, 1, {"Kaspar", "Melchior", "Balthasar"}},
        {17, 1, {"Antonius"}},       {21, 1, {"Agnes"}},
        {3, 2, {"Blasius", "Ansgar"}}, {14, 2, {"Valentin"}},
        {19, 3, {"Josef"}},          {23, 4, {"Georg"}},
        {29, 4, {"Katharina von Siena"}}, {1, 5, {"Josef"}},
        {12, 5, {"Pankratius"}},     {13, 5, {"Servatius"}},
        {14, 5, {"Bonifatius"}},     {15, 5, {"Sophie"}},
        {24, 6, {"Johannes"}},       {29, 6, {"Peter", "Paul"}},
        {22, 7, {"Maria Magdalena"}}, {25, 7, {"Jakob", "Christophorus"}},
        {26, 7, {"Anna", "Joachim"}}, {10, 8, {"Laurentius"}},
        {15, 8, {"Maria"}},          {29, 9, {"Michael", "Gabriel", "Raphael"}},
        {15, 10, {"Theresia"}},      {28, 10, {"Simon", "Judas Thaddäus"}},
        {11, 11, {"Martin"}},        {19, 11, {"Elisabeth"}},
        {22, 11, {"Cäcilia"}},       {25, 11, {"Katharina"}},
        {30, 11, {"Andreas"}},       {4, 12, {"Barbara"}},
        {6, 12, {"Nikolaus"}},       {13, 12, {"Lucia"}},
        {24, 12, {"Adam", "Eva"}},   {26, 12, {"Stephan"}},
        {31, 12, {"Silvester"}},
    };
    for (const auto& f : faelle) {
        const auto& namen = l.katalog.Namen(f.tag, f.monat);
        for (const char* n : f.namen)
            EXPECT_NE(std::find(namen.begin(), namen.end(), n), namen.end())
                << f.tag << "." << f.monat << ". " << n;
    }
}

}  // namespace
}  // namespace kalvora
