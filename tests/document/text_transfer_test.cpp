#include "document/text_transfer.h"

#include <gtest/gtest.h>

namespace tamsu {
namespace {

using namespace std::string_literals;

TEST(TextTransfer, BytesToTextStopsAtTheFirstNul) {
    struct Case {
        std::string bytes, text;
        bool hasNul;
    };
    const Case cases[] = {
        {""s, ""s, false},
        {"ab\0cd"s, "ab"s, true},
        {"\0abc"s, ""s, true},
        {"abc\0"s, "abc"s, true},
        {"a\nb\r\nc"s, "a\nb\r\nc"s, false},            // line ends byte for byte
        {"\xEF\xBB\xBFx"s, "\xEF\xBB\xBFx"s, false},    // a BOM is just bytes
        {"a\0b\0"s, "a"s, true},                         // UTF-16 stops at its first zero byte
        {"中文\r\n"s, "中文\r\n"s, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BytesToText(c.bytes), c.text) << c.bytes.size();
        EXPECT_EQ(HasNulByte(c.bytes), c.hasNul) << c.bytes.size();
    }
}

TEST(TextTransfer, TextAndBytesRoundTripExactly) {
    for (const std::string text : {""s, "x"s, "第一行\r\n第二行"s, "\x81\x40\xFE\xFE|\\"s, std::string(70000, 'z')}) {
        EXPECT_EQ(TextToBytes(text), text);
        EXPECT_EQ(BytesToText(TextToBytes(text)), text);
    }
    // A text ends at its terminator.
    EXPECT_EQ(TextToBytes("ab\0cd"s), "ab");
}

}  // namespace
}  // namespace tamsu
