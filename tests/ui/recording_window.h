// MainWindow with real controls whose events are only recorded, not handled:
// what a control raises by itself, and when, without any command running.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app.h"
#include "support/scripted_services.h"

namespace tamsu::test {

class RecordingWindow : public EventSink {
public:
    explicit RecordingWindow(const WindowLayout& layout = MainWindowLayout()) : ui(layout, *this) {
        std::string failure;
        if (!ui.Create(failure)) ADD_FAILURE() << failure;
        // Shown without activation, Wine leaves the window unmanaged: hiding
        // or destroying a managed one waits 2 s for a window manager that the
        // test display does not have.
        ShowWindow(ui.mainWindow(), SW_SHOWNOACTIVATE);
        UpdateWindow(ui.mainWindow());
        SetFocus(ui.Window(ControlId::编辑框1));
    }

    void RaiseEvent(ControlId control, EventKind event) override { events.push_back({control, event}); }
    void RaiseMenuCommand(size_t entry) override { menuEntries.push_back(entry); }

    int Count(ControlId control, EventKind event) const {
        int n = 0;
        for (const auto& e : events) n += e.control == control && e.event == event;
        return n;
    }

    // Handles every waiting message, the posted menu commands among them.
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    struct Event {
        ControlId control;
        EventKind event;
    };
    std::vector<Event> events;
    std::vector<size_t> menuEntries;
    ControlModel ui;
    ScriptedServices services;
    App app{ui, services, {}};
};

}  // namespace tamsu::test
