#include "status/clock_line.h"

namespace tamsu {

void OnClockTick(App&) {}

}  // namespace tamsu
