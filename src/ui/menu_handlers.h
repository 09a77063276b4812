// The four roads to the pop-up menus.
#pragma once

#include "app/app.h"

namespace tamsu {

void OnSuperButton1Clicked(App& app);
void OnSuperButton2Clicked(App& app);
void OnSuperButton4Clicked(App& app);
void OnEditRightButtonPressed(App& app);

}  // namespace tamsu
