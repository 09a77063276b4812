#include <gtest/gtest.h>

#include "support/test_window.h"
#include "ui/cp936_conversion.h"
#include "ui/controls/timer_control.h"

namespace tamsu::test {
namespace {

TEST(MainWindow, StandsCentredBorderlessAndFocusesTheDocument) {
    TestWindow w;
    HWND main = w.ui().mainWindow();
    RECT r{};
    GetWindowRect(main, &r);
    EXPECT_EQ(r.right - r.left, 660);
    EXPECT_EQ(r.bottom - r.top, 483);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 660) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 483) / 2);
    const LONG_PTR style = GetWindowLongPtrW(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_BORDER), 0);
    EXPECT_TRUE(style & WS_CLIPCHILDREN);
    EXPECT_EQ(GetWindowTextLengthW(main), 0);
    EXPECT_EQ(GetMenu(main), nullptr);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
    EXPECT_EQ(GetFocus(), w.edit());
    EXPECT_EQ(w.ui().GetInt(ControlId::MainWindow, window_prop::WindowState), 0);
}

TEST(MainWindow, ControlsStandAtTheirPlacesVisibleAsLaidOut) {
    TestWindow w;
    for (const auto& c : MainWindowLayout().controls) {
        HWND hwnd = w.ui().Window(c.id);
        if (!hwnd || c.kind == ControlKind::Timer) continue;
        EXPECT_EQ(w.ui().GetInt(c.id, prop::Left), c.x) << c.name;
        EXPECT_EQ(w.ui().GetInt(c.id, prop::Top), c.y) << c.name;
        EXPECT_EQ(w.ui().GetInt(c.id, prop::Width), c.width) << c.name;
        EXPECT_EQ(w.ui().GetInt(c.id, prop::Height), c.height) << c.name;
        EXPECT_EQ(IsWindowVisible(hwnd) != FALSE, c.visible) << c.name;
    }
}

int g_textChanged = 0;

TEST(EditBox, TextWriteRaisesTheEventOnceEvenForAnEqualText) {
    TestWindow w;
    // Count through the box's window: EN_CHANGE plus the model's own raise.
    struct Counter : EventSink {
        void RaiseEvent(ControlId, EventKind e) override { if (e == EventKind::TextChanged) ++g_textChanged; }
        void RaiseMenuCommand(size_t) override {}
    };
    Counter counter;
    ControlModel model(MainWindowLayout(), counter);
    std::string failure;
    ASSERT_TRUE(model.Create(failure)) << failure;
    g_textChanged = 0;
    model.SetText(ControlId::编辑框1, edit_prop::Text, "abc");
    EXPECT_EQ(g_textChanged, 1);
    model.SetText(ControlId::编辑框1, edit_prop::Text, "abc");
    EXPECT_EQ(g_textChanged, 2);
    EXPECT_EQ(model.GetText(ControlId::编辑框1, edit_prop::Text), "abc");
    EXPECT_EQ(SendMessageW(model.Window(ControlId::编辑框1), EM_GETMODIFY, 0, 0), 0);
    // EM_REPLACESEL (SelText) is a change of its own.
    model.SetText(ControlId::编辑框1, edit_prop::SelText, "x");
    EXPECT_EQ(g_textChanged, 3);
}

TEST(EditBox, SelStartAfterSelLengthMinusOneKeepsTheLength) {
    TestWindow w;
    auto& ui = w.ui();
    ui.SetText(ControlId::编辑框1, edit_prop::Text, "0123456789");
    ui.SetInt(ControlId::编辑框1, edit_prop::SelLength, -1);
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelStart), 0);
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelLength), 10);
    ui.SetInt(ControlId::编辑框1, edit_prop::SelStart, 5);
    // Bytes 5 to 15, which the control limits to the end of the text.
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelStart), 5);
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelLength), 5);
    ui.SetInt(ControlId::编辑框1, edit_prop::SelStart, -1);
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelStart), 10);
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelLength), 0);
    ui.SetInt(ControlId::编辑框1, edit_prop::SelStart, -7);  // negative counts as 0
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelStart), 0);
}

TEST(EditBox, OffsetsAndSelTextCountCp936BytesOverMixedText) {
    TestWindow w;
    auto& ui = w.ui();
    ui.SetText(ControlId::编辑框1, edit_prop::Text, "中文abc\r\n癮x");
    ui.SetInt(ControlId::编辑框1, edit_prop::SelStart, 4);
    ui.SetInt(ControlId::编辑框1, edit_prop::SelLength, 3);
    DWORD s = 0, e = 0;
    SendMessageW(w.edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    EXPECT_EQ(s, 2u);  // two characters before "abc"
    EXPECT_EQ(e, 5u);
    EXPECT_EQ(ui.GetText(ControlId::编辑框1, edit_prop::SelText), "abc");
    SendMessageW(w.edit(), EM_SETSEL, 5, 8);  // line break and 癮
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelStart), 7);
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelLength), 4);
    EXPECT_EQ(Hex(ui.GetText(ControlId::编辑框1, edit_prop::SelText)), "0D 0A B0 61");
    SendMessageW(w.edit(), EM_SETSEL, 3, 3);
    EXPECT_EQ(ui.GetText(ControlId::编辑框1, edit_prop::SelText), "");
}

// Text pasted from elsewhere can hold characters that code page 936 lacks;
// each counts as the bytes its conversion gives ('?'), a surrogate pair as
// whatever the conversion makes of it, and offsets still land on the same
// characters both ways.
TEST(EditBox, OffsetsRoundTripOverCharactersOutsideTheCodePage) {
    TestWindow w;
    auto& ui = w.ui();
    const std::wstring text = L"a\uD55C\U0001F600\u4E2Dx\r\n\U0001F600";  // a 한 😀 中 x CR LF 😀
    SetWindowTextW(w.edit(), text.c_str());
    for (const size_t start : {0u, 1u, 2u, 4u, 5u, 6u, 8u, 10u}) {  // every character start, and the end
        for (const size_t end : {start, start + 1, text.size()}) {
            if (end > text.size() || (end == start + 1 && (start == 2 || start == 8))) continue;  // not inside a pair
            SendMessageW(w.edit(), EM_SETSEL, start, static_cast<LPARAM>(end));
            const int selStart = ui.GetInt(ControlId::编辑框1, edit_prop::SelStart);
            const int selLength = ui.GetInt(ControlId::编辑框1, edit_prop::SelLength);
            EXPECT_EQ(static_cast<size_t>(selStart), WideToCp936(text.substr(0, start)).size()) << start;
            EXPECT_EQ(static_cast<size_t>(selLength), WideToCp936(text.substr(start, end - start)).size()) << start;
            SendMessageW(w.edit(), EM_SETSEL, 0, 0);
            ui.SetInt(ControlId::编辑框1, edit_prop::SelStart, selStart);
            ui.SetInt(ControlId::编辑框1, edit_prop::SelLength, selLength);
            DWORD s = 0, e = 0;
            SendMessageW(w.edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
            EXPECT_EQ(s, start) << start << "-" << end;
            EXPECT_EQ(e, end) << start << "-" << end;
        }
    }
}

// A long document: offsets near its start and its end, and beyond it.
TEST(EditBox, OffsetsInALongDocumentNearItsStartAndEnd) {
    TestWindow w;
    auto& ui = w.ui();
    std::string text;
    while (text.size() < 200000) text += "ab行\r\n";
    text += "终点";
    ui.SetText(ControlId::编辑框1, edit_prop::Text, text);
    const size_t units = Cp936ToWide(text).size();
    struct Case { int start, length; size_t unitStart, unitEnd; };
    const int n = static_cast<int>(text.size());
    // An offset inside a character moves past it.
    for (const Case c : {Case{2, 2, 2, 3}, Case{3, 1, 3, 3}, Case{n - 4, 4, units - 2, units},
                         Case{n - 3, 100, units - 1, units}, Case{n + 5, 0, units, units}}) {
        ui.SetInt(ControlId::编辑框1, edit_prop::SelStart, c.start);
        ui.SetInt(ControlId::编辑框1, edit_prop::SelLength, c.length);
        DWORD s = 0, e = 0;
        SendMessageW(w.edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        EXPECT_EQ(s, c.unitStart) << c.start;
        EXPECT_EQ(e, c.unitEnd) << c.start;
    }
    SendMessageW(w.edit(), EM_SETSEL, units - 2, static_cast<LPARAM>(units));
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelStart), n - 4);
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelLength), 4);
    EXPECT_EQ(ui.GetText(ControlId::编辑框1, edit_prop::SelText), "终点");
    ui.SetInt(ControlId::编辑框1, edit_prop::SelStart, -1);
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, edit_prop::SelStart), n);
}

TEST(EditBox, ScrollBarsSwitchKeepsEverythingOfTheUsers) {
    TestWindow w;
    auto& ui = w.ui();
    std::string text;
    for (int i = 0; i < 200; ++i) text += "第" + std::to_string(i) + "行 line of text\r\n";
    ui.SetText(ControlId::编辑框1, edit_prop::Text, text);
    SendMessageW(w.edit(), EM_SETMODIFY, TRUE, 0);
    SendMessageW(w.edit(), EM_SETSEL, 1500, 1510);
    SendMessageW(w.edit(), EM_SCROLLCARET, 0, 0);
    const LRESULT firstLine = SendMessageW(w.edit(), EM_GETFIRSTVISIBLELINE, 0, 0);
    ASSERT_GT(firstLine, 0);
    SetFocus(w.edit());
    HWND before = w.edit();

    ui.SetInt(ControlId::编辑框1, edit_prop::ScrollBars, 2);
    HWND after = w.edit();
    EXPECT_TRUE(GetWindowLongPtrW(after, GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(IsWindow(before) && before != after);
    EXPECT_EQ(ui.GetText(ControlId::编辑框1, edit_prop::Text), text);
    EXPECT_NE(SendMessageW(after, EM_GETMODIFY, 0, 0), 0);
    EXPECT_EQ(GetFocus(), after);
    DWORD s = 0, e = 0;
    SendMessageW(after, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    EXPECT_EQ(s, 1500u);
    EXPECT_EQ(e, 1510u);
    EXPECT_NEAR(SendMessageW(after, EM_GETFIRSTVISIBLELINE, 0, 0), firstLine, 1);
    // Still at its place and stacked as before: the document box is the bottom control.
    EXPECT_EQ(ui.GetInt(ControlId::编辑框1, prop::Top), 24);
    EXPECT_EQ(GetWindow(after, GW_HWNDNEXT), nullptr);
    // The same value again does nothing.
    ui.SetInt(ControlId::编辑框1, edit_prop::ScrollBars, 2);
    EXPECT_EQ(w.edit(), after);
}

TEST(Timer, EqualIntervalWriteLeavesTheTimerRunning) {
    TestWindow w;
    auto& ui = w.ui();
    HWND timer = ui.Window(ControlId::时钟1);
    ASSERT_NE(timer, nullptr);
    ui.SetInt(ControlId::时钟1, timer_prop::Interval, 1000);
    EXPECT_EQ(ui.GetInt(ControlId::时钟1, timer_prop::Interval), 1000);
    // A running timer, restarted, would lose its pending tick; an equal write keeps it.
    Sleep(1100);
    ui.SetInt(ControlId::时钟1, timer_prop::Interval, 1000);
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, timer, WM_TIMER, WM_TIMER, PM_NOREMOVE));
    ui.SetInt(ControlId::时钟1, timer_prop::Interval, -5);
    EXPECT_EQ(ui.GetInt(ControlId::时钟1, timer_prop::Interval), 0);
}

TEST(MainWindow, WindowStateWrittenWhileInvisibleOnlyStores) {
    TestWindow w;
    HWND main = w.ui().mainWindow();
    ShowWindow(main, SW_HIDE);
    w.ui().SetInt(ControlId::MainWindow, window_prop::WindowState, 2);
    EXPECT_FALSE(IsIconic(main));
    EXPECT_EQ(w.ui().GetInt(ControlId::MainWindow, window_prop::WindowState), 2);
    w.ui().SetInt(ControlId::MainWindow, window_prop::WindowState, 9);
    EXPECT_EQ(w.ui().GetInt(ControlId::MainWindow, window_prop::WindowState), 3);
    ShowWindow(main, SW_SHOW);
    w.ui().SetInt(ControlId::MainWindow, window_prop::WindowState, 2);
    EXPECT_TRUE(IsIconic(main));
}

}  // namespace
}  // namespace tamsu::test
