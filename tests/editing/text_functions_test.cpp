#include "editing/text_functions.h"

#include <gtest/gtest.h>

#include <random>

#include "editing/scroll_bar_decision.h"

namespace tamsu {
namespace {

struct CaseCase {
    const char* name;
    std::string text;
    std::string upper;
    std::string lower;
};

TEST(CaseConversion, OnlyAsciiLettersThatBeginACharacterChange) {
    const CaseCase cases[] = {
        {"plain", "Hello World!", "HELLO WORLD!", "hello world!"},
        {"empty", "", "", ""},
        {"digits, punctuation, line breaks", "a1-Z\r\n", "A1-Z\r\n", "a1-z\r\n"},
        {"full-width letters", "\xA3\xC1\xA3\xE1", "\xA3\xC1\xA3\xE1", "\xA3\xC1\xA3\xE1"},
        {"second byte in a-z", "\xB0\x61" "a", "\xB0\x61" "A", "\xB0\x61" "a"},
        {"second byte in A-Z", "\x81\x41" "A", "\x81\x41" "A", "\x81\x41" "a"},
        {"0x80 takes the next byte too", "\x80" "aB", "\x80" "aB", "\x80" "ab"},
        {"lead byte at the very end", "ab\xB0", "AB\xB0", "ab\xB0"},
        {"Chinese between letters", "x中文y", "X中文Y", "x中文y"},
        {"run of high bytes then letters", "\xD6\xD0\xB0\x61zZ", "\xD6\xD0\xB0\x61ZZ", "\xD6\xD0\xB0\x61zz"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToUpperCase(c.text), c.upper) << c.name;
        EXPECT_EQ(ToLowerCase(c.text), c.lower) << c.name;
        EXPECT_EQ(ToUpperCase(c.text).size(), c.text.size()) << c.name;
    }
}

struct FindCase {
    const char* name;
    std::string text;
    std::string pattern;
    int position;
};

TEST(FindText, FirstOccurrenceOnACharacterStart) {
    const FindCase cases[] = {
        {"whole text", "abc", "abc", 1},
        {"case matters", "abc", "ABC", -1},
        {"after Chinese", "中文abc", "abc", 5},
        {"across a character boundary", "中文", "形", -1},
        {"Chinese found", "中文", "文", 3},
        {"first of several", "abab", "ab", 1},
        {"later one when the first is a second byte", "\xB0" "aXa", "a", 4},
        {"second byte only, never a start", "\xB0" "a", "a", -1},
        {"empty pattern in text", "x", "", 1},
        {"empty pattern in empty text", "", "", -1},
        {"pattern in empty text", "", "a", -1},
        {"pattern longer than the text", "ab", "abc", -1},
        {"lead byte at the very end matches alone", "ab\xD6", "\xD6", 3},
        {"lead byte at the very end, pattern runs past", "ab\xD6", "\xD6\xD0", -1},
        {"match ending in a lone lead byte", "ab\xD6", "b\xD6", 2},
        {"odd run of high bytes", "\xD6\xD6\xD6\xD6\xD6" "a", "\xD6" "a", 5},
        {"even run of high bytes", "\xD6\xD6\xD6\xD6" "a", "\xD6" "a", -1},
        {"line breaks", "one\r\ntwo", "\ntwo", 5},
    };
    for (const auto& c : cases) EXPECT_EQ(FindText(c.text, c.pattern), c.position) << c.name;
}

// The plain left-to-right walk that FindText must agree with.
int WalkingFind(const std::string& text, const std::string& pattern) {
    const size_t n = text.size(), m = pattern.size();
    if (m == 0) return n > 0 ? 1 : -1;
    size_t p = 0;
    while (p + m <= n) {
        if (text.compare(p, m, pattern) == 0) return static_cast<int>(p) + 1;
        if (static_cast<unsigned char>(text[p]) >= 0x80) {
            if (p + 1 == n) return -1;
            ++p;
        }
        ++p;
    }
    return -1;
}

TEST(FindText, AgreesWithTheCharacterWalkOnRandomMixedTexts) {
    // Few distinct bytes, half of them high, so that matches across character
    // boundaries and long runs of high bytes are common.
    const char alphabet[] = {'a', 'b', '\r', '\n', '\x81', '\xB0', '\xD6', '\xD0'};
    std::mt19937 random(936);
    auto make = [&](size_t length) {
        std::string s;
        for (size_t i = 0; i < length; ++i) s += alphabet[random() % sizeof alphabet];
        return s;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string text = make(random() % 40);
        const std::string pattern = make(random() % 4);
        ASSERT_EQ(FindText(text, pattern), WalkingFind(text, pattern))
            << "text " << testing::PrintToString(text) << " pattern " << testing::PrintToString(pattern);
    }
}

TEST(ScrollBarDecision, BytesAndTheUnitRangesThatNeedNoCount) {
    EXPECT_EQ(ScrollBarsForBytes(0), 0);
    EXPECT_EQ(ScrollBarsForBytes(2155), 0);
    EXPECT_EQ(ScrollBarsForBytes(2156), 2);
    EXPECT_EQ(ScrollBarsForBytes(8u << 20), 2);
    // Every unit count either decides alone or asks for a count, and a decision
    // holds for every byte length a text of that many units can have.
    for (size_t units = 0; units < 6000; ++units) {
        const int bars = ScrollBarsForUnits(units);
        if (bars < 0) continue;
        EXPECT_EQ(bars, ScrollBarsForBytes((units + 1) / 2)) << units;
        EXPECT_EQ(bars, ScrollBarsForBytes(units * 2)) << units;
    }
    EXPECT_EQ(ScrollBarsForUnits(1077), 0);
    EXPECT_EQ(ScrollBarsForUnits(1078), -1);
    EXPECT_EQ(ScrollBarsForUnits(4310), -1);
    EXPECT_EQ(ScrollBarsForUnits(4311), 2);
}

}  // namespace
}  // namespace tamsu
