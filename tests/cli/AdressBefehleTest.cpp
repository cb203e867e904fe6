// End-to-end tests of the address commands on an address folder of their own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "CliAufruf.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;

const char* const kKopf = "Kalvora-Adressbuch Ver 1.0\r\n";

// 17 fields: Anrede, Name, Vorname, Straße, Postfach, PLZ, Ort, Land, three phones, E-Mail, …
std::string Eintrag(const std::string& anrede, const std::string& name,
                    const std::string& vorname, const std::string& mail) {
    return anrede + "#" + name + "#" + vorname + "#Weg 1##12345#Ort#D####" + mail +
           "#####\r\n";
}

class AdressBefehle : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora-adressen-XXXXXX";
        ordner = mkdtemp(muster);
        adressen = ordner + "/Adressen";
        fs::create_directories(adressen);
        Schreiben("Freunde.kvradr", std::string(kKopf) +
                                        Eintrag("Herr", "Zander", "Paul", "paul@example.org") +
                                        Eintrag("Frau", "M\xFCller", "Eva",
                                                "eva@example.org; eva2@example.org"));
        Schreiben("Verein.kvradr", std::string(kKopf) + Eintrag("", "Berg", "Ina", ""));
        Schreiben("Kaputt.kvradr", "irgendein Text\r\nmit#Rauten\r\n");
    }
    void TearDown() override { fs::remove_all(ordner); }
    void Schreiben(const std::string& name, const std::string& bytes) {
        std::ofstream(adressen + "/" + name, std::ios::binary) << bytes;
    }
    std::string Pfad(const std::string& name) const { return "'" + adressen + "/" + name + "'"; }
    // kalvora-cli with its settings in the test's own folder.
    testcli::Ergebnis Cli(const std::string& argumente, bool fehler = false) {
        setenv("HOME", ordner.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (ordner + "/konfig").c_str(), 1);
        return Ausfuehren(argumente, fehler);
    }
    std::string ordner, adressen;
};

TEST_F(AdressBefehle, GruppenlisteMitGesamtlisteUndFremderDatei) {
    EXPECT_EQ(Cli("adressen " + Pfad("")).ausgabe,
              "Adressbuch (gesamt)\t3\n"
              "Freunde\t2\n"
              "Kaputt\t0\tfremde Datei\n"
              "Verein\t1\n");
    // Without the pseudo group when the setting says so.
    ASSERT_EQ(Cli("einstellung 'Adressbuch/Gesamtliste aller Gruppen' 0").code, 0);
    EXPECT_EQ(testcli::Zeilen(Cli("adressen " + Pfad("")).ausgabe).front(), "Freunde\t2");
    EXPECT_EQ(Cli("adressen " + Pfad("fehlt")).code, 1);
    EXPECT_EQ(Cli("adressen").code, 2);
    EXPECT_EQ(Cli("adressen a b").code, 2);
}

TEST_F(AdressBefehle, XmlExportMitBegleitdateien) {
    const std::string aus = ordner + "/export/liste.xml";
    fs::create_directories(ordner + "/export");
    ASSERT_EQ(Cli("adressen-xml " + Pfad("") + " '" + aus + "' Verein 'Adressbuch (gesamt)'").code,
              0);
    std::ifstream ein(aus, std::ios::binary);
    const std::string xml((std::istreambuf_iterator<char>(ein)), {});
    EXPECT_NE(xml.find("Berg"), std::string::npos);
    EXPECT_NE(xml.find("Zander"), std::string::npos);
    // Verein comes first, then the whole book with all three entries.
    EXPECT_LT(xml.find("Verein"), xml.find("Adressbuch (gesamt)"));
    EXPECT_TRUE(fs::exists(ordner + "/export/kalvora-adressen.xsl"));
    EXPECT_TRUE(fs::exists(ordner + "/export/kalvora-adressen.dtd"));
    if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
        const std::string pruefen = "cd '" + ordner + "/export' && xmllint --noout --valid "
                                    "liste.xml 2>/dev/null";
        EXPECT_EQ(std::system(pruefen.c_str()), 0);
    }
    EXPECT_EQ(Cli("adressen-xml " + Pfad("") + " '" + aus + "' Unbekannt").code, 2);
    EXPECT_EQ(Cli("adressen-xml " + Pfad("") + " '" + aus + "'").code, 2);
}

TEST_F(AdressBefehle, MailtoInDenDreiArten) {
    // The list is sorted by name: Müller before Zander.
    EXPECT_EQ(Cli("mailto " + Pfad("Freunde.kvradr") + " --eintrag 2").ausgabe,
              "mailto:paul@example.org\n");
    EXPECT_EQ(Cli("mailto " + Pfad("Freunde.kvradr") + " --gruppe").ausgabe,
              "mailto:eva@example.org,paul@example.org\n");
    ASSERT_EQ(Cli("einstellung 'Adressbuch/eine Adresse' 0").code, 0);
    EXPECT_EQ(Cli("mailto " + Pfad("Freunde.kvradr") + " --gruppe").ausgabe,
              "mailto:eva@example.org,eva2@example.org,paul@example.org\n");

    std::ofstream(ordner + "/text.txt", std::ios::binary) << "<sg> <anrede> <name>,\nbis bald";
    const auto serie = testcli::Zeilen(
        Cli("mailto " + Pfad("Freunde.kvradr") + " --serie 'Termin & Ort?' '" + ordner +
            "/text.txt'")
            .ausgabe);
    ASSERT_EQ(serie.size(), 2u);
    EXPECT_EQ(serie[0].rfind("mailto:eva@example.org,eva2@example.org?SUBJECT=Termin%20%26%20Ort%3F"
                             "&body=",
                             0),
              0u)
        << serie[0];
    EXPECT_NE(serie[0].find("Frau%20M%C3%BCller%2C%0D%0Abis%20bald"), std::string::npos)
        << serie[0];
    EXPECT_NE(serie[1].find("Herr%20Zander"), std::string::npos) << serie[1];

    for (const char* falsch : {"--eintrag 0", "--eintrag 3", "--eintrag x", "--eintrag",
                               "--gruppe zuviel", "--serie Betreff", "--quer"})
        EXPECT_EQ(Cli("mailto " + Pfad("Freunde.kvradr") + " " + falsch).code, 2) << falsch;
    EXPECT_EQ(Cli("mailto").code, 2);
    EXPECT_EQ(Cli("mailto " + Pfad("fehlt.kvradr") + " --gruppe").code, 1);
}

TEST_F(AdressBefehle, PdfDerAdressliste) {
    const std::string pdf = ordner + "/liste.pdf";
    const auto r = Cli("pdf-adressen " + Pfad("Freunde.kvradr") + " '" + pdf + "'");
    EXPECT_EQ(r.code, 0);
    // The 17 columns do not fit across one landscape sheet: three bands of columns.
    EXPECT_EQ(r.ausgabe, "Seiten: 3\n");
    ASSERT_TRUE(fs::exists(pdf));
    std::ifstream ein(pdf, std::ios::binary);
    std::string kopf(5, '\0');
    ein.read(kopf.data(), 5);
    EXPECT_EQ(kopf, "%PDF-");
    EXPECT_EQ(Cli("pdf-adressen " + Pfad("Freunde.kvradr")).code, 2);
    // The copies the print dialog asks for: every band of columns twice.
    fs::remove(pdf);
    const auto k = Cli("pdf-adressen " + Pfad("Freunde.kvradr") + " '" + pdf + "' --kopien 2");
    EXPECT_EQ(k.code, 0);
    EXPECT_EQ(k.ausgabe, "Seiten: 6\n");
    EXPECT_EQ(Cli("pdf-adressen " + Pfad("Freunde.kvradr") + " '" + pdf + "' --kopien x").code,
              2);
}

}  // namespace
}  // namespace kalvora
