#include "document/print_layout.h"

#include <algorithm>

namespace tamsu {
namespace {

bool IsBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }

// Characters of the wide scripts (CJK, kana, hangul, full-width forms) may
// be separated by a wrap anywhere.
bool IsWide(wchar_t c) {
    return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The unit after a line break (CR LF counts as one break).
size_t AfterBreak(std::wstring_view text, size_t at) {
    if (at >= text.size()) return text.size();
    if (text[at] == L'\r' && at + 1 < text.size() && text[at + 1] == L'\n') return at + 2;
    return at + 1;
}

}  // namespace

PrintLine NextPrintLine(std::wstring_view text, size_t pos, size_t maxUnits, const LineFit& fit) {
    // Only the stretch that can reach the line is looked at: a paragraph of
    // megabytes costs no more per line than a short one.
    maxUnits = std::max<size_t>(maxUnits, 1);
    const size_t scanEnd = std::min(text.size(), pos + maxUnits + 1);
    size_t paragraphEnd = pos;
    while (paragraphEnd < scanEnd && !IsBreak(text[paragraphEnd])) ++paragraphEnd;
    if (paragraphEnd == pos) return {pos, 0, AfterBreak(text, pos)};
    const bool realEnd = paragraphEnd == text.size() || IsBreak(text[paragraphEnd]);

    const size_t offered = std::min(paragraphEnd, pos + maxUnits);
    size_t fits = std::min(fit(pos, offered), offered - pos);
    if (pos + fits >= paragraphEnd) return {pos, paragraphEnd - pos, AfterBreak(text, paragraphEnd)};

    // Never cut a surrogate pair; a line holds at least one character.
    size_t cut = pos + fits;
    if (cut > pos && IsLowSurrogate(text[cut])) --cut;
    if (cut == pos) {
        cut = pos + 1;
        if (cut < paragraphEnd && IsLowSurrogate(text[cut])) ++cut;
    }

    // The last place at or before the cut where a wrap may fall.
    size_t wrap = cut;
    if (text[cut] != L' ') {
        size_t i = cut;
        while (i > pos && text[i - 1] != L' ' && !IsWide(text[i - 1]) && !IsWide(text[i])) --i;
        if (i > pos) wrap = i;
    }
    size_t end = wrap;
    while (end > pos && text[end - 1] == L' ') --end;
    if (end == pos) end = wrap;  // a line of spaces alone keeps them
    size_t next = wrap;
    while (next < paragraphEnd && text[next] == L' ') ++next;
    if (next == paragraphEnd && realEnd) next = AfterBreak(text, paragraphEnd);
    return {pos, end - pos, next};
}

std::wstring ExpandTabs(std::wstring_view text, size_t tabSize) {
    std::wstring out;
    out.reserve(text.size());
    size_t column = 0;
    for (wchar_t c : text) {
        if (c == L'\t') {
            const size_t spaces = tabSize - column % tabSize;
            out.append(spaces, L' ');
            column += spaces;
            continue;
        }
        out += c;
        column = IsBreak(c) ? 0 : column + 1;
    }
    return out;
}

}  // namespace tamsu
