// The mail URLs of the address book read back by Qt's URL parser, as a mail program gets them.
#include <gtest/gtest.h>

#include <QUrl>
#include <QUrlQuery>

#include "adressbuch/Adressbuch.h"
#include "adressbuch/Adressmail.h"

namespace kalvora {
namespace {

TAdresse Person(const char* anrede, const char* name, const char* mail) {
    TAdresse a{};
    a[adressfeld::Anrede] = anrede;
    a[adressfeld::Name] = name;
    a[adressfeld::Email] = mail;
    return a;
}

TEST(MailtoUrl, BetreffUndTextKommenUnverfaelschtZurueck) {
    const std::vector<TAdresse> liste{Person("Frau", "M\xC3\xBCller", "eva@example.org;e@x.de"),
                                      Person("Herr", "Zander", "")};
    const auto urls = SerienmailUrls(liste, "Termin & Ort?", "<anrede> <name>,\n50% + 1 #2",
                                     false);
    ASSERT_EQ(urls.size(), 2u);
    const QUrl url(QString::fromStdString(urls[0]), QUrl::StrictMode);
    ASSERT_TRUE(url.isValid()) << urls[0];
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_EQ(url.path(), "eva@example.org,e@x.de");
    const QUrlQuery abfrage(url);
    EXPECT_EQ(abfrage.queryItemValue("SUBJECT", QUrl::FullyDecoded), "Termin & Ort?");
    EXPECT_EQ(abfrage.queryItemValue("body", QUrl::FullyDecoded),
              QString::fromUtf8("Frau M\xC3\xBCller,\r\n50% + 1 #2\r\n"));
    EXPECT_EQ(url.fragment(), QString());

    // The entry without an address still gets its letter, with no recipient.
    const QUrl ohne(QString::fromStdString(urls[1]), QUrl::StrictMode);
    ASSERT_TRUE(ohne.isValid()) << urls[1];
    EXPECT_TRUE(ohne.path().isEmpty());
    EXPECT_EQ(QUrlQuery(ohne).queryItemValue("SUBJECT", QUrl::FullyDecoded), "Termin & Ort?");
}

}  // namespace
}  // namespace kalvora
