// The XML export of groups: the layout, the split e-mail field, escaping of every field, and
// validity against the shipped DTD.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "adressbuch/AdressXml.h"
#include "kalender/XmlExport.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using namespace adressfeld;

TEST(AdressXml, GruppenUndFelder) {
    TAdresse a;
    a[Anrede] = "Herr";
    a[Name] = "Müller & Söhne";
    a[Vorname] = "Hans";
    a[Email] = "h@x.de; m@y.de";
    a[Homepage] = "http://a.de/?x=1&y=<2>";
    a[Sonstiges] = "5 €";
    TAdresse leer;
    const std::string xml = AdressenXml({{"Kunden", {a, leer}}, {"Adressbuch (gesamt)", {a}}},
                                        {2026, 12, 10, 8, 4, 3});
    EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                        "<!DOCTYPE ADRESSBUCH SYSTEM \"kalvora-adressen.dtd\">\r\n"
                        "<?xml-stylesheet type=\"text/xsl\" href=\"kalvora-adressen.xsl\"?>\r\n"
                        "<ADRESSBUCH>\r\n  <DATEIINFOS>\r\n",
                        0),
              0u);
    EXPECT_NE(xml.find("    <ERSTELLT_AM>10.12.2026</ERSTELLT_AM>\r\n"
                       "    <ERSTELLT_UM>08:04:03</ERSTELLT_UM>\r\n  </DATEIINFOS>\r\n"
                       "  <GRUPPE>\r\n    <GRUPPENNAME>Kunden</GRUPPENNAME>\r\n"
                       "    <GRUPPENMITGLIEDSANZAHL>2</GRUPPENMITGLIEDSANZAHL>\r\n"
                       "    <EINTRAG>\r\n      <ANREDE>Herr</ANREDE>\r\n      <TITEL></TITEL>\r\n"
                       "      <VORNAME>Hans</VORNAME>\r\n"
                       "      <NAME>M\xFCller &amp; S\xF6hne</NAME>\r\n"),
              std::string::npos);
    EXPECT_NE(xml.find("      <HANDY></HANDY>\r\n      <EMAIL-ADRESSEN>\r\n"
                       "        <EMAIL-ADRESSE>h@x.de</EMAIL-ADRESSE>\r\n"
                       "        <EMAIL-ADRESSE>m@y.de</EMAIL-ADRESSE>\r\n"
                       "      </EMAIL-ADRESSEN>\r\n"
                       "      <HOMEPAGE>http://a.de/?x=1&amp;y=&lt;2&gt;</HOMEPAGE>\r\n"),
              std::string::npos);
    EXPECT_NE(xml.find("<SONSTIGES>5 &#x20AC;</SONSTIGES>"), std::string::npos);
    // The empty entry has no EMAIL-ADRESSEN element; the pseudo group is a group like others.
    EXPECT_NE(xml.find("      <HANDY></HANDY>\r\n      <HOMEPAGE></HOMEPAGE>"),
              std::string::npos);
    EXPECT_NE(xml.find("<GRUPPENNAME>Adressbuch (gesamt)</GRUPPENNAME>"), std::string::npos);
    EXPECT_EQ(xml.substr(xml.size() - 15), "</ADRESSBUCH>\r\n");

    EXPECT_EQ(XmlMailadressen("a@x, b@y;c@z"), (std::vector<std::string>{"a@x", "b@y", "c@z"}));
    EXPECT_EQ(XmlMailadressen("a@x;b@y, c@z"), (std::vector<std::string>{"a@x;b@y", "c@z"}));
    EXPECT_EQ(XmlMailadressen("a@x; b@y"), (std::vector<std::string>{"a@x", "b@y"}));
    EXPECT_EQ(XmlMailadressen(";;a@x,"), (std::vector<std::string>{";;a@x"}));
    EXPECT_TRUE(XmlMailadressen("").empty());

    // Valid against the shipped DTD, beside which it is written.
    char muster[] = "/tmp/kalvora-adrxml-XXXXXX";
    const fs::path ordner = mkdtemp(muster);
    std::ofstream(ordner / "a.xml", std::ios::binary) << xml;
    BegleitdateienKopieren(
        {AdressDtdName, AdressXslName},
        [](const std::string& n) {
            const fs::path p = fs::path(KALVORA_DATEN) / n;
            return fs::exists(p) ? p.string() : std::string();
        },
        ordner.string());
    const std::string befehl =
        "xmllint --valid --noout '" + (ordner / "a.xml").string() + "' 2>&1";
    FILE* rohr = popen(befehl.c_str(), "r");
    ASSERT_NE(rohr, nullptr);
    std::string meldung;
    char puffer[512];
    for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) meldung.append(puffer, n);
    EXPECT_EQ(pclose(rohr), 0) << meldung;
    fs::remove_all(ordner);
}

}  // namespace
}  // namespace kalvora
