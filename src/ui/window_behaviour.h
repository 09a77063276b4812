// What the window does by itself before a message is dispatched: dragging the
// borderless window by its background and its plain labels, and Tab.
#pragma once

#include <windows.h>

#include <vector>

#include "app/app.h"

namespace tamsu {

// True when the message was consumed.
bool PreTranslateWindowMessage(App& app, MSG& msg);

// The controls Tab visits, in its order: those that take the focus and are
// visible and enabled now, in the order they were created (last of the layout
// first), so 编辑框1 leads and the picture push buttons follow left to right.
std::vector<HWND> TabOrder(const ControlModel& ui);

}  // namespace tamsu
