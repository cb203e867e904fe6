#include "main/Hilfe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace kalvora {
namespace {

namespace fs = std::filesystem;

const fs::path kHilfe = fs::path(KALVORA_DATEN) / "hilfe";
const fs::path kQuellen = fs::path(KALVORA_DATEN) / ".." / "src";

std::string Lesen(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Every help number the windows and the logic pass on: literals on lines that name the help
// ("hilfe(121)", "Hilfethema = 133", "case Hilfeziel::Farbfeld: return 1065", "Kurzhilfe(k,
// 2023)") and the returns of a Hilfethema() function. Topics are 100..199, popups 1000..2999;
// other numbers on such lines (geometry) are left out.
std::set<int> NummernImCode() {
    std::set<int> nummern;
    const std::regex zahl(R"(\b(1[0-9]{2}|[12][0-9]{3})\b)");
    const std::regex funktion(R"(Hilfethema\(\) const \{([^}]*)\})");
    auto sammeln = [&](const std::string& s) {
        for (std::sregex_iterator i(s.begin(), s.end(), zahl), e; i != e; ++i)
            nummern.insert(std::stoi((*i)[1]));
    };
    for (const auto& e : fs::recursive_directory_iterator(kQuellen)) {
        const std::string endung = e.path().extension().string();
        if (endung != ".cpp" && endung != ".h") continue;
        if (e.path().parent_path().filename() == "cli") continue;  // "--help" of the tool
        const std::string text = Lesen(e.path());
        std::istringstream zeilen(text);
        for (std::string z; std::getline(zeilen, z);) {
            const std::string ohneKommentar = z.substr(0, z.find("//"));
            if (ohneKommentar.find("ilfe") != std::string::npos) sammeln(ohneKommentar);
        }
        for (std::sregex_iterator i(text.begin(), text.end(), funktion), e; i != e; ++i)
            sammeln((*i)[1]);
    }
    return nummern;
}

TEST(Hilfe, JedeNummerImCodeHatSeiteOderKurztext) {
    const std::set<int> nummern = NummernImCode();
    // The scan must see the numbers the windows are known to use.
    for (int n : {100, 117, 122, 130, 1063, 1068, 2023, 2228}) EXPECT_TRUE(nummern.count(n)) << n;
    const auto popups = PopuptexteLesen(Lesen(kHilfe / hilfe::Popupdatei));
    for (int n : nummern) {
        if (n >= hilfe::ErstePopupnummer) {
            EXPECT_TRUE(popups.count(n)) << "kein Kurztext für " << n;
        } else {
            EXPECT_NE(Hilfeseite(n), hilfe::Inhaltsseite) << "keine Seite für Thema " << n;
        }
    }
}

TEST(Hilfe, JedesThemaHatSeineSeiteMitTitel) {
    std::set<std::string> dateien;
    for (const Hilfethema& t : Hilfethemen()) {
        EXPECT_LT(t.nummer, hilfe::ErstePopupnummer);
        EXPECT_TRUE(dateien.insert(t.datei).second) << t.datei << " doppelt";
        const fs::path p = kHilfe / t.datei;
        ASSERT_TRUE(fs::is_regular_file(p)) << p;
        EXPECT_EQ(HtmlTitel(Lesen(p)), t.titel) << p;
    }
    EXPECT_EQ(Hilfeseite(122), "tagestermine.html");
    EXPECT_EQ(Hilfeseite(999), hilfe::Inhaltsseite);
}

TEST(Hilfe, JederLinkZwischenSeitenFuehrtZuEinerSeiteUndJedeSeiteIstErreichbar) {
    std::set<std::string> seiten, erreicht = {hilfe::Inhaltsseite};
    for (const auto& e : fs::directory_iterator(kHilfe))
        if (e.path().extension() == ".html") seiten.insert(e.path().filename().string());
    ASSERT_TRUE(seiten.count(hilfe::Inhaltsseite));
    ASSERT_TRUE(seiten.count(hilfe::Stichwortseite));
    for (const std::string& s : seiten) {
        const std::string html = Lesen(kHilfe / s);
        EXPECT_FALSE(HtmlTitel(html).empty()) << s;
        for (std::string ziel : HtmlLinks(html)) {
            if (ziel.rfind("http", 0) == 0 || ziel.rfind("mailto:", 0) == 0) continue;
            const size_t anker = ziel.find('#');
            const std::string marke = anker == std::string::npos ? "" : ziel.substr(anker + 1);
            ziel = ziel.substr(0, anker);
            if (ziel.empty()) ziel = s;
            ASSERT_TRUE(fs::is_regular_file(kHilfe / ziel)) << s << " -> " << ziel;
            if (!marke.empty()) {
                EXPECT_NE(Lesen(kHilfe / ziel).find("id=\"" + marke + "\""), std::string::npos)
                    << s << " -> " << ziel << "#" << marke;
            }
            if (ziel != s) erreicht.insert(ziel);
        }
    }
    for (const std::string& s : seiten) EXPECT_TRUE(erreicht.count(s)) << s << " ohne Link";
}

// Every dialog class of the windows: F1 must find its topic, and the topic its page.
TEST(Hilfe, JederDialogHatSeinThemaUndSeineSeite) {
    const std::regex dialog(R"(class (\w+)\s*(?:final\s*)?:\s*public QDialog)");
    std::set<std::string> klassen;
    for (const auto& e : fs::recursive_directory_iterator(kQuellen)) {
        if (e.path().extension() != ".h" && e.path().extension() != ".cpp") continue;
        const std::string text = Lesen(e.path());
        for (std::sregex_iterator i(text.begin(), text.end(), dialog), x; i != x; ++i)
            klassen.insert((*i)[1].str());
    }
    // The scan must see the dialogs that had no help before.
    for (const char* k : {"TForm34", "TToolbaranpassen", "TKategorienDefinieren",
                          "TStatistikoptionen", "TForm28", "TForm6"})
        EXPECT_TRUE(klassen.count(k)) << k;
    for (const std::string& k : klassen) {
        const int thema = FensterHilfethema(k);
        EXPECT_NE(thema, 0) << k << " hat kein Hilfethema";
        EXPECT_NE(Hilfeseite(thema), hilfe::Inhaltsseite) << k << ": keine Seite für " << thema;
    }
    for (const Fensterhilfe& f : Fensterhilfen())
        EXPECT_NE(Hilfeseite(f.thema), hilfe::Inhaltsseite) << f.fenster << " " << f.thema;
    EXPECT_EQ(FensterHilfethema("QDialog"), 0);
    EXPECT_EQ(FensterHilfethema(""), 0);
}

TEST(Hilfe, JedeOptionsseiteHatIhreSeite) {
    std::set<std::string> dateien;
    for (int seite = 1; seite <= 12; ++seite) {
        const std::string datei = Hilfeseite(OptionenseiteHilfethema(seite));
        EXPECT_EQ(datei.rfind("optionen-", 0), 0u) << seite << " " << datei;
        EXPECT_TRUE(dateien.insert(datei).second) << datei;
        EXPECT_NE(Lesen(kHilfe / "optionen.html").find("href=\"" + datei + "\""),
                  std::string::npos)
            << "optionen.html verweist nicht auf " << datei;
    }
    EXPECT_EQ(Hilfeseite(OptionenseiteHilfethema(1)), "optionen-jahresansicht.html");
    EXPECT_EQ(Hilfeseite(OptionenseiteHilfethema(12)), "optionen-besondere-tage.html");
    for (int aussen : {0, 13, -1}) EXPECT_EQ(OptionenseiteHilfethema(aussen), 117);
}

// The contents and the keyword index each lead to every page that explains something.
TEST(Hilfe, InhaltUndStichwoerterFuehrenZuJederSeite) {
    for (const char* verzeichnis : {hilfe::Inhaltsseite, hilfe::Stichwortseite}) {
        std::set<std::string> ziele;
        for (std::string z : HtmlLinks(Lesen(kHilfe / verzeichnis)))
            ziele.insert(z.substr(0, z.find('#')));
        for (const auto& e : fs::directory_iterator(kHilfe)) {
            const std::string s = e.path().filename().string();
            if (e.path().extension() != ".html" || s == hilfe::Inhaltsseite ||
                s == hilfe::Stichwortseite)
                continue;
            EXPECT_TRUE(ziele.count(s)) << verzeichnis << " verweist nicht auf " << s;
        }
    }
}

// A page a user reads needs more than a line: every topic page says what the window is for
// and what its controls do.
TEST(Hilfe, JedeThemenseiteErklaertGenug) {
    for (const Hilfethema& t : Hilfethemen()) {
        const std::string text = HtmlText(Lesen(kHilfe / t.datei));
        size_t woerter = 0;
        for (size_t p = 0; (p = text.find_first_not_of(' ', p)) != std::string::npos;
             p = text.find(' ', p))
            ++woerter;
        EXPECT_GE(woerter, 120u) << t.datei;
    }
}

TEST(Hilfe, BilderDerSeitenGibtEs) {
    const std::regex bild(R"re(<img[^>]*src="([^"]+)")re");
    for (const auto& e : fs::directory_iterator(kHilfe)) {
        if (e.path().extension() != ".html") continue;
        const std::string html = Lesen(e.path());
        for (std::sregex_iterator i(html.begin(), html.end(), bild), x; i != x; ++i)
            EXPECT_TRUE(fs::is_regular_file(kHilfe / (*i)[1].str())) << e.path() << (*i)[1];
    }
}

TEST(Hilfe, PopupdateiLesen) {
    const auto t = PopuptexteLesen(
        "# Anmerkung\r\nohne Block\r\n.thema 5\r\n\r\nErste Zeile\r\nzweite\r\n\r\n"
        ".thema x\nverworfen\n.thema 5\nnicht der erste\n.thema  7 \n# kein Kommentar\n"
        ".thema 0\nnull\n.thema 8");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t.at(5), "Erste Zeile\nzweite");
    EXPECT_EQ(t.at(7), "# kein Kommentar");
    EXPECT_EQ(t.at(8), "");
    EXPECT_TRUE(PopuptexteLesen("").empty());
}

TEST(Hilfe, OrdnerSuchenUndMeldung) {
    const fs::path tmp = fs::temp_directory_path() / "kalvora_hilfe_test";
    fs::remove_all(tmp);
    fs::create_directories(tmp / "leer");
    fs::create_directories(tmp / "voll");
    std::ofstream(tmp / "voll" / "index.html") << "<title>Inhalt</title>";
    EXPECT_EQ(HilfeordnerFinden({(tmp / "fehlt").string(), (tmp / "leer").string(),
                                 (tmp / "voll").string()}),
              (tmp / "voll").string());
    EXPECT_EQ(HilfeordnerFinden({(tmp / "leer").string()}), "");
    fs::remove_all(tmp);

    const auto o = Hilfeordner("/opt/kalvora");
    ASSERT_GE(o.size(), 3u);
    EXPECT_EQ(o[0], "/opt/kalvora/hilfe");
    EXPECT_EQ(o[1], "/opt/kalvora/daten/hilfe");
    EXPECT_EQ(o.back(), "/usr/share/kalvora/hilfe");
    EXPECT_EQ(HilfeFehltMeldung("/opt/kalvora/hilfe"),
              "Hilfe-Datei nicht gefunden\r/opt/kalvora/hilfe/index.html");
}

TEST(Hilfe, TextTitelUndLinksDerSeiten) {
    const std::string html =
        "<html><head><title>Einen Tag f&auml;rben</title><style>p{color:red}</style></head>"
        "<body><p>Men&uuml; &rsaquo; <a href=\"a.html#x\">Ansicht</a>\n  &amp;\tmehr</p>"
        "<script>var x = 1;</script></body></html>";
    EXPECT_EQ(HtmlTitel(html), "Einen Tag färben");
    EXPECT_EQ(HtmlText(html), "Einen Tag färben Menü › Ansicht & mehr");
    EXPECT_EQ(HtmlLinks(html), std::vector<std::string>{"a.html#x"});
    EXPECT_EQ(HtmlText("a &unbekannt; b & c"), "a &unbekannt; b & c");
}

TEST(Hilfe, SucheFindetAlleWoerterOhneRuecksichtAufGrossschreibung) {
    const std::vector<Hilfeseitentext> seiten = {
        {"a.html", "Farben", "Ein Tag wird gefärbt. Farbe, Farbe."},
        {"b.html", "Tage FÄRBEN", "Die Farbe eines Tages"},
        {"c.html", "Adressbuch", "Gruppen und Einträge"},
    };
    auto t = HilfeSuchen(seiten, "farbe");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].datei, "a.html");  // three hits before one
    EXPECT_EQ(t[1].datei, "b.html");
    t = HilfeSuchen(seiten, "  färben  tag ");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].datei, "b.html");
    EXPECT_EQ(t[0].titel, "Tage FÄRBEN");
    EXPECT_TRUE(HilfeSuchen(seiten, "   ").empty());
    EXPECT_TRUE(HilfeSuchen(seiten, "Urlaub").empty());
}

}  // namespace
}  // namespace kalvora
