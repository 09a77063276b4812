// What every handler gets: the control model, the services, and the one
// program-wide variable.
#pragma once

#include <string>

#include "app/services.h"
#include "ui/control_model.h"

namespace tamsu {

struct App {
    ControlModel& ui;
    Services& services;
    // SearchText, the last text searched for; empty counts as absent.
    std::string searchText;
};

using Handler = void (*)(App&);

// The code behind a handler id of the layout; nullptr for HandlerId::None.
Handler HandlerFor(HandlerId id);

// Asks for MainWindow to be destroyed once the calling handler has returned.
void DestroyMainWindow(App& app);

}  // namespace tamsu
