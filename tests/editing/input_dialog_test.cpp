#include "editing/input_dialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/test_window.h"
#include "ui/cp936_conversion.h"

namespace tamsu::test {
namespace {

std::string TextOf(HWND hwnd) {
    wchar_t buf[256] = {};
    GetWindowTextW(hwnd, buf, 256);
    return WideToCp936(buf);
}

RECT ScreenRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// Runs `act` on the dialog once it is open, from inside its modal loop.
std::function<void(HWND)> g_act;
HWND FindDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
            wchar_t cls[16] = {};
            GetClassNameW(hwnd, cls, 16);
            if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(hwnd)) {
                *reinterpret_cast<HWND*>(lp) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}
void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindDialog();
    if (!dialog || !g_act) return;
    KillTimer(nullptr, timer);
    auto act = std::move(g_act);
    g_act = nullptr;
    act(dialog);
}

bool RunDialog(const std::string& title, const std::string& initial, std::string& result, std::function<void(HWND)> act) {
    g_act = std::move(act);
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, ActOnDialog);
    const bool ok = RunInputDialog("请输入欲查找的文本", title, initial, result);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(g_act) << "the dialog never showed";
    g_act = nullptr;
    return ok;
}

TEST(InputDialog, LooksAsDrawnAndReturnsWhatWasTyped) {
    TestWindow w;
    HWND main = w.ui().mainWindow();
    SetActiveWindow(main);
    std::string result = "untouched";
    const bool ok = RunDialog("查找文本", "上次的", result, [&](HWND dialog) {
        EXPECT_EQ(TextOf(dialog), "查找文本");
        const LONG_PTR style = GetWindowLongPtrW(dialog, GWL_STYLE);
        EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_TRUE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
        EXPECT_FALSE(IsWindowEnabled(main));

        // Centred in the working area.
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const RECT r = ScreenRect(dialog);
        EXPECT_LE(std::abs((r.left + r.right) - (work.left + work.right)), 2);
        EXPECT_LE(std::abs((r.top + r.bottom) - (work.top + work.bottom)), 2);

        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(WideToCp936(font.lfFaceName), "宋体");
        HDC dc = GetDC(dialog);
        EXPECT_EQ(font.lfHeight, -MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72));
        ReleaseDC(dialog, dc);

        HWND prompt = GetDlgItem(dialog, kInputDialogPromptId);
        HWND field = GetDlgItem(dialog, kInputDialogFieldId);
        HWND okButton = GetDlgItem(dialog, IDOK);
        HWND cancel = GetDlgItem(dialog, IDCANCEL);
        EXPECT_EQ(TextOf(prompt), "请输入欲查找的文本");
        EXPECT_EQ(GetWindowLongPtrW(prompt, GWL_STYLE) & (SS_TYPEMASK | SS_SUNKEN), SS_LEFT | SS_SUNKEN);
        // Dialogs turn an edit control's WS_BORDER into the sunken client edge.
        EXPECT_TRUE((GetWindowLongPtrW(field, GWL_STYLE) & WS_BORDER) ||
                    (GetWindowLongPtrW(field, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
        EXPECT_EQ(TextOf(okButton), "确认输入(&O)");
        EXPECT_EQ(GetWindowLongPtrW(okButton, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        EXPECT_EQ(TextOf(cancel), "取消(&C)");
        // Prompt, field, then the buttons side by side.
        EXPECT_LT(ScreenRect(prompt).bottom, ScreenRect(field).top);
        EXPECT_LT(ScreenRect(field).bottom, ScreenRect(okButton).top);
        EXPECT_EQ(ScreenRect(okButton).top, ScreenRect(cancel).top);
        EXPECT_LT(ScreenRect(okButton).right, ScreenRect(cancel).left);

        // The offered text is selected and has the focus, so typing replaces it.
        EXPECT_EQ(TextOf(field), "上次的");
        EXPECT_EQ(GetFocus(), field);
        DWORD start = 1, end = 0;
        SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 3u);
        SendMessageW(field, WM_CHAR, 0x4E2D, 1);  // 中
        SendMessageW(field, WM_CHAR, L'x', 1);
        PostMessageW(field, WM_KEYDOWN, VK_RETURN, 0);  // Enter presses the default button
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(result, "中x");
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST(InputDialog, CancelEscapeAndTheCloseBoxLeaveTheResultAlone) {
    TestWindow w;
    const std::function<void(HWND)> ways[] = {
        [](HWND d) { PostMessageW(GetDlgItem(d, kInputDialogFieldId), WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND d) { PostMessageW(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0); },
        [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& way : ways) {
        std::string result = "untouched";
        std::string caption;
        EXPECT_FALSE(RunDialog("", "x", result, [&](HWND d) {
            caption = TextOf(d);
            SetWindowTextW(GetDlgItem(d, kInputDialogFieldId), L"typed");
            way(d);
        }));
        EXPECT_EQ(result, "untouched");
        EXPECT_EQ(caption, "请输入：");  // an empty title shows the dialog's own caption
    }
    // An emptied field confirmed with the button gives the empty text.
    std::string result = "untouched";
    EXPECT_TRUE(RunDialog("t", "x", result, [](HWND d) {
        SetWindowTextW(GetDlgItem(d, kInputDialogFieldId), L"");
        PostMessageW(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
    }));
    EXPECT_EQ(result, "");
}

}  // namespace
}  // namespace tamsu::test
