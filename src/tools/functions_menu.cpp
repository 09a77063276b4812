#include "tools/functions_menu.h"

namespace tamsu {

void ChatQQCommand(App&) {}
void OpenBrowserCommand(App&) {}
void ShutDownCommand(App&) {}
void RestartCommand(App&) {}
void RunDocumentCommand(App&) {}
void OpenCmdCommand(App&) {}
void OpenRegistryEditorCommand(App&) {}
void OpenGroupPolicyCommand(App&) {}
void OpenTaskManagerCommand(App&) {}

}  // namespace tamsu
