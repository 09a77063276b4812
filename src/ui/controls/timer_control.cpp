#include "ui/controls/timer_control.h"

#include <algorithm>

#include "ui/control_model.h"

namespace tamsu {
namespace {
constexpr wchar_t kClassName[] = L"TamsuTimer";
}

bool TimerControl::Create(HWND parent) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &TimerControl::WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc) != 0;
    }();
    if (!registered) return false;
    HWND hwnd = CreateWindowExW(0, kClassName, L"", WS_CHILD, layout_.x, layout_.y, layout_.width, layout_.height,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return false;
    Attach(hwnd);
    // The timer runs as soon as its window exists.
    if (interval_ > 0) SetTimer(hwnd_, kTimerId, static_cast<UINT>(interval_), nullptr);
    return true;
}

int TimerControl::GetInt(int prop) {
    if (prop == timer_prop::Interval) return interval_;
    return Control::GetInt(prop);
}

void TimerControl::SetInt(int prop, int value) {
    if (prop != timer_prop::Interval) {
        Control::SetInt(prop, value);
        return;
    }
    value = std::max(value, 0);
    if (value == interval_) return;  // an equal write leaves the running timer alone
    interval_ = value;
    KillTimer(hwnd_, kTimerId);
    if (interval_ > 0) SetTimer(hwnd_, kTimerId, static_cast<UINT>(interval_), nullptr);
}

LRESULT CALLBACK TimerControl::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == kTimerId) {
        if (auto* self = static_cast<TimerControl*>(FromWindow(hwnd)))
            self->model_.RaiseEvent(self->id(), EventKind::Timer);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace tamsu
