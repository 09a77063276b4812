#include <gtest/gtest.h>

#include "tools/shell_texts.h"

namespace tamsu {
namespace {

TEST(QQChatLink, PrefixBytesFollowedByTheWholeDocument) {
    EXPECT_EQ(std::string(kQQChatPrefix).size(), 23u);
    EXPECT_EQ(QQChatLink(""), "tencent://message/?uin=");
    EXPECT_EQ(QQChatLink("12345678"), "tencent://message/?uin=12345678");
    // No trimming, no encoding: blanks, line breaks and Chinese bytes stay as they are.
    const std::string document = " 123\r\n456 中文&x=1";
    EXPECT_EQ(QQChatLink(document), std::string("tencent://message/?uin=") + document);
    EXPECT_EQ(QQChatLink("\xD6\xD0").substr(23), "\xD6\xD0");
}

TEST(ShellVerbText, NumbersOneToFiveAndNoVerbOtherwise) {
    const struct {
        int verb;
        const char* text;
    } cases[] = {{1, "edit"}, {2, "explore"}, {3, "find"}, {4, "open"}, {5, "print"},
                 {0, nullptr}, {6, nullptr}, {-1, nullptr}, {1000, nullptr}};
    for (const auto& c : cases) {
        const char* got = ShellVerbText(c.verb);
        if (c.text == nullptr)
            EXPECT_EQ(got, nullptr) << c.verb;
        else
            EXPECT_STREQ(got, c.text) << c.verb;
    }
}

TEST(ShutdownFlags, PowerOffOrRebootWithForce) {
    const struct {
        int kind;
        bool force;
        bool nt;
        std::optional<uint32_t> flags;
    } cases[] = {
        {kShutDown, true, true, 12u},  {kRestart, true, true, 6u},   // what the menu asks for
        {kShutDown, true, false, 5u},  {kRestart, true, false, 6u},  // the Windows 95 family
        {kShutDown, false, true, 8u},  {kRestart, false, true, 2u},
        {0, true, true, std::nullopt}, {3, true, true, std::nullopt}, {-1, false, false, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShutdownFlags(c.kind, c.force, c.nt), c.flags) << c.kind << " " << c.force << " " << c.nt;
}

}  // namespace
}  // namespace tamsu
