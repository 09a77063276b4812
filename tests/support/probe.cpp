// probe.exe: tells end-to-end tests what the editor's windows hold, as a user
// would see them, from outside the editor's process. Prints one JSON object.
//   probe.exe            the editor's main window and its children
//   probe.exe top        every visible top-level window (menus, dialogs, boxes)
//   probe.exe command N  posts menu entry N's command (20000 + N) to the main window
//   probe.exe processes  every process of the prefix: pid, parent pid, exe name
//   probe.exe kill PID   ends that one process
//   probe.exe resources  the editor's GUI object counts and memory (see Resources)
//   probe.exe settext F  puts the UTF-8 text of file F into the document box
//   probe.exe lock PATH  holds PATH open with no sharing until the process is ended
//   probe.exe children H the child windows of window H (a message box's text, a dialog's fields)
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Utf8(const std::wstring& w) {
    if (w.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

std::string Json(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::wstring TextOf(HWND hwnd) {
    DWORD_PTR n = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &n)) return {};
    std::wstring text(n + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, n + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000, &got);
    text.resize(got);
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t buf[256] = {};
    GetClassNameW(hwnd, buf, 256);
    return buf;
}

std::string Describe(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    char head[512];
    std::snprintf(head, sizeof head,
                  "{\"hwnd\":%llu,\"x\":%ld,\"y\":%ld,\"w\":%ld,\"h\":%ld,\"visible\":%s,\"enabled\":%s,"
                  "\"style\":%lu,\"exstyle\":%lu,",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)), r.left, r.top,
                  r.right - r.left, r.bottom - r.top, IsWindowVisible(hwnd) ? "true" : "false",
                  IsWindowEnabled(hwnd) ? "true" : "false",
                  static_cast<unsigned long>(GetWindowLongPtrW(hwnd, GWL_STYLE)),
                  static_cast<unsigned long>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
    std::string out = head;
    out += "\"class\":" + Json(Utf8(ClassOf(hwnd))) + ",\"text\":" + Json(Utf8(TextOf(hwnd)));
    if (ClassOf(hwnd) == L"Edit") {
        DWORD_PTR sel = 0, modified = 0;
        SendMessageTimeoutW(hwnd, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 2000, &sel);
        SendMessageTimeoutW(hwnd, EM_GETMODIFY, 0, 0, SMTO_ABORTIFHUNG, 2000, &modified);
        char extra[128];
        std::snprintf(extra, sizeof extra, ",\"selStart\":%u,\"selEnd\":%u,\"modified\":%s",
                      static_cast<unsigned>(LOWORD(sel)), static_cast<unsigned>(HIWORD(sel)),
                      modified ? "true" : "false");
        out += extra;
    }
    return out;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
    auto* out = reinterpret_cast<std::string*>(lp);
    if (GetParent(hwnd) == nullptr) return TRUE;
    if (out->back() != '[') *out += ",";
    *out += Describe(hwnd) + "}";
    return TRUE;
}

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM lp) {
    auto* out = reinterpret_cast<std::string*>(lp);
    if (!IsWindowVisible(hwnd)) return TRUE;
    if (out->back() != '[') *out += ",";
    *out += Describe(hwnd);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char extra[64];
    std::snprintf(extra, sizeof extra, ",\"pid\":%lu}", static_cast<unsigned long>(pid));
    *out += extra;
    return TRUE;
}

int Processes() {
    std::string out = "{\"processes\":[";
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (out.back() != '[') out += ",";
        char head[96];
        std::snprintf(head, sizeof head, "{\"pid\":%lu,\"parent\":%lu,\"exe\":",
                      static_cast<unsigned long>(entry.th32ProcessID),
                      static_cast<unsigned long>(entry.th32ParentProcessID));
        out += head + Json(Utf8(entry.szExeFile)) + "}";
    }
    CloseHandle(snapshot);
    out += "]}";
    std::puts(out.c_str());
    return 0;
}

// The editor's GDI objects as its own handle table holds them: the table the
// process's PEB points to (GdiSharedHandleTable, offset 0xF8 on x64), 24-byte
// entries whose Type byte (offset 14) is 0 when free. Wine keeps one such table
// per process and fills it as Windows does, so this counts where
// GetGuiResources cannot. Stock objects (flag 0x80 in the byte at offset 12)
// are left out. -1 when the table cannot be read.
long GdiTableCount(HANDLE process, DWORD pid) {
    struct BasicInformation {
        LONG_PTR exitStatus;
        PVOID peb;
        ULONG_PTR affinity, priority, pid, parent;
    } info{};
    using Query = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    if (!query || query(process, 0, &info, sizeof info, nullptr) != 0 || !info.peb) return -1;
    ULONG_PTR table = 0;
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, static_cast<char*>(info.peb) + 0xF8, &table, sizeof table, &got) || !table) {
        return -1;
    }
    constexpr size_t kEntry = 24, kEntries = 0x10000;
    std::string entries(kEntry * kEntries, '\0');
    if (!ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(), entries.size(), &got)) return -1;
    long count = 0;
    for (size_t i = 0; i + kEntry <= got; i += kEntry) {
        const auto* e = reinterpret_cast<const unsigned char*>(entries.data() + i);
        const unsigned owner = e[8] | (e[9] << 8);
        const bool stock = (e[12] & 0x80) != 0;
        if (e[14] != 0 && !stock && (owner == 0 || owner == (pid & 0xFFFF))) ++count;
    }
    return count;
}

struct WindowCount {
    DWORD pid;
    long count;
};

BOOL CALLBACK CountChild(HWND, LPARAM lp) {
    ++reinterpret_cast<WindowCount*>(lp)->count;
    return TRUE;
}

BOOL CALLBACK CountTop(HWND hwnd, LPARAM lp) {
    auto* windows = reinterpret_cast<WindowCount*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != windows->pid) return TRUE;
    ++windows->count;
    EnumChildWindows(hwnd, CountChild, lp);
    return TRUE;
}

// The editor's GUI objects and private bytes. GetGuiResources is a stub in
// Wine (0, ERROR_CALL_NOT_IMPLEMENTED): then gdi and user are -1, and
// gdiTable and windows (top-level and child windows, hidden ones too) are the
// counts that still tell a leak.
int Resources() {
    HWND main = FindWindowW(L"TamsuNotepadWindow", nullptr);
    DWORD pid = 0;
    if (main) GetWindowThreadProcessId(main, &pid);
    HANDLE process = pid ? OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid) : nullptr;
    if (!process) {
        std::puts("{\"found\":false}");
        return 0;
    }
    auto count = [&](DWORD kind) -> long {
        SetLastError(0);
        const DWORD n = GetGuiResources(process, kind);
        return (n == 0 && GetLastError() != 0) ? -1 : static_cast<long>(n);
    };
    const long gdi = count(GR_GDIOBJECTS);
    const long user = count(GR_USEROBJECTS);
    const long gdiTable = GdiTableCount(process, pid);
    WindowCount windows{pid, 0};
    EnumWindows(CountTop, reinterpret_cast<LPARAM>(&windows));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    CloseHandle(process);
    std::printf("{\"found\":true,\"pid\":%lu,\"gdi\":%ld,\"user\":%ld,\"gdiTable\":%ld,\"windows\":%ld,"
                "\"private\":%llu,\"workingSet\":%llu}\n",
                static_cast<unsigned long>(pid), gdi, user, gdiTable, windows.count,
                static_cast<unsigned long long>(memory.PrivateUsage),
                static_cast<unsigned long long>(memory.WorkingSetSize));
    return 0;
}

// Commands that act rather than read: each prints {"ok":true|false}.
int Act(const std::string& verb, unsigned long value) {
    bool ok = false;
    if (verb == "command") {
        // A benchmark's road to a command without the pointer: the posted
        // WM_COMMAND that choosing menu entry N sends.
        HWND main = FindWindowW(L"TamsuNotepadWindow", nullptr);
        ok = main && PostMessageW(main, WM_COMMAND, 20000 + value, 0);
    } else if (verb == "kill") {
        if (HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, value)) {
            ok = TerminateProcess(h, 1) && WaitForSingleObject(h, 10000) == WAIT_OBJECT_0;
            CloseHandle(h);
        }
    }
    std::puts(ok ? "{\"ok\":true}" : "{\"ok\":false}");
    return ok ? 0 : 1;
}

BOOL CALLBACK FindDocumentBox(HWND hwnd, LPARAM lp) {
    if (ClassOf(hwnd) == L"Edit" && IsWindowVisible(hwnd) && (GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_MULTILINE)) {
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
    }
    return TRUE;
}

bool SetDocumentText(HWND main, const char* path) {
    FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    std::string utf8;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) utf8.append(buf, n);
    std::fclose(f);
    std::wstring text(utf8.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                                      static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(n));
    HWND box = nullptr;
    EnumChildWindows(main, FindDocumentBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return false;
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000,
                               &result) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "processes") return Processes();
    if (argc > 1 && std::string(argv[1]) == "resources") return Resources();
    if (argc > 2 && std::string(argv[1]) == "settext") {
        HWND main = FindWindowW(L"TamsuNotepadWindow", nullptr);
        const bool ok = main && SetDocumentText(main, argv[2]);
        std::puts(ok ? "{\"ok\":true}" : "{\"ok\":false}");
        return ok ? 0 : 1;
    }
    if (argc > 1 && std::string(argv[1]) == "length") {
        // The document's length in UTF-16 units, without copying a long text.
        HWND main = FindWindowW(L"TamsuNotepadWindow", nullptr);
        HWND box = nullptr;
        if (main) EnumChildWindows(main, FindDocumentBox, reinterpret_cast<LPARAM>(&box));
        DWORD_PTR units = 0;
        const bool ok = box && SendMessageTimeoutW(box, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &units);
        if (!ok) {
            std::puts("{\"units\":-1}");
            return 1;
        }
        std::printf("{\"units\":%llu}\n", static_cast<unsigned long long>(units));
        return 0;
    }
    if (argc > 2 && std::string(argv[1]) == "lock") {
        // Another process holding a file, as an editor or a virus scanner would.
        const int n = MultiByteToWideChar(CP_ACP, 0, argv[2], -1, nullptr, 0);
        std::wstring path(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(CP_ACP, 0, argv[2], -1, path.data(), n);
        HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        std::printf("{\"locked\":%s}\n", h != INVALID_HANDLE_VALUE ? "true" : "false");
        std::fflush(stdout);
        if (h == INVALID_HANDLE_VALUE) return 1;
        Sleep(INFINITE);
    }
    std::string out;
    if (argc > 2 && std::string(argv[1]) == "children") {
        HWND parent = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(argv[2], nullptr, 10)));
        out = "{\"children\":[";
        EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&out));
        out += "]}";
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fputc('\n', stdout);
        return 0;
    }
    if (argc > 2) return Act(argv[1], std::strtoul(argv[2], nullptr, 10));
    if (argc > 1 && std::string(argv[1]) == "top") {
        out = "{\"windows\":[";
        EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&out));
        out += "]}";
    } else {
        HWND main = FindWindowW(L"TamsuNotepadWindow", nullptr);
        if (!main) {
            std::puts("{\"found\":false}");
            return 0;
        }
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
        char head[128];
        std::snprintf(head, sizeof head, "{\"found\":true,\"focus\":%llu,\"main\":",
                      static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(info.hwndFocus)));
        out = head + Describe(main) + "}," + "\"iconic\":" + (IsIconic(main) ? "true" : "false") + ",\"children\":[";
        EnumChildWindows(main, CollectChild, reinterpret_cast<LPARAM>(&out));
        out += "]}";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}
