#include "ui/menu_handlers.h"

namespace tamsu {

void OnSuperButton1Clicked(App&) {}
void OnSuperButton2Clicked(App&) {}
void OnSuperButton4Clicked(App&) {}
void OnEditRightButtonPressed(App&) {}

}  // namespace tamsu
