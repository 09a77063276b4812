// Open of a large file through the real command path against the least any
// editor must do: one WM_SETTEXT of the same text into a bare edit control of
// the same style, font, place and size. Both are timed in this run, in
// alternating order; the ratio of the fastest runs is the figure.
//
// bench_open --hold PATH: a bare edit control like the document box that
// takes the file's text when a line arrives on stdin, so that a script can
// measure what holding the text costs the process (bench/memory_bench.py).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "document/file_commands.h"
#include "support/test_window.h"
#include "ui/cp936_conversion.h"

namespace {

using namespace tamsu;
using namespace tamsu::bench;

// A document as people write them: Chinese and ASCII mixed, CR LF line ends,
// lines that fit the box's width.
std::string MakeText(size_t bytes) {
    const std::string line = "这是一行测试文本，含有中文和 ASCII letters 0123456789。\r\n";
    std::string text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes) text += line;
    text.resize(bytes - (bytes % 2));  // never end inside a double-byte character
    while (!text.empty() && static_cast<unsigned char>(text.back()) >= 0x81) text.pop_back();
    return text;
}

std::wstring TempFile(const wchar_t* name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

std::string ReadAll(const std::wstring& path) {
    std::string bytes;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    LARGE_INTEGER size{};
    GetFileSizeEx(h, &size);
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    bytes.resize(got);
    CloseHandle(h);
    return bytes;
}

double TimeOpen(const std::wstring& path, size_t expectedBytes) {
    test::TestWindow w;
    Pump();
    w.services.fileAnswers.push_back({true, WideToCp936(path)});
    const double t = NowMs();
    OpenCommand(w.app());
    UpdateWindow(w.ui().mainWindow());
    const double ms = NowMs() - t;
    if (w.ui().GetText(ControlId::编辑框1, edit_prop::Text).size() != expectedBytes)
        std::printf("  (the opened text differs from the file!)\n");
    return ms;
}

// model: the document box once it holds the document; the bare control takes
// its style (a long document shows the vertical scroll bar), so both lay out
// the same lines.
double TimeBare(const std::wstring& wide, HWND model) {
    BareEdit bare(model);
    Pump();
    const double t = NowMs();
    SendMessageW(bare.edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    UpdateWindow(GetParent(bare.edit()));
    return NowMs() - t;
}

int Hold(const std::wstring& path) {
    test::TestWindow w;
    BareEdit bare(w.edit());
    Pump();
    std::string line;
    std::printf("ready\n");
    std::fflush(stdout);
    if (!std::getline(std::cin, line)) return 1;
    {
        const std::wstring wide = Cp936ToWide(ReadAll(path));
        SendMessageW(bare.edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    Pump();
    std::printf("loaded %d\n", GetWindowTextLengthW(bare.edit()));
    std::fflush(stdout);
    std::getline(std::cin, line);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--hold") {
        const int n = MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, nullptr, 0);
        std::wstring path(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, path.data(), n);
        path.resize(path.size() - 1);
        return Hold(path);
    }
    const int runs = 5;
    std::printf("bench_open: Open of a file vs one WM_SETTEXT of its text into a bare edit control\n"
                "  (fastest of %d runs each, alternating)\n", runs);
    for (const size_t megabytes : {1u, 8u}) {
        const std::string text = MakeText(megabytes << 20);
        const std::wstring path = TempFile(L"tamsu-open-bench.txt");
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(h);
        const std::wstring wide = Cp936ToWide(text);

        test::TestWindow model;
        model.services.fileAnswers.push_back({true, WideToCp936(path)});
        OpenCommand(model.app());
        std::vector<double> open, bare;
        for (int run = 0; run < runs; ++run) {
            if (run % 2) open.push_back(TimeOpen(path, text.size()));
            bare.push_back(TimeBare(wide, model.edit()));
            if (run % 2 == 0) open.push_back(TimeOpen(path, text.size()));
        }
        DeleteFileW(path.c_str());
        const double o = *std::min_element(open.begin(), open.end());
        const double b = *std::min_element(bare.begin(), bare.end());
        std::printf("  %zu MB: Open %.1f ms (median %.1f), bare WM_SETTEXT %.1f ms (median %.1f), ratio %.3f\n",
                    static_cast<size_t>(megabytes), o, Median(open), b, Median(bare), o / b);
        Report(megabytes == 1 ? "Open 1 MB" : "Open 8 MB", o / b, "<= 1.10",
               "one WM_SETTEXT of the same text into a bare edit control, same style and font");
    }
    return 0;
}
