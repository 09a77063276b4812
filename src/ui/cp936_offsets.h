// Mapping between byte offsets of a code page 936 text and the character
// offsets of the UTF-16 edit control. Every character of such a text is one
// UTF-16 unit: a byte of 0x81 or above starts a two-byte character, any other
// byte is a character of its own.
#pragma once

#include <cstddef>
#include <string_view>

namespace tamsu {

// Number of characters that start before byteOffset (a character cut by the
// offset counts as included). byteOffset beyond the end counts the whole text.
size_t Cp936BytesToUnits(std::string_view text, size_t byteOffset);

// Byte offset of the character with index units (the byte length when units
// is at or past the end).
size_t Cp936UnitsToBytes(std::string_view text, size_t units);

}  // namespace tamsu
