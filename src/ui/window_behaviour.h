// What the window does by itself before a message is dispatched: dragging, Tab.
#pragma once

#include <windows.h>

#include "app/app.h"

namespace tamsu {

// True when the message was consumed.
bool PreTranslateWindowMessage(App& app, MSG& msg);

}  // namespace tamsu
