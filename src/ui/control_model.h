// The property model of MainWindow and its controls. Handlers reach controls
// only through this: read or write one property of one control by number, and
// the few control operations.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/window_layout.h"

namespace tamsu {

// Where the model's events go: the application binds them to handlers.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void RaiseEvent(ControlId control, EventKind event) = 0;
    virtual void RaiseMenuCommand(size_t menuEntry) = 0;
    // The system asks the window to close (Alt+F4, taskbar, session end): true lets it.
    virtual bool QueryClose() { return true; }
    virtual void MainWindowDestroyed() {}
};

class MainWindowControl;

class ControlModel {
public:
    ControlModel(const WindowLayout& layout, EventSink& events);
    ~ControlModel();
    ControlModel(const ControlModel&) = delete;
    ControlModel& operator=(const ControlModel&) = delete;

    // Creates MainWindow, invisible and centred, and every control of the
    // layout: last to first, then stacked first on top, visible ones shown with
    // SW_SHOWNA. On failure, failure names what could not be created.
    bool Create(std::string& failure);

    const WindowLayout& layout() const { return layout_; }
    HWND mainWindow() const;
    HWND Window(ControlId id) const;
    Control* Find(ControlId id) const;
    Control* FromWindow(HWND hwnd) const;

    int GetInt(ControlId id, int prop);
    void SetInt(ControlId id, int prop, int value);
    bool GetBool(ControlId id, int prop);
    void SetBool(ControlId id, int prop, bool value);
    std::string GetText(ControlId id, int prop);
    void SetText(ControlId id, int prop, const std::string& value);
    FontRecord GetFont(ControlId id, int prop);
    void SetFont(ControlId id, int prop, const FontRecord& value);

    void FocusControl(ControlId id);
    LRESULT SendControlMessage(ControlId id, UINT message, WPARAM wp, LPARAM lp);
    int MouseX() const;
    int MouseY() const;

    // Used by the controls.
    void RaiseEvent(ControlId id, EventKind event) { events_.RaiseEvent(id, event); }
    void RaiseMenuCommand(size_t entry) { events_.RaiseMenuCommand(entry); }
    bool QueryClose() { return events_.QueryClose(); }
    void MainWindowDestroyed();
    void PaintWindowBackground(HDC dc, HWND child, const RECT& area);

private:
    std::unique_ptr<Control> MakeControl(const ControlLayout& layout);

    const WindowLayout& layout_;
    EventSink& events_;
    ControlLayout mainLayout_;
    std::unique_ptr<MainWindowControl> main_;
    std::vector<std::unique_ptr<Control>> controls_;  // in layout order
};

}  // namespace tamsu
