#include "editing/edit_commands.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/test_window.h"
#include "ui/cp936_conversion.h"

namespace tamsu::test {
namespace {

constexpr ControlId kBox = ControlId::编辑框1;

void PutOnClipboard(HWND owner, const std::string& cp936) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    if (!cp936.empty()) {
        const std::wstring text = Cp936ToWide(cp936);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
    }
    CloseClipboard();
}

std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return "<clipboard busy>";
    std::string out = "<no text>";
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        out = WideToCp936(static_cast<const wchar_t*>(GlobalLock(h)));
        GlobalUnlock(h);
    }
    CloseClipboard();
    return out;
}

bool Modified(TestWindow& w) { return SendMessageW(w.edit(), EM_GETMODIFY, 0, 0) != 0; }

// The caret and selection as the edit control reports them, in its own units.
std::pair<DWORD, DWORD> UnitSelection(TestWindow& w) {
    DWORD start = 0, end = 0;
    SendMessageW(w.edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void Select(TestWindow& w, int start, int length) {
    w.ui().SetInt(kBox, edit_prop::SelStart, start);
    w.ui().SetInt(kBox, edit_prop::SelLength, length);
}

HWND Button(TestWindow& w) { return w.ui().Window(ControlId::超级按钮2); }

TEST(SelectAll, SelectsEveryByteAndFocusesTheBox) {
    std::string lines;
    for (int i = 0; i < 60; ++i) lines += "第" + std::to_string(i) + "行 line\r\n";
    TestWindow w;
    for (const std::string& text : {std::string(), lines}) {
        w.ui().SetText(kBox, edit_prop::Text, text);
        SetFocus(Button(w));
        SelectAllCommand(w.app());
        EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), 0);
        EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelLength), static_cast<int>(text.size()));
        EXPECT_EQ(w.ui().GetText(kBox, edit_prop::SelText), text);
        // The caret stands at the end and the view shows it.
        const DWORD units = static_cast<DWORD>(GetWindowTextLengthW(w.edit()));
        EXPECT_EQ(UnitSelection(w), std::make_pair(DWORD{0}, units));
        EXPECT_EQ(SendMessageW(w.edit(), EM_GETFIRSTVISIBLELINE, 0, 0) > 0, !text.empty());
        EXPECT_EQ(GetFocus(), w.edit());
    }
}

TEST(Clipboard, CopyPutsTheSelectionThereAndAnEmptySelectionLeavesIt) {
    TestWindow w;
    w.ui().SetText(kBox, edit_prop::Text, "中文abc");
    PutOnClipboard(w.ui().mainWindow(), "earlier");
    SetFocus(Button(w));
    CopyCommand(w.app());
    EXPECT_EQ(ClipboardText(), "earlier");
    Select(w, 2, 3);
    CopyCommand(w.app());
    EXPECT_EQ(ClipboardText(), "文a");
    EXPECT_EQ(w.ui().GetText(kBox, edit_prop::Text), "中文abc");
    EXPECT_FALSE(Modified(w));
    EXPECT_EQ(GetFocus(), Button(w));
}

TEST(Clipboard, PasteInsertsAtTheCaretMarksModifiedAndRunsTheScrollBarRule) {
    TestWindow w;
    w.ui().SetText(kBox, edit_prop::Text, "abc");
    w.ui().SetInt(kBox, edit_prop::SelStart, 1);
    PutOnClipboard(w.ui().mainWindow(), "");
    PasteCommand(w.app());
    EXPECT_EQ(w.ui().GetText(kBox, edit_prop::Text), "abc");
    EXPECT_FALSE(Modified(w));

    const std::string pasted = "中" + std::string(2151, 'x');  // the document reaches 2156 bytes
    PutOnClipboard(w.ui().mainWindow(), pasted);
    PasteCommand(w.app());
    EXPECT_EQ(w.ui().GetText(kBox, edit_prop::Text), "a" + pasted + "bc");
    EXPECT_TRUE(Modified(w));
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::ScrollBars), 2);
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), static_cast<int>(1 + pasted.size()));
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelLength), 0);
}

TEST(Cut, TakesTheBoxSelectionWhereverTheFocusIsAndNothingWithoutOne) {
    struct Case {
        const char* name;
        bool focusOnButton;
        int start, length;
        const char* text;
        const char* clipboard;
    } cases[] = {
        {"focus on the button that popped the menu", true, 2, 4, "abcd", "中文"},
        {"focus in the box", false, 1, 3, "a文cd", "b中"},
        {"empty selection, focus in the box", false, 2, 0, "ab中文cd", "earlier"},
        {"empty selection, focus on a button", true, 0, 0, "ab中文cd", "earlier"},
    };
    TestWindow w;
    for (const auto& c : cases) {
        w.ui().SetText(kBox, edit_prop::Text, "ab中文cd");
        PutOnClipboard(w.ui().mainWindow(), "earlier");
        Select(w, c.start, c.length);
        HWND focus = c.focusOnButton ? Button(w) : w.edit();
        SetFocus(focus);
        CutCommand(w.app());
        w.Pump();  // a pressed key would arrive now
        EXPECT_EQ(w.ui().GetText(kBox, edit_prop::Text), c.text) << c.name;
        EXPECT_EQ(ClipboardText(), c.clipboard) << c.name;
        EXPECT_EQ(Modified(w), c.length > 0) << c.name;
        EXPECT_EQ(GetFocus(), focus) << c.name;
    }
}

TEST(CaseConversion, ReplacesTheSelectionAndLeavesTheCaretAfterIt) {
    struct Case {
        const char* name;
        std::string text;
        int start, length;
        Handler command;
        std::string result;
    } cases[] = {
        {"upper", "Hello World!", 0, 12, ToUpperCaseCommand, "HELLO WORLD!"},
        {"lower", "Hello World!", 0, 12, ToLowerCaseCommand, "hello world!"},
        {"second byte of 癮 stays", "\xB0\x61" "a", 0, 3, ToUpperCaseCommand, "\xB0\x61\x41"},
        {"second byte of 丄 stays", "\x81\x41" "A", 0, 3, ToLowerCaseCommand, "\x81\x41\x61"},
        {"full-width letters stay", "\xA3\xC1\xA3\xE1" "x", 0, 5, ToUpperCaseCommand, "\xA3\xC1\xA3\xE1" "X"},
        {"only the selection", "ab中文cd", 4, 3, ToUpperCaseCommand, "ab中文Cd"},
        {"no letters is still an edit", "x123", 1, 3, ToUpperCaseCommand, "x123"},
    };
    TestWindow w;
    for (const auto& c : cases) {
        w.ui().SetText(kBox, edit_prop::Text, c.text);
        Select(w, c.start, c.length);
        SetFocus(Button(w));
        c.command(w.app());
        EXPECT_EQ(Hex(w.ui().GetText(kBox, edit_prop::Text)), Hex(c.result)) << c.name;
        EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), c.start + c.length) << c.name;
        EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelLength), 0) << c.name;
        EXPECT_TRUE(Modified(w)) << c.name;
        EXPECT_EQ(GetFocus(), w.edit()) << c.name;
    }
}

TEST(CaseConversion, WithoutASelectionOnlyFocusesTheBox) {
    TestWindow w;
    w.ui().SetText(kBox, edit_prop::Text, "abc");
    w.ui().SetInt(kBox, edit_prop::SelStart, 1);
    SetFocus(Button(w));
    ToUpperCaseCommand(w.app());
    EXPECT_EQ(w.ui().GetText(kBox, edit_prop::Text), "abc");
    EXPECT_FALSE(Modified(w));
    EXPECT_EQ(GetFocus(), w.edit());
}

TEST(CaseConversion, KeepsCharactersThatCodePage936CannotHold) {
    TestWindow w;
    // Pasted from elsewhere: an emoji (a surrogate pair) and a Thai letter.
    const std::wstring pasted = L"ab\xD83D\xDE00\x0E01z";
    SendMessageW(w.edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pasted.c_str()));
    SendMessageW(w.edit(), EM_SETSEL, 1, -1);
    ToUpperCaseCommand(w.app());
    wchar_t text[16] = {};
    GetWindowTextW(w.edit(), text, 16);
    EXPECT_EQ(std::wstring(text), L"aB\xD83D\xDE00\x0E01Z");
    EXPECT_EQ(UnitSelection(w), std::make_pair(DWORD{6}, DWORD{6}));
}

TEST(Find, SelectsTheFirstOccurrenceOnACharacterStart) {
    struct Case {
        const char* name;
        std::string document;
        std::string pattern;
        int selStart;  // -1: not found
        int selLength;
    } cases[] = {
        {"after Chinese", "中文abc", "abc", 4, 3},
        {"whole document", "abc", "abc", 0, 3},
        {"first of two, never from the selection", "abcabc", "abc", 0, 3},
        {"Chinese", "中文中文", "文", 2, 2},
        {"empty field: caret to the start", "xyz", "", 0, 0},
        {"case matters", "abc", "ABC", -1, 0},
        {"only across a character boundary", "中文", "形", -1, 0},
        {"longer than the document", "ab", "abc", -1, 0},
        {"empty field in an empty document", "", "", -1, 0},
    };
    TestWindow w;
    for (const auto& c : cases) {
        w.services = ScriptedServices();
        w.ui().SetText(kBox, edit_prop::Text, c.document);
        w.ui().SetInt(kBox, edit_prop::SelStart, -1);
        SetFocus(Button(w));
        w.app().searchText = "before";
        w.services.textAnswers.push_back({true, c.pattern});
        FindCommand(w.app());
        ASSERT_EQ(w.services.textPrompts.size(), 1u) << c.name;
        EXPECT_EQ(w.services.textPrompts[0], "查找文本|请输入欲查找的文本|before") << c.name;
        EXPECT_EQ(w.app().searchText, c.pattern) << c.name;
        if (c.selStart >= 0) {
            EXPECT_TRUE(w.services.messageBoxes.empty()) << c.name;
            EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), c.selStart) << c.name;
            EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelLength), c.selLength) << c.name;
            EXPECT_EQ(GetFocus(), w.edit()) << c.name;
        } else {
            ASSERT_EQ(w.services.messageBoxes.size(), 1u) << c.name;
            EXPECT_EQ(w.services.messageBoxes[0].text, "没有找到指定文件") << c.name;
            EXPECT_EQ(w.services.messageBoxes[0].caption, "") << c.name;  // shown as "信息："
            EXPECT_EQ(w.services.messageBoxes[0].flags, 0u) << c.name;
            EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), static_cast<int>(c.document.size())) << c.name;
            EXPECT_EQ(GetFocus(), Button(w)) << c.name;
        }
        EXPECT_EQ(w.ui().GetText(kBox, edit_prop::Text), c.document) << c.name;
        EXPECT_FALSE(Modified(w)) << c.name;
    }
}

TEST(Find, OffersTheLastTextAgainAndCancelChangesNothing) {
    TestWindow w;
    w.ui().SetText(kBox, edit_prop::Text, "one two two");
    w.services.textAnswers.push_back({true, "two"});
    FindCommand(w.app());
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), 4);

    Select(w, 8, 3);
    SetFocus(Button(w));
    w.services.textAnswers.push_back({false, "one"});
    FindCommand(w.app());
    EXPECT_EQ(w.app().searchText, "two");
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), 8);
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelLength), 3);
    EXPECT_EQ(GetFocus(), Button(w));

    w.services.textAnswers.push_back({true, "two"});
    FindCommand(w.app());
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), 4);
    ASSERT_EQ(w.services.textPrompts.size(), 3u);
    EXPECT_EQ(w.services.textPrompts[0], "查找文本|请输入欲查找的文本|");
    EXPECT_EQ(w.services.textPrompts[1], "查找文本|请输入欲查找的文本|two");
    EXPECT_EQ(w.services.textPrompts[2], "查找文本|请输入欲查找的文本|two");
    EXPECT_TRUE(w.services.messageBoxes.empty());
}

TEST(OpenAddress, HandsTheSelectionOverUnchangedAndNothingWithoutOne) {
    TestWindow w;
    const std::string text = "go  http://example.com/中文\r\n now";
    w.ui().SetText(kBox, edit_prop::Text, text);
    w.ui().SetInt(kBox, edit_prop::SelStart, 3);
    SetFocus(Button(w));
    OpenSelectedAddressCommand(w.app());
    EXPECT_TRUE(w.services.openedAddresses.empty());
    EXPECT_EQ(GetFocus(), Button(w));

    Select(w, 3, static_cast<int>(text.size()) - 3 - 4);
    OpenSelectedAddressCommand(w.app());
    ASSERT_EQ(w.services.openedAddresses.size(), 1u);
    EXPECT_EQ(w.services.openedAddresses[0], " http://example.com/中文\r\n");
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelStart), 3);
    EXPECT_EQ(w.ui().GetInt(kBox, edit_prop::SelLength), static_cast<int>(text.size()) - 7);
    EXPECT_EQ(GetFocus(), w.edit());
}

}  // namespace
}  // namespace tamsu::test
