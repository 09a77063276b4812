// Services for tests: every call is recorded, every answer comes from a script.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/services.h"

namespace tamsu::test {

struct MessageBoxCall {
    std::string text;
    std::string caption;
    uint32_t flags;
};

struct ShellRunCall {
    int verb;
    std::string file;
    bool hasParameters;
    std::string parameters;
    bool hasDirectory;
    std::string directory;
};

class ScriptedServices : public Services {
public:
    // Answers, used in order; when a queue is empty the default answer is used.
    std::deque<int> messageBoxAnswers;
    int defaultMessageBoxAnswer = kAnswerCancel;
    struct TextAnswer { bool ok; std::string text; };
    std::deque<TextAnswer> textAnswers;
    // then, when given, runs in the moment after the user confirmed: another
    // program may act on the chosen file before the command reads it.
    struct FileAnswer { bool ok; std::string path; std::function<void()> then = nullptr; };
    std::deque<FileAnswer> fileAnswers;
    struct FontAnswer { bool ok; FontDialogValues values; };
    std::deque<FontAnswer> fontAnswers;
    // The Print dialog confirms the printer it was given; printToFile ticks
    // its box; a paper size or copies other than 0 is what the user set.
    struct PrintAnswer { bool ok; bool printToFile = false; short paperSize = 0; short copies = 0; };
    std::deque<PrintAnswer> printAnswers;
    bool runCommandLineResult = true;
    bool shutDownResult = true;
    LocalTime now{2024, 3, 4, 1, 9, 5, 0};
    std::vector<std::string> addresses{"192.168.1.10"};
    bool online = false;

    // What was asked.
    std::vector<MessageBoxCall> messageBoxes;
    std::vector<std::string> textPrompts;  // title + "|" + prompt + "|" + initial
    std::vector<FileDialogRequest> fileRequests;
    std::vector<FontDialogValues> fontRequests;
    std::vector<PrintDialogValues> printRequests;
    std::vector<std::pair<std::string, bool>> commandLines;
    std::vector<ShellRunCall> shellRuns;
    std::vector<std::string> openedAddresses;
    std::vector<std::pair<int, bool>> shutdowns;

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
    LocalTime Now() override { return now; }
    std::vector<std::string> HostAddressList() override { return addresses; }
    bool IsOnline() override { return online; }
};

}  // namespace tamsu::test
