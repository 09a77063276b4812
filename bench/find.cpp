// Find of a text at the end of an 8 MB document against one plain substring
// pass over the same bytes (MinGW's C library has no memmem; libstdc++'s
// string_view::find is the same memchr-and-compare scan).
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

    // The whole command on 编辑框1: read the document out of the control,
    // search, select the match.
    test::TestWindow w;
    w.ui().SetText(ControlId::编辑框1, edit_prop::Text, document);
    std::vector<double> command;
    for (int round = 0; round < 5; ++round) {
        w.services.textAnswers.push_back({true, pattern});
        const double t = NowMs();
        FindCommand(w.app());
        command.push_back(NowMs() - t);
    }
    const int selStart = w.ui().GetInt(ControlId::编辑框1, edit_prop::SelStart);
    std::printf("  Find command on the box %9.3f ms (ratio %.1f; selection at %d of %zu)\n", Median(command),
                Median(command) / b, selStart, document.size());
    return FindText(document, pattern) == static_cast<int>(document.size() - pattern.size()) + 1 ? 0 : 1;
}
