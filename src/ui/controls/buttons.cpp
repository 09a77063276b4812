#include "ui/controls/buttons.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/control_model.h"
#include "ui/cp936_conversion.h"
#include "ui/pictures.h"

namespace tamsu {
namespace {
constexpr wchar_t kImageButtonClass[] = L"TamsuImageButton";
}

PicturePushButton::~PicturePushButton() {
    if (picture_) DeleteObject(picture_);
}

bool PicturePushButton::Create(HWND parent) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | BS_PUSHBUTTON;
    if (layout_.takesFocus) style |= WS_TABSTOP;
    picture_ = LoadPictureResource(layout_.button.picture);
    if (picture_) style |= BS_BITMAP;
    HWND hwnd = CreateWindowExW(0, L"BUTTON", L"", style, layout_.x, layout_.y, layout_.width, layout_.height,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return false;
    Attach(hwnd);
    if (picture_) SendMessageW(hwnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_));

    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tooltip_) {
        std::wstring tip = Cp936ToWide(layout_.button.tooltip);
        TOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = parent;
        ti.uId = reinterpret_cast<UINT_PTR>(hwnd);
        ti.lpszText = tip.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    return true;
}

void PicturePushButton::OnCommand(int code) {
    if (code == BN_CLICKED) model_.RaiseEvent(id(), EventKind::Clicked);
}

ImageButton::~ImageButton() {
    if (normal_) DeleteObject(normal_);
    if (hot_) DeleteObject(hot_);
}

bool ImageButton::Create(HWND parent) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ImageButton::WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kImageButtonClass;
        return RegisterClassW(&wc) != 0;
    }();
    if (!registered) return false;
    normal_ = LoadPictureResource(layout_.image.normal);
    hot_ = LoadPictureResource(layout_.image.hot);
    HWND hwnd = CreateWindowExW(0, kImageButtonClass, L"", WS_CHILD | WS_CLIPSIBLINGS, layout_.x, layout_.y,
                                layout_.width, layout_.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return false;
    Attach(hwnd);
    return true;
}

bool ImageButton::PointerInside(LPARAM lp) const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&r, p) != FALSE;
}

void ImageButton::SetState(State s) {
    if (s == state_) return;
    state_ = s;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void ImageButton::Paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    model_.PaintWindowBackground(dc, hwnd_, client);
    HBITMAP picture = (state_ != State::Normal && hot_) ? hot_ : normal_;
    if (!picture) return;
    BITMAP bm{};
    GetObjectW(picture, sizeof bm, &bm);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, picture);
    // Pressed has no picture of its own: the hot picture shifted by one pixel.
    const int shift = state_ == State::Pressed ? 1 : 0;
    BitBlt(dc, shift, shift, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

LRESULT ImageButton::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            Paint(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_MOUSEMOVE:
            if (!PointerInside(lp)) {
                if (!(wp & MK_LBUTTON)) {
                    ReleaseCapture();
                    SetState(State::Normal);
                } else {
                    SetState(State::Hot);
                }
            } else {
                if (GetCapture() != hwnd_) SetCapture(hwnd_);
                SetState((wp & MK_LBUTTON) ? State::Pressed : State::Hot);
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetCapture(hwnd_);
            SetState(State::Pressed);
            return 0;
        case WM_LBUTTONUP: {
            const bool inside = PointerInside(lp);
            const bool wasPressed = state_ == State::Pressed;
            ReleaseCapture();
            SetState(State::Normal);
            if (inside && wasPressed) model_.RaiseEvent(id(), EventKind::Clicked);
            return 0;
        }
        case WM_CAPTURECHANGED:
            SetState(State::Normal);
            return 0;
        default:
            return DefWindowProcW(hwnd_, msg, wp, lp);
    }
}

LRESULT CALLBACK ImageButton::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<ImageButton*>(FromWindow(hwnd));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    return self->Handle(msg, wp, lp);
}

}  // namespace tamsu
