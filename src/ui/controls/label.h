// Labels: plain ones paint their background picture, transparent ones only
// their text over the window's own background.
#pragma once

#include "ui/control.h"
#include "ui/pictures.h"

namespace tamsu {

class Label : public Control {
public:
    Label(const ControlLayout& layout, ControlModel& model);
    ~Label() override;

    bool Create(HWND parent) override;
    std::string GetText(int prop) override;
    void SetText(int prop, const std::string& value) override;

    bool transparent() const { return layout_.kind == ControlKind::TransparentLabel; }

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    void Paint(HDC dc);

    std::string text_;
    HFONT font_ = nullptr;
    Picture background_;
};

}  // namespace tamsu
