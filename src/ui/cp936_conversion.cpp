#include "ui/cp936_conversion.h"

#include <windows.h>

#include <climits>

namespace tamsu {
namespace {
constexpr UINT kCodePage = 936;
}

std::wstring Cp936ToWide(std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int n = MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string WideToCp936(std::wstring_view text) {
    std::string out;
    WideToCp936(text, out);
    return out;
}

void WideToCp936(std::wstring_view text, std::string& out) {
    out.clear();
    if (text.empty() || text.size() > INT_MAX / 2) return;
    const int n = WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    if (n <= 0) return;
    out.resize(static_cast<size_t>(n));
    WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
}

size_t Cp936Length(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX / 2) return 0;
    const int n = WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    return n > 0 ? static_cast<size_t>(n) : 0;
}

bool FitsCp936(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX / 2) return true;
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0,
                        nullptr, &usedDefault);
    return !usedDefault;
}

}  // namespace tamsu
