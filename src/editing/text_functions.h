// Case conversion and search over code page 936 bytes. A byte of 0x80 or above
// starts a two-byte character whatever follows it; any other byte is a
// character of its own. Deliberately free of <windows.h>: commdlg.h defines
// FindText as a macro.
#pragma once

#include <string>
#include <string_view>

namespace tamsu {

// a-z that begin a character become A-Z; everything else, including the
// second byte of a two-byte character, is copied unchanged.
std::string ToUpperCase(std::string_view text);
// A-Z that begin a character become a-z.
std::string ToLowerCase(std::string_view text);

// 1-based byte position of the first occurrence of pattern in text that
// begins where a character begins, or -1. An empty pattern is found at 1 in
// any non-empty text.
int FindText(std::string_view text, std::string_view pattern);

}  // namespace tamsu
