// Reading a file whole and writing one safely. Paths and texts are code page
// 936; failures come back as the system's error code, so the commands can say
// why.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "document/text_transfer.h"

namespace tamsu {

// The largest file that is read. The document box lays out about 3 MB of text
// a second under Wine and holds some twelve bytes of memory for each byte, so
// at this size the window is already still for about ten seconds; a larger
// file is refused before anything is read, not left to freeze the window for
// minutes and take gigabytes.
constexpr long long kMaxReadBytes = 32LL * 1024 * 1024;

// Reads the whole file (GENERIC_READ, others may read but not write meanwhile).
// False with the system's error code when it cannot be opened or read, and
// ERROR_FILE_TOO_LARGE for a file longer than kMaxReadBytes; a file of length
// 0 is read as the empty buffer. Paths of any length are taken.
bool ReadFileBytes(const std::string& path, Bytes& bytes, DWORD& error);

// Writes bytes as the whole content of the file at path without ever damaging
// what is there: the bytes go to a new file in the same folder, are flushed,
// and only then take the target's place; a target that existed keeps its
// attributes. On any failure the former file is as it was, no temporary file
// is left, and error holds the system's code. Paths of any length are taken.
bool WriteFileBytes(const std::string& path, std::string_view bytes, DWORD& error);

// The system's wording of an error code, without the trailing line break.
std::string SystemErrorText(DWORD error);

// The step that hands bytes to the file system; a fault can be put in its place
// to see a write fail halfway. nullptr restores the real one.
using WriteChunkFunction = BOOL (*)(HANDLE file, const char* data, DWORD size, DWORD* written);
void SetWriteChunkFunction(WriteChunkFunction function);

}  // namespace tamsu
