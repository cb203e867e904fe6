#include "sync/Webadresse.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

TEST(Webadresse, LiestNurHttpUndHttpsMitRechnerUndOhneAnmeldedaten) {
    struct Fall {
        std::string url;
        bool gueltig;
        std::string text;  // as written back
    };
    const Fall faelle[] = {
        {"http://127.0.0.1:5232", true, "http://127.0.0.1:5232/"},
        {"HTTPS://Cal.Example.ORG/dav/", true, "https://cal.example.org/dav/"},
        {"https://cal.example.org:443/a", true, "https://cal.example.org/a"},
        {"http://[::1]:8080/x?y=1#frag", true, "http://[::1]:8080/x?y=1"},
        {"http://h/a/./b/../c/", true, "http://h/a/c/"},
        {"ftp://h/", false, ""},
        {"127.0.0.1:5232", false, ""},
        {"http:///pfad", false, ""},
        {"http://test:geheim@h/", false, ""},
        {"http://h:0/", false, ""},
        {"http://h:70000/", false, ""},
        {"http://h:12a/", false, ""},
        {"http://h/mit leerzeichen", false, ""},
        {"http://h\n/", false, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.url);
        const auto a = AdresseLesen(f.url);
        ASSERT_EQ(a.has_value(), f.gueltig);
        if (a) {
            EXPECT_EQ(AdresseText(*a), f.text);
        }
    }
}

TEST(Webadresse, LoestVerweiseDesServersGegenDieAnfrageAuf) {
    const auto basis = *AdresseLesen("http://h:8080/dav/user/home/");
    const std::pair<std::string, std::string> faelle[] = {
        {"/dav/cal/", "http://h:8080/dav/cal/"},
        {"cal/", "http://h:8080/dav/user/home/cal/"},
        {"../other/", "http://h:8080/dav/user/other/"},
        {"../../../../x", "http://h:8080/x"},
        {"https://anders.example/y", "https://anders.example/y"},
        {"//anders.example/z", "http://anders.example/z"},
        {"", "http://h:8080/dav/user/home/"},
        {"e.ics#teil", "http://h:8080/dav/user/home/e.ics"},
    };
    for (const auto& [ref, erwartet] : faelle) EXPECT_EQ(Aufloesen(basis, ref), erwartet) << ref;
    const auto datei = *AdresseLesen("http://h/a/b.ics");
    EXPECT_EQ(Aufloesen(datei, "c.ics"), "http://h/a/c.ics");
}

TEST(Webadresse, GleicheRessourceTrotzKodierungUndSchraegstrich) {
    EXPECT_TRUE(GleicheAdresse("http://h/cal/M%C3%BCller/", "http://h/cal/Müller"));
    EXPECT_TRUE(GleicheAdresse("http://H:80/cal/", "http://h/cal"));
    EXPECT_FALSE(GleicheAdresse("http://h/cal/a/", "http://h/cal/"));
    EXPECT_FALSE(GleicheAdresse("http://h/cal/", "https://h/cal/"));
    EXPECT_EQ(LetzterPfadteil("http://h/dav/Familie%20M%C3%BCller/"), "Familie Müller");
    EXPECT_EQ(Prozentdekodiert("100%"), "100%");
    EXPECT_EQ(Prozentdekodiert("%zz%4"), "%zz%4");
}

}  // namespace
}  // namespace kalvora
