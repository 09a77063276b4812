#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>

#include <fstream>
#include <sstream>

#include "tools/shell_operations.h"
#include "ui/cp936_conversion.h"

namespace tamsu::test {
namespace {

// A fresh folder under the temporary folder, removed with its files.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"tamsu-shell-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount());
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        std::wstring from = path_ + L'\0';
        SHFILEOPSTRUCTW op{};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NO_UI;
        SHFileOperationW(&op);
    }
    const std::wstring& path() const { return path_; }
    std::string cp936() const { return WideToCp936(path_); }

private:
    std::wstring path_;
};

std::string ReadBytes(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(4096, '\0');
    DWORD got = 0;
    ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(h);
    bytes.resize(got);
    return bytes;
}

// The file's bytes once something has been written to it, or "<missing>".
std::string WaitForContent(const std::wstring& path, int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    std::string bytes;
    do {
        bytes = ReadBytes(path);
        if (bytes != "<missing>" && !bytes.empty()) return bytes;
        Sleep(50);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
    return bytes;
}

// Ends a process this test started, by its id.
void EndProcess(DWORD pid) {
    if (HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
        TerminateProcess(h, 0);
        WaitForSingleObject(h, 5000);
        CloseHandle(h);
    }
}

bool StillRunning(DWORD pid) {
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!h) return false;
    const bool running = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
    CloseHandle(h);
    return running;
}

TEST(RunCommandLine, NothingToStartReturnsFalseAtOnce) {
    for (const char* line : {"", "tamsu-no-such-program-5e1", "C:\\no\\such\\folder\\tool.exe /x"}) {
        DWORD pid = 1;
        const DWORD start = GetTickCount();
        EXPECT_FALSE(RunCommandLine(line, false, pid)) << line;
        EXPECT_EQ(pid, 0u) << line;
        EXPECT_LT(GetTickCount() - start, 1000u) << line;
    }
}

TEST(RunCommandLine, StartsAProgramAndReturnsWithinASecondWhileItRuns) {
    for (const char* line : {"cmd", "notepad", "C:\\Program Files\\Internet Explorer\\iexplore.exe"}) {
        DWORD pid = 0;
        const DWORD start = GetTickCount();
        const bool started = RunCommandLine(line, false, pid);
        const DWORD took = GetTickCount() - start;
        EXPECT_TRUE(started) << line;
        EXPECT_NE(pid, 0u) << line;
        // WaitForInputIdle gives up after 1000 ms; allow for a slow machine.
        EXPECT_LT(took, 1800u) << line;
        if (std::string(line) != "C:\\Program Files\\Internet Explorer\\iexplore.exe") {
            EXPECT_TRUE(StillRunning(pid)) << line;
        }
        EndProcess(pid);
    }
}

TEST(RunCommandLine, PassesArgumentsUnchangedAndWaitsWhenAsked) {
    TempFolder folder;
    // Two blanks between the words and Chinese in the path: all must arrive as given.
    const std::wstring sub = folder.path() + L"\\中文 目录";
    const std::string line =
        "cmd /c mkdir \"" + WideToCp936(sub) + "\" && echo alpha  beta>\"" + WideToCp936(sub) + "\\out.txt\"";
    ASSERT_TRUE(RunCommandLine(line, true));
    // With wait the command has finished on return.
    EXPECT_EQ(ReadBytes(sub + L"\\out.txt"), "alpha  beta\r\n");
}

TEST(ShellRun, HandsVerbParametersAndDirectoryToTheShell) {
    TempFolder folder;
    const std::string dir = folder.cp936();
    const std::string params = "/c echo shell run>out.txt";
    // A program opened with "open" and with no verb (its default action) runs in the given directory.
    for (int verb : {4, 0, 6}) {
        SCOPED_TRACE(verb);
        const std::wstring out = folder.path() + L"\\out.txt";
        DeleteFileW(out.c_str());
        ShellRun(verb, "cmd", &params, &dir);
        EXPECT_EQ(WaitForContent(out, 5000), "shell run\r\n");
    }
}

TEST(ShellRun, AnAbsentDirectoryIsTheCurrentOne) {
    TempFolder folder;
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(folder.path().c_str());
    const std::string params = "/c echo here>out.txt";
    ShellRun(4, "cmd", &params, nullptr);
    const std::string written = WaitForContent(folder.path() + L"\\out.txt", 5000);
    SetCurrentDirectoryW(previous);
    EXPECT_EQ(written, "here\r\n");
}

TEST(OpenAddress, TheOwnerIsATopLevelWindowTitledExactlyAsTheBrowser) {
    EXPECT_EQ(AddressOwnerWindow(), nullptr);
    HWND similar = CreateWindowExW(0, L"STATIC", L"Microsoft Internet Explorer - page", WS_OVERLAPPED, 0, 0, 10, 10,
                                nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(AddressOwnerWindow(), nullptr);
    HWND exact = CreateWindowExW(0, L"STATIC", L"Microsoft Internet Explorer", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
    EXPECT_EQ(AddressOwnerWindow(), exact);
    DestroyWindow(exact);
    DestroyWindow(similar);
}

TEST(OpenAddress, OpensAPathWithItsProgram) {
    TempFolder folder;
    const std::wstring script = folder.path() + L"\\make.bat";
    {
        std::ofstream f(script.c_str(), std::ios::binary);
        f << "@echo opened>\"" << folder.cp936() << "\\out.txt\"\r\n";
    }
    OpenAddress(WideToCp936(script));
    EXPECT_EQ(WaitForContent(folder.path() + L"\\out.txt", 5000), "opened\r\n");
}

// Processes this test program started, directly or through the shell.
std::vector<DWORD> ChildProcesses() {
    std::vector<DWORD> children;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (entry.th32ParentProcessID == GetCurrentProcessId()) children.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return children;
}

TEST(OpenAddress, NothingOpensForAnEmptyOrUnopenableAddress) {
    const std::vector<DWORD> before = ChildProcesses();
    for (const char* address : {"", "tamsu-no-such-scheme-x7://nothing", "Z:\\no\\such\\file.tamsu"}) {
        OpenAddress(address);
        Sleep(1000);
        const std::vector<DWORD> after = ChildProcesses();
        for (DWORD pid : after) {
            if (std::find(before.begin(), before.end(), pid) != before.end()) continue;
            ADD_FAILURE() << "\"" << address << "\" started process " << pid;
            EndProcess(pid);
        }
    }
}

// A scripted Windows for ShutDownSystem: what it was asked, in order.
struct ShutdownScript {
    bool nt = true;
    bool privilege = true;
    bool accepts = true;
    std::vector<std::string> calls;

    ShutdownSteps Steps() {
        return {
            [this] { calls.push_back("version"); return nt; },
            [this] { calls.push_back("privilege"); return privilege; },
            [this](uint32_t flags) { calls.push_back("exit " + std::to_string(flags)); return accepts; },
        };
    }
};

TEST(ShutDownSystem, PrivilegeFirstThenFlagsToExitWindows) {
    const struct {
        int kind;
        bool force, nt, privilege, accepts;
        bool result;
        std::vector<std::string> calls;
    } cases[] = {
        {1, true, true, true, true, true, {"privilege", "version", "exit 12"}},
        {2, true, true, true, true, true, {"privilege", "version", "exit 6"}},
        {1, true, false, true, true, true, {"privilege", "version", "exit 5"}},
        {1, true, true, true, false, false, {"privilege", "version", "exit 12"}},
        // No privilege: Windows is never asked to shut down.
        {1, true, true, false, true, false, {"privilege"}},
        {2, true, true, false, true, false, {"privilege"}},
        // A kind the program does not know asks for nothing.
        {3, true, true, true, true, false, {"privilege", "version"}},
    };
    for (const auto& c : cases) {
        ShutdownScript script;
        script.nt = c.nt;
        script.privilege = c.privilege;
        script.accepts = c.accepts;
        EXPECT_EQ(ShutDownSystem(c.kind, c.force, script.Steps()), c.result) << c.kind;
        EXPECT_EQ(script.calls, c.calls) << c.kind;
    }
}

// The attributes this process's token holds for a privilege; -1 when it lacks it.
long PrivilegeAttributes(const wchar_t* name) {
    LUID luid{};
    if (!LookupPrivilegeValueW(nullptr, name, &luid)) return -1;
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    DWORD size = 0;
    GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
    std::vector<char> buffer(size);
    auto* privileges = reinterpret_cast<TOKEN_PRIVILEGES*>(buffer.data());
    long attributes = -1;
    if (GetTokenInformation(token, TokenPrivileges, privileges, size, &size)) {
        for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
            const LUID& l = privileges->Privileges[i].Luid;
            if (l.LowPart == luid.LowPart && l.HighPart == luid.HighPart)
                attributes = static_cast<long>(privileges->Privileges[i].Attributes);
        }
    }
    CloseHandle(token);
    return attributes;
}

TEST(ShutDownSystem, EnablesTheShutdownPrivilegeTheTokenHolds) {
    ASSERT_GE(PrivilegeAttributes(SE_SHUTDOWN_NAME), 0) << "the test account holds no shutdown privilege";
    EXPECT_TRUE(EnableShutdownPrivilege());
    EXPECT_TRUE(PrivilegeAttributes(SE_SHUTDOWN_NAME) & SE_PRIVILEGE_ENABLED);
}

TEST(ShutDownSystem, APrivilegeTheTokenLacksIsAFailure) {
    // AdjustTokenPrivileges reports success for it; only the last error tells.
    ASSERT_EQ(PrivilegeAttributes(SE_CREATE_TOKEN_NAME), -1) << "the test account holds this privilege";
    EXPECT_FALSE(EnablePrivilege(SE_CREATE_TOKEN_NAME));
    EXPECT_FALSE(EnablePrivilege(L"SeNoSuchPrivilege"));
}

}  // namespace
}  // namespace tamsu::test
