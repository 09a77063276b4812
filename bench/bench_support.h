// What the benchmarks share: a document of a given size, a bare edit control
// to compare 编辑框1 with, and a clock.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/cp936_conversion.h"

namespace tamsu::bench {

// Lines of Chinese and ASCII text with line breaks, exactly `bytes` long.
inline std::string MakeDocument(size_t bytes) {
    std::string text;
    text.reserve(bytes + 128);
    char number[16];
    for (int line = 1; text.size() < bytes; ++line) {
        std::snprintf(number, sizeof number, "%d", line);
        text += "第";
        text += number;
        text += "行：这是一段用来测量编辑器速度的中文文字, mixed with some ASCII words.\r\n";
    }
    while (text.size() > bytes) text.pop_back();
    // Never end in the first byte of a character.
    size_t at = 0;
    while (at < text.size()) at += static_cast<unsigned char>(text[at]) >= 0x81 ? 2 : 1;
    if (at > text.size()) text.back() = '.';
    return text;
}

inline double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The line scripts/bench.sh collects into its table: what was measured, the
// ratio, its goal ("<= 1.10", "< 1", or "-" for none) and what it is a ratio to.
inline void Report(const char* what, double ratio, const char* goal, const char* baseline) {
    std::printf("RESULT|%s|%.3f|%s|%s\n", what, ratio, goal, baseline);
    std::fflush(stdout);
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A visible top-level window holding one EDIT control with the style, extended
// style, place, size and font of `model`, and no handler of its own.
class BareEdit {
public:
    explicit BareEdit(HWND model) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TamsuBenchParent";
        RegisterClassW(&wc);
        RECT r{};
        GetWindowRect(GetParent(model), &r);
        parent_ = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, r.left,
                                  r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance,
                                  nullptr);
        RECT box{};
        GetWindowRect(model, &box);
        MapWindowPoints(HWND_DESKTOP, GetParent(model), reinterpret_cast<POINT*>(&box), 2);
        edit_ = CreateWindowExW(static_cast<DWORD>(GetWindowLongPtrW(model, GWL_EXSTYLE)), L"EDIT", L"",
                                static_cast<DWORD>(GetWindowLongPtrW(model, GWL_STYLE)) | WS_VISIBLE, box.left,
                                box.top, box.right - box.left, box.bottom - box.top, parent_, nullptr,
                                wc.hInstance, nullptr);
        SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);
        SendMessageW(edit_, WM_SETFONT, SendMessageW(model, WM_GETFONT, 0, 0), FALSE);
    }
    ~BareEdit() { DestroyWindow(parent_); }
    HWND edit() const { return edit_; }

private:
    HWND parent_ = nullptr;
    HWND edit_ = nullptr;
};

// Handles every waiting message, paint included.
inline void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace tamsu::bench
