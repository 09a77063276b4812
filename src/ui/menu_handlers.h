// The pop-up menus and the four roads to them.
#pragma once

#include <optional>

#include "app/app.h"

namespace tamsu {

// Pops up the items of the top-level menu entry at index top, its top-left
// corner at (x, y) in screen coordinates; a coordinate left out is the
// pointer's plus 3. Returns when the menu has closed; a chosen item arrives
// later as a posted WM_COMMAND to MainWindow.
void PopupMenu(ControlModel& ui, size_t top, std::optional<int> x = std::nullopt,
               std::optional<int> y = std::nullopt);

void OnSuperButton1Clicked(App& app);
void OnSuperButton2Clicked(App& app);
void OnSuperButton4Clicked(App& app);
void OnEditRightButtonPressed(App& app);

}  // namespace tamsu
