// The Font command: the font dialog's choice becomes the editor's font and colour.
#pragma once

#include "app/app.h"

namespace tamsu {

void FontCommand(App& app);

}  // namespace tamsu
