// The common dialog object's operation: shows the open-file, save-file or font
// dialog by its Kind and hands the user's choice back through its properties.
#pragma once

#include "app/app.h"

namespace tamsu {

// 1 when the user confirmed, 0 otherwise; properties change only on 1.
int ShowDialog(App& app);

}  // namespace tamsu
