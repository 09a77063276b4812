// The look of MainWindow's menus: owner-drawn items in the colours that the
// menu-style component 超级菜单1 stores.
#pragma once

#include <windows.h>

#include <string>

#include "ui/window_layout.h"

namespace tamsu {

// What an owner-drawn item carries in its item data while its menu is open.
struct MenuItemLook {
    static constexpr unsigned kSignature = 0x544D4E55;  // marks our own items
    unsigned signature = kSignature;
    std::wstring text;
    bool separator = false;
};

// The stored colours, by what each paints.
struct MenuColours {
    COLORREF selectedFill;    // 0: the item under the pointer
    COLORREF selectedFrame;   // 1: its frame, and the separator lines
    COLORREF text;            // 2
    COLORREF selectedText;    // 3
    COLORREF gutter;          // 4: the check-mark column at the left
    COLORREF background;      // 5: the rest of the menu
};
MenuColours ColoursOf(const MenuStyleSettings& style);

constexpr int kMenuItemHeight = 22;
constexpr int kMenuSeparatorHeight = 9;
constexpr int kMenuGutterWidth = 24;

// WM_MEASUREITEM and WM_DRAWITEM for menu items; false when the item is not ours.
bool MeasureMenuItem(HWND owner, MEASUREITEMSTRUCT& measure);
bool DrawMenuItem(const MenuStyleSettings& style, const DRAWITEMSTRUCT& draw);

}  // namespace tamsu
