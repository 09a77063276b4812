#include "document/file_io.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "document/long_path.h"
#include "ui/cp936_conversion.h"

namespace tamsu {
namespace {

constexpr DWORD kChunk = 1 << 20;

BOOL RealWriteChunk(HANDLE file, const char* data, DWORD size, DWORD* written) {
    return WriteFile(file, data, size, written, nullptr);
}

WriteChunkFunction g_writeChunk = RealWriteChunk;

std::wstring FullPathOf(const std::wstring& path) {
    const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) return {};
    std::wstring full(n, L'\0');
    const DWORD got = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    if (got == 0 || got >= n) return {};
    full.resize(got);
    return full;
}

// Room for the longest name made beside a target (see UniqueName).
constexpr size_t kMadeNameRoom = 40;

// The path as the file system takes it: full, and in the extended-length form
// where it, or a name made beside it, could reach MAX_PATH. Shorter paths keep
// the plain form and with it the system's usual reading of them.
std::wstring FileSystemPath(const std::string& path) {
    const std::wstring full = FullPathOf(Cp936ToWide(path));
    if (full.empty() || full.size() + kMadeNameRoom < MAX_PATH) return full;
    return LongPathForm(full);
}

// The folder part of a full path, with its trailing backslash.
std::wstring FolderOf(const std::wstring& full) {
    const size_t slash = full.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : full.substr(0, slash + 1);
}

std::wstring UniqueName(const std::wstring& folder, unsigned attempt) {
    static unsigned counter = 0;
    wchar_t name[64];
    std::swprintf(name, 64, L"~tamsu%lx-%lx-%x.tmp", static_cast<unsigned long>(GetCurrentProcessId()),
                  static_cast<unsigned long>(GetTickCount()), ++counter + attempt);
    return folder + name;
}

// A new, empty file beside the target that nobody else may open meanwhile.
HANDLE CreateTempFileIn(const std::wstring& folder, std::wstring& tempPath, DWORD& error) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        tempPath = UniqueName(folder, attempt);
        HANDLE h = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) return h;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return INVALID_HANDLE_VALUE;
    }
    return INVALID_HANDLE_VALUE;
}

// A name beside the target that no file has yet.
std::wstring FreeNameIn(const std::wstring& folder) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::wstring name = UniqueName(folder, attempt);
        if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND)
            return name;
    }
    return {};
}

bool WriteAll(HANDLE file, std::string_view bytes, DWORD& error) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD size = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kChunk));
        DWORD written = 0;
        if (!g_writeChunk(file, bytes.data() + done, size, &written)) {
            error = GetLastError();
            return false;
        }
        if (written == 0) {
            error = ERROR_WRITE_FAULT;
            return false;
        }
        done += written;
    }
    return true;
}

// Windows' ReplaceFileW carries the replaced file's attributes over; not every
// implementation does, so the ones a user sets are put back when missing.
void KeepAttributes(const std::wstring& target, DWORD former) {
    constexpr DWORD kCarried = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_OFFLINE |
                                FILE_ATTRIBUTE_TEMPORARY | kCarried;
    const DWORD now = GetFileAttributesW(target.c_str());
    if (now == INVALID_FILE_ATTRIBUTES || (now & kCarried) == (former & kCarried)) return;
    const DWORD wanted = (now & kSettable & ~kCarried) | (former & kCarried);
    SetFileAttributesW(target.c_str(), wanted ? wanted : FILE_ATTRIBUTE_NORMAL);
}

bool Fail(DWORD& error, DWORD code) {
    error = code != ERROR_SUCCESS ? code : ERROR_GEN_FAILURE;
    return false;
}

}  // namespace

void SetWriteChunkFunction(WriteChunkFunction function) { g_writeChunk = function ? function : RealWriteChunk; }

bool ReadFileBytes(const std::string& path, Bytes& bytes, DWORD& error) {
    bytes.clear();
    if (path.empty()) return Fail(error, ERROR_INVALID_NAME);
    const std::wstring wide = FileSystemPath(path);
    if (wide.empty()) return Fail(error, GetLastError());
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail(error, GetLastError());
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) != FALSE;
    DWORD code = ok ? ERROR_SUCCESS : GetLastError();
    if (ok && size.QuadPart > kMaxReadBytes) {
        ok = false;
        code = ERROR_FILE_TOO_LARGE;
    }
    if (ok && size.QuadPart > 0) {
        try {
            bytes.resize(static_cast<size_t>(size.QuadPart));
        } catch (const std::bad_alloc&) {
            ok = false;
            code = ERROR_NOT_ENOUGH_MEMORY;
        }
        size_t done = 0;
        while (ok && done < bytes.size()) {
            const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kChunk * 16));
            DWORD got = 0;
            if (!ReadFile(file, bytes.data() + done, want, &got, nullptr)) {
                ok = false;
                code = GetLastError();
            } else if (got == 0) {
                break;  // the file shrank meanwhile: keep what arrived
            }
            done += got;
        }
        bytes.resize(ok ? done : 0);
    }
    CloseHandle(file);
    if (!ok) return Fail(error, code);
    error = ERROR_SUCCESS;
    return true;
}

bool WriteFileBytes(const std::string& path, std::string_view bytes, DWORD& error) {
    if (path.empty()) return Fail(error, ERROR_INVALID_NAME);
    const std::wstring target = FileSystemPath(path);
    if (target.empty()) return Fail(error, GetLastError());
    const std::wstring folder = FolderOf(target);
    if (folder.empty() || folder.size() == target.size()) return Fail(error, ERROR_INVALID_NAME);

    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists) {
        const DWORD why = GetLastError();
        if (why != ERROR_FILE_NOT_FOUND) return Fail(error, why);
    } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        return Fail(error, ERROR_ACCESS_DENIED);
    }

    std::wstring temp;
    DWORD code = ERROR_SUCCESS;
    HANDLE file = CreateTempFileIn(folder, temp, code);
    if (file == INVALID_HANDLE_VALUE) return Fail(error, code);
    bool ok = WriteAll(file, bytes, code);
    if (ok && !FlushFileBuffers(file)) {
        ok = false;
        code = GetLastError();
    }
    if (!CloseHandle(file) && ok) {
        ok = false;
        code = GetLastError();
    }
    if (!ok) {
        DeleteFileW(temp.c_str());
        return Fail(error, code);
    }

    if (!exists) {
        if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            error = ERROR_SUCCESS;
            return true;
        }
        code = GetLastError();
        DeleteFileW(temp.c_str());
        return Fail(error, code);
    }

    // With a backup name the replaced file is never deleted before the new one
    // stands in its place: on a partial failure it is found under one of the
    // two names and put back.
    const std::wstring backup = FreeNameIn(folder);
    if (backup.empty()) {
        DeleteFileW(temp.c_str());
        return Fail(error, ERROR_FILE_EXISTS);
    }
    if (ReplaceFileW(target.c_str(), temp.c_str(), backup.c_str(),
                     REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr)) {
        KeepAttributes(target, attributes);
        DeleteFileW(backup.c_str());
        error = ERROR_SUCCESS;
        return true;
    }
    code = GetLastError();
    // ERROR_UNABLE_TO_MOVE_REPLACEMENT_2: the former file now has the backup
    // name. Whatever the code, a target that is gone while the backup exists
    // is put back; the former file is never deleted here.
    if (GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES &&
        GetFileAttributesW(backup.c_str()) != INVALID_FILE_ATTRIBUTES) {
        MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    DeleteFileW(temp.c_str());
    return Fail(error, code);
}

std::string SystemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n && buffer ? std::wstring(buffer, n) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    if (text.empty()) {
        char code[32];
        std::snprintf(code, sizeof code, "%lu", static_cast<unsigned long>(error));
        return std::string("错误代码 ") + code;
    }
    return WideToCp936(text);
}

}  // namespace tamsu
