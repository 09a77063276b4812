// The Print command.
#pragma once

#include "app/app.h"

namespace tamsu {

void PrintCommand(App& app);

}  // namespace tamsu
