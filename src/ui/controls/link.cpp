#include "ui/controls/link.h"

#include <windowsx.h>

#include "ui/control_model.h"
#include "ui/cp936_conversion.h"
#include "ui/link_opener.h"

namespace tamsu {
namespace {
constexpr wchar_t kClassName[] = L"TamsuLink";
}

Link::~Link() {
    if (font_) DeleteObject(font_);
}

bool Link::Create(HWND parent) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Link::WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_HAND);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc) != 0;
    }();
    if (!registered) return false;
    const std::string& shown = layout_.link.caption.empty() ? layout_.link.target : layout_.link.caption;
    HWND hwnd = CreateWindowExW(WS_EX_DLGMODALFRAME, kClassName, Cp936ToWide(shown).c_str(),
                                WS_CHILD | WS_CLIPSIBLINGS, layout_.x, layout_.y, layout_.width, layout_.height,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return false;
    Attach(hwnd);
    return true;
}

void Link::Open() { opened_ = OpenLinkTarget(layout_.link.target); }

void Link::Paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const int32_t color = hover_ ? layout_.link.hoverColor : opened_ ? layout_.link.openedColor : layout_.link.normalColor;
    SetTextColor(dc, static_cast<COLORREF>(color));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int n = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(hwnd_, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    DrawTextW(dc, text.c_str(), n, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
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
            Open();
            InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        case WM_MOUSEMOVE: {
            RECT r{};
            GetClientRect(hwnd_, &r);
            const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            const bool inside = PtInRect(&r, p) != FALSE;
            if (inside && GetCapture() != hwnd_) SetCapture(hwnd_);
            if (!inside) ReleaseCapture();
            if (inside != hover_) {
                hover_ = inside;
                InvalidateRect(hwnd_, nullptr, TRUE);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (hover_) {
                hover_ = false;
                InvalidateRect(hwnd_, nullptr, TRUE);
            }
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
