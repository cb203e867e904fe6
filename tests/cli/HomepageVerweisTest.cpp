// The address page made by xml-html links only web pages and mail addresses: a script or a
// file in the homepage field is plain text, a bare host becomes an http:// link.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "CliAufruf.h"
#include "doubles/Testdateien.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testcli::Ausfuehren;

TEST(HomepageVerweis, NurWebadressenAlsVerweis) {
    char muster[] = "/tmp/kalvora-homepage-XXXXXX";
    const std::string ordner = mkdtemp(muster);
    setenv("HOME", ordner.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (ordner + "/konfig").c_str(), 1);
    std::string gruppe = "Kalvora-Adressbuch Ver 1.0\r\n";
    int n = 0;
    for (const char* homepage :
         {"javascript:alert(1)", " JavaScript:alert(2)", "java\tscript:alert(3)",
          "file:///etc/passwd", "data:text/html,x", "C:\\boot.ini", "/etc/passwd",
          "www.example.de", "https://example.org/a?b=1&c=2", "mailto:eva@example.de",
          "localhost:8080/x"})
        gruppe += "Herr#N" + std::to_string(n++) + "#V#########" + "#" + homepage + "####\r\n";
    std::ofstream(ordner + "/Links.kvradr", std::ios::binary) << gruppe;
    const std::string xml = ordner + "/links.xml";
    ASSERT_EQ(Ausfuehren("adressen-xml '" + ordner + "' '" + xml + "' Links").code, 0);
    ASSERT_EQ(Ausfuehren("xml-html '" + xml + "' '" + ordner + "/links.html'").code, 0);
    const std::string html = testdateien::Inhalt(ordner + "/links.html");
    // Every href of the page, in order.
    std::vector<std::string> verweise;
    for (std::size_t p = html.find("href=\""); p != std::string::npos;
         p = html.find("href=\"", p + 1)) {
        const std::size_t ende = html.find('"', p + 6);
        verweise.push_back(html.substr(p + 6, ende - p - 6));
    }
    // The entries are sorted by name: N0, N1, N10, N2 … N9.
    EXPECT_EQ(verweise, (std::vector<std::string>{
                            "http://localhost:8080/x", "http://www.example.de",
                            "https://example.org/a?b=1&amp;c=2", "mailto:eva@example.de"}));
    // The refused ones are still shown, as text.
    EXPECT_NE(html.find("javascript:alert(1)</span>"), std::string::npos);
    EXPECT_NE(html.find("file:///etc/passwd</span>"), std::string::npos);
    fs::remove_all(ordner);
}

}  // namespace
}  // namespace kalvora
