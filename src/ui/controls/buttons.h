// The title strip's buttons: picture push buttons (BUTTON class, take the
// focus, BN_CLICKED) and image buttons (drawn from pictures, click on release).
#pragma once

#include "ui/control.h"

namespace tamsu {

class PicturePushButton : public Control {
public:
    using Control::Control;
    ~PicturePushButton() override;
    bool Create(HWND parent) override;
    void OnCommand(int code) override;

private:
    HBITMAP picture_ = nullptr;
    HWND tooltip_ = nullptr;
};

class ImageButton : public Control {
public:
    using Control::Control;
    ~ImageButton() override;
    bool Create(HWND parent) override;

    enum class State { Normal, Hot, Pressed };
    State state() const { return state_; }

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void Paint(HDC dc);
    void SetState(State s);
    bool PointerInside(LPARAM lp) const;

    HBITMAP normal_ = nullptr;
    HBITMAP hot_ = nullptr;
    State state_ = State::Normal;
};

}  // namespace tamsu
