#include "ui/menu_handlers.h"

#include <deque>

#include "ui/cp936_conversion.h"
#include "ui/menu_style.h"
#include "ui/menu_tree.h"

namespace tamsu {
namespace {

// Builds the menu's items; looks keeps the item data alive while it is open.
HMENU BuildPopup(const std::vector<PopupItem>& items, std::deque<MenuItemLook>& looks, HBRUSH background) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    if (background) {
        MENUINFO info{};
        info.cbSize = sizeof info;
        info.fMask = MIM_BACKGROUND;
        info.hbrBack = background;
        SetMenuInfo(menu, &info);
    }
    UINT position = 0;
    for (const PopupItem& item : items) {
        MenuItemLook& look = looks.emplace_back();
        look.text = Cp936ToWide(item.text);
        look.separator = item.separator;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA;
        info.fType = MFT_OWNERDRAW | (item.separator ? MFT_SEPARATOR : MFT_STRING);
        info.fState = (item.grayed ? MFS_GRAYED : 0u) | (item.checked ? MFS_CHECKED : 0u);
        info.wID = item.command;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(&look);
        if (!item.separator) {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = look.text.data();
        }
        if (!item.items.empty()) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = BuildPopup(item.items, looks, background);
        }
        InsertMenuItemW(menu, position++, TRUE, &info);
    }
    return menu;
}

void PopupNamed(App& app, const char* name, std::optional<int> x, std::optional<int> y) {
    if (const auto top = FindTopMenu(app.ui.layout().menu, name)) PopupMenu(app.ui, *top, x, y);
}

// The buttons' places: the pointer shifted, computed in floating point and
// truncated toward zero.
int Shifted(int value, double offset) { return static_cast<int>(static_cast<double>(value) + offset); }

}  // namespace

void PopupMenu(ControlModel& ui, size_t top, std::optional<int> x, std::optional<int> y) {
    const std::vector<PopupItem> items = PopupItems(ui.layout().menu, top);
    if (items.empty()) return;  // an entry without items shows nothing
    const ControlLayout* styleLayout = FindControl(ui.layout(), ControlId::超级菜单1);
    HBRUSH background =
        styleLayout ? CreateSolidBrush(static_cast<COLORREF>(styleLayout->menuStyle.colors[5])) : nullptr;
    std::deque<MenuItemLook> looks;
    HMENU menu = BuildPopup(items, looks, background);
    if (menu) {
        POINT at{};
        GetCursorPos(&at);
        at.x += 3;
        at.y += 3;
        if (x) at.x = *x;
        if (y) at.y = *y;
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, ui.mainWindow(), nullptr);
        DestroyMenu(menu);  // submenus go with it
    }
    if (background) DeleteObject(background);
}

void OnSuperButton1Clicked(App& app) {
    const int x = app.ui.MouseX();
    const int y = app.ui.MouseY();
    PopupNamed(app, "文件", Shifted(x, -35.0), Shifted(y, 10.0));
}

void OnSuperButton2Clicked(App& app) {
    const int x = app.ui.MouseX();
    const int y = app.ui.MouseY();
    PopupNamed(app, "编辑", Shifted(x, -30.0), Shifted(y, 10.0));
}

void OnSuperButton4Clicked(App& app) {
    const int x = app.ui.MouseX();
    const int y = app.ui.MouseY();
    PopupNamed(app, "功能", Shifted(x, -45.0), Shifted(y, 10.0));
}

// The event's own position and key state are left aside: the pointer is read afresh.
void OnEditRightButtonPressed(App& app) {
    const int x = app.ui.MouseX();
    const int y = app.ui.MouseY();
    PopupNamed(app, "编辑", x, y);
}

}  // namespace tamsu
