// The running program: the control model bound to its handlers, start-up in
// its fixed order, the message loop and the exit sequence.
#pragma once

#include <string>

#include "app/app.h"

namespace tamsu {

class Application : public EventSink {
public:
    Application(const WindowLayout& layout, Services& services);
    ~Application() override;

    App& app() { return app_; }
    ControlModel& ui() { return model_; }

    // Creates MainWindow and its controls, raises the created event, shows the
    // window by its stored WindowState and focuses 编辑框1. On failure,
    // failure names it and nothing is shown.
    bool LoadMainWindow(std::string& failure);

    // Runs until WM_QUIT; returns its exit code.
    int RunMessageLoop();

    // Handles one message before it is dispatched; true when it was consumed.
    bool PreTranslate(MSG& msg);

    bool loaded() const { return loaded_; }

    // EventSink
    void RaiseEvent(ControlId control, EventKind event) override;
    void RaiseMenuCommand(size_t menuEntry) override;
    bool QueryClose() override;
    void MainWindowDestroyed() override;

private:
    ControlModel model_;
    App app_;
    bool loopRunning_ = false;
    bool loaded_ = false;
};

}  // namespace tamsu
