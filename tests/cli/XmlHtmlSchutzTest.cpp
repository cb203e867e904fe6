// "kalvora-cli xml-html" with hostile exports: pipes and folders as input or style sheet,
// style sheets, DTDs, entities and documents from the network or from other folders. A
// listener of the test on 127.0.0.1 must see no connection.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "CliAufruf.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;

// Counts the connections to a port of 127.0.0.1 and answers each with 404.
class Horcher {
public:
    Horcher() {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        listen(fd_, 8);
        socklen_t n = sizeof a;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &n);
        port_ = ntohs(a.sin_port);
        faden_ = std::thread([this] {
            while (!ende_) {
                pollfd p{fd_, POLLIN, 0};
                if (poll(&p, 1, 50) <= 0) continue;
                const int k = accept(fd_, nullptr, nullptr);
                if (k < 0) continue;
                ++verbindungen_;
                char puffer[4096];
                (void)!read(k, puffer, sizeof puffer);
                const char antwort[] = "HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n";
                (void)!write(k, antwort, sizeof antwort - 1);
                close(k);
            }
        });
    }
    ~Horcher() {
        ende_ = true;
        faden_.join();
        close(fd_);
    }
    std::string Adresse(const std::string& name) const {
        return "http://127.0.0.1:" + std::to_string(port_) + "/" + name;
    }
    int Verbindungen() const { return verbindungen_; }

private:
    int fd_ = -1;
    int port_ = 0;
    std::atomic<bool> ende_{false};
    std::atomic<int> verbindungen_{0};
    std::thread faden_;
};

std::string Q(const fs::path& p) { return "'" + p.string() + "'"; }

// A style sheet that prints the text of every element.
std::string Stylesheet(const std::string& davor = "", const std::string& inhalt = "") {
    return "<?xml version=\"1.0\"?>\n" + davor +
           "<xsl:stylesheet version=\"1.0\" "
           "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">\n" +
           inhalt +
           "<xsl:template match=\"/\"><html><body><xsl:value-of select=\".\"/>"
           "</body></html></xsl:template>\n</xsl:stylesheet>\n";
}

std::string Export(const std::string& href, const std::string& doctype = "",
                   const std::string& text = "Inhalt") {
    return "<?xml version=\"1.0\"?>\n" + doctype +
           "<?xml-stylesheet type=\"text/xsl\" href=\"" + href + "\"?>\n<A>" + text + "</A>\n";
}

class XmlHtmlSchutz : public ::testing::Test {
protected:
    void SetUp() override {
        char muster[] = "/tmp/kalvora xmlhtml-XXXXXX";  // a blank in the folder's name
        ordner = mkdtemp(muster);
        fs::create_directories(ordner / "geheim");
        std::ofstream(ordner / "geheim" / "g.txt") << "GEHEIM4711";
        std::ofstream(ordner / "geheim" / "g.xml") << "<G>GEHEIM4711</G>";
        std::ofstream(ordner / "geheim" / "g.xsl") << Stylesheet();
    }
    void TearDown() override { fs::remove_all(ordner); }
    void Schreiben(const std::string& name, const std::string& text) const {
        std::ofstream(ordner / name, std::ios::binary) << text;
    }
    // Runs xml-html on the file, within 20 s (a hang gives 124); code and stderr.
    testcli::Ergebnis Umwandeln(const std::string& xml) const {
        return Ausfuehren("xml-html " + Q(ordner / xml) + " " + Q(ordner / "aus.html"), true,
                          "timeout 20");
    }
    std::string Seite() const {
        std::ifstream ein(ordner / "aus.html");
        return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    }
    fs::path ordner;
};

// Pipes never block, folders are named in German; nothing is written.
TEST_F(XmlHtmlSchutz, PipesUndOrdnerWerdenNichtGelesen) {
    ASSERT_EQ(mkfifo((ordner / "rohr.xml").c_str(), 0644), 0);
    ASSERT_EQ(mkfifo((ordner / "rohr.xsl").c_str(), 0644), 0);
    fs::create_directories(ordner / "ordner.xml");
    fs::create_directories(ordner / "ordner.xsl");
    Schreiben("mit-rohr.xml", Export("rohr.xsl"));
    Schreiben("mit-ordner.xml", Export("ordner.xsl"));
    const std::pair<const char*, const char*> faelle[] = {
        {"rohr.xml", "keine gewöhnliche Datei"},
        {"mit-rohr.xml", "keine gewöhnliche Datei"},
        {"ordner.xml", "ist ein Ordner"},
        {"mit-ordner.xml", "ist ein Ordner"},
    };
    for (const auto& [datei, meldung] : faelle) {
        SCOPED_TRACE(datei);
        const auto r = Umwandeln(datei);
        EXPECT_EQ(r.code, 1) << r.ausgabe;
        EXPECT_NE(r.ausgabe.find(meldung), std::string::npos) << r.ausgabe;
        EXPECT_EQ(r.ausgabe.find("Is a directory"), std::string::npos) << r.ausgabe;
        EXPECT_FALSE(fs::exists(ordner / "aus.html"));
    }
}

// Only the export and the style sheets beside it are read: nothing from the network,
// no external entity, DTD, import or document from elsewhere.
TEST_F(XmlHtmlSchutz, NurDateienNebenDemExport) {
    Horcher horcher;
    const std::string geheim = "file://" + (ordner / "geheim").string();
    Schreiben("ok.xsl", Stylesheet());
    Schreiben("netz-import.xsl", Stylesheet("", "<xsl:import href=\"" +
                                                    horcher.Adresse("i.xsl") + "\"/>\n"));
    Schreiben("fremd-import.xsl", Stylesheet("", "<xsl:import href=\"geheim/g.xsl\"/>\n"));
    Schreiben("netz-dokument.xsl",
              Stylesheet("", "<xsl:template match=\"A\"><xsl:value-of select=\"document('" +
                                 horcher.Adresse("d.xml") + "')\"/></xsl:template>\n"));
    Schreiben("fremd-dokument.xsl",
              Stylesheet("", "<xsl:template match=\"A\"><xsl:value-of "
                             "select=\"document('geheim/g.xml')\"/></xsl:template>\n"));
    Schreiben("entitaet.xsl",
              Stylesheet("<!DOCTYPE xsl:stylesheet [<!ENTITY e SYSTEM \"" + geheim +
                             "/g.txt\">]>\n",
                         "<xsl:template match=\"A\">&e;</xsl:template>\n"));
    Schreiben("netz.xml", Export(horcher.Adresse("x.xsl")));
    Schreiben("fremd.xml", Export("geheim/g.xsl"));
    Schreiben("hoch.xml", Export("../" + ordner.filename().string() + "/geheim/g.xsl"));
    Schreiben("netz-dtd.xml",
              Export("ok.xsl", "<!DOCTYPE A SYSTEM \"" + horcher.Adresse("a.dtd") + "\">\n"));
    Schreiben("entitaet.xml",
              Export("ok.xsl", "<!DOCTYPE A [<!ENTITY e SYSTEM \"" + geheim + "/g.txt\">]>\n",
                     "&e;"));
    Schreiben("netz-entitaet.xml",
              Export("ok.xsl",
                     "<!DOCTYPE A [<!ENTITY e SYSTEM \"" + horcher.Adresse("e.txt") + "\">]>\n",
                     "&e;"));
    for (const char* xsl : {"netz-import", "fremd-import", "netz-dokument", "fremd-dokument",
                            "entitaet"})
        Schreiben(std::string(xsl) + ".xml", Export(std::string(xsl) + ".xsl"));

    const std::pair<const char*, const char*> verweigert[] = {
        {"netz.xml", "liegt im Netz und wird nicht gelesen."},
        {"fremd.xml", "g.xsl\" liegt nicht im Ordner der Datei und wird nicht gelesen."},
        {"hoch.xml", ""},  // the blank of the folder makes the address itself invalid
        {"netz-import.xml", "liegt im Netz und wird nicht gelesen."},
        {"fremd-import.xml", "g.xsl\" liegt nicht im Ordner der Datei und wird nicht gelesen."},
    };
    for (const auto& [datei, meldung] : verweigert) {
        SCOPED_TRACE(datei);
        const auto r = Umwandeln(datei);
        EXPECT_EQ(r.code, 1) << r.ausgabe;
        EXPECT_NE(r.ausgabe.find(meldung), std::string::npos) << r.ausgabe;
        EXPECT_EQ(r.ausgabe.find("refused"), std::string::npos) << r.ausgabe;
        EXPECT_FALSE(fs::exists(ordner / "aus.html"));
    }
    // These may give a page, but never with what lies elsewhere.
    for (const char* datei : {"netz-dokument.xml", "fremd-dokument.xml", "entitaet.xml",
                              "netz-entitaet.xml", "netz-dtd.xml", "entitaet.xml"}) {
        SCOPED_TRACE(datei);
        const auto r = Umwandeln(datei);
        EXPECT_TRUE(r.code == 0 || r.code == 1) << r.code << r.ausgabe;
        EXPECT_EQ(Seite().find("GEHEIM4711"), std::string::npos) << Seite();
        fs::remove(ordner / "aus.html");
    }
    EXPECT_EQ(horcher.Verbindungen(), 0);

    // The plain case still works, in a folder with a blank in its name.
    const auto r = Umwandeln("netz-dtd.xml");
    EXPECT_EQ(r.code, 0) << r.ausgabe;
    EXPECT_NE(Seite().find("Inhalt"), std::string::npos) << Seite();
}

}  // namespace
}  // namespace kalvora
