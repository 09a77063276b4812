// The services as the user meets them: real message boxes, dialogs, programs.
#pragma once

#include "app/services.h"

namespace tamsu {

class WindowsServices : public Services {
public:
    int ShowMessage(const std::string& text, const std::string& caption, uint32_t flags) override;
    bool AskForText(const std::string& prompt, const std::string& title, const std::string& initial,
                    std::string& result) override;
    bool ShowFileDialog(const FileDialogRequest& request, std::string& chosenPath) override;
    bool ShowFontDialog(FontDialogValues& values) override;
    bool ShowPrintDialog(PrintDialogValues& values) override;
    bool RunCommandLine(const std::string& commandLine, bool wait) override;
    void ShellRun(int verb, const std::string& file, const std::string* parameters,
                  const std::string* directory) override;
    void OpenAddress(const std::string& address) override;
    bool ShutDownSystem(int kind, bool force) override;
    LocalTime Now() override;
    std::vector<std::string> HostAddressList() override;
    bool IsOnline() override;
};

// A message box with no owner, as the whole program shows them: MB_TASKMODAL
// unless MB_SYSTEMMODAL is asked for, "信息：" without a caption.
int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags);

}  // namespace tamsu
