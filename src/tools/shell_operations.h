// Starting programs, handing files and addresses to the shell, shutting down.
#pragma once

#include <string>

namespace tamsu {

bool RunCommandLine(const std::string& commandLine, bool wait);
void ShellRun(int verb, const std::string& file, const std::string* parameters, const std::string* directory);
void OpenAddress(const std::string& address);
bool ShutDownSystem(int kind, bool force);

}  // namespace tamsu
