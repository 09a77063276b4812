#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "recording_window.h"
#include "ui/cp936_conversion.h"
#include "ui/menu_handlers.h"
#include "ui/menu_style.h"
#include "ui/menu_tree.h"

namespace tamsu::test {
namespace {

// What a timer saw of the pop-up menu while it was open, and how it ended it.
struct MenuWatch {
    enum class End { Escape, ChooseFirstItem } end = End::Escape;
    bool seen = false;
    HMENU menu = nullptr;
    RECT rect{};
    HWND owner = nullptr;
    std::vector<std::string> items;  // drawn text, "-" for separators, with the command
    bool allOwnerDrawn = true;
    COLORREF selectedFill = CLR_INVALID, gutter = CLR_INVALID, background = CLR_INVALID;
    int ticks = 0;
    int step = 0;
};
MenuWatch* g_watch = nullptr;

BOOL CALLBACK FindMenuWindow(HWND hwnd, LPARAM lp) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (std::wstring(name) == L"#32768" && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A pixel of an item, x from the item's left edge, at the item's middle.
COLORREF ItemPixel(HWND window, HMENU menu, int item, int x) {
    RECT r{};
    GetMenuItemRect(window, menu, static_cast<UINT>(item), &r);
    POINT p{r.left + x, (r.top + r.bottom) / 2};
    ScreenToClient(window, &p);
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, p.x, p.y);
    ReleaseDC(window, dc);
    return c;
}

void CALLBACK WatchMenu(HWND, UINT, UINT_PTR, DWORD) {
    MenuWatch& w = *g_watch;
    HWND window = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&window));
    if (++w.ticks > 100) EndMenu();  // never hang the run
    if (!window) return;
    if (w.step == 0) {
        w.seen = true;
        w.menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
        GetWindowRect(window, &w.rect);
        w.owner = GetWindow(window, GW_OWNER);
        const int count = GetMenuItemCount(w.menu);
        for (int i = 0; i < count; ++i) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
            GetMenuItemInfoW(w.menu, static_cast<UINT>(i), TRUE, &info);
            const auto* look = reinterpret_cast<const MenuItemLook*>(info.dwItemData);
            w.allOwnerDrawn = w.allOwnerDrawn && (info.fType & MFT_OWNERDRAW) && look &&
                              look->signature == MenuItemLook::kSignature;
            const bool separator = (info.fType & MFT_SEPARATOR) != 0;
            const std::string text = separator ? "-" : look ? WideToCp936(look->text) : "?";
            w.items.push_back(text + "=" + std::to_string(info.wID));
        }
        PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);  // highlights the first item
        w.step = 1;
    } else if (w.step == 1) {
        UpdateWindow(window);
        w.selectedFill = ItemPixel(window, w.menu, 0, kMenuGutterWidth + 3);
        w.gutter = ItemPixel(window, w.menu, 1, 3);
        w.background = ItemPixel(window, w.menu, 1, kMenuGutterWidth + 3);
        PostMessageW(window, WM_KEYDOWN, w.end == MenuWatch::End::Escape ? VK_ESCAPE : VK_RETURN, 0);
        w.step = 2;
    }
}

// Runs the pop-up road with the pointer at the given place and watches the menu.
template <typename Road>
MenuWatch Watch(POINT pointer, MenuWatch::End end, Road road) {
    MenuWatch watch;
    watch.end = end;
    g_watch = &watch;
    SetCursorPos(pointer.x, pointer.y);
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, WatchMenu);
    road();
    KillTimer(nullptr, timer);
    g_watch = nullptr;
    return watch;
}

std::string Join(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& s : items) out += (out.empty() ? "" : " ") + s;
    return out;
}

const char* const kFileItems = "新建=20001 打开=20002 保存=20003 另存为=20004 打印=20005 退出=20006";
const char* const kEditItems =
    "全选=20008 -=20009 剪切=20010 复制=20011 粘贴=20012 字体=20013 小写转大写=20014 大写转小写=20015 -=20016 "
    "清空=20017 查找=20018 -=20019 打开网址=20020";
const char* const kToolsItems =
    "聊QQ=20022 打开浏览器=20023 -=20024 关机=20025 重启=20026 -=20027 运行=20028 打开CMD=20029 打开注册表=20030 "
    "打开组策略=20031 打开任务管理器=20032";

TEST(PopupMenus, EachRoadOpensItsMenuAtItsPlaceOwnedByTheWindow) {
    RecordingWindow w;
    App& app = w.app;
    const size_t file = *FindTopMenu(w.ui.layout().menu, "文件");
    struct Case {
        const char* road;
        std::function<void()> run;
        POINT pointer;
        POINT corner;
        const char* items;
    } cases[] = {
        {"超级按钮1", [&] { OnSuperButton1Clicked(app); }, {300, 200}, {265, 210}, kFileItems},
        {"超级按钮2", [&] { OnSuperButton2Clicked(app); }, {300, 200}, {270, 210}, kEditItems},
        {"超级按钮4", [&] { OnSuperButton4Clicked(app); }, {300, 200}, {255, 210}, kToolsItems},
        {"编辑框1 right button", [&] { OnEditRightButtonPressed(app); }, {301, 199}, {301, 199}, kEditItems},
        {"no place given", [&] { PopupMenu(w.ui, file); }, {400, 300}, {403, 303}, kFileItems},
        {"x given", [&] { PopupMenu(w.ui, file, 500); }, {400, 300}, {500, 303}, kFileItems},
        {"y given", [&] { PopupMenu(w.ui, file, std::nullopt, 50); }, {400, 300}, {403, 50}, kFileItems},
    };
    for (const auto& c : cases) {
        const MenuWatch seen = Watch(c.pointer, MenuWatch::End::Escape, c.run);
        ASSERT_TRUE(seen.seen) << c.road;
        EXPECT_EQ(seen.rect.left, c.corner.x) << c.road;
        EXPECT_EQ(seen.rect.top, c.corner.y) << c.road;
        EXPECT_EQ(seen.owner, w.ui.mainWindow()) << c.road;
        EXPECT_EQ(Join(seen.items), c.items) << c.road;
        EXPECT_TRUE(seen.allOwnerDrawn) << c.road;
        EXPECT_FALSE(IsMenu(seen.menu)) << c.road << ": destroyed once closed";
    }
    w.Pump();
    EXPECT_TRUE(w.menuEntries.empty()) << "Esc chooses nothing";
}

TEST(PopupMenus, NearTheScreensCornerTheMenuIsMovedOntoTheScreen) {
    RecordingWindow w;
    const MenuWatch seen = Watch({10, 5}, MenuWatch::End::Escape, [&] { OnSuperButton1Clicked(w.app); });
    ASSERT_TRUE(seen.seen);
    EXPECT_GE(seen.rect.left, 0);
    EXPECT_EQ(seen.rect.top, 15);
}

TEST(PopupMenus, AChoiceRunsAfterTheMenuAndItsHandlerHaveReturned) {
    RecordingWindow w;
    const MenuWatch seen =
        Watch({300, 200}, MenuWatch::End::ChooseFirstItem, [&] { OnSuperButton2Clicked(w.app); });
    ASSERT_TRUE(seen.seen);
    EXPECT_TRUE(w.menuEntries.empty()) << "nothing runs inside the pop-up";
    w.Pump();
    ASSERT_EQ(w.menuEntries.size(), 1u);
    EXPECT_STREQ(w.ui.layout().menu[w.menuEntries[0]].text, "全选");
}

TEST(PopupMenus, ItemsAreDrawnInTheStoredColours) {
    RecordingWindow w;
    const MenuWatch seen = Watch({300, 200}, MenuWatch::End::Escape, [&] { OnSuperButton1Clicked(w.app); });
    ASSERT_TRUE(seen.seen);
    const MenuColours colours = ColoursOf(FindControl(w.ui.layout(), ControlId::超级菜单1)->menuStyle);
    EXPECT_EQ(seen.selectedFill, colours.selectedFill);
    EXPECT_EQ(seen.gutter, colours.gutter);
    EXPECT_EQ(seen.background, colours.background);
}

}  // namespace
}  // namespace tamsu::test
