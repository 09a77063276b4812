// Everything that leaves the program or waits for a person sits behind this
// interface: the real implementation calls Windows, tests pass a scripted one,
// so no test ever shuts a machine down or waits for a click.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tamsu {

// Answers of a message box.
enum MessageBoxAnswer { kAnswerOk = 0, kAnswerCancel = 1, kAnswerAbort = 2, kAnswerRetry = 3,
                        kAnswerIgnore = 4, kAnswerYes = 5, kAnswerNo = 6 };

// A file dialog as the common dialog object asks for it.
struct FileDialogRequest {
    bool save = false;            // false: open-file dialog
    std::string title;            // empty: the system's caption
    std::string fileName;         // start name, at most 259 bytes
    std::string filterList;       // description/pattern pairs, NUL-separated, ended by an empty string
    int filterIndex = 0;          // 1-based, as the system counts
    std::string initialDir;
    std::string defaultExt;
    uint32_t flags = 0;           // OFN_* options
};

// A font dialog's start values and, when confirmed, the user's choice.
struct FontDialogValues {
    int32_t height = 0;           // LOGFONT height
    int32_t weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::string faceName;         // code page 936
    uint32_t color = 0;           // COLORREF
};

// The Print dialog. In: the window it is modal to, the PD_* options and the
// printer to start with (empty names and settings: the system's default).
// Out, when confirmed: the chosen printer and its settings, and the options as
// the dialog hands them back (PD_PRINTTOFILE when printing to a file). Names
// stay UTF-16 so that any printer's name reaches the spooler unchanged.
struct PrintDialogValues {
    uintptr_t owner = 0;                // HWND
    uint32_t flags = 0;
    std::wstring driverName, deviceName, portName;
    std::vector<uint8_t> devMode;       // DEVMODEW with its driver's extra bytes
};

struct LocalTime {
    int year, month, day;
    int weekday;  // 0 = Sunday .. 6 = Saturday
    int hour, minute, second;
};

class Services {
public:
    virtual ~Services() = default;

    // Message box with no owner; an empty caption shows "信息：". Returns a MessageBoxAnswer.
    virtual int ShowMessage(const std::string& text, const std::string& caption, uint32_t flags) = 0;

    // The input dialog of Find. True on OK, with the field's text in result.
    virtual bool AskForText(const std::string& prompt, const std::string& title,
                            const std::string& initial, std::string& result) = 0;

    // Common dialogs: true when the user confirmed. chosenPath is the full path.
    virtual bool ShowFileDialog(const FileDialogRequest& request, std::string& chosenPath) = 0;
    virtual bool ShowFontDialog(FontDialogValues& values) = 0;
    virtual bool ShowPrintDialog(PrintDialogValues& values) = 0;

    // Shell operations.
    virtual bool RunCommandLine(const std::string& commandLine, bool wait) = 0;
    virtual void ShellRun(int verb, const std::string& file, const std::string* parameters,
                          const std::string* directory) = 0;
    virtual void OpenAddress(const std::string& address) = 0;
    virtual bool ShutDownSystem(int kind, bool force) = 0;

    // The machine.
    virtual LocalTime Now() = 0;
    virtual std::vector<std::string> HostAddressList() = 0;
    virtual bool IsOnline() = 0;
};

}  // namespace tamsu
