// The system's Print dialog as the services show it.
#pragma once

#include "app/services.h"

namespace tamsu {

bool RunPrintDialog(PrintDialogValues& values);

}  // namespace tamsu
