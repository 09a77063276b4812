#include "tools/shell_operations.h"

namespace tamsu {

bool RunCommandLine(const std::string&, bool) { return false; }
void ShellRun(int, const std::string&, const std::string*, const std::string*) {}
void OpenAddress(const std::string&) {}
bool ShutDownSystem(int, bool) { return false; }

}  // namespace tamsu
