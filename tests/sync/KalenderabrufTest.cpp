#include "sync/Kalenderabruf.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

TEST(Kalenderabruf, UidAusGefaltetenZeilenUndMitParametern) {
    const std::pair<std::string, std::string> faelle[] = {
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:abc-1\r\nEND:VEVENT\r\n", "abc-1"},
        {"BEGIN:VEVENT\r\nUID:sehr-lange-\r\n kennung@host\r\nEND:VEVENT\r\n",
         "sehr-lange-kennung@host"},
        {"BEGIN:VEVENT\nuid;X-A=1:klein\nEND:VEVENT\n", "klein"},
        {"BEGIN:VEVENT\r\nUIDX:falsch\r\nSUMMARY:UID:nein\r\nEND:VEVENT\r\n", ""},
        {"", ""},
    };
    for (const auto& [text, uid] : faelle) EXPECT_EQ(IcsUid(text), uid) << text;
}

}  // namespace
}  // namespace kalvora
