// Moving a document between a text and a file's bytes, exactly: no code-page
// conversion, no byte-order mark, no change of line ends.
#pragma once

#include <string>
#include <string_view>

namespace tamsu {

// A counted byte buffer: any bytes, NUL included; empty means length 0.
using Bytes = std::string;

// The text's bytes without its terminator (a text ends at its first NUL).
Bytes TextToBytes(std::string_view text);

// The bytes up to, not including, the first NUL byte, or all of them.
std::string BytesToText(std::string_view bytes);

// True when BytesToText would drop something.
bool HasNulByte(std::string_view bytes);

}  // namespace tamsu
