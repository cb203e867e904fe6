// The homepage field as a link: web pages and mail addresses open, a bare host gets
// "http://", every other scheme and anything that is no address is refused with a message.
#include <gtest/gtest.h>

#include "adressbuch/Homepage.h"

namespace kalvora {
namespace {

TEST(Homepage, NurWebUndMail) {
    struct Fall {
        const char* feld;
        const char* url;  // nullptr: refused
    };
    const Fall faelle[] = {
        {"https://example.de/a?b=1&c=2", "https://example.de/a?b=1&c=2"},
        {"HTTP://EXAMPLE.DE", "HTTP://EXAMPLE.DE"},
        {"  http://a.de  ", "http://a.de"},
        {"mailto:eva@example.de", "mailto:eva@example.de"},
        {"www.example.de", "http://www.example.de"},
        {"example.de/pfad", "http://example.de/pfad"},
        {"localhost:8080/x", "http://localhost:8080/x"},
        {"münchen.de", "http://münchen.de"},
        {"1und1.de", "http://1und1.de"},
        {"javascript:alert(1)", nullptr},
        {"JavaScript:alert(1)", nullptr},
        {" java\tscript:alert(1)", nullptr},  // TAB dropped, as a browser does
        {"java\nscript:alert(1)", nullptr},
        {"vbscript:x", nullptr},
        {"data:text/html,<b>x</b>", nullptr},
        {"file:///etc/passwd", nullptr},
        {"C:\\Windows\\notepad.exe", nullptr},
        {"/etc/passwd", nullptr},
        {"//example.de", nullptr},
        {"\\\\server\\freigabe", nullptr},
        {"www.example.de\x01", nullptr},
    };
    for (const Fall& f : faelle) {
        const Homepageziel z = HomepageZiel(f.feld);
        if (f.url) {
            EXPECT_EQ(z.url, f.url) << f.feld;
            EXPECT_EQ(z.meldung, "") << f.feld;
        } else {
            EXPECT_EQ(z.url, "") << f.feld;
            EXPECT_EQ(z.meldung.rfind("Die Homepage \"", 0), 0u) << f.feld << ": " << z.meldung;
        }
    }
    EXPECT_EQ(HomepageZiel("javascript:alert(1)").meldung,
              "Die Homepage \"javascript:alert(1)\" wird nicht geöffnet: nur Adressen mit "
              "http://, https:// oder mailto: werden geöffnet, nicht \"javascript:\".");
    // Nothing at all: neither a link nor a message.
    EXPECT_EQ(HomepageZiel("  ").url, "");
    EXPECT_EQ(HomepageZiel("  ").meldung, "");
    // A long field is named by its beginning.
    EXPECT_LT(HomepageZiel("file:" + std::string(100'000, 'x')).meldung.size(), 400u);
}

}  // namespace
}  // namespace kalvora
