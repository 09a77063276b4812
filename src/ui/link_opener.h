// Opens the link's web address: the shell first, then the command registered
// for web pages. True when one of them succeeded.
#pragma once

#include <string>

namespace tamsu {

bool OpenLinkTarget(const std::string& target);

// The command line that opens target with the registered web-page command:
// the command cut before its first "\"%1\"" (failing that, "%1"), then a
// space and the target.
std::wstring WebPageCommandLine(const std::wstring& registered, const std::wstring& target);

}  // namespace tamsu
