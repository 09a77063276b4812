#include "ui/cp936_offsets.h"

#include <gtest/gtest.h>

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
