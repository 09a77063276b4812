#include "document/print_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace tamsu {
namespace {

// A page `width` columns wide where a wide (CJK) character takes two columns.
size_t Columns(wchar_t c) { return c >= 0x2E80 && (c < 0xD800 || c > 0xDFFF) ? 2 : 1; }

std::vector<std::wstring> Lines(const std::wstring& text, size_t width, size_t maxUnits = 1000) {
    const LineFit fit = [&](size_t start, size_t end) {
        size_t used = 0, n = 0;
        while (start + n < end && used + Columns(text[start + n]) <= width) used += Columns(text[start + n++]);
        return n;
    };
    std::vector<std::wstring> lines;
    for (size_t pos = 0; pos < text.size();) {
        const PrintLine line = NextPrintLine(text, pos, maxUnits, fit);
        EXPECT_EQ(line.start, pos);
        EXPECT_GT(line.next, pos);
        if (line.next <= pos) break;
        lines.push_back(text.substr(line.start, line.length));
        pos = line.next;
    }
    return lines;
}

struct WrapCase {
    const char* what;
    std::wstring text;
    size_t width;
    std::vector<std::wstring> lines;
};

TEST(PrintLayout, BreaksAndWrapsLinesAsTheyFallOnThePage) {
    const WrapCase cases[] = {
        {"CR LF, LF and CR each end a line; empty lines stay", L"a\r\n\r\nb\nc\rd", 10, {L"a", L"", L"b", L"c", L"d"}},
        {"a final line break adds no line", L"one\r\ntwo\r\n", 10, {L"one", L"two"}},
        {"empty lines at the end stay", L"x\r\n\r\n", 10, {L"x", L""}},
        {"wraps after the last space that fits", L"hello world foo", 11, {L"hello world", L"foo"}},
        {"spaces at a wrap are dropped", L"aaa   bbb", 4, {L"aaa", L"bbb"}},
        {"a word longer than the line is cut", L"abcdefghij", 4, {L"abcd", L"efgh", L"ij"}},
        {"indentation at a line's start stays", L"  ab cd", 5, {L"  ab", L"cd"}},
        {"Chinese wraps between any two characters", L"中文中文中", 4, {L"中文", L"中文", L"中"}},
        {"a wrap may fall beside a Chinese character", L"ab 中文字", 5, {L"ab 中", L"文字"}},
        {"a character wider than the page still prints", L"中x", 1, {L"中", L"x"}},
        {"a line exactly as wide as the page", L"abcd\r\nef", 4, {L"abcd", L"ef"}},
    };
    for (const WrapCase& c : cases) EXPECT_EQ(Lines(c.text, c.width), c.lines) << c.what;
}

TEST(PrintLayout, KeepsSurrogatePairsWhole) {
    const std::wstring text{L'a', wchar_t(0xD83D), wchar_t(0xDE00), L'b'};
    EXPECT_EQ(Lines(text, 2), (std::vector<std::wstring>{L"a", text.substr(1, 2), L"b"}));
}

TEST(PrintLayout, OffersFitNoMoreThanMaxUnitsOfALongParagraph) {
    const std::wstring text(100000, L'x');
    size_t longest = 0;
    const LineFit fit = [&](size_t start, size_t end) {
        longest = std::max(longest, end - start);
        return std::min<size_t>(end - start, 60);
    };
    size_t lines = 0;
    for (size_t pos = 0; pos < text.size(); ++lines) pos = NextPrintLine(text, pos, 200, fit).next;
    EXPECT_EQ(longest, 200u);
    EXPECT_EQ(lines, (100000 + 59) / 60);
}

TEST(PrintLayout, ExpandsTabsToStopsOfEightColumns) {
    EXPECT_EQ(ExpandTabs(L"a\tb"), L"a       b");
    EXPECT_EQ(ExpandTabs(L"12345678\tx"), L"12345678        x");
    EXPECT_EQ(ExpandTabs(L"abc\r\n\tx"), L"abc\r\n        x");
    EXPECT_EQ(ExpandTabs(L"\t\t"), std::wstring(16, L' '));
}

}  // namespace
}  // namespace tamsu
