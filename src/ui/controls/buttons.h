// The title strip's buttons: picture push buttons (BUTTON class, take the
// focus, BN_CLICKED) and image buttons (drawn from pictures, click on release).
#pragma once

#include "ui/control.h"
#include "ui/pictures.h"

namespace tamsu {

// A push button that shows its picture in its own size instead of a caption,
// drawn by the program, with a tooltip.
class PicturePushButton : public Control {
public:
    using Control::Control;
    ~PicturePushButton() override;
    bool Create(HWND parent) override;
    void OnCommand(int code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& draw) override;

    bool hot() const { return hot_; }
    HWND tooltip() const { return tooltip_; }

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);

    Picture picture_;
    HWND tooltip_ = nullptr;
    WNDPROC buttonProc_ = nullptr;
    bool hot_ = false;
};

class ImageButton : public Control {
public:
    using Control::Control;
    bool Create(HWND parent) override;

    enum class State { Normal, Hot, Pressed };
    State state() const { return state_; }

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void Paint(HDC dc);
    void SetState(State s);
    bool PointerInside(LPARAM lp) const;

    Picture normal_;
    Picture hot_;
    State state_ = State::Normal;
    bool pressBegan_ = false;  // the left button went down on this button
};

}  // namespace tamsu
