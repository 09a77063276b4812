#include "ui/controls/link.h"

#include <windowsx.h>

#include "resources/resource_ids.h"
#include "ui/control_model.h"
#include "ui/cp936_conversion.h"
#include "ui/link_opener.h"

namespace tamsu {
namespace {

constexpr wchar_t kClassName[] = L"TamsuLink";

// The default font, underlined as links are.
HFONT CreateLinkFont() {
    LOGFONTW lf{};
    if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf)) return nullptr;
    lf.lfUnderline = TRUE;
    return CreateFontIndirectW(&lf);
}

}  // namespace

Link::~Link() {
    if (font_) DeleteObject(font_);
}

bool Link::Create(HWND parent) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Link::WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        // The link's own pointer; the system's hand should it be missing.
        wc.hCursor = LoadCursorW(wc.hInstance, MAKEINTRESOURCEW(IDC_LINK_CURSOR));
        if (!wc.hCursor) wc.hCursor = LoadCursorW(nullptr, IDC_HAND);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc) != 0;
    }();
    if (!registered) return false;
    font_ = CreateLinkFont();
    const std::string& shown = layout_.link.caption.empty() ? layout_.link.target : layout_.link.caption;
    HWND hwnd = CreateWindowExW(WS_EX_DLGMODALFRAME, kClassName, Cp936ToWide(shown).c_str(),
                                WS_CHILD | WS_CLIPSIBLINGS, layout_.x, layout_.y, layout_.width, layout_.height,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return false;
    Attach(hwnd);
    return true;
}

COLORREF Link::TextColour() const {
    const int32_t colour = hover_ ? layout_.link.hoverColor : opened_ ? layout_.link.openedColor
                                                                       : layout_.link.normalColor;
    return static_cast<COLORREF>(colour);
}

void Link::Paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SetTextColor(dc, TextColour());
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    const int n = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(hwnd_, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    DrawTextW(dc, text.c_str(), n, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

void Link::SetHover(bool hover) {
    if (hover == hover_) return;
    hover_ = hover;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT Link::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            Paint(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // On the press, not the release; the outcome decides the colour.
            opened_ = OpenLinkTarget(layout_.link.target);
            InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        case WM_MOUSEMOVE: {
            RECT r{};
            GetClientRect(hwnd_, &r);
            const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            const bool inside = PtInRect(&r, p) != FALSE;
            // Captured while the pointer is over it, so the leaving is seen.
            if (inside && GetCapture() != hwnd_) SetCapture(hwnd_);
            if (!inside && GetCapture() == hwnd_) ReleaseCapture();
            SetHover(inside);
            return 0;
        }
        case WM_CAPTURECHANGED:
            SetHover(false);
            return 0;
        default:
            return DefWindowProcW(hwnd_, msg, wp, lp);
    }
}

LRESULT CALLBACK Link::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<Link*>(FromWindow(hwnd));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    return self->Handle(msg, wp, lp);
}

}  // namespace tamsu
