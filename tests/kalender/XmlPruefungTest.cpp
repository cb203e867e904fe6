// The one escaping of every XML the program writes, checked by parsing: whatever a text
// holds (NUL, any control, broken UTF-8, surrogates, markup), the element stays well-formed.
#include <gtest/gtest.h>

#include <string>

#include "kalender/XmlExport.h"
#include "kalender/XmlPruefung.h"

namespace kalvora {
namespace {

std::string Dokument(const std::string& text) {
    return XmlDateibytes("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<A><B>" +
                         XmlExportText(text) + "</B></A>\r\n");
}

TEST(XmlPruefung, JederTextBleibtWohlgeformt) {
    std::string alleBytes;
    for (int b = 0; b < 256; ++b) alleBytes.push_back(static_cast<char>(b));
    const std::string faelle[] = {
        std::string("a\0b", 3),
        "\x01\x02\x08\x0B\x0C\x0E\x1B\x1F",
        "\t\n\r",
        "\x7F\xC2\x80\xC2\x9F",          // DEL and C1 controls are characters of XML 1.0
        "\xED\xA0\x80",                  // a surrogate
        "\xEF\xBF\xBE\xEF\xBF\xBF",      // U+FFFE, U+FFFF
        "\xF4\x90\x80\x80",              // beyond U+10FFFF
        "\xC0\x80\xC0\xBC",              // overlong NUL and '<'
        "<![CDATA[ ]]> &amp; </B><C>",
        alleBytes,
    };
    for (const std::string& f : faelle) {
        std::string fehler;
        EXPECT_TRUE(XmlWohlgeformt(Dokument(f), &fehler)) << fehler;
    }
    // Only the controls go; TAB, LF, CR and the text around them stay.
    EXPECT_EQ(XmlExportText(std::string("a\0b\x01\tc", 6)), "ab\tc");
    EXPECT_EQ(XmlExportText("\xEF\xBF\xBE"), "&#xFFFD;");
}

TEST(XmlPruefung, ErkenntKaputtes) {
    std::string fehler;
    EXPECT_FALSE(XmlWohlgeformt("<A><B></A>", &fehler));
    EXPECT_NE(fehler.find("Zeile 1"), std::string::npos);
    EXPECT_FALSE(XmlWohlgeformt(std::string("<A>\x01</A>"), nullptr));
    EXPECT_FALSE(XmlWohlgeformt(""));
    // An external entity is neither fetched nor needed to tell.
    EXPECT_TRUE(XmlWohlgeformt("<!DOCTYPE A SYSTEM \"http://127.0.0.1:9/x.dtd\"><A/>"));
}

}  // namespace
}  // namespace kalvora
