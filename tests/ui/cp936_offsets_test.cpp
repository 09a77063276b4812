#include "ui/cp936_offsets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tamsu {
namespace {

// 中文abc: D6 D0 CE C4 61 62 63, then a line break 0D 0A and 癮 (B0 61).
const std::string kMixed = "中文abc\r\n癮";

TEST(Cp936Offsets, MapsBothWaysOverMixedText) {
    struct Case { size_t bytes; size_t units; };
    for (const Case c : {Case{0, 0}, Case{2, 1}, Case{4, 2}, Case{5, 3}, Case{7, 5}, Case{9, 7}, Case{11, 8}}) {
        EXPECT_EQ(Cp936BytesToUnits(kMixed, c.bytes), c.units) << c.bytes;
        EXPECT_EQ(Cp936UnitsToBytes(kMixed, c.units), c.bytes) << c.units;
    }
}

TEST(Cp936Offsets, OffsetInsideACharacterIncludesIt) {
    EXPECT_EQ(Cp936BytesToUnits(kMixed, 1), 1u);
    EXPECT_EQ(Cp936BytesToUnits(kMixed, 10), 8u);  // inside 癮
}

TEST(Cp936Offsets, PastTheEndClampsToTheWholeText) {
    EXPECT_EQ(Cp936BytesToUnits(kMixed, 1000), 8u);
    EXPECT_EQ(Cp936UnitsToBytes(kMixed, 1000), kMixed.size());
    EXPECT_EQ(Cp936BytesToUnits("", 5), 0u);
}

TEST(Cp936Offsets, LeadByteAtTheEndIsOneCharacter) {
    const std::string text = "a\xB0";
    EXPECT_EQ(Cp936BytesToUnits(text, 2), 2u);
    EXPECT_EQ(Cp936UnitsToBytes(text, 2), 2u);
}

}  // namespace
}  // namespace tamsu

// ---- The same mapping worked from UTF-16, converted piece by piece.

namespace tamsu {
namespace {

// A stand-in for the conversion unit, character by character as code page 936
// converts: ASCII stays, CJK ideographs take two bytes (lead 0x81 or above),
// anything else, a surrogate pair included, becomes one '?'.
size_t FakeConvert(std::u16string_view text, std::string* into) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u >= 0x4E00 && u <= 0x9FA5) {
            out += static_cast<char>(0x81 + ((u >> 6) % 0x7E));
            out += static_cast<char>(0x40 + (u & 0x3F));
        } else {
            if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
                ++i;
            out += '?';
        }
    }
    if (into) *into = out;
    return out.size();
}

std::string Converted(std::u16string_view text) {
    std::string out;
    FakeConvert(text, &out);
    return out;
}

// The places of every character start, worked out one character at a time.
std::vector<Cp936Place> CharacterStarts(std::u16string_view text) {
    std::vector<Cp936Place> starts{{0, 0}};
    for (size_t u = 0; u < text.size();) {
        const bool pair = u + 1 < text.size() && text[u] >= 0xD800 && text[u] <= 0xDBFF && text[u + 1] >= 0xDC00 &&
                          text[u + 1] <= 0xDFFF;
        const size_t n = pair ? 2 : 1;
        u += n;
        starts.push_back({u, starts.back().bytes + Converted(text.substr(u - n, n)).size()});
    }
    return starts;
}

// Checks the byte offsets (by default every one, and one past the end) against
// the character starts.
void ExpectMapsEveryOffset(std::u16string_view text, bool (*checked)(size_t) = nullptr) {
    const std::vector<Cp936Place> starts = CharacterStarts(text);
    const size_t total = starts.back().bytes;
    ASSERT_EQ(Cp936ByteLength(text, FakeConvert), total);
    size_t next = 0;  // the first character start at or after the offset
    for (size_t offset = 0; offset <= total + 1; ++offset) {
        while (next + 1 < starts.size() && starts[next].bytes < offset) ++next;
        if (checked && !checked(offset)) continue;
        const Cp936Place want = starts[next];
        const Cp936Place got = Cp936PlaceAtByte(text, offset, FakeConvert);
        ASSERT_EQ(got.units, want.units) << "offset " << offset;
        ASSERT_EQ(got.bytes, want.bytes) << "offset " << offset;
        // Resuming from an earlier character start comes to the same place.
        const Cp936Place resumed = Cp936PlaceAtByte(text, offset, FakeConvert, starts[next / 2]);
        ASSERT_EQ(resumed.units, want.units) << "offset " << offset;
    }
}

TEST(Cp936PlacesFromUtf16, AgreeWithTheByteMappingOnTextsOfOneUnitCharacters) {
    const std::u16string text = u"中文abc\r\n癮x";
    const std::string bytes = Converted(text);
    for (size_t offset = 0; offset <= bytes.size() + 1; ++offset) {
        const Cp936Place p = Cp936PlaceAtByte(std::u16string_view(text), offset, FakeConvert);
        EXPECT_EQ(p.units, Cp936BytesToUnits(bytes, offset)) << offset;
        EXPECT_EQ(p.bytes, Cp936UnitsToBytes(bytes, p.units)) << offset;
    }
}

TEST(Cp936PlacesFromUtf16, CharactersOutsideTheCodePageAndSurrogatePairs) {
    // a, 한 (not in code page 936: one '?'), 😀 (a pair: one '?', two units), 中.
    const std::u16string text = u"a\uD55C\U0001F600中";
    struct Case { size_t offset, units, bytes; };
    for (const Case c : {Case{0, 0, 0}, Case{1, 1, 1}, Case{2, 2, 2}, Case{3, 4, 3}, Case{4, 5, 5}, Case{5, 5, 5},
                         Case{9, 5, 5}}) {
        const Cp936Place p = Cp936PlaceAtByte(std::u16string_view(text), c.offset, FakeConvert);
        EXPECT_EQ(p.units, c.units) << c.offset;
        EXPECT_EQ(p.bytes, c.bytes) << c.offset;
    }
    ExpectMapsEveryOffset(text);
    // Lone halves of a pair count as characters of their own.
    const std::u16string lone{0xD83D, 0xDE00, 0xD83D, 0xDE00, 0xD800, u'x', 0xDC00, 0xDC00, 0xD800};
    ExpectMapsEveryOffset(lone);
}

TEST(Cp936PlacesFromUtf16, TextsLongerThanOnePieceAndAPairAcrossItsEnd) {
    std::u16string text;
    for (int i = 0; text.size() < 70000; ++i) text += (i % 3 == 0) ? u"行" : (i % 3 == 1) ? u"b" : u"\n";
    text[32767] = 0xD83D;  // a surrogate pair where a piece would end
    text[32768] = 0xDE00;
    // Two thirds of the units before the pair are one byte, a third two bytes.
    ExpectMapsEveryOffset(text, [](size_t offset) {
        const size_t pairAt = 32767 + (32767 + 2) / 3;  // bytes before the pair
        return offset % 4999 == 0 || (offset + 8 > pairAt && offset < pairAt + 8) || offset > 93320;
    });
}

}  // namespace
}  // namespace tamsu
