// How the document's text falls into printed lines: line breaks end a line,
// and a line wider than the page wraps, after a space or beside a wide (CJK)
// character where it can, else in the middle of a word.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tamsu {

// How many units of text, from start up to end, fit on one line (0 to end - start).
using LineFit = std::function<size_t(size_t start, size_t end)>;

struct PrintLine {
    size_t start = 0;   // first unit of the line
    size_t length = 0;  // units to print; the line break and a wrap's spaces are left out
    size_t next = 0;    // where the next line starts
};

// The line that starts at pos (pos < text.size()). At most maxUnits units are
// offered to fit at a time, so that a long paragraph is never measured whole.
PrintLine NextPrintLine(std::wstring_view text, size_t pos, size_t maxUnits, const LineFit& fit);

// Tabs become spaces up to the next stop of every tabSize characters in the line.
std::wstring ExpandTabs(std::wstring_view text, size_t tabSize = 8);

}  // namespace tamsu
