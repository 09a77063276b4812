// A control of MainWindow: its window, its numbered properties and its events.
// Each kind overrides the property numbers of its own; 0 to 7 are shared.
#pragma once

#include <windows.h>

#include <string>

#include "ui/font_record.h"
#include "ui/window_layout.h"

namespace tamsu {

class ControlModel;

class Control {
public:
    Control(const ControlLayout& layout, ControlModel& model) : layout_(layout), model_(model) {}
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlId id() const { return layout_.id; }
    ControlKind kind() const { return layout_.kind; }
    const ControlLayout& layout() const { return layout_; }
    HWND hwnd() const { return hwnd_; }

    // Creates the control's window, hidden. Objects that are never drawn have none.
    virtual bool Create(HWND parent) = 0;

    virtual int GetInt(int prop);
    virtual void SetInt(int prop, int value);
    virtual bool GetBool(int prop);
    virtual void SetBool(int prop, bool value);
    virtual std::string GetText(int prop);
    virtual void SetText(int prop, const std::string& value);
    virtual FontRecord GetFont(int prop);
    virtual void SetFont(int prop, const FontRecord& value);

    // The parent's colour request for this control (WM_CTLCOLOR*); nullptr: default.
    virtual HBRUSH OnCtlColor(HDC) { return nullptr; }
    // A command notification from this control's window (WM_COMMAND code).
    virtual void OnCommand(int) {}
    // The parent's request to draw this owner-drawn control; false: not handled.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }
    // SendControlMessage: a message to the control's window, through the control
    // so that it can bring its window up to date first.
    virtual LRESULT Send(UINT message, WPARAM wp, LPARAM lp) { return SendMessageW(hwnd_, message, wp, lp); }

protected:
    // Windows created for controls carry their Control in GWLP_USERDATA.
    void Attach(HWND hwnd);
    static Control* FromWindow(HWND hwnd);

    const ControlLayout& layout_;
    ControlModel& model_;
    HWND hwnd_ = nullptr;
    std::string tag_;
    int mouseCursor_ = 0;
};

}  // namespace tamsu
