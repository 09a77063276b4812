// The network address line of 透明标签2, written once at creation.
#pragma once

#include "app/app.h"

namespace tamsu {

void WriteAddressLine(App& app);

}  // namespace tamsu
