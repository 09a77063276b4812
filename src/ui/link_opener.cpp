#include "ui/link_opener.h"

#include <windows.h>
#include <shellapi.h>

#include "ui/cp936_conversion.h"

namespace tamsu {
namespace {

// The open command of the file type registered for .htm, e.g. "C:\x\browser.exe" "%1".
std::wstring RegisteredWebCommand() {
    wchar_t type[256] = {};
    LONG size = sizeof type;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, L".htm", type, &size) != ERROR_SUCCESS || !type[0]) return {};
    const std::wstring key = std::wstring(type) + L"\\shell\\open\\command";
    wchar_t command[1024] = {};
    size = sizeof command;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, key.c_str(), command, &size) != ERROR_SUCCESS) return {};
    return command;
}

}  // namespace

std::wstring WebPageCommandLine(const std::wstring& registered, const std::wstring& target) {
    std::wstring command = registered;
    size_t cut = command.find(L"\"%1\"");
    if (cut == std::wstring::npos) cut = command.find(L"%1");
    if (cut != std::wstring::npos) command.resize(cut);
    return command + L" " + target;
}

bool OpenLinkTarget(const std::string& target) {
    const std::wstring wide = Cp936ToWide(target);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOW));
    if (result > 32) return true;

    const std::wstring registered = RegisteredWebCommand();
    if (registered.empty()) return false;
    std::wstring command = WebPageCommandLine(registered, wide);
    // WinExec takes an ANSI command line; CreateProcessW is its wide equivalent.
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

}  // namespace tamsu
