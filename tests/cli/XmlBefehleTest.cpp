// End-to-end tests of "kalvora-cli xml-export" and "xml-html": the golden week written
// through a calendar file, the companion files beside it, and the page of the browser output.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "CliAufruf.h"
#include "doubles/Testdateien.h"
#include "doubles/Xmlbeispiel.h"
#include "kalender/Kalenderdatei.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;

// The lines of an export without the moment of its making and the source's path.
std::string OhneZeitUndQuelle(const std::string& xml) {
    std::string aus;
    std::size_t anfang = 0;
    while (anfang < xml.size()) {
        std::size_t ende = xml.find('\n', anfang);
        ende = ende == std::string::npos ? xml.size() : ende + 1;
        const std::string zeile = xml.substr(anfang, ende - anfang);
        if (zeile.find("<ERSTELLT_") == std::string::npos &&
            zeile.find("<QUELLE>") == std::string::npos)
            aus += zeile;
        anfang = ende;
    }
    return aus;
}

class XmlBefehle : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-xmlcli-XXXXXX";
        ordner = mkdtemp(muster);
        datei = ordner + "/plan.kvr";
        DateiAtomarSchreiben(datei, KalenderAlsVer33(xmlbeispiel::Kalender()));
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string ordner, datei;
};

TEST_F(XmlBefehle, WocheWieDieGoldeneDateiMitBegleitdateien) {
    const std::string aus = ordner + "/KW16 2026.xml";
    ASSERT_EQ(Ausfuehren("xml-export '" + datei + "' 13.04.2026 19.04.2026 '" + aus +
                         "' --herkunft woche").code,
              0);
    const std::string xml = testdateien::Inhalt(aus);
    EXPECT_EQ(OhneZeitUndQuelle(xml),
              OhneZeitUndQuelle(testdateien::Inhalt(KALVORA_TESTDATEN "/xml/woche.xml")));
    EXPECT_NE(xml.find("<QUELLE>" + datei + "</QUELLE>\r\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(ordner + "/kalvorawoche.xsl"));
    EXPECT_TRUE(fs::exists(ordner + "/kalvora.dtd"));
    EXPECT_FALSE(fs::exists(ordner + "/kalvora.xsl"));

    // The browser output's page from that file.
    const std::string html = ordner + "/woche.html";
    ASSERT_EQ(Ausfuehren("xml-html '" + aus + "' '" + html + "'").code, 0);
    const std::string seite = testdateien::Inhalt(html);
    EXPECT_NE(seite.find("Mittwoch"), std::string::npos);
    EXPECT_NE(seite.find("Müller &amp; Söhne &lt;neu&gt;"), std::string::npos);
}

TEST_F(XmlBefehle, OhneBegleitdateienUndVorhandeneBleiben) {
    std::ofstream(ordner + "/kalvoramonat.xsl") << "meine";
    ASSERT_EQ(Ausfuehren("xml-export '" + datei + "' 01.04.2026 30.04.2026 '" + ordner +
                         "/m.xml' --herkunft mowo --ohne-dtd").code,
              0);
    EXPECT_EQ(testdateien::Inhalt(ordner + "/kalvoramonat.xsl"), "meine");
    EXPECT_FALSE(fs::exists(ordner + "/kalvora.dtd"));
    const std::string m = testdateien::Inhalt(ordner + "/m.xml");
    EXPECT_NE(m.find("<WOCHE>"), std::string::npos);
    EXPECT_NE(m.find("href=\"kalvoramonat.xsl\""), std::string::npos);

    ASSERT_EQ(Ausfuehren("xml-export '" + datei + "' 01.01.2026 31.01.2026 '" + ordner +
                         "/j.xml' --ohne-xsl --ohne-dtd").code,
              0);
    EXPECT_FALSE(fs::exists(ordner + "/kalvora.xsl"));
    EXPECT_NE(testdateien::Inhalt(ordner + "/j.xml").find("href=\"kalvora.xsl\""),
              std::string::npos);
}

TEST_F(XmlBefehle, FehlerUndIhreCodes) {
    const std::string aus = " '" + ordner + "/x.xml'";
    auto r = Ausfuehren("xml-export '" + datei + "' 01.04.2026 30.04.2026" + aus +
                        " --herkunft tag", true);
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.ausgabe.find("tag ist keine Herkunft"), std::string::npos) << r.ausgabe;
    r = Ausfuehren("xml-export '" + datei + "' 30.04.2026 01.04.2026" + aus, true);
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.ausgabe.find("01.04.2026 liegt vor 30.04.2026"), std::string::npos);
    EXPECT_EQ(Ausfuehren("xml-export '" + datei + "' 01.01.1900 30.04.2026" + aus).code, 2);
    EXPECT_EQ(Ausfuehren("xml-export '" + ordner + "/fehlt.kvr' 01.04.2026 30.04.2026" + aus)
                  .code,
              1);
    EXPECT_FALSE(fs::exists(ordner + "/x.xml"));

    std::ofstream(ordner + "/kaputt.xml") << "<?xml version=\"1.0\"?>\n<A>\n<B>\n</A>\n";
    r = Ausfuehren("xml-html '" + ordner + "/kaputt.xml' '" + ordner + "/k.html'", true);
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.ausgabe.find("kaputt.xml:4:"), std::string::npos) << r.ausgabe;
    EXPECT_FALSE(fs::exists(ordner + "/k.html"));
    EXPECT_EQ(Ausfuehren("xml-html '" + ordner + "/kaputt.xml'").code, 2);
}

}  // namespace
}  // namespace kalvora
