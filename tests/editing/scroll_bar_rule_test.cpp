#include "editing/scroll_bar_rule.h"

#include <gtest/gtest.h>

#include "support/test_window.h"
#include "ui/cp936_conversion.h"

namespace tamsu::test {
namespace {

constexpr ControlId kBox = ControlId::编辑框1;

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

bool HasVerticalBar(HWND box) { return (GetWindowLongPtrW(box, GWL_STYLE) & WS_VSCROLL) != 0; }

TEST(ScrollBarRule, WrittenTextsAreMeasuredInBytes) {
    struct Case {
        const char* name;
        std::string text;
        int bars;
    } cases[] = {
        {"2156 ASCII", std::string(2156, 'a'), 2},
        {"2155 ASCII", std::string(2155, 'a'), 0},
        {"1078 Chinese", Repeat("中", 1078), 2},
        {"1077 Chinese and one ASCII", Repeat("中", 1077) + "a", 0},
        {"100 lines of 20 with line breaks", Repeat(std::string(20, 'x') + "\r\n", 100), 2},
        {"1077 Chinese", Repeat("中", 1077), 0},
        {"long", Repeat("长文本 line\r\n", 1000), 2},
        {"empty", "", 0},
    };
    TestWindow w;
    for (const auto& c : cases) {
        w.ui().SetText(kBox, edit_prop::Text, c.text);
        EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::ScrollBars), c.bars) << c.name;
        EXPECT_EQ(HasVerticalBar(w.edit()), c.bars == 2) << c.name;
        EXPECT_EQ(w.ui().GetText(kBox, edit_prop::Text), c.text) << c.name;
        EXPECT_EQ(SendMessageW(w.edit(), EM_GETMODIFY, 0, 0), 0) << c.name;
        EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), 0) << c.name;
        EXPECT_TRUE(IsWindowVisible(w.edit())) << c.name;
    }
}

void TypeKey(HWND box, wchar_t c) { SendMessageW(box, WM_CHAR, c, 1); }

TEST(ScrollBarRule, TypingAcrossTheThresholdGoesOnWhereTheUserTypes) {
    TestWindow w;
    const std::string start(2155, 'a');
    w.ui().SetText(kBox, edit_prop::Text, start);
    w.ui().FocusControl(kBox);
    w.ui().SetInt(kBox, edit_prop::SelStart, -1);

    TypeKey(w.edit(), L'x');  // the 2156th byte
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::ScrollBars), 2);
    EXPECT_TRUE(HasVerticalBar(w.edit()));
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), 2156);
    EXPECT_EQ(GetFocus(), w.edit());
    EXPECT_NE(SendMessageW(w.edit(), EM_GETMODIFY, 0, 0), 0);

    HWND longBox = w.edit();
    TypeKey(w.edit(), L'y');
    EXPECT_EQ(w.edit(), longBox) << "no rebuild while the document stays long";
    EXPECT_EQ(w.ui().GetText(kBox, edit_prop::Text), start + "xy");

    TypeKey(w.edit(), L'\b');
    TypeKey(w.edit(), L'\b');  // back to 2155 bytes
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::ScrollBars), 0);
    EXPECT_FALSE(HasVerticalBar(w.edit()));
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), 2155);
    EXPECT_EQ(GetFocus(), w.edit());
    EXPECT_NE(SendMessageW(w.edit(), EM_GETMODIFY, 0, 0), 0);
    TypeKey(w.edit(), L'z');
    EXPECT_EQ(w.ui().GetText(kBox, edit_prop::Text), start + "z");

    // In the middle of the document, with a Chinese character.
    w.ui().SetText(kBox, edit_prop::Text, start);
    w.ui().SetInt(kBox, edit_prop::SelStart, 1000);
    SendMessageW(w.edit(), WM_CHAR, 0x4E2D, 1);  // 中: 2157 bytes
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::ScrollBars), 2);
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), 1002);
    TypeKey(w.edit(), L'q');
    EXPECT_EQ(w.ui().GetText(kBox, edit_prop::Text), std::string(1000, 'a') + "中q" + std::string(1155, 'a'));
}

// Counts the texts the edit controls of the thread are given.
int g_textsLaidOut = 0;
LRESULT CALLBACK CountSetText(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && m->message == WM_SETTEXT && m->lParam && *reinterpret_cast<const wchar_t*>(m->lParam)) {
        wchar_t cls[16] = {};
        GetClassNameW(m->hwnd, cls, 16);
        if (lstrcmpiW(cls, L"Edit") == 0) ++g_textsLaidOut;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST(ScrollBarRule, AWrittenTextIsLaidOutOnceEvenWhenTheBarSwitches) {
    TestWindow w;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountSetText, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    const std::string texts[] = {std::string(3000, 'a'), std::string(4000, 'b'), "short", "other"};
    for (const std::string& text : texts) {
        g_textsLaidOut = 0;
        w.ui().SetText(kBox, edit_prop::Text, text);
        EXPECT_EQ(g_textsLaidOut, 1) << text.substr(0, 5);
        wchar_t head[8] = {};
        GetWindowTextW(w.edit(), head, 8);
        EXPECT_EQ(WideToCp936(head), text.substr(0, 7));
    }
    UnhookWindowsHookEx(hook);
}

}  // namespace
}  // namespace tamsu::test
