// Find of a text at the end of an 8 MB document against one plain substring
// pass over the same bytes (MinGW's C library has no memmem; libstdc++'s
// string_view::find is the same memchr-and-compare scan). Both the search
// alone and the whole command on the document box are measured.
#include <cstdio>

#include "bench_support.h"
#include "editing/edit_commands.h"
#include "editing/text_functions.h"
#include "support/test_window.h"

#undef FindText

using namespace tamsu;
using namespace tamsu::bench;

int main() {
    const std::string pattern = "终点ENDE";
    const std::string document = MakeDocument((8u << 20) - pattern.size()) + pattern;
    const std::string_view view(document);

    volatile size_t sink = 0;
    std::vector<double> ours, baseline;
    for (int round = 0; round < 15; ++round) {
        double t = NowMs();
        sink = sink + static_cast<size_t>(FindText(document, pattern));
        ours.push_back(NowMs() - t);
        t = NowMs();
        sink = sink + view.find(pattern);
        baseline.push_back(NowMs() - t);
    }
    const double a = Median(ours), b = Median(baseline);
    std::printf("bench_find: a text at the end of 8 MB of Chinese and ASCII lines\n");
    std::printf("  FindText                 %9.3f ms\n", a);
    std::printf("  substring pass           %9.3f ms\n", b);
    std::printf("  ratio                    %9.3f\n", a / b);

    // The whole command on 编辑框1 as a user meets it: the caret at the top,
    // the text found at the end. It reads the document out of the control,
    // searches, and writes SelStart and SelLength.
    test::TestWindow w;
    w.ui().SetText(ControlId::编辑框1, edit_prop::Text, document);
    HWND box = w.edit();
    auto caretToTop = [&] {
        SendMessageW(box, EM_SETSEL, 0, 0);
        SendMessageW(box, EM_SCROLLCARET, 0, 0);
        Pump();
    };
    std::vector<double> command, reading, selecting, bareSelect;
    for (int round = 0; round < 5; ++round) {
        caretToTop();
        w.services.textAnswers.push_back({true, pattern});
        double t = NowMs();
        FindCommand(w.app());
        command.push_back(NowMs() - t);
        // Its parts: reading the text, and the two selection writes; and
        // what the edit control itself takes to select and show the end.
        caretToTop();
        t = NowMs();
        const std::string text = w.ui().GetText(ControlId::编辑框1, edit_prop::Text);
        reading.push_back(NowMs() - t);
        caretToTop();
        t = NowMs();
        w.ui().SetInt(ControlId::编辑框1, edit_prop::SelStart, static_cast<int>(document.size() - pattern.size()));
        w.ui().SetInt(ControlId::编辑框1, edit_prop::SelLength, static_cast<int>(pattern.size()));
        selecting.push_back(NowMs() - t);
        DWORD s = 0, e = 0;
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        caretToTop();
        t = NowMs();
        SendMessageW(box, EM_SETSEL, s, static_cast<LPARAM>(s));
        SendMessageW(box, EM_SCROLLCARET, 0, 0);
        SendMessageW(box, EM_SETSEL, s, static_cast<LPARAM>(e));
        SendMessageW(box, EM_SCROLLCARET, 0, 0);
        bareSelect.push_back(NowMs() - t);
    }
    const int selStart = w.ui().GetInt(ControlId::编辑框1, edit_prop::SelStart);
    std::printf("  Find command on the box %9.3f ms (ratio %.1f; selection at %d of %zu)\n", Median(command),
                Median(command) / b, selStart, document.size());
    std::printf("    of which: reading Text %.1f ms, writing SelStart and SelLength %.1f ms,\n"
                "    the control's own two EM_SETSEL and EM_SCROLLCARET at the end %.1f ms\n",
                Median(reading), Median(selecting), Median(bareSelect));
    Report("Find at the end of 8 MB: the search", a / b, "-",
           "one substring pass over the same bytes (string_view::find: memchr, then compare)");
    Report("Find at the end of 8 MB: the whole command", Median(command) / b, "-",
           "the same substring pass");
    return FindText(document, pattern) == static_cast<int>(document.size() - pattern.size()) + 1 ? 0 : 1;
}
