// MainWindow itself: a borderless top-level window that hosts every control,
// paints the background picture and turns child notifications into events.
#pragma once

#include "ui/control.h"
#include "ui/menu_tree.h"
#include "ui/pictures.h"

namespace tamsu {

// Posted to MainWindow to destroy it from the message loop.
constexpr UINT kDestroyRequestMessage = WM_APP + 1;

class MainWindowControl : public Control {
public:
    MainWindowControl(const ControlLayout& layout, ControlModel& model);
    ~MainWindowControl() override;

    bool Create(HWND parent) override;
    int GetInt(int prop) override;
    void SetInt(int prop, int value) override;
    std::string GetText(int prop) override;
    void SetText(int prop, const std::string& value) override;

    // Paints the window's background under the given rectangle of a child.
    void PaintBackground(HDC dc, HWND child, const RECT& area);
    HICON bigIcon() const { return bigIcon_; }

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

    int windowState_;
    Picture background_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
};

}  // namespace tamsu
