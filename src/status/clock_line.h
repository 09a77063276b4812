// The clock line of 透明标签1, rewritten on every tick of 时钟1.
#pragma once

#include "app/app.h"

namespace tamsu {

void OnClockTick(App& app);

}  // namespace tamsu
