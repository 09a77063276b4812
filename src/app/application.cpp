#include "app/application.h"

#include "document/file_commands.h"
#include "ui/controls/main_window.h"
#include "ui/window_behaviour.h"

namespace tamsu {

Application::Application(const WindowLayout& layout, Services& services)
    : model_(layout, *this), app_{model_, services, {}} {}

Application::~Application() = default;

bool Application::LoadMainWindow(std::string& failure) {
    if (!model_.Create(failure)) return false;
    loaded_ = true;
    RaiseEvent(ControlId::MainWindow, EventKind::Created);
    // The moved and resized events have no handler.
    HWND main = model_.mainWindow();
    switch (model_.GetInt(ControlId::MainWindow, window_prop::WindowState)) {
        case 3: ShowWindow(main, SW_SHOWMAXIMIZED); break;
        case 2: ShowWindow(main, SW_SHOWMINIMIZED); break;
        default: ShowWindow(main, SW_SHOW); break;
    }
    UpdateWindow(main);
    model_.FocusControl(ControlId::编辑框1);
    return true;
}

bool Application::PreTranslate(MSG& msg) {
    if (msg.message == WM_RBUTTONDOWN && msg.hwnd == model_.Window(ControlId::编辑框1)) {
        // Raised before the box sees the press; the press then goes on to it.
        RaiseEvent(ControlId::编辑框1, EventKind::RightButtonPressed);
        return false;
    }
    return PreTranslateWindowMessage(app_, msg);
}

int Application::RunMessageLoop() {
    loopRunning_ = true;
    MSG msg{};
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) return 0;
        if (got == 0) return static_cast<int>(msg.wParam);
        if (PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Application::RaiseEvent(ControlId control, EventKind event) {
    const Control* c = model_.Find(control);
    if (!c) return;
    for (const EventBinding& b : c->layout().events) {
        if (b.event != event) continue;
        if (Handler h = HandlerFor(b.handler)) h(app_);
    }
}

void Application::RaiseMenuCommand(size_t menuEntry) {
    const auto& menu = model_.layout().menu;
    if (menuEntry >= menu.size()) return;
    if (Handler h = HandlerFor(menu[menuEntry].handler)) h(app_);
}

bool Application::QueryClose() { return QueryCloseMainWindow(app_); }

void Application::MainWindowDestroyed() {
    loaded_ = false;
    if (loopRunning_) PostQuitMessage(0);
}

void DestroyMainWindow(App& app) { PostMessageW(app.ui.mainWindow(), kDestroyRequestMessage, 0, 0); }

}  // namespace tamsu
