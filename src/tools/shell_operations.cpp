#include "tools/shell_operations.h"

#include <shellapi.h>

#include <vector>

#include "tools/shell_texts.h"
#include "ui/cp936_conversion.h"

namespace tamsu {
namespace {

constexpr DWORD kInputIdleWait = 1000;

std::wstring Wide(const std::string& text) { return Cp936ToWide(text); }

}  // namespace

bool RunCommandLine(const std::string& commandLine, bool wait) {
    DWORD processId = 0;
    return RunCommandLine(commandLine, wait, processId);
}

bool RunCommandLine(const std::string& commandLine, bool wait, DWORD& processId) {
    processId = 0;
    // The command line goes to Windows exactly as given; CreateProcessW wants a
    // buffer it may write to.
    const std::wstring wide = Wide(commandLine);
    std::vector<wchar_t> buffer(wide.begin(), wide.end());
    buffer.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;

    if (wait)
        WaitForSingleObject(process.hProcess, INFINITE);
    else
        WaitForInputIdle(process.hProcess, kInputIdleWait);
    processId = process.dwProcessId;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void ShellRun(int verb, const std::string& file, const std::string* parameters, const std::string* directory) {
    const char* verbText = ShellVerbText(verb);
    const std::wstring wideVerb = verbText ? Wide(verbText) : std::wstring();
    const std::wstring wideFile = Wide(file);
    const std::wstring wideParameters = parameters ? Wide(*parameters) : std::wstring();
    const std::wstring wideDirectory = directory ? Wide(*directory) : std::wstring();
    ShellExecuteW(nullptr, verbText ? wideVerb.c_str() : nullptr, wideFile.c_str(),
                  parameters ? wideParameters.c_str() : nullptr, wideDirectory.c_str(), SW_SHOWNORMAL);
}

HWND AddressOwnerWindow() { return FindWindowExW(nullptr, nullptr, nullptr, L"Microsoft Internet Explorer"); }

void OpenAddress(const std::string& address) {
    const std::wstring wide = Wide(address);
    ShellExecuteW(AddressOwnerWindow(), L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool IsNtFamily() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version)) return true;  // only the NT family lacks nothing here
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool EnablePrivilege(const wchar_t* name) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool enabled = LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid) != 0;
    if (enabled) {
        // AdjustTokenPrivileges succeeds even when the token does not hold the
        // privilege; only the last error (ERROR_NOT_ALL_ASSIGNED) tells.
        SetLastError(ERROR_SUCCESS);
        enabled = AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) != 0 &&
                  GetLastError() == ERROR_SUCCESS;
    }
    CloseHandle(token);
    return enabled;
}

bool EnableShutdownPrivilege() {
    if (!IsNtFamily()) return true;
    return EnablePrivilege(SE_SHUTDOWN_NAME);
}

bool ShutDownSystem(int kind, bool force, const ShutdownSteps& steps) {
    if (!steps.enableShutdownPrivilege()) return false;
    const std::optional<uint32_t> flags = ShutdownFlags(kind, force, steps.isNtFamily());
    if (!flags) return false;
    return steps.exitWindows(*flags);
}

bool ShutDownSystem(int kind, bool force) {
    const ShutdownSteps steps{
        IsNtFamily,
        EnableShutdownPrivilege,
        [](uint32_t flags) { return ExitWindowsEx(flags, 0) != 0; },
    };
    return ShutDownSystem(kind, force, steps);
}

}  // namespace tamsu
