// Starting programs, handing files and addresses to the shell, shutting down.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace tamsu {

// Starts the program the command line names; true when the process was
// created. Without wait, gives the program up to a second to come up.
bool RunCommandLine(const std::string& commandLine, bool wait);
// The same, also telling which process was started.
bool RunCommandLine(const std::string& commandLine, bool wait, DWORD& processId);

// Hands a file to the shell with a ShellVerb number; absent parameters are
// passed as none, an absent directory as "".
void ShellRun(int verb, const std::string& file, const std::string* parameters, const std::string* directory);

// Opens an address with the program registered for it.
void OpenAddress(const std::string& address);
// The owner OpenAddress gives the shell: an open top-level window titled
// exactly "Microsoft Internet Explorer", or none.
HWND AddressOwnerWindow();

// Shuts Windows down (kind 1) or restarts it (kind 2); true when Windows
// accepted the request.
bool ShutDownSystem(int kind, bool force);

// What ShutDownSystem asks of Windows, step by step, so each path can be
// followed without ever asking Windows to shut down.
struct ShutdownSteps {
    std::function<bool()> isNtFamily;
    std::function<bool()> enableShutdownPrivilege;
    std::function<bool(uint32_t flags)> exitWindows;
};
bool ShutDownSystem(int kind, bool force, const ShutdownSteps& steps);

bool IsNtFamily();
// Enables a privilege held by this process's token. False when the token
// cannot be opened or the privilege was not granted.
bool EnablePrivilege(const wchar_t* name);
// No privilege is needed outside the NT family.
bool EnableShutdownPrivilege();

}  // namespace tamsu
