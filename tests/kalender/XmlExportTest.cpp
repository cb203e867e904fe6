// The XML export against golden files (a year, a week, a month by weeks that starts on a
// Wednesday), their validity against the shipped DTD, their transformation with the shipped
// style sheets, and the character references a parser must read back as the text.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "doubles/Testdateien.h"
#include "doubles/Xmlbeispiel.h"
#include "kalender/Beispielkalender.h"
#include "kalender/XmlExport.h"
#include "kalender/XmlHtml.h"
#include "methoden/Fehler.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

Xmlauftrag Auftrag(Xmlherkunft h, Datum von, Datum bis) {
    Xmlauftrag a;
    a.herkunft = h;
    a.von = von;
    a.bis = bis;
    a.quelle = "/home/anna/Kalender & Co.kvr";
    a.jetzt = {2026, 12, 10, 9, 5, 7};
    return a;
}

struct Fall {
    const char* datei;
    Xmlherkunft herkunft;
    Datum von, bis;
};

const Fall kFaelle[] = {
    {"jahr.xml", Xmlherkunft::Jahr, {1, 1, 2026}, {31, 12, 2026}},
    {"woche.xml", Xmlherkunft::Woche, {13, 4, 2026}, {19, 4, 2026}},
    {"mowo.xml", Xmlherkunft::MonatMitWochen, {1, 4, 2026}, {30, 4, 2026}},
};

std::string Golden(const char* name) {
    return std::string(KALVORA_TESTDATEN) + "/xml/" + name;
}

TEST(XmlExport, GoldeneDateienByteFuerByte) {
    const TKalender kal = xmlbeispiel::Kalender();
    for (const Fall& f : kFaelle) {
        SCOPED_TRACE(f.datei);
        const std::string bytes = XmlExportieren(kal, Auftrag(f.herkunft, f.von, f.bis));
        if (std::getenv("KALVORA_GOLDEN_SCHREIBEN") != nullptr)
            std::ofstream(Golden(f.datei), std::ios::binary) << bytes;
        EXPECT_EQ(bytes, testdateien::Inhalt(Golden(f.datei)));
    }
}

TEST(XmlExport, WochenDesMonatsUndLeereTage) {
    const std::string s = XmlExportieren(
        xmlbeispiel::Kalender(), Auftrag(Xmlherkunft::MonatMitWochen, {1, 4, 2026}, {30, 4, 2026}));
    // A Wednesday start: the first week holds 1 to 5 April, the last ends with the 30th.
    const auto erste = s.find("    <WOCHE>\r\n    <TAG>\r\n      <WOTAG>Mittwoch</WOTAG>\r\n"
                              "      <DATUM>01.04.2026</DATUM>");
    EXPECT_NE(erste, std::string::npos);
    EXPECT_NE(s.find("<DATUM>05.04.2026</DATUM>\r\n    </TAG>\r\n    </WOCHE>\r\n    <WOCHE>"),
              std::string::npos);
    EXPECT_NE(s.find("<DATUM>30.04.2026</DATUM>\r\n    </TAG>\r\n    </WOCHE>\r\n  </ZEITRAUM>"),
              std::string::npos);
    // An empty day is just its weekday and date.
    EXPECT_NE(s.find("    <TAG>\r\n      <WOTAG>Freitag</WOTAG>\r\n      <DATUM>03.04.2026"
                     "</DATUM>\r\n    </TAG>\r\n"),
              std::string::npos);
    // A single day is a period like any other; the year view writes no weeks.
    const std::string tag =
        XmlExportieren(xmlbeispiel::Kalender(), Auftrag(Xmlherkunft::Jahr, {16, 4, 2026}, {16, 4, 2026}));
    EXPECT_EQ(tag.find("<WOCHE>"), std::string::npos);
    EXPECT_NE(tag.find("<NAMENSTAG>\r\n          <NAME>Anna Meyer</NAME>\r\n      </NAMENSTAG>"),
              std::string::npos);
    EXPECT_EQ(tag.find("<TAGESINFO>"), std::string::npos);  // empty info text: no element
}

TEST(XmlExport, TexteUndNamen) {
    EXPECT_EQ(XmlExportText("Müller & Söhne <neu>"), "Müller &amp; Söhne &lt;neu&gt;");
    EXPECT_EQ(XmlExportText("5 € © „x“ – …"),
              "5 &#x20AC; &#169; &#x201E;x&#x201C; &#x2013; &#x2026;");
    EXPECT_EQ(XmlExportText("\"'äß"), "\"'äß");

    EXPECT_EQ(XmlDateiname(Xmlherkunft::Jahr, {1, 1, 2004}, ""), "kalvo001.xml");
    EXPECT_EQ(XmlDateiname(Xmlherkunft::Jahr, {1, 1, 2004}, "/home/a/Plan.2004.kvr"),
              "Plan.2004.xml");
    EXPECT_EQ(XmlDateiname(Xmlherkunft::Woche, {15, 3, 2004}, "x.kvr"), "KW12 2004.xml");
    EXPECT_EQ(XmlDateiname(Xmlherkunft::Monat, {1, 3, 2004}, "x.kvr"), "März2004.xml");
    EXPECT_EQ(XmlDateiname(Xmlherkunft::MonatMitWochen, {1, 12, 2026}, ""), "Dezember2026.xml");
    EXPECT_EQ(XmlWochennummer({4, 1, 2021}), 1);
    EXPECT_EQ(XmlWochennummer({28, 12, 2026}), 53);  // the rule counts on past ISO week 52

    EXPECT_EQ(XslName(Xmlherkunft::Jahr), "kalvora");
    EXPECT_EQ(XslName(Xmlherkunft::Woche), "kalvorawoche");
    EXPECT_EQ(XslName(Xmlherkunft::MonatMitWochen), "kalvoramonat");
}

TEST(XmlExport, FortschrittJeTagBisHundert) {
    std::vector<int> werte;
    XmlExportieren(xmlbeispiel::Kalender(), Auftrag(Xmlherkunft::Jahr, {1, 1, 2026}, {31, 12, 2026}),
                   [&](int p) { werte.push_back(p); });
    ASSERT_FALSE(werte.empty());
    EXPECT_EQ(werte.front(), 0);
    EXPECT_EQ(werte.back(), 100);
    EXPECT_TRUE(std::is_sorted(werte.begin(), werte.end()));
    EXPECT_EQ(std::adjacent_find(werte.begin(), werte.end()), werte.end());
}

// Written as it goes: the pieces are whole lines of at most about a megabyte, and together
// the very bytes of the whole export, birthdays and name days of every year included.
TEST(XmlExport, StueckweiseDieselbenBytesInGanzenZeilen) {
    TKalender kal;
    GrossenKalenderFuellen(kal);
    const Xmlauftrag a = Auftrag(Xmlherkunft::MonatMitWochen, {1, 1, 1990}, {31, 12, 2009});
    std::vector<std::string> stuecke;
    XmlExportSchreiben(kal, a, [&](std::string_view s) { stuecke.emplace_back(s); });
    ASSERT_GT(stuecke.size(), 3u);
    std::string zusammen;
    for (const std::string& s : stuecke) {
        EXPECT_TRUE(s.ends_with("\r\n"));
        EXPECT_LT(s.size(), (std::size_t{1} << 20) + 4096);
        zusammen += s;
    }
    const std::string ganz = XmlExportieren(kal, a);
    EXPECT_EQ(zusammen, ganz);
    EXPECT_NE(ganz.find("<GEBURTSTAG>"), std::string::npos);
    EXPECT_NE(ganz.find("<NAMENSTAG>"), std::string::npos);
}

// A folder of its own under the system's temporary folder, removed afterwards.
struct Ordner {
    fs::path pfad;
    Ordner() {
        char muster[] = "/tmp/kalvora-xml-XXXXXX";
        pfad = mkdtemp(muster);
    }
    ~Ordner() {
        std::error_code f;
        fs::remove_all(pfad, f);
    }
    void Schreiben(const std::string& name, const std::string& inhalt) const {
        std::ofstream(pfad / name, std::ios::binary) << inhalt;
    }
};

std::string Geliefert(const std::string& name) {
    const fs::path p = fs::path(KALVORA_DATEN) / name;
    return fs::exists(p) ? p.string() : std::string();
}

TEST(XmlExport, BegleitdateienWerdenNurErgaenzt) {
    Ordner o;
    o.Schreiben("kalvora.dtd", "eigene");
    const auto geschrieben =
        XmlBegleitdateienSchreiben(Xmlherkunft::Woche, true, true, Geliefert, o.pfad.string());
    EXPECT_EQ(geschrieben, std::vector<std::string>{(o.pfad / "kalvorawoche.xsl").string()});
    EXPECT_EQ(testdateien::Inhalt((o.pfad / "kalvora.dtd").string()), "eigene");
    EXPECT_EQ(testdateien::Inhalt((o.pfad / "kalvorawoche.xsl").string()),
              testdateien::Inhalt(Geliefert("kalvorawoche.xsl")));
    // Without the boxes, or without a shipped file, nothing is written.
    EXPECT_TRUE(XmlBegleitdateienSchreiben(Xmlherkunft::Monat, false, false, Geliefert,
                                           o.pfad.string()).empty());
    EXPECT_TRUE(XmlBegleitdateienSchreiben(Xmlherkunft::Monat, true, false,
                                           [](const std::string&) { return std::string(); },
                                           o.pfad.string()).empty());
    EXPECT_THROW(XmlBegleitdateienSchreiben(Xmlherkunft::Monat, true, false, Geliefert,
                                            (o.pfad / "fehlt").string()),
                 KalvoraFehler);
}

// With the program's writer handed in, each companion goes through it whole; a shipped file
// that is a pipe is refused instead of waited for.
TEST(XmlExport, BegleitdateienDurchDenSchreiber) {
    Ordner o;
    std::vector<std::pair<std::string, std::size_t>> geschrieben;
    const Dateischreiber schreiber = [&](const std::string& pfad, std::string_view inhalt) {
        geschrieben.emplace_back(fs::path(pfad).filename().string(), inhalt.size());
        DateiAtomarSchreiben(pfad, inhalt);
    };
    XmlBegleitdateienSchreiben(Xmlherkunft::Monat, true, true, Geliefert, o.pfad.string(),
                               schreiber);
    ASSERT_EQ(geschrieben.size(), 2u);
    EXPECT_EQ(geschrieben[0].first, "kalvoramonat.xsl");
    EXPECT_EQ(geschrieben[0].second, fs::file_size(Geliefert("kalvoramonat.xsl")));
    EXPECT_EQ(geschrieben[1].first, "kalvora.dtd");
    EXPECT_EQ(testdateien::Inhalt((o.pfad / "kalvora.dtd").string()),
              testdateien::Inhalt(Geliefert("kalvora.dtd")));

    Ordner quelle;
    ASSERT_EQ(mkfifo((quelle.pfad / "kalvora.xsl").c_str(), 0644), 0);
    const auto rohr = [&](const std::string& name) { return (quelle.pfad / name).string(); };
    EXPECT_THROW(XmlBegleitdateienSchreiben(Xmlherkunft::Jahr, true, false, rohr,
                                            o.pfad.string(), schreiber),
                 KalvoraFehler);
    EXPECT_FALSE(fs::exists(o.pfad / "kalvora.xsl"));
}

TEST(XmlExport, AusgabeordnerVerliertNurEigeneDateien) {
    Ordner o;
    for (const std::string& name : XmlAusgabedateien()) o.Schreiben(name, "alt");
    o.Schreiben("notiz.txt", "fremd");
    fs::create_directory(o.pfad / "sub");
    fs::create_symlink(o.pfad / "notiz.txt", o.pfad / "kalvora.xsl.lnk");
    fs::remove(o.pfad / "kalvora.dtd");
    fs::create_symlink(o.pfad / "notiz.txt", o.pfad / "kalvora.dtd");
    XmlAusgabeordnerLeeren(o.pfad.string());
    std::vector<std::string> rest;
    for (const auto& e : fs::directory_iterator(o.pfad)) rest.push_back(e.path().filename());
    std::sort(rest.begin(), rest.end());
    EXPECT_EQ(rest, (std::vector<std::string>{"kalvora.xsl.lnk", "notiz.txt", "sub"}));
    EXPECT_EQ(testdateien::Inhalt((o.pfad / "notiz.txt").string()), "fremd");
}

// The exit code and the output of a shell command: "0:" for a silent success.
std::string Befehlsausgabe(const std::string& befehl) {
    FILE* rohr = popen(befehl.c_str(), "r");
    if (rohr == nullptr) return "popen";
    std::string text;
    char puffer[512];
    for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) text.append(puffer, n);
    const int status = pclose(rohr);
    return std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + ":" + text;
}

// Each golden file, with the shipped companions beside it, is valid against the DTD and
// becomes an HTML page through its style sheet.
TEST(XmlExport, GueltigUndDarstellbar) {
    for (const Fall& f : kFaelle) {
        SCOPED_TRACE(f.datei);
        Ordner o;
        o.Schreiben(f.datei, testdateien::Inhalt(Golden(f.datei)));
        XmlBegleitdateienSchreiben(f.herkunft, true, true, Geliefert, o.pfad.string());
        const std::string xml = (o.pfad / f.datei).string();
        // The command-line tools of libxml2 and libxslt agree with the program.
        EXPECT_EQ(Befehlsausgabe("xmllint --valid --noout '" + xml + "' 2>&1"), "0:");
        EXPECT_EQ(Befehlsausgabe("xsltproc --nonet '" + xml + "' 2>&1 >/dev/null"), "0:");

        const Htmlergebnis e = XmlNachHtml(xml);
        ASSERT_TRUE(e.ok) << e.fehler;
        EXPECT_NE(e.html.find("<html"), std::string::npos);
        EXPECT_NE(e.html.find("Müller &amp; Söhne &lt;neu&gt;"), std::string::npos);
        EXPECT_NE(e.html.find("href=\"https://example.org/?a=1&amp;b=2\""), std::string::npos);
    }
}

// Every character of the code page's 0x80–0x9F comes back from a parser as written.
TEST(XmlExport, ZeichenDerCodepageKommenZurueck) {
    const std::string alle = "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    TKalender kal = xmlbeispiel::Kalender();
    kal.Terminliste(2026, 4, 17) = {TTermin{}, TTermin{"08:00", alle, "©®äöüß"}};
    Ordner o;
    o.Schreiben("a.xml", XmlExportieren(kal, Auftrag(Xmlherkunft::Jahr, {17, 4, 2026},
                                                     {17, 4, 2026})));
    o.Schreiben("kalvora.xsl",
                "<xsl:stylesheet version=\"1.0\" "
                "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
                "<xsl:output method=\"text\" encoding=\"UTF-8\"/><xsl:template match=\"/\">"
                "<xsl:value-of select=\"//TERMIN/BESCHREIBUNG\"/>|"
                "<xsl:value-of select=\"//TERMIN/ORT\"/></xsl:template></xsl:stylesheet>");
    const Htmlergebnis e = XmlNachHtml((o.pfad / "a.xml").string());
    ASSERT_TRUE(e.ok) << e.fehler;
    EXPECT_EQ(e.html, alle + "|©®äöüß");
}

TEST(XmlExport, KaputteDateiNenntDenFehler) {
    Ordner o;
    o.Schreiben("k.xml", "<?xml version=\"1.0\"?>\n<TERMINLISTE>\n<TAG>\n</TERMINLISTE>\n");
    Htmlergebnis e = XmlNachHtml((o.pfad / "k.xml").string());
    EXPECT_FALSE(e.ok);
    EXPECT_NE(e.fehler.find("k.xml:4:"), std::string::npos) << e.fehler;
    EXPECT_NE(e.fehler.find("mismatch"), std::string::npos) << e.fehler;

    o.Schreiben("ohne.xml", "<?xml version=\"1.0\"?>\n<TERMINLISTE/>\n");
    e = XmlNachHtml((o.pfad / "ohne.xml").string());
    EXPECT_FALSE(e.ok);
    EXPECT_NE(e.fehler.find("Stylesheet"), std::string::npos) << e.fehler;
    EXPECT_FALSE(XmlNachHtml((o.pfad / "gibtsnicht.xml").string()).ok);
}

}  // namespace
}  // namespace kalvora
