#include "ui/title_strip.h"

#include "status/address_line.h"

namespace tamsu {

constexpr int kFoldedHeight = 25;
constexpr int kUnfoldedHeight = 485;

void OnFoldClicked(App& app) {
    app.ui.SetInt(ControlId::MainWindow, prop::Height, kFoldedHeight);
    app.ui.SetBool(ControlId::图形按钮4, prop::Visible, false);
    app.ui.SetBool(ControlId::图形按钮5, prop::Visible, true);
}

void OnUnfoldClicked(App& app) {
    app.ui.SetInt(ControlId::MainWindow, prop::Height, kUnfoldedHeight);
    app.ui.SetBool(ControlId::图形按钮4, prop::Visible, true);
    app.ui.SetBool(ControlId::图形按钮5, prop::Visible, false);
}

void OnMinimizeClicked(App& app) { app.ui.SetInt(ControlId::MainWindow, window_prop::WindowState, 2); }

void OnMainWindowCreated(App& app) {
    // The window is still invisible: both writes only store, and the last one
    // decides how it is shown.
    app.ui.SetInt(ControlId::MainWindow, window_prop::WindowState, 2);
    app.ui.SetInt(ControlId::MainWindow, window_prop::WindowState, 0);
    WriteAddressLine(app);
}

}  // namespace tamsu
