// The link of the title strip: opens its target on the left button's press.
#pragma once

#include "ui/control.h"

namespace tamsu {

class Link : public Control {
public:
    using Control::Control;
    ~Link() override;
    bool Create(HWND parent) override;

    bool opened() const { return opened_; }
    bool hover() const { return hover_; }
    // The colour the text is drawn in now: hover, else opened, else normal.
    COLORREF TextColour() const;

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void Paint(HDC dc);
    void SetHover(bool hover);

    bool opened_ = false;
    bool hover_ = false;
    HFONT font_ = nullptr;
};

}  // namespace tamsu
