// The system's file and font dialogs, as the real services show them.
#pragma once

#include "app/services.h"

namespace tamsu {

bool RunFileDialog(const FileDialogRequest& request, std::string& chosenPath);
bool RunFontDialog(FontDialogValues& values);

}  // namespace tamsu
