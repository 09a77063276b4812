#include "document/long_path.h"

namespace tamsu {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

}  // namespace

std::wstring LongPathForm(std::wstring_view path) {
    // "\\?\", "\\.\" and "\??\" name their namespace already.
    if (path.size() >= 4 && IsSeparator(path[0]) && (path[2] == L'?' || path[2] == L'.') && IsSeparator(path[3]) &&
        (IsSeparator(path[1]) || path[1] == L'?')) {
        return std::wstring(path);
    }
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && IsSeparator(path[2])) {
        return L"\\\\?\\" + std::wstring(path);
    }
    // A share: "\\server\share\...", with a server name.
    if (path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2])) {
        return L"\\\\?\\UNC\\" + std::wstring(path.substr(2));
    }
    return std::wstring(path);
}

}  // namespace tamsu
