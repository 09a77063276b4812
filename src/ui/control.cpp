#include "ui/control.h"

#include <algorithm>

#include "ui/control_model.h"

namespace tamsu {
namespace {
constexpr int kMaxCoordinate = 32627;

RECT ParentRelativeRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    if (HWND parent = GetParent(hwnd); parent && (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
}  // namespace

Control::~Control() {
    if (hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    }
}

void Control::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Control* Control::FromWindow(HWND hwnd) {
    return reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

int Control::GetInt(int prop) {
    if (!hwnd_) {
        switch (prop) {
            case prop::Left: return layout_.x;
            case prop::Top: return layout_.y;
            case prop::Width: return layout_.width;
            case prop::Height: return layout_.height;
            case prop::MouseCursor: return mouseCursor_;
            default: return 0;
        }
    }
    const RECT r = ParentRelativeRect(hwnd_);
    switch (prop) {
        case prop::Left: return r.left;
        case prop::Top: return r.top;
        case prop::Width: return r.right - r.left;
        case prop::Height: return r.bottom - r.top;
        case prop::MouseCursor: return mouseCursor_;
        default: return 0;
    }
}

void Control::SetInt(int prop, int value) {
    if (prop == prop::MouseCursor) {
        mouseCursor_ = value;
        return;
    }
    if (!hwnd_) return;
    const RECT r = ParentRelativeRect(hwnd_);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    switch (prop) {
        case prop::Left:
            MoveWindow(hwnd_, std::clamp(value, -kMaxCoordinate, kMaxCoordinate), r.top, w, h, TRUE);
            break;
        case prop::Top:
            MoveWindow(hwnd_, r.left, std::clamp(value, -kMaxCoordinate, kMaxCoordinate), w, h, TRUE);
            break;
        case prop::Width:
            SetWindowPos(hwnd_, nullptr, 0, 0, std::clamp(value, 0, kMaxCoordinate), h,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case prop::Height:
            SetWindowPos(hwnd_, nullptr, 0, 0, w, std::clamp(value, 0, kMaxCoordinate),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        default:
            break;
    }
}

bool Control::GetBool(int prop) {
    if (!hwnd_) return prop == prop::Visible ? false : false;
    switch (prop) {
        case prop::Visible: return IsWindowVisible(hwnd_) != FALSE;
        case prop::Disabled: return IsWindowEnabled(hwnd_) == FALSE;
        default: return false;
    }
}

void Control::SetBool(int prop, bool value) {
    if (!hwnd_) return;
    switch (prop) {
        case prop::Visible: ShowWindow(hwnd_, value ? SW_SHOW : SW_HIDE); break;
        case prop::Disabled: EnableWindow(hwnd_, !value); break;
        default: break;
    }
}

std::string Control::GetText(int prop) { return prop == prop::Tag ? tag_ : std::string(); }

void Control::SetText(int prop, const std::string& value) {
    if (prop == prop::Tag) tag_ = value;
}

FontRecord Control::GetFont(int) { return {}; }
void Control::SetFont(int, const FontRecord&) {}

}  // namespace tamsu
