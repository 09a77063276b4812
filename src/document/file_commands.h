// The File commands and the close road: New, Open, Save, Save As, Clear, Exit.
#pragma once

#include "app/app.h"

namespace tamsu {

void NewCommand(App& app);
void OpenCommand(App& app);
void SaveCommand(App& app);
void SaveAsCommand(App& app);
void ClearCommand(App& app);
void ExitCommand(App& app);

// The system asks MainWindow to close; true lets it close.
bool QueryCloseMainWindow(App& app);

}  // namespace tamsu
