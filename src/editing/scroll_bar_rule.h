// The vertical scroll bar of 编辑框1 follows the document's length.
#pragma once

#include "app/app.h"

namespace tamsu {

void OnEditTextChanged(App& app);

}  // namespace tamsu
