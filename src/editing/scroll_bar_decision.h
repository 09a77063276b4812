// When 编辑框1 shows its vertical scroll bar: from ScrollBarThreshold bytes of
// code page 936 text up.
#pragma once

#include <cstddef>

namespace tamsu {

constexpr size_t ScrollBarThreshold = 2156;

// ScrollBars for a document of that many bytes: 0 none, 2 vertical.
int ScrollBarsForBytes(size_t bytes);

// ScrollBars decided from the edit control's UTF-16 length alone, or -1 when
// the bytes must be counted. A character of the control is one unit (two for a
// surrogate pair) and becomes one or two bytes (a pair may become one '?'), so
// the bytes lie between units / 2 and 2 * units.
int ScrollBarsForUnits(size_t units);

}  // namespace tamsu
