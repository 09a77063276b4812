// The form of a full path that the file system takes at any length. Without
// the "\\?\" prefix Windows refuses paths of MAX_PATH characters and more, and
// a save makes its temporary file beside the target under a longer name than
// the target's own. No Windows calls here.
#pragma once

#include <string>
#include <string_view>

namespace tamsu {

// "C:\dir\f.txt" -> "\\?\C:\dir\f.txt", "\\server\share\f.txt" ->
// "\\?\UNC\server\share\f.txt"; a path that already has a namespace prefix, or
// is not a full path, comes back as it is. The path must already be full and
// clean (GetFullPathNameW's result): past the prefix nothing is normalised.
std::wstring LongPathForm(std::wstring_view fullPath);

}  // namespace tamsu
