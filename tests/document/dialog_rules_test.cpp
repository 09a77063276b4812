#include "document/dialog_rules.h"

#include <gtest/gtest.h>

namespace tamsu {
namespace {

using namespace std::string_literals;

TEST(FileFilterList, BarsBecomeNulsAndTheListIsEnded) {
    struct Case {
        std::string filter, list;
    };
    const Case cases[] = {
        {"文本文件(*.txt)|*.txt", "文本文件(*.txt)\0*.txt\0\0"s},
        {"文本文件(*.txt)|*.txt||", "文本文件(*.txt)\0*.txt\0\0"s},  // already ended: unchanged
        {"a|*.a|b|*.b  \t", "a\0*.a\0b\0*.b\0\0"s},                  // trailing white space goes first
        {"a|*.a||  ", "a\0*.a\0\0"s},
        {"a|*.a|", "a\0*.a\0\0\0"s},
        {"", ""},
        {"   ", ""},
        // 0x7C is also a trail byte of GBK: inside a character it is no separator.
        {"\x81\x7C|*.x", "\x81\x7C\0*.x\0\0"s},
        {"x|\x81\x7C", "x\0\x81\x7C\0\0"s},
    };
    for (const Case& c : cases) EXPECT_EQ(FileFilterList(c.filter), c.list) << c.filter;
}

TEST(CutAtCharacter, KeepsWholeCharactersWithinTheLimit) {
    const std::string ascii(300, 'a');
    EXPECT_EQ(CutAtCharacter(ascii, 259), std::string(259, 'a'));
    EXPECT_EQ(CutAtCharacter("abc", 259), "abc");
    EXPECT_EQ(CutAtCharacter("", 259), "");
    // 258 ASCII bytes and a double-byte character: 260 bytes, the character would be cut.
    const std::string split = std::string(258, 'a') + "中";
    EXPECT_EQ(CutAtCharacter(split, 259), std::string(258, 'a'));
    EXPECT_EQ(CutAtCharacter(std::string(257, 'a') + "中", 259), std::string(257, 'a') + "中");
    // Face names: 31 bytes at most.
    EXPECT_EQ(CutAtCharacter("微软雅黑微软雅黑微软雅黑微软雅黑X", 31), "微软雅黑微软雅黑微软雅黑微软雅");
    EXPECT_EQ(CutAtCharacter(std::string(31, 'F'), 31).size(), 31u);
}

TEST(FileDialogRequest, OptionsFilterIndexAndStartNameFromTheProperties) {
    FileDialogProperties initial;  // the layout's values
    initial.filter = "文本文件(*.txt)|*.txt";
    initial.defaultExt = "*.txt";
    FileDialogRequest r = MakeFileDialogRequest(initial);
    EXPECT_EQ(r.flags, 0x4u | 0x1000u | 0x2u | 0x800u);  // hide read-only, file and path must exist, overwrite prompt
    EXPECT_EQ(r.filterIndex, 1);                          // the system counts from 1
    EXPECT_EQ(r.fileName, "");
    EXPECT_EQ(r.defaultExt, "txt");
    EXPECT_EQ(r.title, "");
    EXPECT_FALSE(r.save);

    FileDialogProperties other = initial;
    other.save = true;
    other.createPrompt = true;
    other.fileMustExist = false;
    other.overwritePrompt = false;
    other.pathMustExist = false;
    other.noChangeDir = true;
    other.filterIndex = 2;
    other.title = "保存";
    other.fileName = std::string(300, 'n');
    r = MakeFileDialogRequest(other);
    EXPECT_EQ(r.flags, 0x4u | 0x2000u | 0x8u);
    EXPECT_EQ(r.filterIndex, 3);
    EXPECT_EQ(r.fileName.size(), 259u);
    EXPECT_EQ(r.title, "保存");
    EXPECT_TRUE(r.save);

    other.filter = "";
    EXPECT_EQ(MakeFileDialogRequest(other).filterIndex, 0);  // no list, no selected type
}

TEST(DialogDefaultExtension, NamesTheExtensionWithoutPatternOrDot) {
    EXPECT_EQ(DialogDefaultExtension("*.txt"), "txt");
    EXPECT_EQ(DialogDefaultExtension(".txt"), "txt");
    EXPECT_EQ(DialogDefaultExtension("txt"), "txt");
    EXPECT_EQ(DialogDefaultExtension("*.*"), "");
    EXPECT_EQ(DialogDefaultExtension(""), "");
}

TEST(MulDivRounded, RoundsHalvesAwayFromZero) {
    struct Case {
        int64_t a, b, c;
        int result;
    };
    const Case cases[] = {
        {12, 96, 72, 16}, {9, 96, 72, 12}, {10, 96, 72, 13},  // 13.33
        {11, 96, 72, 15},                                     // 14.67
        {3, 1, 2, 2},     {-3, 1, 2, -2},  {3, -1, 2, -2},    {3, 1, -2, -2},
        {16, 72, 96, 12}, {13, 72, 96, 10},                   // 9.75
        {1, 1, 0, -1},                                        // no divisor
        {2147483647, 2, 1, -1},                               // does not fit
    };
    for (const Case& c : cases) EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
}

TEST(FontDialogValues, PropertiesMapToTheDialogAndBack) {
    FontProperties p;
    EXPECT_EQ(FontDialogStart(p, 96).height, 0);  // size 0: the system's default height
    EXPECT_EQ(FontDialogStart(p, 96).weight, 0);
    EXPECT_EQ(FontDialogStart(p, 96).faceName, "");

    p.bold = true;
    p.italic = true;
    p.strikeOut = true;
    p.underline = false;
    p.fontName = "黑体";
    p.fontSize = 12;
    p.color = 0x0000FF;
    FontDialogValues v = FontDialogStart(p, 96);
    EXPECT_EQ(v.height, -16);
    EXPECT_EQ(v.weight, 700);
    EXPECT_TRUE(v.italic);
    EXPECT_TRUE(v.strikeOut);
    EXPECT_FALSE(v.underline);
    EXPECT_EQ(v.faceName, "黑体");
    EXPECT_EQ(v.color, 0x0000FFu);
    EXPECT_EQ(FontDialogStart(p, 120).height, -20);

    const FontProperties back = FontPropertiesFromChoice(v, 96);
    EXPECT_EQ(back.fontSize, 12);
    EXPECT_TRUE(back.bold);
    EXPECT_TRUE(back.italic);
    EXPECT_TRUE(back.strikeOut);
    EXPECT_FALSE(back.underline);
    EXPECT_EQ(back.fontName, "黑体");
    EXPECT_EQ(back.color, 0x0000FFu);

    struct Choice {
        int height, weight;
        int size;
        bool bold;
    };
    const Choice choices[] = {{-13, 400, 10, false}, {13, 699, 10, false}, {-15, 700, 11, true}, {-21, 900, 16, true},
                              {0, 0, 0, false}};
    for (const Choice& c : choices) {
        FontDialogValues chosen;
        chosen.height = c.height;
        chosen.weight = c.weight;
        const FontProperties got = FontPropertiesFromChoice(chosen, 96);
        EXPECT_EQ(got.fontSize, c.size) << c.height;
        EXPECT_EQ(got.bold, c.bold) << c.weight;
    }
    FontDialogValues longFace;
    longFace.faceName = std::string(40, 'F');
    EXPECT_EQ(FontPropertiesFromChoice(longFace, 96).fontName, std::string(31, 'F'));
}

}  // namespace
}  // namespace tamsu
