// The Functions menu's commands.
#pragma once

#include "app/app.h"

namespace tamsu {

void ChatQQCommand(App& app);
void OpenBrowserCommand(App& app);
void ShutDownCommand(App& app);
void RestartCommand(App& app);
void RunDocumentCommand(App& app);
void OpenCmdCommand(App& app);
void OpenRegistryEditorCommand(App& app);
void OpenGroupPolicyCommand(App& app);
void OpenTaskManagerCommand(App& app);

}  // namespace tamsu
