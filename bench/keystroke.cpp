// Time per keystroke in 编辑框1, whose text-changed handler runs on every
// change, against a bare edit control of the same style, font and text.
#include <cstdio>

#include "bench_support.h"
#include "editing/scroll_bar_rule.h"
#include "support/test_window.h"

using namespace tamsu;
using namespace tamsu::bench;

namespace {

// One keystroke and its Backspace, so the document keeps its size; with
// `paint`, each is followed by the repaint a user would wait for.
double MsPerKeystroke(HWND box, int pairs, bool paint) {
    SetFocus(box);  // a user types into the focused box: caret updates count too
    const double start = NowMs();
    for (int i = 0; i < pairs; ++i) {
        SendMessageW(box, WM_CHAR, L'a', 1);
        if (paint) UpdateWindow(box);
        SendMessageW(box, WM_CHAR, L'\b', 1);
        if (paint) UpdateWindow(box);
    }
    return (NowMs() - start) / (2.0 * pairs);
}

void PutCaretAtEnd(HWND box) {
    const LRESULT n = GetWindowTextLengthW(box);
    SendMessageW(box, EM_SETSEL, n, n);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

}  // namespace

int main() {
    std::printf("bench_keystroke: time per keystroke in the document box (with its handler) and in a bare edit control;\n  a character typed at the end, then Backspace\n");
    std::printf("%-6s %-9s %12s %12s %15s %15s\n", "size", "repaint", "box ms", "bare ms", "ratio(median)",
                "ratio(fastest)");
    for (const size_t megabytes : {1u, 8u}) {
        const std::string document = MakeDocument(megabytes << 20);
        test::TestWindow w;
        w.ui().SetText(ControlId::编辑框1, edit_prop::Text, document);
        BareEdit bare(w.edit());
        SendMessageW(bare.edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Cp936ToWide(document).c_str()));
        PutCaretAtEnd(w.edit());
        PutCaretAtEnd(bare.edit());
        Pump();
        const int pairs = megabytes == 1 ? 10 : 3;
        for (const bool paint : {false, true}) {
            std::vector<double> ours, theirs;
            for (int round = 0; round < 41; ++round) {  // interleaved, so drift hits both alike
                if (round % 2) ours.push_back(MsPerKeystroke(w.edit(), pairs, paint));
                theirs.push_back(MsPerKeystroke(bare.edit(), pairs, paint));
                if (round % 2 == 0) ours.push_back(MsPerKeystroke(w.edit(), pairs, paint));
            }
            const double a = Median(ours), b = Median(theirs);
            const double fa = *std::min_element(ours.begin(), ours.end());
            const double fb = *std::min_element(theirs.begin(), theirs.end());
            std::printf("%2zu MB  %-9s %12.4f %12.4f %15.3f %15.3f\n", static_cast<size_t>(megabytes),
                        paint ? "yes" : "no", a, b, a / b, fa / fb);
            // What a user waits for: the keystroke and its repaint.
            if (paint)
                Report(megabytes == 1 ? "Keystroke at 1 MB" : "Keystroke at 8 MB", a / b, "<= 1.05",
                       "the same keystroke and repaint in a bare edit control holding the same text");
        }
        // The handler alone, as it runs after each keystroke.
        const int calls = 2000;
        const double t = NowMs();
        for (int i = 0; i < calls; ++i) OnEditTextChanged(w.app());
        std::printf("%2zu MB  text-changed handler alone: %.2f microseconds a call\n",
                    static_cast<size_t>(megabytes), 1000.0 * (NowMs() - t) / calls);
        if (w.ui().GetText(ControlId::编辑框1, edit_prop::Text) != document) std::printf("  (document changed!)\n");
    }
    return 0;
}
