// The timer: a hidden window whose WM_TIMER (id 1000) raises the timer event.
#pragma once

#include "ui/control.h"

namespace tamsu {

class TimerControl : public Control {
public:
    static constexpr UINT_PTR kTimerId = 1000;

    TimerControl(const ControlLayout& layout, ControlModel& model)
        : Control(layout, model), interval_(layout.timer.interval) {}

    bool Create(HWND parent) override;
    int GetInt(int prop) override;
    void SetInt(int prop, int value) override;

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    int interval_;
};

}  // namespace tamsu
