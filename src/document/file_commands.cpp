#include "document/file_commands.h"

namespace tamsu {

void NewCommand(App&) {}
void OpenCommand(App&) {}
void SaveCommand(App&) {}
void SaveAsCommand(App&) {}
void ClearCommand(App&) {}
void ExitCommand(App& app) { DestroyMainWindow(app); }
bool QueryCloseMainWindow(App&) { return true; }

}  // namespace tamsu
