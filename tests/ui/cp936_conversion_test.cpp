// Randomised properties of the code page 936 conversion unit and of the offset
// mapping that rests on it, over mixed ASCII, Chinese and characters the code
// page cannot hold. (libFuzzer has no Windows build; this runs under Wine.)
#include "ui/cp936_conversion.h"

#include <gtest/gtest.h>

#include <random>

#include "ui/cp936_offsets.h"

namespace tamsu {
namespace {

std::wstring RandomText(std::mt19937& rng, size_t length) {
    static const wchar_t kPool[] = {L'a', L'Z', L'0', L' ', L'\r', L'\n', L'|', L'中', L'文', L'癮', L'丄', L'Ａ', L'€', L'é', L'ก'};
    std::wstring text;
    std::uniform_int_distribution<size_t> pick(0, std::size(kPool));
    while (text.size() < length) {
        const size_t i = pick(rng);
        if (i == std::size(kPool)) {
            text += L"\U0001F600";  // a surrogate pair
        } else {
            text += kPool[i];
        }
    }
    return text;
}

TEST(Cp936Conversion, RoundTripsWhatItCanHoldAndMapsOffsetsPerCharacter) {
    std::mt19937 rng(936);
    for (int round = 0; round < 2000; ++round) {
        const std::wstring wide = RandomText(rng, rng() % 40);
        const std::string bytes = WideToCp936(wide);
        if (FitsCp936(wide)) {
            EXPECT_EQ(Cp936ToWide(bytes), wide);
        }
        // Every UTF-16 unit becomes one character of the bytes: the offset
        // mapping's assumption holds for any prefix.
        for (size_t units = 0; units <= wide.size(); ++units) {
            if (units > 0 && units < wide.size() && (wide[units - 1] >= 0xD800 && wide[units - 1] <= 0xDBFF)) continue;
            ASSERT_EQ(Cp936UnitsToBytes(bytes, units), WideToCp936(wide.substr(0, units)).size())
                << "round " << round << " units " << units;
        }
    }
}

TEST(Cp936Conversion, TellsWhatCannotBeHeld) {
    const std::wstring chinese = L"中文abc€";
    const std::wstring emoji = L"a\U0001F600";
    const std::wstring thai = L"\u0E01";
    EXPECT_TRUE(FitsCp936(chinese));
    EXPECT_FALSE(FitsCp936(emoji));
    EXPECT_FALSE(FitsCp936(thai));
    EXPECT_EQ(Cp936ToWide(std::string()), L"");
    EXPECT_EQ(WideToCp936(std::wstring()), "");
}

}  // namespace
}  // namespace tamsu
