// Process entry: prepare the process, run the start routine, then the exit
// sequence. Every road through the message loop ends with exit code 0.
#include <winsock2.h>
#include <windows.h>
#include <ole2.h>

#include <string>

#include "app/application.h"
#include "app/windows_services.h"
#include "ui/cp936_conversion.h"

namespace tamsu {
namespace {

// The exit-cleanup slot: set once by the start routine, emptied after it ran.
void (*g_exitCleanup)(App&) = nullptr;

void ExitCleanup(App& app) {
    app.searchText.clear();
    app.searchText.shrink_to_fit();
}

void RunExitCleanup(App& app) {
    if (auto cleanup = g_exitCleanup) {
        g_exitCleanup = nullptr;
        cleanup(app);
    }
}

// Relative paths and file dialogs without a folder start in the program's folder.
void EnterExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return;
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t cut = path.find_last_of(L'\\');
    if (cut == std::wstring::npos) return;
    path.resize(cut == 2 ? 3 : cut);  // keep "C:\" a root
    SetCurrentDirectoryW(path.c_str());
}

HWND CreateServiceWindow() {
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

int StartRoutine(Application& application, bool& started) {
    g_exitCleanup = ExitCleanup;
    std::string failure;
    if (!application.LoadMainWindow(failure)) {
        MessageBoxW(nullptr, Cp936ToWide(failure).c_str(), L"Tamsu记事本", MB_OK | MB_ICONERROR | MB_TASKMODAL);
        return -1;
    }
    started = true;
    return application.RunMessageLoop();
}

}  // namespace
}  // namespace tamsu

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace tamsu;
    WSADATA wsa{};
    const bool sockets = WSAStartup(MAKEWORD(1, 0), &wsa) == 0;
    OleInitialize(nullptr);
    EnterExecutableFolder();
    HWND serviceWindow = CreateServiceWindow();

    WindowsServices services;
    int exitCode = 0;
    {
        Application application(MainWindowLayout(), services);
        bool started = false;
        exitCode = StartRoutine(application, started);
        // The failure road skips the exit cleanup.
        if (started) RunExitCleanup(application.app());
    }
    if (serviceWindow) DestroyWindow(serviceWindow);
    OleUninitialize();
    if (sockets) WSACleanup();
    return exitCode;
}
