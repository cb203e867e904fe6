// The mail addresses: the first-address rule, the group's list, the serial mail with its
// placeholders, and every character of subject and body percent-encoded.
#include <gtest/gtest.h>

#include "adressbuch/Adressmail.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

using namespace adressfeld;

TAdresse Person(const char* anrede, const char* name, const char* vorname, const char* mail) {
    TAdresse a;
    a[Anrede] = anrede;
    a[Name] = name;
    a[Vorname] = vorname;
    a[Email] = mail;
    return a;
}

TEST(Adressmail, ErsteAdresseUndGruppe) {
    EXPECT_EQ(ErsteAdresse("a@x.de; b@y.de", true), "a@x.de");
    EXPECT_EQ(ErsteAdresse("a@x.de, b@y.de; c@z.de", true), "a@x.de");
    EXPECT_EQ(ErsteAdresse("a@x.de; b@y.de", false), "a@x.de; b@y.de");
    EXPECT_EQ(MailtoEintrag(Person("Herr", "A", "B", "a@x.de; b@y.de"), true), "mailto:a@x.de");
    EXPECT_EQ(MailtoEintrag(Person("Herr", "A", "B", "a@x.de; b@y.de"), false),
              "mailto:a@x.de,b@y.de");
    EXPECT_EQ(MailtoEintrag(Person("Herr", "A", "B", ""), true), "");
    const std::vector<TAdresse> liste = {Person("Herr", "A", "B", "a@x.de"),
                                         Person("Frau", "C", "D", ""),
                                         Person("Frau", "E", "F", "e+f@y.de;g@z.de")};
    EXPECT_EQ(MailtoGruppe(liste, true), "mailto:a@x.de,e%2Bf@y.de");
    EXPECT_EQ(MailtoGruppe(liste, false), "mailto:a@x.de,e%2Bf@y.de,g@z.de");
    EXPECT_EQ(MailtoGruppe({Person("Herr", "A", "B", "")}, true), "");
}

TEST(Adressmail, SerienmailMitPlatzhaltern) {
    const TAdresse frau = Person("Frau", "Meier", "Eva", "eva@x.de");
    const TAdresse herr = Person("Herr", "Kunz", "Udo", "");
    EXPECT_EQ(Platzhalterersetzen("<sg> <anrede> <name>,", frau), "Sehr geehrte Frau Meier,");
    EXPECT_EQ(Platzhalterersetzen("<sg> <anrede> <name>,", herr), "Sehr geehrter Herr Kunz,");
    EXPECT_EQ(Platzhalterersetzen("<mfg> <vg> <vorname><vorname>", frau),
              "Mit freundlichen Grüßen Viele Grüße EvaEva");
    const auto urls = SerienmailUrls({frau, herr}, "Termin & Ort?", "<sg> <name>,\nBis bald",
                                     true);
    ASSERT_EQ(urls.size(), 2u);
    EXPECT_EQ(urls[0],
              "mailto:eva@x.de?SUBJECT=Termin%20%26%20Ort%3F&body=Sehr%20geehrte%20Meier%2C"
              "%0D%0ABis%20bald%0D%0A");
    // An entry without address still gets its mail, without a recipient.
    EXPECT_EQ(urls[1].rfind("mailto:?SUBJECT=", 0), 0u);
    EXPECT_NE(urls[1].find("Sehr%20geehrter%20Kunz"), std::string::npos);
    EXPECT_EQ(MailtoKodieren("ä#%"), "%C3%A4%23%25");
}

// A serial mail longer than a mail program takes is refused: as typed, and once the
// placeholders are in. The placeholders are still replaced one after the other.
TEST(Adressmail, SerienmailtextUtf8OderCodepage) {
    EXPECT_EQ(SerienmailText("Gr\xc3\xbc\xc3\x9f" "e"), "Grüße");       // UTF-8 as it stands
    EXPECT_EQ(SerienmailText("Gr\xfc\xdf" "e \x80"), "Grüße €");     // an old file
    EXPECT_EQ(SerienmailText("\xc3"), "Ã");                         // cut-off UTF-8
    EXPECT_EQ(SerienmailText(""), "");
}

TEST(Adressmail, ZuLangeSerienmail) {
    const TAdresse frau = Person("Frau", "<vorname>", "Eva", "e@x.de");
    EXPECT_EQ(Platzhalterersetzen("<name> <name>", frau), "Eva Eva");
    const std::string grenze(kHoechsteSerienmaillaenge - 4, 'x');
    EXPECT_EQ(SerienmailZuLang("Betr", grenze), "");
    EXPECT_NE(SerienmailZuLang("Betr", grenze + "y").find("1048577 Bytes"), std::string::npos);
    EXPECT_THROW(SerienmailUrl(frau, "Betr", grenze + "y", true), KalvoraFehler);
    // Many short placeholders with a long field grow past the limit: refused, not built.
    TAdresse lang = frau;
    lang[Name] = std::string(100'000, 'n');
    std::string text;
    for (int i = 0; i < 20; ++i) text += "<name>\n";
    try {
        SerienmailUrl(lang, "Betr", text, true);
        ADD_FAILURE() << "built";
    } catch (const KalvoraFehler& f) {
        EXPECT_NE(std::string(f.what()).find("höchstens 1 MB"), std::string::npos);
    }
    lang[Name] = std::string(50'000, 'n');
    EXPECT_EQ(SerienmailUrl(lang, "Betr", text, true).size(),
              std::string("mailto:e@x.de?SUBJECT=Betr&body=").size() + 20 * (50'000 + 6));
}

}  // namespace
}  // namespace kalvora
