#include "sync/Multistatus.h"

#include <gtest/gtest.h>

#include "methoden/Fehler.h"

namespace kalvora {
namespace {

TEST(Multistatus, LiestAntwortenGleichWelchePraefixeDerServerNimmt) {
    // One server writes DAV: as the default namespace, the other with a prefix; a property
    // in a 404 propstat is not found, a response-level 404 is a member that is gone.
    const std::string inhalt = R"(<?xml version="1.0" encoding="utf-8"?>
<multistatus xmlns="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav"
             xmlns:x1="http://apple.com/ns/ical/">
 <response><href>/test/familie/</href>
  <propstat><prop>
    <resourcetype><collection/><C:calendar/></resourcetype>
    <displayname>Familie &amp; Freunde</displayname>
    <x1:calendar-color>#FF8800FF</x1:calendar-color>
    <C:supported-calendar-component-set><C:comp name="VEVENT"/><C:comp name="VTODO"/>
    </C:supported-calendar-component-set>
  </prop><status>HTTP/1.1 200 OK</status></propstat>
  <propstat><prop><getctag/></prop><status>HTTP/1.1 404 Not Found</status></propstat>
 </response>
 <D:response xmlns:D="DAV:"><D:href> /test/familie/weg.ics </D:href>
  <D:status>HTTP/1.1 404 Not Found</D:status></D:response>
 <response><href>/test/</href><propstat><prop>
   <current-user-principal><href>/test/</href></current-user-principal>
   <C:calendar-home-set><href>/test/</href><href>/geteilt/</href></C:calendar-home-set>
 </prop><status>HTTP/1.1 200 OK</status></propstat></response>
 <sync-token>http://radicale.org/ns/sync/abc</sync-token>
</multistatus>)";
    const Multistatus m = MultistatusLesen(inhalt);
    ASSERT_EQ(m.antworten.size(), 3u);
    EXPECT_EQ(m.syncToken, "http://radicale.org/ns/sync/abc");

    const DavAntwort& kal = m.antworten[0];
    EXPECT_EQ(kal.href, "/test/familie/");
    EXPECT_EQ(kal.Text(kDavNs, "displayname"), "Familie & Freunde");
    EXPECT_EQ(kal.Text(kAppleIcalNs, "calendar-color"), "#FF8800FF");
    ASSERT_NE(kal.Eigenschaft(kDavNs, "resourcetype"), nullptr);
    EXPECT_TRUE(kal.Eigenschaft(kDavNs, "resourcetype")->Hat(kCaldavNs, "calendar"));
    EXPECT_FALSE(kal.Eigenschaft(kDavNs, "resourcetype")->Hat(kDavNs, "calendar"));
    EXPECT_EQ(kal.Eigenschaft(kDavNs, "getctag"), nullptr);
    const auto* komp = kal.Eigenschaft(kCaldavNs, "supported-calendar-component-set");
    ASSERT_NE(komp, nullptr);
    ASSERT_EQ(komp->kinder.size(), 2u);
    EXPECT_EQ(komp->kinder[1].nameAttribut, "VTODO");

    EXPECT_EQ(m.antworten[1].href, "/test/familie/weg.ics");
    EXPECT_EQ(m.antworten[1].status, 404);
    const auto* heim = m.antworten[2].Eigenschaft(kCaldavNs, "calendar-home-set");
    ASSERT_NE(heim, nullptr);
    EXPECT_EQ(heim->hrefs, (std::vector<std::string>{"/test/", "/geteilt/"}));
}

TEST(Multistatus, WeistKaputteFremdeUndEntitaetenAntwortenAb) {
    const std::pair<std::string, std::string> faelle[] = {
        {"", "kein gültiges XML"},
        {"<?xml version=\"1.0\"?><D:multistatus xmlns:D=\"DAV:\"><D:response>",
         "kein gültiges XML (Zeile 1"},
        {"<html><body>Anmeldung</body></html>", "kein multistatus"},
        {"<multistatus xmlns=\"urn:anders\"/>", "kein multistatus"},
        // Entities are neither expanded nor fetched: a document type is refused outright.
        {"<?xml version=\"1.0\"?><!DOCTYPE m [<!ENTITY a \"aaaaaaaaaa\">"
         "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
         "<multistatus xmlns=\"DAV:\"><response><href>&b;</href></response></multistatus>",
         "Dokumenttyp"},
        {"<?xml version=\"1.0\"?><!DOCTYPE m SYSTEM \"file:///etc/passwd\">"
         "<multistatus xmlns=\"DAV:\"/>",
         "Dokumenttyp"},
    };
    for (const auto& [inhalt, grund] : faelle) {
        SCOPED_TRACE(inhalt);
        try {
            MultistatusLesen(inhalt);
            ADD_FAILURE() << "angenommen";
        } catch (const KalvoraFehler& f) {
            const std::string text = f.what();
            EXPECT_EQ(text.rfind("Die Antwort des Servers ist kein gültiges XML", 0), 0u)
                << text;
            EXPECT_NE(text.find(grund), std::string::npos) << text;
        }
    }
}

TEST(Multistatus, Statuszeilen) {
    EXPECT_EQ(StatuszeileLesen("HTTP/1.1 200 OK"), 200);
    EXPECT_EQ(StatuszeileLesen("HTTP/1.1 404 Not Found"), 404);
    EXPECT_EQ(StatuszeileLesen("HTTP/2 207"), 207);
    EXPECT_EQ(StatuszeileLesen("200 OK"), 0);
    EXPECT_EQ(StatuszeileLesen("HTTP/1.1 20"), 0);
    EXPECT_EQ(StatuszeileLesen("HTTP/1.1 2000"), 0);
}

}  // namespace
}  // namespace kalvora
