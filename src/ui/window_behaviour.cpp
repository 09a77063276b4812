#include "ui/window_behaviour.h"

namespace tamsu {

bool PreTranslateWindowMessage(App&, MSG&) { return false; }

}  // namespace tamsu
