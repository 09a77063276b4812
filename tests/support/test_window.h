// A real MainWindow with real controls, driven by a test: scripted services,
// messages pumped on demand.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/application.h"
#include "support/scripted_services.h"

namespace tamsu::test {

class TestWindow {
public:
    TestWindow();
    ~TestWindow();

    Application& application() { return *application_; }
    App& app() { return application_->app(); }
    ControlModel& ui() { return application_->ui(); }
    ScriptedServices services;

    HWND edit() { return ui().Window(ControlId::编辑框1); }
    // Sets the document as a user would have typed it: the modified flag set.
    void TypeText(const std::string& cp936);
    // Handles every message waiting in the queue (posted commands included).
    void Pump();
    // Pumps messages for about ms milliseconds.
    void PumpFor(int ms);

private:
    std::unique_ptr<Application> application_;
};

// Bytes written as hex pairs, for readable byte-exact assertions.
std::string Hex(const std::string& bytes);

}  // namespace tamsu::test
