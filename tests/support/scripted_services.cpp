#include "support/scripted_services.h"

#include <windows.h>
#include <commdlg.h>

namespace tamsu::test {

int ScriptedServices::ShowMessage(const std::string& text, const std::string& caption, uint32_t flags) {
    messageBoxes.push_back({text, caption, flags});
    if (messageBoxAnswers.empty()) return defaultMessageBoxAnswer;
    const int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

bool ScriptedServices::AskForText(const std::string& prompt, const std::string& title, const std::string& initial,
                                  std::string& result) {
    textPrompts.push_back(title + "|" + prompt + "|" + initial);
    if (textAnswers.empty()) return false;
    const TextAnswer a = textAnswers.front();
    textAnswers.pop_front();
    if (a.ok) result = a.text;
    return a.ok;
}

bool ScriptedServices::ShowFileDialog(const FileDialogRequest& request, std::string& chosenPath) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return false;
    const FileAnswer a = fileAnswers.front();
    fileAnswers.pop_front();
    if (a.ok) chosenPath = a.path;
    if (a.then) a.then();
    return a.ok;
}

bool ScriptedServices::ShowFontDialog(FontDialogValues& values) {
    fontRequests.push_back(values);
    if (fontAnswers.empty()) return false;
    const FontAnswer a = fontAnswers.front();
    fontAnswers.pop_front();
    if (a.ok) values = a.values;
    return a.ok;
}

bool ScriptedServices::ShowPrintDialog(PrintDialogValues& values) {
    printRequests.push_back(values);
    if (printAnswers.empty()) return false;
    const PrintAnswer a = printAnswers.front();
    printAnswers.pop_front();
    if (!a.ok) return false;
    if (a.printToFile) values.flags |= PD_PRINTTOFILE;
    if (values.devMode.size() >= sizeof(DEVMODEW)) {
        auto* mode = reinterpret_cast<DEVMODEW*>(values.devMode.data());
        if (a.paperSize) mode->dmPaperSize = a.paperSize;
        if (a.copies) mode->dmCopies = a.copies;
    }
    return true;
}

bool ScriptedServices::RunCommandLine(const std::string& commandLine, bool wait) {
    commandLines.emplace_back(commandLine, wait);
    return runCommandLineResult;
}

void ScriptedServices::ShellRun(int verb, const std::string& file, const std::string* parameters,
                                const std::string* directory) {
    shellRuns.push_back({verb, file, parameters != nullptr, parameters ? *parameters : std::string(),
                         directory != nullptr, directory ? *directory : std::string()});
}

void ScriptedServices::OpenAddress(const std::string& address) { openedAddresses.push_back(address); }

bool ScriptedServices::ShutDownSystem(int kind, bool force) {
    shutdowns.emplace_back(kind, force);
    return shutDownResult;
}

}  // namespace tamsu::test
