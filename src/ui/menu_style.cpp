#include "ui/menu_style.h"

#include <algorithm>

namespace tamsu {
namespace {

constexpr int kTextLeftGap = 8;
constexpr int kTextRightGap = 20;

const MenuItemLook* LookOf(ULONG_PTR data) {
    const auto* look = reinterpret_cast<const MenuItemLook*>(data);
    return look && look->signature == MenuItemLook::kSignature ? look : nullptr;
}

HFONT CreateMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    return CreateFontIndirectW(&metrics.lfMenuFont);
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace

MenuColours ColoursOf(const MenuStyleSettings& style) {
    const auto c = [&](int i) { return static_cast<COLORREF>(style.colors[static_cast<size_t>(i)]); };
    return {c(0), c(1), c(2), c(3), c(4), c(5)};
}

bool MeasureMenuItem(HWND owner, MEASUREITEMSTRUCT& measure) {
    const MenuItemLook* look = LookOf(measure.itemData);
    if (measure.CtlType != ODT_MENU || !look) return false;
    if (look->separator) {
        measure.itemWidth = 0;
        measure.itemHeight = kMenuSeparatorHeight;
        return true;
    }
    HDC dc = GetDC(owner);
    HFONT font = CreateMenuFont();
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    RECT text{0, 0, 0, 0};
    DrawTextW(dc, look->text.c_str(), static_cast<int>(look->text.size()), &text,
              DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, old);
    if (font) DeleteObject(font);
    ReleaseDC(owner, dc);
    measure.itemWidth = static_cast<UINT>(kMenuGutterWidth + kTextLeftGap + (text.right - text.left) + kTextRightGap);
    measure.itemHeight = static_cast<UINT>(std::max<LONG>(kMenuItemHeight, text.bottom - text.top + 6));
    return true;
}

bool DrawMenuItem(const MenuStyleSettings& style, const DRAWITEMSTRUCT& draw) {
    const MenuItemLook* look = LookOf(draw.itemData);
    if (draw.CtlType != ODT_MENU || !look) return false;
    const MenuColours colours = ColoursOf(style);
    HDC dc = draw.hDC;
    const RECT item = draw.rcItem;
    RECT gutter = item;
    gutter.right = item.left + kMenuGutterWidth;
    RECT body = item;
    body.left = gutter.right;

    const bool selected = (draw.itemState & ODS_SELECTED) && !look->separator;
    const bool grayed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    Fill(dc, gutter, colours.gutter);
    Fill(dc, body, colours.background);
    if (look->separator) {
        const int y = (item.top + item.bottom) / 2;
        RECT line{body.left + kTextLeftGap, y, item.right - 2, y + 1};
        Fill(dc, line, colours.selectedFrame);
        return true;
    }
    if (selected) {
        RECT frame{item.left + 1, item.top + 1, item.right - 1, item.bottom - 1};
        Fill(dc, frame, colours.selectedFrame);
        RECT inner{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
        Fill(dc, inner, colours.selectedFill);
    }
    if (draw.itemState & ODS_CHECKED) {
        RECT mark{gutter.left + 4, item.top + (item.bottom - item.top - 16) / 2, gutter.left + 20, 0};
        mark.bottom = mark.top + 16;
        DrawFrameControl(dc, &mark, DFC_MENU, DFCS_MENUCHECK | DFCS_TRANSPARENT);
    }
    HFONT font = CreateMenuFont();
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, grayed ? GetSysColor(COLOR_GRAYTEXT) : selected ? colours.selectedText : colours.text);
    RECT text = body;
    text.left += kTextLeftGap;
    DrawTextW(dc, look->text.c_str(), static_cast<int>(look->text.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, old);
    if (font) DeleteObject(font);
    return true;
}

}  // namespace tamsu
