// Reading a file whole and writing one safely. Paths and texts are code page
// 936; failures come back as the system's error code, so the commands can say
// why.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "document/text_transfer.h"

namespace tamsu {

// Reads the whole file (GENERIC_READ, others may read but not write meanwhile).
// False with the system's error code when it cannot be opened or read; a file
// of length 0 is read as the empty buffer.
bool ReadFileBytes(const std::string& path, Bytes& bytes, DWORD& error);

// Writes bytes as the whole content of the file at path without ever damaging
// what is there: the bytes go to a new file in the same folder, are flushed,
// and only then take the target's place; a target that existed keeps its
// attributes. On any failure the former file is as it was, no temporary file
// is left, and error holds the system's code.
bool WriteFileBytes(const std::string& path, std::string_view bytes, DWORD& error);

// The system's wording of an error code, without the trailing line break.
std::string SystemErrorText(DWORD error);

// The step that hands bytes to the file system; a fault can be put in its place
// to see a write fail halfway. nullptr restores the real one.
using WriteChunkFunction = BOOL (*)(HANDLE file, const char* data, DWORD size, DWORD* written);
void SetWriteChunkFunction(WriteChunkFunction function);

}  // namespace tamsu
