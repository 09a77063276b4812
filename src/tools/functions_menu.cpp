#include "tools/functions_menu.h"

#include "tools/shell_texts.h"

namespace tamsu {
namespace {

constexpr char kBrowserPath[] = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
constexpr char kQuestionCaption[] = "提示";
constexpr uint32_t kYesNoQuestion = 36;  // MB_YESNO | MB_ICONQUESTION
constexpr int kOpenVerb = 4;

std::string DocumentText(App& app) { return app.ui.GetText(ControlId::编辑框1, edit_prop::Text); }

// Shutting down with force ends every program unasked, this editor and its
// document included: the question is the only guard.
void ConfirmAndShutDown(App& app, const char* question, int kind) {
    if (app.services.ShowMessage(question, kQuestionCaption, kYesNoQuestion) != kAnswerYes) return;
    app.services.ShutDownSystem(kind, true);
}

}  // namespace

void ChatQQCommand(App& app) { app.services.OpenAddress(QQChatLink(DocumentText(app))); }

void OpenBrowserCommand(App& app) { app.services.RunCommandLine(kBrowserPath, false); }

void ShutDownCommand(App& app) { ConfirmAndShutDown(app, "你正在编辑内容，真的要关机吗？", kShutDown); }

void RestartCommand(App& app) { ConfirmAndShutDown(app, "你正在编辑内容，真的要重启吗？", kRestart); }

// An empty document is no command line: the operation starts nothing for it.
void RunDocumentCommand(App& app) { app.services.RunCommandLine(DocumentText(app), false); }

void OpenCmdCommand(App& app) { app.services.RunCommandLine("cmd", false); }

void OpenRegistryEditorCommand(App& app) { app.services.RunCommandLine("regedit", false); }

void OpenGroupPolicyCommand(App& app) {
    const std::string file = "gpedit.msc";
    app.services.ShellRun(kOpenVerb, file, &file, nullptr);
}

void OpenTaskManagerCommand(App& app) { app.services.RunCommandLine("taskmgr", false); }

}  // namespace tamsu
