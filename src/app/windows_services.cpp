#include "app/windows_services.h"

#include <windows.h>

#include "document/file_dialogs.h"
#include "document/print_dialog.h"
#include "editing/input_dialog.h"
#include "status/host_network.h"
#include "tools/shell_operations.h"
#include "ui/cp936_conversion.h"

namespace tamsu {

int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
    if (!(flags & MB_SYSTEMMODAL)) flags |= MB_TASKMODAL;
    const std::wstring wideText = Cp936ToWide(text);
    const std::wstring wideCaption = Cp936ToWide(caption.empty() ? std::string("信息：") : caption);
    switch (MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), flags)) {
        case IDOK: return kAnswerOk;
        case IDCANCEL: return kAnswerCancel;
        case IDABORT: return kAnswerAbort;
        case IDRETRY: return kAnswerRetry;
        case IDIGNORE: return kAnswerIgnore;
        case IDYES: return kAnswerYes;
        case IDNO: return kAnswerNo;
        default: return kAnswerCancel;
    }
}

int WindowsServices::ShowMessage(const std::string& text, const std::string& caption, uint32_t flags) {
    return ShowMessageBox(text, caption, flags);
}

bool WindowsServices::AskForText(const std::string& prompt, const std::string& title, const std::string& initial,
                                 std::string& result) {
    return RunInputDialog(prompt, title, initial, result);
}

bool WindowsServices::ShowFileDialog(const FileDialogRequest& request, std::string& chosenPath) {
    return RunFileDialog(request, chosenPath);
}

bool WindowsServices::ShowFontDialog(FontDialogValues& values) { return RunFontDialog(values); }

bool WindowsServices::ShowPrintDialog(PrintDialogValues& values) { return RunPrintDialog(values); }

bool WindowsServices::RunCommandLine(const std::string& commandLine, bool wait) {
    return tamsu::RunCommandLine(commandLine, wait);
}

void WindowsServices::ShellRun(int verb, const std::string& file, const std::string* parameters,
                               const std::string* directory) {
    tamsu::ShellRun(verb, file, parameters, directory);
}

void WindowsServices::OpenAddress(const std::string& address) { tamsu::OpenAddress(address); }

bool WindowsServices::ShutDownSystem(int kind, bool force) { return tamsu::ShutDownSystem(kind, force); }

LocalTime WindowsServices::Now() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond};
}

std::vector<std::string> WindowsServices::HostAddressList() { return tamsu::HostAddressList(); }

bool WindowsServices::IsOnline() { return tamsu::IsOnline(); }

}  // namespace tamsu
