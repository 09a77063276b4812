// Files for the document tests: a folder of their own under the system's temp
// folder, raw reads and writes that bypass the code under test, and a second
// process that holds a file locked.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/cp936_conversion.h"

namespace tamsu::test {

inline std::wstring Wide(const std::string& cp936) { return Cp936ToWide(cp936); }

inline void WriteRaw(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    if (!bytes.empty()) WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    ASSERT_EQ(written, bytes.size());
}

inline std::string ReadRaw(const std::string& path) {
    HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(static_cast<size_t>(GetFileSize(h, nullptr)), '\0');
    DWORD got = 0;
    if (!bytes.empty()) ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(h);
    bytes.resize(got);
    return bytes;
}

// A file of the given length that takes no room on disk: the system leaves the
// unwritten part sparse.
inline void WriteSparse(const std::string& path, long long length) {
    HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    LARGE_INTEGER at;
    at.QuadPart = length;
    EXPECT_TRUE(SetFilePointerEx(h, at, nullptr, FILE_BEGIN) && SetEndOfFile(h)) << path;
    CloseHandle(h);
}

inline bool Exists(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        static unsigned counter = 0;
        for (;;) {
            wchar_t name[MAX_PATH];
            swprintf(name, MAX_PATH, L"%lstamsu-doc-%lu-%u", base, GetCurrentProcessId(), ++counter);
            if (CreateDirectoryW(name, nullptr)) {
                folder_ = name;
                break;
            }
        }
    }
    ~TempFolder() {
        for (const std::string& n : Names()) {
            const std::wstring p = folder_ + L"\\" + Wide(n);
            SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(p.c_str());
        }
        RemoveDirectoryW(folder_.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path() const { return WideToCp936(folder_); }
    std::string Path(const std::string& name) const { return path() + "\\" + name; }

    // The names in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW((folder_ + L"\\*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return names;
        do {
            const std::wstring n = fd.cFileName;
            if (n != L"." && n != L"..") names.push_back(WideToCp936(n));
        } while (FindNextFileW(h, &fd));
        FindClose(h);
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::wstring folder_;
};

// Folders nested below dir until a file name of the rest of the bytes makes a
// path of exactly `bytes` code page 936 bytes; `chinese` puts double-byte
// characters into the name. Removed again on destruction.
class LongPath {
public:
    LongPath(const TempFolder& dir, size_t bytes, bool chinese) : folder_(dir.path()) {
        while (bytes - folder_.size() > 120) {
            folder_ += "\\" + std::string(90, 'd');
            CreateDirectoryW(Wide(Raw(folder_)).c_str(), nullptr);
            made_.push_back(folder_);
        }
        name_ = chinese ? "中文名" : "";
        name_ += std::string(bytes - folder_.size() - 1 - name_.size() - 4, 'f') + ".txt";
        path_ = folder_ + "\\" + name_;
    }
    ~LongPath() {
        for (const std::string& n : Names()) DeleteFileW(Wide(Raw(folder_ + "\\" + n)).c_str());
        for (auto it = made_.rbegin(); it != made_.rend(); ++it) RemoveDirectoryW(Wide(Raw(*it)).c_str());
    }
    const std::string& path() const { return path_; }
    const std::string& name() const { return name_; }
    // The same file for the raw helpers, which take it at any length this way.
    static std::string Raw(const std::string& full) { return "\\\\?\\" + full; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW(Wide(Raw(folder_) + "\\*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return names;
        do {
            const std::wstring n = fd.cFileName;
            if (n != L"." && n != L"..") names.push_back(WideToCp936(n));
        } while (FindNextFileW(h, &fd));
        FindClose(h);
        return names;
    }

private:
    std::string folder_, name_, path_;
    std::vector<std::string> made_;
};

// Another process that opens the file with no sharing and keeps it open.
class LockingProcess {
public:
    explicit LockingProcess(const std::string& path) {
        wchar_t exe[MAX_PATH];
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        std::wstring probe = exe;
        probe = probe.substr(0, probe.find_last_of(L"\\/") + 1) + L"probe.exe";
        std::wstring command = L"\"" + probe + L"\" lock \"" + Wide(path) + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        if (!CreateProcessW(probe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) {
            ADD_FAILURE() << "probe.exe did not start";
            return;
        }
        // Locked once nobody else may open it any more.
        for (int i = 0; i < 200; ++i) {
            HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
            if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION) return;
            if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
            Sleep(50);
        }
        ADD_FAILURE() << "the file was never locked: " << path;
    }
    ~LockingProcess() {
        if (!pi_.hProcess) return;
        TerminateProcess(pi_.hProcess, 0);
        WaitForSingleObject(pi_.hProcess, 10000);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    LockingProcess(const LockingProcess&) = delete;
    LockingProcess& operator=(const LockingProcess&) = delete;

private:
    PROCESS_INFORMATION pi_{};
};

}  // namespace tamsu::test
