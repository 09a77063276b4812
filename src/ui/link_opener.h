// Opens the link's web address: the shell first, then the command registered
// for web pages. True when one of them succeeded.
#pragma once

#include <string>

namespace tamsu {

bool OpenLinkTarget(const std::string& target);

}  // namespace tamsu
