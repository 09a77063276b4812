// Writing Text of 编辑框1 (opening a file does this) against one WM_SETTEXT
// of the same text into a bare edit control of the final style. The write that
// switches the scroll bar on rebuilds the box; it must still lay the text out
// only once.
#include <cstdio>

#include "bench_support.h"
#include "support/test_window.h"

using namespace tamsu;
using namespace tamsu::bench;

int main() {
    std::printf("bench_text_write: writing Text of the document box against one WM_SETTEXT into a bare edit control\n");
    std::printf("%-6s %-28s %12s %12s %8s\n", "size", "case", "box ms", "bare ms", "ratio");
    for (const size_t megabytes : {1u, 8u}) {
        const std::string document = MakeDocument(megabytes << 20);
        const std::wstring wide = Cp936ToWide(document);
        test::TestWindow w;
        for (const bool switching : {true, false}) {
            // switching: the box is short before the write, so the scroll bar comes on.
            w.ui().SetText(ControlId::编辑框1, edit_prop::Text, switching ? "" : "x" + document);
            Pump();
            double t = NowMs();
            w.ui().SetText(ControlId::编辑框1, edit_prop::Text, document);
            const double ours = NowMs() - t;
            // The bare control gets the style the box ends with.
            BareEdit bareLong(w.edit());
            t = NowMs();
            SendMessageW(bareLong.edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
            const double theirs = NowMs() - t;
            std::printf("%2zu MB  %-28s %12.1f %12.1f %8.3f\n", static_cast<size_t>(megabytes),
                        switching ? "short before (rebuild)" : "long before (no rebuild)", ours, theirs,
                        ours / theirs);
        }
    }
    return 0;
}
